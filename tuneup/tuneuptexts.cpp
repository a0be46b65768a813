#include "tuneup/tuneuptexts.h"

namespace dipo::tuneup::text {

QString caption() { return QStringLiteral("TUNE-UP"); }
QString title() { return QStringLiteral("TUNE-UP COMPONEN SYSTEM"); }
QString tutorialFrame() { return QStringLiteral("TUTORIAL TUNE-UP MESIN LOKOMOTIF"); }
QString valveButton() { return QStringLiteral("TUNE UP PADA VALVE"); }
QString governorButton() { return QStringLiteral("TUNE UP PADA GOVERNOR"); }
QString injectorButton() { return QStringLiteral("TUNE UP PADA INJEKTOR"); }
QString governorFrame() { return QStringLiteral("JENIS-JENIS GOVERNOR"); }
QString limitingSpeedFrame() { return QStringLiteral("LIMITING SPEED MECHANICAL [ LSM ]"); }

QString groupTitle(int group)
{
    switch (group) {
    case 1: return QStringLiteral("VALVE");
    case 2: return QStringLiteral("INJECTOR");
    case 3: return QStringLiteral("VARIABLE SPEED MECHANICAL [ VSM ]");
    case 4: return QStringLiteral("CONSTANT SPEED MECHANICAL [ CSM ]");
    case 5: return QStringLiteral("HYDRAULIC");
    case 6: return QStringLiteral("LSM SINGLE RANGE");
    case 7: return QStringLiteral("LSM DOUBLE RANGE");
    }
    return QString();
}

QString resetButton() { return QStringLiteral("ULANGI"); }
QString processButton() { return QStringLiteral("PROSES"); }
QString closeButton() { return QStringLiteral("CLOSE"); }

QStringList startPrompt()
{
    return {QStringLiteral("Silahkan pilih dahulu jenis "),
            QStringLiteral("komponen yang akan di tune-up")};
}

QString valvePrompt()
{
    return QStringLiteral("Silahkan pilih jenis dari valve mesin yang akan disetel(tune-up)");
}

QString governorPrompt()
{
    return QStringLiteral("Silahkan pilih jenis dari governor yang akan disetel(tune-up)");
}

QString injectorPrompt()
{
    return QStringLiteral("Silahkan pilih jenis dari injektor yang akan disetel(tune-up)");
}

QString itemPickedPrompt()
{
    return QStringLiteral("Silahkan tekan tombol \"PROSES\" untuk mengetahui tutorial perawatan. "
                          "jika tidak tekan tombol \"ULANG\" atau \"CLOSE\".");
}

QString resetPrompt()
{
    return QStringLiteral("Silahkan pilih jenis komponen mesin yang akan ditune-up");
}

QStringList introduction()
{
    return {
        QStringLiteral("       "),
        QStringLiteral("        Pada setiap mesin yang telah diperbaiki atau dipakai, akan "
                       "dilakukan proses tune-up untuk "),
        QStringLiteral("   memaksimalkan kinerja suatu mesin dan setidaknya mempertahankan umur "
                       "pakai suatu komponen "),
        QStringLiteral("   mesin tersebut. Penyetelan atau tune-up pada umumnya dilakukan pada "
                       "komponen tertentu, yaitu :"),
        QStringLiteral("        valve"),
        QStringLiteral("        injector dan"),
        QStringLiteral("        governor"),
        QString(),
        QStringLiteral("    Pada program simulasi ini, akan diuraikan langkah-langkah (tutorial) "
                       "mengenai proses tune-up dari :"),
        QStringLiteral("        keregangan valve pengeluaran pada saat mesin dingin dan mesin "
                       "panas."),
        QStringLiteral("        penyetelan waktu penyemprotan bahan bakar"),
        QStringLiteral("        governor gap (double dan single weight)"),
        QStringLiteral("        idle dan hight speed"),
        QString(),
        QStringLiteral("    Diharapkan program ini sedikitnya dapat membantu para tehnical mesin "
                       "lokomotif untuk "),
        QStringLiteral("mempermudah"),
        QStringLiteral("    serta mempercepat proses tune up suatu mesin "),
        QString(),
    };
}

} // namespace dipo::tuneup::text
