// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_knowledgebase.h"

#include "diagnosis/logic/kbloader.h"
#include "diagnosis/logic/repairs.h"
#include "kbwalks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace dipo::diagnosis;

Q_DECLARE_METATYPE(dipo::diagnosis::Answer)
Q_DECLARE_METATYPE(dipo::diagnosis::KbFile)

namespace {

const KnowledgeBase &kb()
{
    return builtInKnowledgeBase().knowledgeBase;
}

const QString headerA0 = QStringLiteral(
    "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau hidup pada sistem "
    "penggerak mesin diesel lokomotif disebabkan oleh :");

QString header(const QString &symptom, const QString &place)
{
    return QStringLiteral(
        "Kemungkinan gangguan atau kerusakan yang meyebabkan %1 %2 disebabkan oleh :")
        .arg(symptom, place);
}

// Edits one row of one compiled-in file and loads the whole knowledge base again.
using RowEdit = std::function<void(QJsonObject &row)>;

QList<KbFile> withEdit(const QString &fileName, int row, const RowEdit &edit)
{
    QList<KbFile> files = builtInFiles();
    for (KbFile &file : files) {
        if (file.name != fileName)
            continue;
        QJsonObject top = QJsonDocument::fromJson(file.bytes).object();
        QJsonArray rows = top.value(QLatin1String("questions")).toArray();
        for (int i = 0; i < rows.size(); ++i) {
            QJsonObject object = rows.at(i).toObject();
            if (object.value(QLatin1String("no")).toInt() == row) {
                edit(object);
                rows.replace(i, object);
            }
        }
        top.insert(QLatin1String("questions"), rows);
        file.bytes = QJsonDocument(top).toJson();
    }
    return files;
}

QList<KbFile> withBytes(const QString &fileName, const QByteArray &bytes)
{
    QList<KbFile> files = builtInFiles();
    for (KbFile &file : files) {
        if (file.name == fileName)
            file.bytes = bytes;
    }
    return files;
}

QJsonObject ask(int row)
{
    return QJsonObject { { QStringLiteral("ask"), row } };
}

} // namespace

void KnowledgeBaseTest::builtInLoadsClean()
{
    const KbLoad &load = builtInKnowledgeBase();
    QCOMPARE(load.errors(), QStringList());
    QCOMPARE(kb().systemCount(), 6);
}

void KnowledgeBaseTest::questionsPerSystem_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("startQuestion");
    QTest::newRow("engine drive") << 0 << "engine_drive.json" << 107
                                  << "APAKAH MESIN TIDAK MAU HIDUP";
    QTest::newRow("cooling") << 1 << "cooling.json" << 66 << "APAKAH AIR PENDINGIN BERKURANG";
    QTest::newRow("lubrication") << 2 << "lubrication.json" << 28
                                 << "APAKAH OLI BOROS ATAU PEMAKAIAN OLI PELUMAS BERLEBIHAN";
    QTest::newRow("fuel") << 3 << "fuel.json" << 13
                          << "APAKAH NOZEL MACET/RUSAK KARENA SAMBUNGAN TUAS LING TIDAK LURUS ATAU "
                             "TERDAPATNYA KOTORAN PADA SAMBUNGAN";
    QTest::newRow("exhaust") << 4 << "exhaust.json" << 22
                             << "APAKAH MESIN MENGELUARKAN ASAP BERWARNA HITAM ATAU PUTIH";
    QTest::newRow("brakes") << 5 << "brakes.json" << 16
                            << "APAKAH TERDENGAR BUNYI SESUATU PADA RODA";
}

void KnowledgeBaseTest::questionsPerSystem()
{
    QFETCH(int, system);
    QFETCH(QString, fileName);
    QFETCH(int, questions);
    QFETCH(QString, startQuestion);
    const System &s = kb().systems().at(system);
    QCOMPARE(s.fileName, fileName);
    QCOMPARE(s.questions.size(), questions);
    QCOMPARE(kb().startQuestion(system), startQuestion);
    for (int i = 0; i < s.questions.size(); ++i)
        QCOMPARE(s.questions.at(i).row, i + 1);
}

void KnowledgeBaseTest::totals()
{
    int questions = 0, faults = 0, notices = 0, yaAsks = 0, tidakAsks = 0, nothing = 0;
    int longest = 0;
    QSet<QString> texts, headers, causes;
    for (const System &system : kb().systems()) {
        for (const Question &question : system.questions) {
            ++questions;
            texts.insert(question.text);
            longest = qMax(longest, int(question.text.size()));
            for (const Action *action : { &question.ya, &question.tidak }) {
                if (action->kind == Action::Kind::Nothing)
                    ++nothing;
                if (action->kind == Action::Kind::Ask)
                    ++(action == &question.ya ? yaAsks : tidakAsks);
                if (action->kind != Action::Kind::Conclude)
                    continue;
                if (isFault(action->conclusion)) {
                    ++faults;
                    headers.insert(action->conclusion.lines.at(0));
                    causes.insert(action->conclusion.lines.at(1));
                } else if (isNotice(action->conclusion)) {
                    ++notices;
                }
            }
        }
    }
    QCOMPARE(questions, 252);
    QCOMPARE(texts.size(), 252);
    QCOMPARE(longest, 119);
    // Exhaust row 15 now concludes too: one fault and one cause line more than the
    // tables had.
    QCOMPARE(faults, 229);
    QCOMPARE(headers.size(), 47);
    QCOMPARE(causes.size(), 102);
    QCOMPARE(notices, 26);
    QCOMPARE(yaAsks, 23);
    QCOMPARE(tidakAsks, 226);
    QCOMPARE(nothing, 0);
    QVERIFY(texts.contains(QStringLiteral(
        "APAKAH APAKAH INJEKTOR RUSAK YANG DISERTAI MESIN PINCANG ATAU MESIN TIDAK BERTENAGA")));
}

