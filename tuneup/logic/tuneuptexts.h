// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/viewertexts.h"

#include <QString>
#include <QStringList>

// The fixed texts of the tune-up window; the procedure texts are in procedures.json.
namespace dipo::tuneup::text {

inline const QString caption = QStringLiteral("TUNE-UP");
// What a screen reader calls the two text panels: the procedure's steps and the introduction.
inline const QString stepsName = QStringLiteral("Penjelasan prosedur");
inline const QString introductionName = QStringLiteral("Penjelasan pengantar");
inline const QString title = QStringLiteral("TUNE-UP COMPONEN SYSTEM");
inline const QString tutorialFrame = QStringLiteral("TUTORIAL TUNE-UP MESIN LOKOMOTIF");
inline const QString valveButton = QStringLiteral("TUNE UP PADA VALVE");
inline const QString governorButton = QStringLiteral("TUNE UP PADA GOVERNOR");
inline const QString injectorButton = QStringLiteral("TUNE UP PADA INJEKTOR");
inline const QString governorFrame = QStringLiteral("JENIS-JENIS GOVERNOR");
inline const QString limitingSpeedFrame = QStringLiteral("LIMITING SPEED MECHANICAL [ LSM ]");
inline const QString resetButton = QStringLiteral("ULANGI");
inline const QString processButton = QStringLiteral("PROSES");
inline const QString closeButton = QStringLiteral("CLOSE");
inline const QString &enlargePicture = dipo::viewer_texts::enlargeHint;
inline const QString &pictureViewerCaption = dipo::viewer_texts::caption;
inline const QString valvePrompt
    = QStringLiteral("Silahkan pilih jenis dari valve mesin yang akan disetel(tune-up)");
inline const QString governorPrompt
    = QStringLiteral("Silahkan pilih jenis dari governor yang akan disetel(tune-up)");
inline const QString injectorPrompt
    = QStringLiteral("Silahkan pilih jenis dari injektor yang akan disetel(tune-up)");
inline const QString itemPickedPrompt
    = QStringLiteral("Silahkan tekan tombol \"PROSES\" untuk mengetahui tutorial perawatan. "
                     "jika tidak tekan tombol \"ULANG\" atau \"CLOSE\".");
inline const QString resetPrompt
    = QStringLiteral("Silahkan pilih jenis komponen mesin yang akan ditune-up");

// The titles of radio groups 1 to 7.
inline const QString groupTitles[] = {
    QStringLiteral("VALVE"),
    QStringLiteral("INJECTOR"),
    QStringLiteral("VARIABLE SPEED MECHANICAL [ VSM ]"),
    QStringLiteral("CONSTANT SPEED MECHANICAL [ CSM ]"),
    QStringLiteral("HYDRAULIC"),
    QStringLiteral("LSM SINGLE RANGE"),
    QStringLiteral("LSM DOUBLE RANGE"),
};

inline const QStringList startPrompt = { QStringLiteral("Silahkan pilih dahulu jenis "),
    QStringLiteral("komponen yang akan di tune-up") };

// 18 lines, blanks and empty lines included.
inline const QStringList introduction = {
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

} // namespace dipo::tuneup::text
