// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/logic/maintenancetable.h"

#include "common/logic/pictures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>

using dipo::maintenance::Entry;
using dipo::maintenance::Table;
using dipo::maintenance::TableError;

namespace {

QByteArray builtInBytes()
{
    QFile file(QStringLiteral(":/maintenance/maintenance.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("maintenance.json is not compiled in");
    return file.readAll();
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

using Mutation = std::function<void(QJsonObject &)>;

// Changes one value of entry `index` of the built-in table.
Mutation inEntry(int index, const QString &key, const QJsonValue &value)
{
    return [=](QJsonObject &root) {
        QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
        QJsonObject entry = entries.at(index).toObject();
        if (value.isUndefined())
            entry.remove(key);
        else
            entry.insert(key, value);
        entries.replace(index, entry);
        root.insert(QStringLiteral("entries"), entries);
    };
}

} // namespace

class MaintenanceTableTest : public QObject
{
    Q_OBJECT

private slots:
    void builtInTableHoldsThirtyEntriesInOrder();
    void lookupOutsideTheComponents_data();
    void lookupOutsideTheComponents();
    void exactTexts_data();
    void exactTexts();
    void lineCounts_data();
    void lineCounts();
    void headingIsNeverAnInstructionLine();
    void chosenPrompt_data();
    void chosenPrompt();
    void introductionWordingsDifferInTrailingBlanksOnly();
    void picturePaths_data();
    void picturePaths();
    void programPictureFolderHoldsEveryPicture();
    void brokenData_data();
    void brokenData();
};

void MaintenanceTableTest::builtInTableHoldsThirtyEntriesInOrder()
{
    const Table &table = Table::builtIn();
    QCOMPARE(table.entries().size(), dipo::maintenance::kComponentCount);
    for (int n = 1; n <= dipo::maintenance::kComponentCount; ++n) {
        QVERIFY(table.entry(n));
        QCOMPARE(table.entry(n)->component, n);
    }
}

void MaintenanceTableTest::lookupOutsideTheComponents_data()
{
    QTest::addColumn<int>("component");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the last") << 31;
}

void MaintenanceTableTest::lookupOutsideTheComponents()
{
    QFETCH(int, component);
    QCOMPARE(Table::builtIn().entry(component), nullptr);
}

// The texts whose blanks and quote marks are easiest to lose.
void MaintenanceTableTest::exactTexts_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("radiator opens with its first instruction, two trailing blanks")
        << 3 << 0
        << QStringLiteral("Periksalah bagian luar pipa kapiler dari radiator setiap 1000 jam atau "
                          "3000 mile (48.280 km)  ");
    QTest::newRow("quote marks around C2 and a trailing blank")
        << 30 << 3 << QStringLiteral("Gunakan oli verseneling tipe \"C2\" ");
    QTest::newRow("drive belts line 1 ends with the repeated word and thirteen blanks")
        << 16 << 0
        << QStringLiteral(
               "Pemasangan Vbelt baru, yaitu setelah dipasang dan mesin dihidupkan kurang "
               "lebih selama 15 menit (Vbelt sudah duduk pada tempatnya), kemudian "
               "lakukan")
            + blanks(13);
    QTest::newRow("drive belts line 2 begins with the repeated word, two blanks inside")
        << 16 << 1
        << QStringLiteral(
               "lakukan penyetelan kembali pada ketegangan (deflection) Vbelt  tersebut.");
    QTest::newRow("fuel strainer: two leading and six trailing blanks") << 6 << 0
                                                                        << blanks(2)
            + QStringLiteral("Gantilah saringan oli dan filter dengan elemen filter yang baru "
                             "setiap 300 jam atau 9000 miles (14,484 km) atau jika elemen "
                             "tersebut sudah buntu")
            + blanks(6);
    QTest::newRow("transmission line 1: one leading and one trailing blank")
        << 30 << 0
        << QStringLiteral(" Periksalah isi oli verseneling setiap hari atau 1000 jam dengan "
                          "menggunakan distick pada saat mesin stop ");
    QTest::newRow("air box drain line 2: twelve trailing blanks")
        << 8 << 1
        << QStringLiteral("keluar setiap 1000 jam atau 30.000 miles (48.280)") + blanks(12);
    QTest::newRow("torqmatic marine gear line 1: sixteen trailing blanks")
        << 26 << 0
        << QStringLiteral("Periksalah isi oli setiap hari atau 200 jam (6000 miles) pada torqmatic "
                          "gear dan handel pada posisi netral serta mesindalam keadaan hidup "
                          "stasioner.")
            + blanks(16);
    QTest::newRow("air compressor line 1: two leading and nine trailing blanks") << 21 << 0
                                                                                 << blanks(2)
            + QStringLiteral("Bersihkan kedua elemen saringan udara, kompresor udara yang bertipe "
                             "polyurethane")
            + blanks(9);
    QTest::newRow("shutdown system: sentence then one trailing blank")
        << 19 << 0
        << QStringLiteral(
               "Periksalah sistem shutdown setiap 300 jam atau setiap bulannya atau saat "
               "mesin akan dijalankan guna pengecekan seandainya ada komponen tersebut "
               "tidak berfungsi. ");
}

void MaintenanceTableTest::exactTexts()
{
    QFETCH(int, component);
    QFETCH(int, line);
    QFETCH(QString, text);
    const Entry *entry = Table::builtIn().entry(component);
    QVERIFY(entry);
    QVERIFY(line < entry->lines.size());
    QCOMPARE(entry->lines.at(line), text);
}

void MaintenanceTableTest::lineCounts_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<int>("count");
    for (int n : { 6, 14, 19, 20, 24 })
        QTest::addRow("component %d has a single line", n) << n << 1;
    QTest::newRow("transmission has six, the most") << 30 << 6;
}

void MaintenanceTableTest::lineCounts()
{
    QFETCH(int, component);
    QFETCH(int, count);
    QCOMPARE(Table::builtIn().entry(component)->lines.size(), count);
    if (count == 6) { // the most of any entry
        for (const Entry &entry : Table::builtIn().entries())
            QVERIFY(entry.lines.size() < 6 || entry.component == component);
    }
}

void MaintenanceTableTest::headingIsNeverAnInstructionLine()
{
    for (const Entry &entry : Table::builtIn().entries())
        QVERIFY2(!entry.lines.contains(entry.heading), qPrintable(entry.heading));
}

void MaintenanceTableTest::chosenPrompt_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("first") << 1 << QStringLiteral("tekan tombol proses");
    QTest::newRow("one before the last") << 29 << QStringLiteral("tekan tombol proses");
    QTest::newRow("last has the longer prompt")
        << 30 << QStringLiteral("tekan tombol proses untuk memulai perawatan");
}