// "YA" never gives a notice and "TIDAK" never a fault, and each question begins "APAKAH".
void KnowledgeBaseTest::everyAnswerHasItsKindOfAction()
{
    for (const System &system : kb().systems()) {
        for (const Question &question : system.questions) {
            const QString where
                = system.fileName + QStringLiteral(" row ") + QString::number(question.row);
            QVERIFY2(question.text.startsWith(QLatin1String("APAKAH ")), qPrintable(where));
            if (question.ya.kind == Action::Kind::Conclude)
                QVERIFY2(isFault(question.ya.conclusion), qPrintable(where));
            if (question.tidak.kind == Action::Kind::Conclude)
                QVERIFY2(isNotice(question.tidak.conclusion), qPrintable(where));
        }
    }
}

void KnowledgeBaseTest::conclusions_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("fontSize");

    const QString engine = QStringLiteral("pada sistem penggerak mesin diesel lokomotif");
    const QString headerI = header(
        QStringLiteral("kinerja mesin tidak normal sehingga terjadinya Denotasi "), engine);
    const QString headerP
        = header(QStringLiteral("sistem kontrol untuk tenaga tidak terhubung"), engine);
    QTest::newRow("engine row 2 battery, leading blank")
        << "APAKAH AIR ACCU BERKURANG" << Answer::Ya
        << QStringList { headerA0, QStringLiteral(" baterai lemah") } << 12;
    QTest::newRow("engine row 62 font size 10")
        << "APAKAH AWAL PENGHIDUPAN MESIN" << Answer::Ya
        << QStringList { headerI, QStringLiteral(" Kerusakan pada governor") } << 10;
    QTest::newRow("engine row 63 same header at 12")
        << "APAKAH TERDAPAT KEBOCORAN PADA RADIATOR" << Answer::Ya
        << QStringList { headerI, QStringLiteral(" tekanan air pendingin rendah") } << 12;
    QTest::newRow("engine row 101 one-blank cause")
        << "APAKAH FORCE LEVEL PATAH" << Answer::Ya << QStringList { headerP, QStringLiteral(" ") }
        << 12;
    QTest::newRow("engine row 44 capital Tersumbatnya")
        << "APAKAH KLEP PENGAMAN TIDAK RAPAT" << Answer::Ya
        << QStringList { header(QStringLiteral("kinerja mesin tidak normal sehingga putaran mesin "
                                               "menjadi tidak stabil"),
                             engine),
               QStringLiteral(" Tersumbatnya bahan bakar") }
        << 12;
    QTest::newRow("engine row 49 header F")
        << "APAKAH MESIN MENGELUARKAN ASAP" << Answer::Ya
        << QStringList { header(QStringLiteral("kinerja mesin tidak normal sehingga putaran mesin "
                                               "menjadi tidak rata atau tidak stabil"),
                             engine),
               QStringLiteral(" Kerusakan pada injektor") }
        << 12;
    QTest::newRow("engine row 52 header G doubled blank, Governor")
        << "APAKAH PENYETELAN PADA MESIN KURANG TEPAT" << Answer::Ya
        << QStringList { header(QStringLiteral("kinerja mesin tidak normal sehingga putaran mesin "
                                               "menjadi tidak rata atau tidak stabil "),
                             engine),
               QStringLiteral(" Kerusakan pada Governor") }
        << 12;
    QTest::newRow("engine row 83 header L dapat")
        << "APAKAH SAMBUNGAN TUAS LINK TIDAK LURUS" << Answer::Ya
        << QStringList { header(
                             QStringLiteral("terjadinya mesin tidak dapat notch up/down"), engine),
               QStringLiteral("link fuel control macet ") }
        << 12;
    QTest::newRow("engine row 85 header M dapta")
        << "APAKAH KAWAT COIL DARI MAGNET VALVE PUTUS" << Answer::Ya
        << QStringList { header(
                             QStringLiteral("terjadinya mesin tidak dapta notch up/down"), engine),
               QStringLiteral("magnet valve fuel control tidak baik atau tidak berkerja") }
        << 12;
    QTest::newRow("engine row 87 header N dapt")
        << "APAKAH KOTORAN MASUK PADA PUMP PLUGER SEHINGGA PLUGER MACET" << Answer::Ya
        << QStringList { header(
                             QStringLiteral("terjadinya mesin tidak dapt notch up/down"), engine),
               QStringLiteral("KONTROL RACK INJEKTOR PUMP TIDAK LICIN ") }
        << 12;
    QTest::newRow("engine row 21 notice without belum dapat dikenali")
        << "APAKAH KEKURANGAN AIR PENDINGIN ATAU RADIATOR TERSUMBAT/RUSAK" << Answer::Tidak
        << QStringList { QStringLiteral("Maaf gangguan belum terdefinisi, Kemungkinan gangguan "
                                        "atau kerusakan bukan pada sistem penggerak mesin diesel "
                                        "lokomotif Yang dapat meyebabkan mesin tidak mau hidup."),
               QStringLiteral("coba periksa untuk bagian selain gejala yang meyebabkan mesin tidak "
                              "mau hidup pada sistem pengerak mesin.") }
        << 12;
    QTest::newRow("engine row 95 system notice")
        << "APAKAH SISTEM KONTROL UNTUK TENAGA TIDAK TERHUBUNG" << Answer::Tidak
        << QStringList { QStringLiteral(
                             "Maaf gangguan belum terdefinisi, Kemungkinan gangguan atau kerusakan "
                             "bukan pada sistem penggerak mesin diesel lokomotif."),
               QStringLiteral("coba periksa untuk bagian selain pengerak mesin.") }
        << 12;
    QTest::newRow("engine row 94 notice ending without full stop")
        << "APAKAH TERDAPAT KERETAKAN PADA SAMBUNGAN PIPA" << Answer::Tidak
        << QStringList { QStringLiteral("Maaf gangguan belum terdefinisi/belum dapat dikenali, "
                                        "Kemungkinan gangguan atau kerusakan bukan pada sistem "
                                        "penggerak mesin diesel lokomotif Yang dapat meyebabkan "
                                        "mesin notch up/downnya sangat lambat."),
               QStringLiteral("coba periksa untuk bagian selain gejala yang meyebabkan mesin tidak "
                              "lambat dalam notch up/downnya pada sistem pengerak mula") }
        << 12;
    QTest::newRow("cooling row 21 NYEKIT in double quotes")
        << "APAKAH TERDENGAR BUNYI \"NYEKIT\" PADA SAAT MESIN BERJALAN" << Answer::Ya
        << QStringList { header(QStringLiteral("sistem pangaliran udara yang masuk melalui "
                                               "radiator terhalang/ berkurang"),
                             QStringLiteral("pada sistem pendingin mesin diesel")),
               QStringLiteral("tali kipas atau pulley licin dan slip pada sistem pendingin") }
        << 12;
    QTest::newRow("cooling row 54 system notice")
        << "APAKAH SUHU TEMPERATUR AIR PENDINGIN MELEBIHI TEMPERATUR MAKSIMAL" << Answer::Tidak
        << QStringList { QStringLiteral("Maaf gangguan belum terdefinisi/belum dapat dikenali, "
                                        "Kemungkinan gangguan atau kerusakan bukan pada sistem "
                                        "pendingin mesin diesel lokomotif."),
               QStringLiteral(
                   "coba periksa untuk bagian selain gejala pada sistem pendingin mesin.") }
        << 12;
    QTest::newRow("lubrication row 27 header D names cooling")
        << "APAKAH MESIN MENJADI PINCANG" << Answer::Ya
        << QStringList { header(QStringLiteral("terdapatnya oli"),
                             QStringLiteral("pada sistem pendingin mesin diesel")),
               QStringLiteral(
                   "Retak atau melentingnya silinder kop sehingga sistem pendingin terganggu") }
        << 12;
    QTest::newRow("lubrication row 24 notice points at cooling")
        << "APAKAH TERDAPATNYA AIR DALAM MINYAK PELUMAS" << Answer::Tidak
        << QStringList { QStringLiteral(
                             "Maaf gangguan belum terdefinisi/belum dapat dikenali, Kemungkinan "
                             "gangguan atau kerusakan bukan pada sistem pelumasan lokomotif."),
               QStringLiteral(
                   "coba periksa untuk bagian selain gejala pada sistem pendingin mesin.") }
        << 12;
    const QString fuelHeader = header(QStringLiteral("pengiriman bahan bakar rendah"),
        QStringLiteral("pada sistem bahan bakar mesin diesel "));
    QTest::newRow("fuel row 1 concludes at once, two trailing blanks")
        << "APAKAH NOZEL MACET/RUSAK KARENA SAMBUNGAN TUAS LING TIDAK LURUS ATAU TERDAPATNYA "
           "KOTORAN PADA SAMBUNGAN"
        << Answer::Ya << QStringList { fuelHeader, QStringLiteral("bocornya udara  ") } << 12;
    QTest::newRow("fuel row 5 two trailing blanks")
        << "APAKAH SARINGAN BAHAN BAKAR ATAU PIPA BAHAN BAKAR KOTOR ATAU TERSUMBAT" << Answer::Ya
        << QStringList { fuelHeader, QStringLiteral("arus bahan bakar tersumbat  ") } << 12;
    const QString smoke = QStringLiteral(
        "mesin mengeluarkan asap berwarna putih atau titam atau putih kehitam-hitaman");
    QTest::newRow("exhaust row 2 header A two blanks")
        << "APAKAH KEKURANGAN MINYAK PELUMAS" << Answer::Ya
        << QStringList { header(smoke, QStringLiteral("pada mesin diesel ")),
               QStringLiteral("rusaknya turbocharger ") }
        << 12;
    QTest::newRow("exhaust row 8 header B, <> in question")
        << "APAKAH PENYETELAN VALVE <>0.3 mm" << Answer::Ya
        << QStringList { header(smoke, QStringLiteral("pada mesin diesel")),
               QStringLiteral("valve clearance ") }
        << 12;
    QTest::newRow("exhaust row 9 header C")
        << "APAKAH PADA SILINDER LINER TERDAPAT AUS ATAU TERGORES" << Answer::Ya
        << QStringList { header(smoke, QStringLiteral("pada mesin diesel lokomotif")),
               QStringLiteral("Turunnya tekanan kompresi ") }
        << 12;
    QTest::newRow("exhaust row 15 water in fuel concludes")
        << "APAKAH TERDAPAT AIR DALAM BAHAN BAKAR" << Answer::Ya
        << QStringList { header(smoke, QStringLiteral("pada mesin diesel ")),
               QStringLiteral("terdapatnya air dalam bahan bakar") }
        << 12;
    QTest::newRow("brakes row 1 header A")
        << "APAKAH TERDENGAR BUNYI SESUATU PADA RODA" << Answer::Ya
        << QStringList { QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan "
                                        "terdengarnya bunyi pada roda lokomotif disebabkan oleh :"),
               QStringLiteral("Ausnya virodo atau kampas rem ") }
        << 12;
    QTest::newRow("brakes row 16 one-line notice")
        << "APAKAH TERDAPAT KERETAKAN PADA TABUNG UDARA" << Answer::Tidak
        << QStringList { QStringLiteral(
               "Maaf gangguan belum terdefinisi/belum dapat dikenali, Kemungkinan gangguan atau "
               "kerusakan bukan pada sistem rem lokomotif.") }
        << 12;
}

