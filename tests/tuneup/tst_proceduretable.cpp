// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuneup/logic/proceduretable.h"

#include <QMap>
#include <QtTest>

using dipo::tuneup::Procedure;
using dipo::tuneup::ProcedureTable;
using dipo::tuneup::TableError;

namespace {

const Procedure *byId(const QString &id)
{
    for (const Procedure &p : ProcedureTable::builtIn().procedures())
        if (p.id == id)
            return &p;
    return nullptr;
}

// Line n (1-based) of what PROSES writes: the heading, then the body.
QString lineOf(const Procedure &p, int n)
{
    return n == 1 ? p.heading : p.body.value(n - 2, QStringLiteral("<none>"));
}

const QString governor = QStringLiteral("TUTORIAL TUNE-UP GOVERNOR");

} // namespace

class TestProcedureTable : public QObject
{
    Q_OBJECT

private slots:
    void everyProcedure_data();
    void everyProcedure();
    void noOtherProcedures();
    void exactLines_data();
    void exactLines();
    void emptyLines_data();
    void emptyLines();
    void charactersOutsideAscii();
    void injectorTableTabs();
    void brokenData_data();
    void brokenData();
    void readsMinimalTable();
};

void TestProcedureTable::everyProcedure_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("picture");

    auto row = [](const char *id, int group, int item, const char *caption, const QString &heading,
                   int lines, const char *picture) {
        QTest::newRow(id) << QString::fromUtf8(id) << group << item << QString::fromUtf8(caption)
                          << heading << lines << QString::fromUtf8(picture);
    };
    row("V-1", 1, 0, "EXHAUST VALVE CLEARANCE ADJUSMENT WITH 2 VALVE",
        QStringLiteral("TUTORIAL TUNE-UP VALVE : Mesin dengan 2 valve"), 27, "gbt_2 valve.jpg");
    row("V-2", 1, 1, "EXHAUST VALVE CLEARANCE ADJUSMENT WITH 4 VALVE",
        QStringLiteral("TUTORIAL TUNE-UP VALVE : Mesin dengan 4 valve"), 31, "gbt_4 valve.jpg");
    row("INJ-1", 2, 0, "TIMING FUEL INJECTOR", QStringLiteral("TUTORIAL TUNE-UP INJECTOR "), 41,
        "gbt_tfi.jpg");
    row("VSM-1", 3, 0, "1. Menyetel governor gap", QStringLiteral("TUTORIAL TUNE-UP GOVERNOR :"),
        17, "gbt_hlm24.jpg");
    row("VSM-2", 3, 1, "2. Menentukan posisi injektor rack control levers", governor + u' ', 7,
        "gbt_hlm25.jpg");
    row("VSM-3", 3, 2, "3. Menyetel injektor rack control", governor + QStringLiteral("  "), 22,
        "gbt_hlm25.2.jpg");
    row("VSM-4", 3, 3, "4. Menyetel maximum no load speed", governor, 11, "gbt_hlm16.jpg");
    row("VSM-5", 3, 4, "5. Menyetel idle speed", governor, 11, "gbt_hlm27.jpg");
    row("VSM-6", 3, 5, "6. Menyetel buffer", governor, 8, "");
    row("VSM-7", 3, 6, "7. Menyetel booster spring", governor, 20, "gbt_hlm17.jpg");
    row("CSM-1", 4, 0, "1. Menyetel governor gap", governor, 14, "gbt_hlm29.jpg");
    row("CSM-2", 4, 1, "2. Menetukan posisi injektor control rack", governor, 45, "gbt_hlm30.jpg");
    row("CSM-3", 4, 2, "3. Menyetel maximum no load speed", governor, 13, "");
    row("HYD-1", 5, 0, "1. Menyetel fuel road", governor, 38, "gbt_hlm33.jpg");
    row("HYD-2", 5, 1, "2. Menentukan posisi injektorrack control levers", governor, 25,
        "gbt_hlm34.1.jpg");
    row("HYD-3", 5, 2, "3. Menentukan load limit", governor, 12, "gbt_hlm35.jpg");
    row("HYD-4", 5, 3, "4. Menentukan speed droop", governor, 41, "gbt_hlm36.jpg");
    row("HYD-5", 5, 4, "5. Menentukan maximum no load speed", governor, 9, "");
    row("LSM-S-1", 6, 0, "1. Menyetel governor gap-single governor", governor, 32, "gbt_lsg.jpg");
    row("LSM-S-2", 6, 1, "2. Menyetel governor gap-double governor", governor, 28, "gbt_lsg 2.jpg");
    row("LSM-S-3", 6, 2, "3. Menentukan letak tuas pengontrol", governor, 75, "");
    row("LSM-D-1", 7, 0, "1. Menyetel governor gap", governor, 35, "gbt_lsg 2.jpg");
    row("LSM-D-2", 7, 1, "2. Menyetel maximum no load engine speed", governor, 89, "gbt_hlm17.jpg");
    row("LSM-D-3", 7, 2, "3. Menyetel idle speed", governor, 18, "");
    row("LSM-D-4", 7, 3, "4. Menyetel buffer screw", governor, 11, "");
    row("LSM-D-5", 7, 4, "5. Menyetel linkage", governor, 56, "gbt_hlm20.jpg");
}