void MaintenanceTableTest::chosenPrompt()
{
    QFETCH(int, component);
    QFETCH(QString, prompt);
    QCOMPARE(Table::builtIn().chosenPrompt(component), prompt);
}

void MaintenanceTableTest::introductionWordingsDifferInTrailingBlanksOnly()
{
    const QStringList start = Table::builtIn().startIntroduction();
    const QStringList repeat = Table::builtIn().repeatIntroduction();
    QCOMPARE(start.size(), 9);
    QCOMPARE(repeat.size(), 9);
    int differing = 0;
    for (int i = 0; i < 9; ++i) {
        auto visible = [](QString s) {
            while (s.endsWith(QLatin1Char(' ')))
                s.chop(1);
            return s;
        };
        QCOMPARE(visible(start.at(i)), visible(repeat.at(i)));
        differing += start.at(i) != repeat.at(i);
    }
    QCOMPARE(differing, 5); // lines 1, 2, 5, 6 and 8
}

void MaintenanceTableTest::picturePaths_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("path");
    QTest::newRow("file name with a comma")
        << 1 << QStringLiteral("d:\\karya_hasil\\gambar\\maintance\\gbm_1,2.jpg");
    QTest::newRow("numbering skips 8")
        << 6 << QStringLiteral("d:\\karya_hasil\\gambar\\maintance\\gbm_9.jpg");
    QTest::newRow("last") << 30
                          << QStringLiteral("d:\\karya_hasil\\gambar\\maintance\\gbm_35,36.jpg");
}

void MaintenanceTableTest::picturePaths()
{
    QFETCH(int, component);
    QFETCH(QString, path);
    const Table &table = Table::builtIn();
    QCOMPARE(table.picturePath(*table.entry(component)), path);
    QCOMPARE(table.repeatPicture(), QStringLiteral("d:\\karya_hasil\\ker3.jpg"));
    QList<int> withoutPicture;
    for (const Entry &entry : table.entries()) {
        if (!entry.hasPicture())
            withoutPicture << entry.component;
    }
    QCOMPARE(withoutPicture, (QList<int> { 13, 19, 21 }));
}