void KnowledgeBaseTest::conclusions()
{
    QFETCH(QString, question);
    QFETCH(Answer, answer);
    QFETCH(QStringList, lines);
    QFETCH(int, fontSize);
    const Action action = kb().answer(answer, question);
    QCOMPARE(action.kind, Action::Kind::Conclude);
    QCOMPARE(action.conclusion.lines, lines);
    QCOMPARE(action.conclusion.fontSize, fontSize);
}

void KnowledgeBaseTest::links_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("next");
    const QString row42 = QStringLiteral("APAKAH KINERJA MESIN TIDAK NORMAL");
    const QString row54
        = QStringLiteral("APAKAH POMPA BAHAN BAKAR KEINJEKTOR TIDAK BERKERJA MAKSIMAL");
    const QString row69 = QStringLiteral("APAKAH TERJADI HUNTING PADA MESIN");
    QTest::newRow("engine 1 YA asks a cause")
        << "APAKAH MESIN TIDAK MAU HIDUP" << Answer::Ya << "APAKAH AIR ACCU BERKURANG";
    QTest::newRow("engine 22 YA asks sub-symptom 23")
        << "APAKAH MESIN TIDAK BERPUTAR" << Answer::Ya
        << "APAKAH MESIN MACET ATAU TERJADI NYEKET PADA MESIN";
    QTest::newRow("engine 22 TIDAK asks 42")
        << "APAKAH MESIN TIDAK BERPUTAR" << Answer::Tidak << row42;
    QTest::newRow("engine 32 TIDAK asks 42")
        << "APAKAH MESIN BERAT DISTATER" << Answer::Tidak << row42;
    QTest::newRow("engine 42 TIDAK asks 69") << row42 << Answer::Tidak << row69;
    QTest::newRow("engine 61 TIDAK asks 69") << "APAKAH TERJADI DENOTASI" << Answer::Tidak << row69;
    QTest::newRow("engine 53 TIDAK skips 68")
        << "APAKAH TERDAPAT PER YANG PUTUS PADA GOVERNOR" << Answer::Tidak << row54;
    QTest::newRow("engine 68 TIDAK asks 54")
        << "APAKAH TERDAPAT AIR PADA BAHAN BAKAR" << Answer::Tidak << row54;
    QTest::newRow("engine 106 TIDAK asks the doubled APAKAH")
        << "APAKAH TEMPERATUR AIR PENDINGIN RENDAH" << Answer::Tidak
        << "APAKAH APAKAH INJEKTOR RUSAK YANG DISERTAI MESIN PINCANG ATAU MESIN TIDAK BERTENAGA";
    QTest::newRow("cooling 48 TIDAK asks 49")
        << "APAKAH PADA CARTER, TERLIHAT OLI PELUMAS BERCAMPUR DENGAN AIR (OLI BERWARNA "
           "KECOKLAT-COKLATAN)"
        << Answer::Tidak << "APAKAH PADA BAG.LUAR SILINDER KOP TERDAPAT REMBESAN OLI ATAU AIR";
    QTest::newRow("cooling 4 TIDAK asks 5")
        << "APAKAH MESIN TERJADI KEPINCANG" << Answer::Tidak
        << "APAKAH PADA BAG.LUAR SILINDER KOP TERDAPAT REMBESAN OLI/AIR";
    QTest::newRow("cooling 59 TIDAK asks 60 with quotes")
        << "APAKAH PADA PULLY TERDAPAT KOTORAN ATAU OLI" << Answer::Tidak
        << "APAKAH TERDENGAR BUNYI \"NYEKIT\" PADA SAAT MESIN HIDUP";
    QTest::newRow("cooling 65 TIDAK asks 66 HUB.SINGKATATAU")
        << "APAKAH SWITCH TEMPERATURNYA TIDAK BERFUNGSI ATAU RUSAK" << Answer::Tidak
        << "APAKAH TERJADI HUB.SINGKATATAU LAMANYA PEMAKAIAN YANG MEYEBABKAN METERAN TIDAK "
           "BERFUNGSI/RUSAK";
    QTest::newRow("lubrication 27 TIDAK asks 28")
        << "APAKAH MESIN MENJADI PINCANG" << Answer::Tidak
        << "APAKAH TERDAPAT AIR PADA RUANG PEMBAKARAN DAN MESIN SUSAH HIDUP SERTA MESIN MENJADI "
           "PINCANG";
    QTest::newRow("exhaust 1 TIDAK asks 16")
        << "APAKAH MESIN MENGELUARKAN ASAP BERWARNA HITAM ATAU PUTIH" << Answer::Tidak
        << "APAKAH TEKANAN DALAM KARTER TERLALU TINGGI";
    QTest::newRow("exhaust 7 TIDAK asks 8 with <>")
        << "APAKAH POSISI TIMING GEAR BERADA PADA POSISI 1-8" << Answer::Tidak
        << "APAKAH PENYETELAN VALVE <>0.3 mm";
}