void TestProcedureTable::everyProcedure()
{
    QFETCH(QString, id);
    QFETCH(int, group);
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    QFETCH(int, lines);
    QFETCH(QString, picture);

    const Procedure *p = ProcedureTable::builtIn().find(group, item);
    QVERIFY(p);
    QCOMPARE(p->id, id);
    QCOMPARE(p->caption, caption);
    QCOMPARE(p->heading, heading);
    QCOMPARE(p->body.size() + 1, lines);
    QCOMPARE(p->picture, picture);
    QCOMPARE(p->hasPicture(), !picture.isEmpty());
    if (p->hasPicture())
        QCOMPARE(p->picturePath(), QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\") + picture);
    for (const QString &line : std::as_const(p->body))
        QVERIFY2(!line.contains(u'\n') && !line.contains(u'\r'), qPrintable(line));
}

void TestProcedureTable::noOtherProcedures()
{
    const ProcedureTable &table = ProcedureTable::builtIn();
    QCOMPARE(table.procedures().size(), 26);
    const int itemsPerGroup[] = { 2, 1, 7, 3, 5, 3, 5 };
    for (int g = 1; g <= ProcedureTable::groupCount; ++g)
        QCOMPARE(table.captions(g).size(), itemsPerGroup[g - 1]);
    QVERIFY(!table.find(1, 2));
    QVERIFY(!table.find(3, -1));
    QVERIFY(!table.find(8, 0));
}

void TestProcedureTable::exactLines_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("V-1 half inch, one trailing blank")
        << QStringLiteral("V-1") << 15 << QStringLiteral("    dengan kunci pas \u00BD\" ");
    QTest::newRow("V-1 hot engine heading, two trailing blanks")
        << QStringLiteral("V-1") << 20
        << QStringLiteral(
               "II. Exhaust valve clearance adjustment hot engine (Menyetel kerenggangan "
               "valve pengeluaran mesin dalam keadaan panas).  ");
    QTest::newRow("V-2 tab after the step number")
        << QStringLiteral("V-2") << 21
        << QStringLiteral(
               "6.\tStel push rod untuk mendapatkan jarak yang cocok dengan feeler gage.");
    QTest::newRow("INJ-1 no empty line after the heading")
        << QStringLiteral("INJ-1") << 2 << QStringLiteral("Timing Fuel Injectors");
    QTest::newRow("INJ-1 table header") << QStringLiteral(
        "INJ-1") << 23 << QStringLiteral("injector  Timing dimension\t    Timing gage ");
    QTest::newRow("INJ-1 row of blanks only") << QStringLiteral(
        "INJ-1") << 24 << QStringLiteral("HV55       1.484\"                  J1242     ");
    QTest::newRow("INJ-1 last row with a tab") << QStringLiteral(
        "INJ-1") << 41 << QStringLiteral("S80        1.460\"\t                J1853     ");
    QTest::newRow("VSM-7 row with sixteen trailing blanks")
        << QStringLiteral("VSM-7") << 8 << QStringLiteral("1826 - 2100 rpm\t0                ");
    QTest::newRow("HYD-4 table header, eighteen trailing blanks")
        << QStringLiteral("HYD-4") << 34 << QStringLiteral("Full load\tNo-load                  ");
    QTest::newRow("HYD-4 last line, leading blank")
        << QStringLiteral("HYD-4") << 41
        << QStringLiteral(" Untuk unit yang dijalankan pada 1500 dan 1800 rpm speed droop akan "
                          "menjadi 75 rpm (2 1/2\" cycle). ");
    QTest::newRow("HYD-5 single blank line") << QStringLiteral("HYD-5") << 4 << QStringLiteral(" ");
    QTest::newRow("LSM-S-1 percent for five")
        << QStringLiteral("LSM-S-1") << 15
        << QStringLiteral("2. Kendorkan atau renggangkan buffer screw sampai jaraknya kurang lebih "
                          "%/8\" ");
    QTest::newRow("LSM-S-3 first middle dot")
        << QStringLiteral("LSM-S-3") << 11
        << QStringLiteral("\u00B7tuas pengontrol kecepatan berada pada posisi kecepatan "
                          "tertinggi/maksimum speed");
    QTest::newRow("LSM-S-3 last middle dot, seven trailing blanks")
        << QStringLiteral("LSM-S-3") << 14
        << QStringLiteral(
               "\u00B7Injector racks berada pada posisi pemakaian bahan baker penuh.       ");
    QTest::newRow("LSM-D-5 single blank line 41")
        << QStringLiteral("LSM-D-5") << 41 << QStringLiteral(" ");
    QTest::newRow("LSM-D-5 last line") << QStringLiteral(
        "LSM-D-5") << 56 << QStringLiteral(".\t  pasang kembali tutup governor dan lever assembly");
}