// The table's file names and the pictures the build draws must agree.
void MaintenanceTableTest::programPictureFolderHoldsEveryPicture()
{
    if (!QFileInfo(QDir(dipo::pictures::root()).filePath(QStringLiteral("gambar/maintance")))
             .isDir())
        QSKIP("the build's picture folder has not been drawn");
    const Table &table = Table::builtIn();
    QStringList programPaths { table.repeatPicture() };
    for (const Entry &entry : table.entries()) {
        if (entry.hasPicture())
            programPaths << table.picturePath(entry);
    }
    for (const QString &path : programPaths) {
        try {
            QVERIFY(!dipo::pictures::load(path).isNull());
        } catch (const dipo::PictureError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }
}

void MaintenanceTableTest::brokenData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reported");

    const QJsonObject valid = QJsonDocument::fromJson(builtInBytes()).object();
    QTest::newRow("larger than 4 MB") << builtInBytes() + QByteArray(4 * 1024 * 1024, ' ')
                                      << "top level: berkas lebih dari 4 MB, tidak dibaca";
    auto broken = [&](const char *name, const Mutation &mutate, const QString &reported) {
        QJsonObject root = valid;
        mutate(root);
        QTest::newRow(name) << QJsonDocument(root).toJson() << reported;
    };

    QTest::newRow("not JSON") << QByteArray("{\"entries\": [") << QStringLiteral("offset");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("offset");
    QTest::newRow("a list at the top")
        << QByteArray("[]") << QStringLiteral("top level: not an object");
    broken(
        "entries missing", [](QJsonObject &r) { r.remove(QStringLiteral("entries")); },
        QStringLiteral("\"entries\" is missing"));
    broken(
        "twenty-nine entries",
        [](QJsonObject &r) {
            QJsonArray e = r.value(QStringLiteral("entries")).toArray();
            e.removeLast();
            r.insert(QStringLiteral("entries"), e);
        },
        QStringLiteral("must be a list of 30 entries"));
    broken(
        "two entries swapped",
        [](QJsonObject &r) {
            QJsonArray e = r.value(QStringLiteral("entries")).toArray();
            const QJsonValue first = e.at(0);
            e.replace(0, e.at(1));
            e.replace(1, first);
            r.insert(QStringLiteral("entries"), e);
        },
        QStringLiteral("entries[0]: component number must be 1"));
    broken("component number as text", inEntry(4, QStringLiteral("component"), QStringLiteral("5")),
        QStringLiteral("entries[4]: component number must be 5"));
    broken("no instruction lines", inEntry(2, QStringLiteral("lines"), QJsonArray()),
        QStringLiteral("component 3).lines: holds 0 texts, expected 1 to 6"));
    broken("seven instruction lines",
        inEntry(29, QStringLiteral("lines"),
            QJsonArray { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                QStringLiteral("g") }),
        QStringLiteral("component 30).lines: holds 7 texts, expected 1 to 6"));
    broken("a number among the lines", inEntry(0, QStringLiteral("lines"), QJsonArray { 1 }),
        QStringLiteral("component 1).lines[0]: not a text"));
    broken("a line break inside a line",
        inEntry(0, QStringLiteral("lines"), QJsonArray { QStringLiteral("oli\nmesin") }),
        QStringLiteral("component 1).lines[0]: holds a line break"));
    broken("empty heading", inEntry(9, QStringLiteral("heading"), QString()),
        QStringLiteral("component 10).heading: is empty"));
    broken("heading missing", inEntry(9, QStringLiteral("heading"), QJsonValue::Undefined),
        QStringLiteral("\"heading\" is missing"));
    broken(
        "misspelt key",
        [](QJsonObject &r) {
            inEntry(3, QStringLiteral("picture"), QJsonValue::Undefined)(r);
            inEntry(3, QStringLiteral("picure"), QStringLiteral("gbm_6.jpg"))(r);
        },
        QStringLiteral("\"picture\" is missing"));
    broken("unknown key", inEntry(3, QStringLiteral("colour"), QStringLiteral("red")),
        QStringLiteral("unknown key \"colour\""));
    broken("picture climbing out of its folder",
        inEntry(0, QStringLiteral("picture"), QStringLiteral("..\\..\\secret.jpg")),
        QStringLiteral("must be a plain file name"));
    broken("picture with a path",
        inEntry(0, QStringLiteral("picture"), QStringLiteral("gambar/x.jpg")),
        QStringLiteral("must be a plain file name"));
    broken("empty picture name instead of none", inEntry(12, QStringLiteral("picture"), QString()),
        QStringLiteral("component 13).picture: is empty"));
    broken(
        "picture folder without its closing backslash",
        [](QJsonObject &r) {
            r.insert(QStringLiteral("pictureFolder"), QStringLiteral("d:\\karya_hasil\\gambar"));
        },
        QStringLiteral("pictureFolder: must end with a backslash"));
    broken(
        "introduction wordings of different length",
        [](QJsonObject &r) {
            QJsonObject intro = r.value(QStringLiteral("introduction")).toObject();
            QJsonArray repeat = intro.value(QStringLiteral("repeat")).toArray();
            repeat.removeLast();
            intro.insert(QStringLiteral("repeat"), repeat);
            r.insert(QStringLiteral("introduction"), intro);
        },
        QStringLiteral("introduction: the two wordings differ"));
    broken(
        "fixed text missing",
        [](QJsonObject &r) {
            QJsonObject texts = r.value(QStringLiteral("texts")).toObject();
            texts.remove(QStringLiteral("repeatPrompt"));
            r.insert(QStringLiteral("texts"), texts);
        },
        QStringLiteral("texts: \"repeatPrompt\" is missing"));
}

void MaintenanceTableTest::brokenData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reported);
    try {
        Table::fromJson(bytes);
        QFAIL("broken data was accepted");
    } catch (const TableError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("maintenance table, ")),
            qPrintable(error.message()));
        QVERIFY2(error.message().contains(reported), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(MaintenanceTableTest)
#include "tst_maintenancetable.moc"