void KnowledgeBaseTest::links()
{
    QFETCH(QString, question);
    QFETCH(Answer, answer);
    QFETCH(QString, next);
    const Action action = kb().answer(answer, question);
    QCOMPARE(action.kind, Action::Kind::Ask);
    QCOMPARE(action.question, next);
}

// Every built-in link names something the program has, a caption a list can show and,
// but for a calculator, instructions; the counts are those the knowledge engineer set.
void KnowledgeBaseTest::builtInRepairsResolve()
{
    QList<int> linkedFaults;
    for (const System &system : kb().systems()) {
        int linked = 0;
        for (const Question &question : system.questions) {
            for (const Action *action : { &question.ya, &question.tidak }) {
                const QList<Repair> &repairs = action->conclusion.repairs;
                linked += repairs.isEmpty() ? 0 : 1;
                for (const Repair &repair : repairs) {
                    QVERIFY2(repairs::whatIsMissing(repair).isEmpty(), qPrintable(repair.key));
                    QVERIFY(!repairs::caption(repair).isEmpty());
                    QCOMPARE(repairs::instructions(repair).has_value(),
                        repair.kind != Repair::Kind::Calculator);
                }
            }
        }
        linkedFaults << linked;
    }
    QCOMPARE(linkedFaults, (QList<int> { 33, 18, 21, 2, 9, 3 }));
    const Action radiator = kb().answer(
        Answer::Ya, QStringLiteral("APAKAH SUHU TEMPERATUR MENUNJUKAN SUHU YANG PANAS/TINGGI"));
    QCOMPARE(radiator.conclusion.repairs.size(), 1);
    QCOMPARE(repairs::caption(radiator.conclusion.repairs.first()), QStringLiteral("Radiator"));
    const Action clearance
        = kb().answer(Answer::Ya, QStringLiteral("APAKAH PENYETELAN SPELING KLEP TIDAK BENAR"));
    QCOMPARE(repairs::caption(clearance.conclusion.repairs.first()),
        QStringLiteral("EXHAUST VALVE CLEARANCE ADJUSMENT WITH 2 VALVE"));
    // A caption that repeats across the governor groups is told apart by its group.
    QCOMPARE(repairs::caption(Repair { Repair::Kind::TuneUp, QStringLiteral("CSM-1") }),
        QStringLiteral("1. Menyetel governor gap (CONSTANT SPEED MECHANICAL [ CSM ])"));
}