void TestProcedureTable::exactLines()
{
    QFETCH(QString, id);
    QFETCH(int, line);
    QFETCH(QString, text);
    const Procedure *p = byId(id);
    QVERIFY(p);
    QCOMPARE(lineOf(*p, line), text);
}

void TestProcedureTable::emptyLines_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QList<int>>("empty");

    QTest::newRow("INJ-1") << QStringLiteral("INJ-1") << QList<int> { 3, 20, 22 };
    QTest::newRow("HYD-5, its blank line is no empty line")
        << QStringLiteral("HYD-5") << QList<int> { 2 };
    QTest::newRow("LSM-D-2, two runs of two")
        << QStringLiteral("LSM-D-2") << QList<int> { 2, 8, 9, 11, 20, 46, 53, 54, 56, 65, 83 };
    QTest::newRow("LSM-D-5, its blank line is no empty line")
        << QStringLiteral("LSM-D-5") << QList<int> { 2, 5, 15, 16, 18, 42, 44 };
}

void TestProcedureTable::emptyLines()
{
    QFETCH(QString, id);
    QFETCH(QList<int>, empty);
    const Procedure *p = byId(id);
    QVERIFY(p);
    QList<int> found;
    for (int n = 1; n <= p->body.size() + 1; ++n)
        if (lineOf(*p, n).isEmpty())
            found << n;
    QCOMPARE(found, empty);
}

void TestProcedureTable::charactersOutsideAscii()
{
    // Every character beyond ASCII in the whole table, counted per procedure.
    QMap<QString, int> found;
    for (const Procedure &p : ProcedureTable::builtIn().procedures()) {
        const QStringList all = QStringList { p.caption, p.heading } + p.body;
        for (const QString &line : all)
            for (QChar c : line)
                if (c.unicode() > 126 || (c.unicode() < 32 && c != u'\t'))
                    ++found[p.id + u' ' + c];
    }
    const QMap<QString, int> expected {
        { QStringLiteral("V-1 \u00BD"), 1 },
        { QStringLiteral("HYD-4 \u00BD"), 2 },
        { QStringLiteral("LSM-S-3 \u00B7"), 4 },
        { QStringLiteral("LSM-D-2 \u00BE"), 1 },
        { QStringLiteral("LSM-D-2 \u00BC"), 2 },
    };
    QCOMPARE(found, expected);
}

void TestProcedureTable::injectorTableTabs()
{
    // The first two rows of the timing table use blanks only; the sixteen after hold a tab.
    const Procedure *p = byId(QStringLiteral("INJ-1"));
    QVERIFY(p);
    for (int n = 24; n <= 41; ++n) {
        const QString row = lineOf(*p, n);
        QCOMPARE(row.count(u'\t'), n <= 25 ? 0 : 1);
        QVERIFY(row.endsWith(QStringLiteral("     ")) && !row.endsWith(QStringLiteral("      ")));
    }
}