void KnowledgeBaseTest::onlyExactTextMatches_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("single APAKAH of row 107")
        << "APAKAH INJEKTOR RUSAK YANG DISERTAI MESIN PINCANG ATAU MESIN TIDAK BERTENAGA";
    QTest::newRow("trailing blank added") << "APAKAH MESIN TIDAK MAU HIDUP ";
    QTest::newRow("leading blank added") << " APAKAH MESIN TIDAK MAU HIDUP";
    QTest::newRow("lower case") << "apakah mesin tidak mau hidup";
    QTest::newRow("doubled inner blank") << "APAKAH MESIN  TIDAK MAU HIDUP";
    QTest::newRow("line break at the end") << "APAKAH MESIN TIDAK MAU HIDUP\n";
    QTest::newRow("NYEKIT without its quotes")
        << "APAKAH TERDENGAR BUNYI NYEKIT PADA SAAT MESIN BERJALAN";
    QTest::newRow("HUB.SINGKAT ATAU of row 66 split")
        << "APAKAH TERJADI HUB.SINGKAT ATAU LAMANYA PEMAKAIAN YANG MEYEBABKAN METERAN TIDAK "
           "BERFUNGSI/RUSAK";
    QTest::newRow(
        "MESIN MENJADI PINCANG is no cooling question but a lubrication one, with a blank")
        << "APAKAH MESIN MENJADI PINCANG ";
    QTest::newRow("initial prompt")
        << "silahkan pilih dahulu letak kerusakan yang akan didiagnosis";
    QTest::newRow("chosen prompt") << "silahkan tekan tombol mulai untuk mendiagnosis ";
    QTest::newRow("reset prompt") << "silahkan pilih jenis kerusakan yang akan didiagnosis yach?";
    QTest::newRow("concluded prompt") << "lihat hasil diagnosa ";
    QTest::newRow("empty") << "";
    QTest::newRow("a header") << headerA0;
}

void KnowledgeBaseTest::onlyExactTextMatches()
{
    QFETCH(QString, text);
    QCOMPARE(kb().answer(Answer::Ya, text).kind, Action::Kind::Nothing);
    QCOMPARE(kb().answer(Answer::Tidak, text).kind, Action::Kind::Nothing);
}

void KnowledgeBaseTest::walksReachEveryQuestionAndNotice_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("faults");
    QTest::addColumn<int>("notices");
    QTest::newRow("engine drive") << 0 << 96 << 9;
    QTest::newRow("cooling") << 1 << 59 << 8;
    QTest::newRow("lubrication") << 2 << 25 << 4;
    QTest::newRow("fuel") << 3 << 13 << 1;
    QTest::newRow("exhaust") << 4 << 20 << 3;
    QTest::newRow("brakes") << 5 << 16 << 1;
}

void KnowledgeBaseTest::walksReachEveryQuestionAndNotice()
{
    QFETCH(int, system);
    QFETCH(int, faults);
    QFETCH(int, notices);
    const QList<KbWalk> walks = walksToEveryConclusion(kb(), system);
    QSet<QString> seen;
    int faultWalks = 0, noticeWalks = 0;
    for (const KbWalk &walk : walks) {
        for (const QString &question : walk.questions)
            seen.insert(question);
        faultWalks += isFault(walk.conclusion);
        noticeWalks += isNotice(walk.conclusion);
    }
    QCOMPARE(seen.size(), kb().systems().at(system).questions.size());
    QCOMPARE(faultWalks, faults);
    QCOMPARE(noticeWalks, notices);
}