void TestProcedureTable::brokenData_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    const QByteArray good
        = R"("group":1,"item":0,"caption":"c","heading":"h","body":[],"picture":null)";
    QTest::newRow("not JSON") << QByteArray("{\"procedures\": [") << QStringLiteral("at offset");
    QTest::newRow("empty bytes") << QByteArray() << QStringLiteral("at offset");
    QTest::newRow("no list") << QByteArray("{\"entries\": []}")
                             << QStringLiteral("no \"procedures\" list");
    QTest::newRow("list of numbers")
        << QByteArray("{\"procedures\": [1]}") << QStringLiteral("entry 1 is not an object");
    QTest::newRow("group out of range") << QByteArray(
        R"({"procedures":[{"id":"X","group":8,"item":0,"caption":"c","heading":"h","body":[],"picture":null}]})")
                                        << QStringLiteral("entry 1 (X): group 8 is not 1 to 7");
    QTest::newRow("group as text") << QByteArray(
        R"({"procedures":[{"group":"1","item":0,"caption":"c","heading":"h","body":[],"picture":null}]})")
                                   << QStringLiteral("entry 1: \"group\" must be a whole number");
    QTest::newRow("fractional item") << QByteArray(
        R"({"procedures":[{"group":1,"item":0.5,"caption":"c","heading":"h","body":[],"picture":null}]})")
                                     << QStringLiteral("\"item\" must be a whole number");
    QTest::newRow("item gap") << QByteArray(R"({"procedures":[{)" + good
        + R"(},{"id":"Y","group":1,"item":2,"caption":"c","heading":"h","body":[],"picture":null}]})")
                              << QStringLiteral(
                                     "entry 2 (Y): group 1 item 2 where item 1 comes next");
    QTest::newRow("duplicate item")
        << QByteArray(R"({"procedures":[{)" + good + "},{" + good + "}]}")
        << QStringLiteral("entry 2: group 1 item 0 where item 1 comes next");
    QTest::newRow("missing caption") << QByteArray(
        R"({"procedures":[{"group":1,"item":0,"heading":"h","body":[],"picture":null}]})")
                                     << QStringLiteral("entry 1: \"caption\" must be a text");
    QTest::newRow("body line not a text") << QByteArray(
        R"({"procedures":[{"group":1,"item":0,"caption":"c","heading":"h","body":["a",3],"picture":null}]})")
                                          << QStringLiteral("entry 1: body line 2 is not a text");
    QTest::newRow("picture missing") << QByteArray(
        R"({"procedures":[{"group":1,"item":0,"caption":"c","heading":"h","body":[]}]})")
                                     << QStringLiteral("\"picture\" must be a file name or null");
    QTest::newRow("picture leaves its folder") << QByteArray(
        R"({"procedures":[{"group":1,"item":0,"caption":"c","heading":"h","body":[],"picture":"..\\x.jpg"}]})")
                                               << QStringLiteral("must be a plain file name");
    // Ids come from the data: they must never be read as a pattern.
    QTest::newRow("id holding %1") << QByteArray(
        R"({"procedures":[{"id":"V-%1%2","group":8,"item":0,"caption":"c","heading":"h","body":[],"picture":null}]})")
                                   << QStringLiteral("entry 1 (V-%1%2): group 8 is not 1 to 7");
    QTest::newRow("id holding %1, body line") << QByteArray(
        R"({"procedures":[{"id":"%1","group":1,"item":0,"caption":"c","heading":"h","body":[3],"picture":null}]})")
                                              << QStringLiteral("entry 1 (%1): body line 1 is not a text");
    QTest::newRow("larger than 4 MB") << QByteArray(R"({"procedures":[)")
            + QByteArray(4 * 1024 * 1024, ' ') + "]}"
                                      << QStringLiteral("berkas lebih dari 4 MB, tidak dibaca");
}

void TestProcedureTable::brokenData()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    try {
        ProcedureTable::fromJson(json);
        QFAIL("broken data was read");
    } catch (const TableError &e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Tune-up procedure table: ")),
            qPrintable(e.message()));
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
}

void TestProcedureTable::readsMinimalTable()
{
    const ProcedureTable table = ProcedureTable::fromJson(
        R"({"procedures":[{"group":2,"item":0,"caption":"c","heading":" h ","body":["", " ", "a\tb"],"picture":"p q.jpg"}]})");
    const Procedure *p = table.find(2, 0);
    QVERIFY(p);
    QCOMPARE(p->heading, QStringLiteral(" h "));
    QCOMPARE(p->body, (QStringList { QString(), QStringLiteral(" "), QStringLiteral("a\tb") }));
    QCOMPARE(p->picturePath(), QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\p q.jpg"));
    QCOMPARE(table.captions(2), QStringList { QStringLiteral("c") });
    QVERIFY(table.captions(1).isEmpty());
}

QTEST_GUILESS_MAIN(TestProcedureTable)
#include "tst_proceduretable.moc"