void KnowledgeBaseTest::brokenData_data()
{
    QTest::addColumn<QList<KbFile>>("files");
    QTest::addColumn<QString>("message");

    QTest::newRow("ask names a missing row")
        << withEdit(QStringLiteral("exhaust.json"), 3,
               [](QJsonObject &row) { row.insert(QStringLiteral("tidak"), ask(99)); })
        << "exhaust.json: row 3: TIDAK asks row 99, which does not exist";
    QTest::newRow("ask names a row of another system only")
        << withEdit(QStringLiteral("fuel.json"), 13,
               [](QJsonObject &row) { row.insert(QStringLiteral("tidak"), ask(14)); })
        << "fuel.json: row 13: TIDAK asks row 14, which does not exist";
    QTest::newRow("missing header letter") << withEdit(
        QStringLiteral("brakes.json"), 5, [](QJsonObject &row) {
            row.insert(QStringLiteral("ya"),
                QJsonObject { { QStringLiteral("header"), QStringLiteral("Z") },
                    { QStringLiteral("cause"), QStringLiteral("x") } });
        }) << "brakes.json: row 5: YA names header Z, which does not exist";
    QTest::newRow("question text twice across files") << withEdit(
        QStringLiteral("fuel.json"), 2, [](QJsonObject &row) {
            row.insert(QStringLiteral("text"), QStringLiteral("APAKAH AIR PENDINGIN BERKURANG"));
        }) << "fuel.json: row 2: the question text is also row 1 of cooling.json";
    QTest::newRow("question text twice in one file") << withEdit(
        QStringLiteral("brakes.json"), 9, [](QJsonObject &row) {
            row.insert(QStringLiteral("text"), QStringLiteral("APAKAH MINYAK REM BERKURANG"));
        }) << "brakes.json: row 9: the question text is also row 3 of brakes.json";
    QTest::newRow("row cut off from the start") << withEdit(
        QStringLiteral("lubrication.json"), 12, [](QJsonObject &row) {
            row.insert(QStringLiteral("tidak"),
                QJsonObject {
                    { QStringLiteral("notice"), QJsonArray { QStringLiteral("Maaf") } } });
        }) << "lubrication.json: row 13: not reachable from the start row 1";
    QTest::newRow("missing YA action") << withEdit(QStringLiteral("exhaust.json"), 15,
        [](QJsonObject &row) { row.remove(QStringLiteral("ya")); })
                                       << "exhaust.json: row 15: no YA action";
    QTest::newRow("misspelt action key") << withEdit(QStringLiteral("cooling.json"), 7,
        [](QJsonObject &row) {
            row.insert(QStringLiteral("tidak"), QJsonObject { { QStringLiteral("asks"), 8 } });
        })
                                         << "cooling.json: row 7: TIDAK action is neither \"ask\", "
                                            "a fault (\"header\", \"cause\") nor a \"notice\"";
    QTest::newRow("fault without cause") << withEdit(
        QStringLiteral("cooling.json"), 2, [](QJsonObject &row) {
            row.insert(QStringLiteral("ya"),
                QJsonObject { { QStringLiteral("header"), QStringLiteral("A") } });
        }) << "cooling.json: row 2: YA fault has no \"cause\" text";
    QTest::newRow("font size out of range") << withEdit(
        QStringLiteral("engine_drive.json"), 62, [](QJsonObject &row) {
            QJsonObject ya = row.value(QStringLiteral("ya")).toObject();
            ya.insert(QStringLiteral("fontSize"), 0);
            row.insert(QStringLiteral("ya"), ya);
        }) << "engine_drive.json: row 62: YA \"fontSize\" is not a size from 6 to 36";
    QTest::newRow("ask to a fractional row") << withEdit(
        QStringLiteral("brakes.json"), 1, [](QJsonObject &row) {
            row.insert(QStringLiteral("tidak"), QJsonObject { { QStringLiteral("ask"), 2.5 } });
        }) << "brakes.json: row 1: TIDAK \"ask\" is not a row number";
    QTest::newRow("row number twice") << withEdit(QStringLiteral("fuel.json"), 4,
        [](QJsonObject &row) { row.insert(QStringLiteral("no"), 3); })
                                      << "fuel.json: row 3: the row number occurs twice";
    QTest::newRow("question text missing") << withEdit(QStringLiteral("fuel.json"), 6,
        [](QJsonObject &row) { row.insert(QStringLiteral("text"), 6); })
                                           << "fuel.json: row 6: no question \"text\"";
    QTest::newRow("truncated file")
        << withBytes(QStringLiteral("cooling.json"), builtInFiles().at(1).bytes.left(500))
        << "cooling.json: not valid JSON at offset ";
    QTest::newRow("empty file") << withBytes(QStringLiteral("engine_drive.json"), QByteArray())
                                << "engine_drive.json: not valid JSON at offset 0";
    QTest::newRow("start row missing") << withBytes(QStringLiteral("brakes.json"),
        QByteArray(builtInFiles().at(5).bytes).replace("\"start\": 1", "\"start\": 40"))
                                       << "brakes.json: the start row 40 does not exist";
    QTest::newRow("a list instead of an object") << withBytes(QStringLiteral("fuel.json"),
        QByteArray("[1, 2]")) << "fuel.json: the file does not hold an object";

    // Repair links name what the program has, each once.
    const auto linked = [](const QString &file, int row, const QJsonArray &links) {
        return withEdit(file, row, [links](QJsonObject &entry) {
            QJsonObject ya = entry.value(QStringLiteral("ya")).toObject();
            ya.insert(QStringLiteral("repairs"), links);
            entry.insert(QStringLiteral("ya"), ya);
        });
    };
    const auto link = [](const char *kind, const QJsonValue &target) {
        return QJsonObject { { QLatin1String(kind), target } };
    };
    QTest::newRow("repair: component 31") << linked(
        QStringLiteral("cooling.json"), 11, { link("maintenance", 3), link("maintenance", 31) })
                                          << "cooling.json: row 11: YA repair link 2: maintenance "
                                             "component 31 does not exist (1 to 30)";
    QTest::newRow("repair: unknown tune-up id")
        << linked(QStringLiteral("exhaust.json"), 8, { link("tuneUp", QStringLiteral("V-3")) })
        << "exhaust.json: row 8: YA repair link 1: tune-up procedure \"V-3\" does not exist";
    QTest::newRow("repair: unknown calculator")
        << linked(QStringLiteral("brakes.json"), 1,
               { link("calculator", QStringLiteral("brakeWear")) })
        << "brakes.json: row 1: YA repair link 1: calculator \"brakeWear\" does not exist "
           "(brakeLife, brakeForce, dieselPower)";
    QTest::newRow("repair: two kinds in one link")
        << linked(QStringLiteral("brakes.json"), 2,
               { QJsonObject { { QStringLiteral("maintenance"), 3 },
                   { QStringLiteral("tuneUp"), QStringLiteral("V-1") } } })
        << "brakes.json: row 2: YA repair link 1 is not one of {\"maintenance\": N}, "
           "{\"tuneUp\": \"ID\"}, {\"calculator\": \"NAME\"}";
    QTest::newRow("repair: the same link twice")
        << linked(
               QStringLiteral("fuel.json"), 5, { link("maintenance", 6), link("maintenance", 6) })
        << "fuel.json: row 5: YA repair link 2 names the same procedure twice";
    QTest::newRow("header letter holding %1") << withBytes(QStringLiteral("fuel.json"),
        QByteArray(R"({"start": 1, "headers": {"%1%2": 5}, "questions": [1]})"))
                                              << "fuel.json: header %1%2 is not a text";
    // The schema's placeholders are filled once: a key that looks like one stays as written.
    QTest::newRow("unknown key looking like a placeholder") << withEdit(
        QStringLiteral("fuel.json"), 2, [](QJsonObject &row) {
            QJsonObject ya = row.value(QStringLiteral("ya")).toObject();
            ya.insert(QStringLiteral("{answer}"), 1);
            row.insert(QStringLiteral("ya"), ya);
        }) << "fuel.json: row 2: YA action has an unknown key \"{answer}\"";
    QTest::newRow("missing header holding %1") << withEdit(
        QStringLiteral("brakes.json"), 5, [](QJsonObject &row) {
            row.insert(QStringLiteral("ya"),
                QJsonObject { { QStringLiteral("header"), QStringLiteral("%1") },
                    { QStringLiteral("cause"), QStringLiteral("x") } });
        }) << "brakes.json: row 5: YA names header %1, which does not exist";
}

void KnowledgeBaseTest::brokenData()
{
    QFETCH(QList<KbFile>, files);
    QFETCH(QString, message);
    const KbLoad load = loadKnowledgeBase(files);
    // The parser's own wording of a JSON fault is not ours to fix: match up to it.
    const QStringList errors = load.errors();
    const bool named = std::any_of(errors.cbegin(), errors.cend(),
        [&](const QString &error) { return error.startsWith(message); });
    QVERIFY2(named, qPrintable(errors.join(QLatin1Char('\n'))));
    QVERIFY(load.knowledgeBase.isEmpty());
    QCOMPARE(load.knowledgeBase.startQuestion(0), QString());
    QCOMPARE(
        load.knowledgeBase.answer(Answer::Ya, QStringLiteral("APAKAH MESIN TIDAK MAU HIDUP")).kind,
        Action::Kind::Nothing);
}

// Each finding names its place in fields of its own, which dipo-kb check turns into a
// line: the row, the entry, the offset in the bytes, the header letter or the top key.
void KnowledgeBaseTest::findingPlaces_data()
{
    QTest::addColumn<QList<KbFile>>("files");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("entry");
    QTest::addColumn<qsizetype>("offset");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("header");
    const auto fuel = [](const char *bytes) {
        return withBytes(QStringLiteral("fuel.json"), QByteArray(bytes));
    };
    QTest::newRow("row") << withEdit(QStringLiteral("fuel.json"), 6,
        [](QJsonObject &row) { row.remove(QStringLiteral("tidak")); })
                         << 6 << 0 << qsizetype(-1) << ""
                         << "";
    QTest::newRow("entry without a number")
        << fuel(R"({"start": 1, "headers": {}, "questions": [true, {"no": 1}]})") << 0 << 1
        << qsizetype(-1) << ""
        << "";
    QTest::newRow("bad JSON") << fuel(R"({"start": 1,, })") << 0 << 0 << qsizetype(13) << ""
                              << "";
    QTest::newRow("a key twice") << fuel(R"({"start": 1, "start": 2})") << 0 << 0 << qsizetype(13)
                                 << ""
                                 << "";
    QTest::newRow("header") << fuel(R"({"start": 1, "headers": {"A B": 5}, "questions": []})") << 0
                            << 0 << qsizetype(-1) << "headers"
                            << "A B";
    QTest::newRow("start") << fuel(R"({"start": 0, "headers": {}, "questions": [1]})") << 0 << 0
                           << qsizetype(-1) << "start"
                           << "";
    QTest::newRow("start row missing") << withBytes(QStringLiteral("brakes.json"),
        QByteArray(builtInFiles().at(5).bytes).replace("\"start\": 1", "\"start\": 40"))
                                       << 0 << 0 << qsizetype(-1) << "start"
                                       << "";
    QTest::newRow("not an object") << fuel("[1]") << 0 << 0 << qsizetype(-1) << ""
                                   << "";
}

void KnowledgeBaseTest::findingPlaces()
{
    QFETCH(QList<KbFile>, files);
    QFETCH(int, row);
    QFETCH(int, entry);
    QFETCH(qsizetype, offset);
    QFETCH(QString, key);
    QFETCH(QString, header);
    const KbLoad load = loadKnowledgeBase(files);
    QVERIFY(!load.findings.isEmpty());
    const KbFinding &finding = load.findings.first();
    QCOMPARE(finding.row.value_or(0), row); // 0: none
    QCOMPARE(finding.entry, entry);
    QCOMPARE(finding.offset, offset);
    QCOMPARE(finding.key, key);
    QCOMPARE(finding.header, header);
    QCOMPARE(finding.line, 0);
    QVERIFY(!finding.what.isEmpty());
}

// One broken system makes the whole knowledge base unusable rather than shifting the
// other systems to the wrong places of the system list.
void KnowledgeBaseTest::brokenFileLeavesNoHalfKnowledgeBase()
{
    const KbLoad load
        = loadKnowledgeBase(withBytes(QStringLiteral("cooling.json"), QByteArray("{")));
    QCOMPARE(load.errors().size(), 1);
    QCOMPARE(load.knowledgeBase.systemCount(), 0);
}

// A file of bare numbers: one finding per entry, of which the first 100 are kept.
void KnowledgeBaseTest::findingsAreCapped()
{
    QByteArray numbers = "{\"start\": 1, \"headers\": {}, \"questions\": [1";
    for (int i = 0; i < 4999; ++i)
        numbers += ",1";
    numbers += "]}";
    const KbLoad load = loadKnowledgeBase(withBytes(QStringLiteral("fuel.json"), numbers));
    QCOMPARE(load.errors().size(), 101);
    QCOMPARE(load.errors().at(99),
        QStringLiteral("fuel.json: entry 100 of \"questions\": no valid row number \"no\""));
    QCOMPARE(load.errors().last(), QStringLiteral("\u2026dan 4900 lagi"));
}

void KnowledgeBaseTest::largeFileRefusedUnread()
{
    const KbLoad load = loadKnowledgeBase(withBytes(QStringLiteral("fuel.json"),
        builtInFiles().at(3).bytes + QByteArray(4 * 1024 * 1024, ' ')));
    QCOMPARE(load.errors(),
        QStringList { QStringLiteral("fuel.json: berkas lebih dari 4 MB, tidak dibaca") });
    QVERIFY(load.knowledgeBase.isEmpty());
}
