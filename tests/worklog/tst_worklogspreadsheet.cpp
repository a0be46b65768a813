// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet form of the log's CSV as LibreOffice Calc opens it in an Indonesian
// locale: fields in columns, a formula a technician typed kept as text, and the file read
// back by dipo-log import as it was written. Skipped where soffice is not installed.

#include "worklog/logic/store.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace dipo::worklog;

namespace {

struct Cell
{
    QString type; // office:value-type
    QString text;
    bool formula = false;
    bool link = false;
};

// The first sheet's rows of a flat OpenDocument spreadsheet.
QList<QList<Cell>> sheetRows(const QByteArray &document)
{
    QList<QList<Cell>> rows;
    QXmlStreamReader xml(document);
    Cell cell;
    int repeated = 1;
    bool inParagraph = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("table-row")) {
                rows.append(QList<Cell>());
            } else if (name == QLatin1String("table-cell")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                cell = Cell { attributes.value(QLatin1String("office:value-type")).toString(), {},
                    attributes.hasAttribute(QLatin1String("table:formula")), false };
                repeated = attributes.value(QLatin1String("table:number-columns-repeated")).toInt();
            } else if (name == QLatin1String("p")) {
                if (!cell.text.isEmpty())
                    cell.text += QLatin1Char('\n');
                inParagraph = true;
            } else if (name == QLatin1String("s")) {
                const int spaces = xml.attributes().value(QLatin1String("text:c")).toInt();
                cell.text += QString(std::max(1, spaces), QLatin1Char(' '));
            } else if (name == QLatin1String("a")) {
                cell.link = true;
            }
        } else if (xml.isEndElement() && name == QLatin1String("p")) {
            inParagraph = false;
        } else if (xml.isCharacters() && inParagraph) {
            cell.text += xml.text();
        } else if (xml.isEndElement() && name == QLatin1String("table-cell")) {
            // The empty cells repeated to the sheet's end are no fields.
            for (int i = 0; i < std::max(1, repeated) && repeated < 100; ++i)
                rows.last().append(cell);
        } else if (xml.isEndElement() && name == QLatin1String("table")) {
            break;
        }
    }
    return rows;
}

QByteArray runLog(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(DIPO_LOG_EXE), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << process.readAllStandardError();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray("failed");
}

} // namespace

class TestWorklogSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensInCalc_data();
    void opensInCalc();
    void readBack();

private:
    QTemporaryDir m_dir;
    QString m_soffice;
    QString m_csv;
};

const QString kFormula = QStringLiteral("=HYPERLINK(\"http://example.invalid\",\"klik\")");

void TestWorklogSpreadsheet::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("soffice (LibreOffice Calc) is not installed; scripts/setup.sh --tests installs it");
    QVERIFY(m_dir.isValid());
    const QString log = m_dir.filePath(QStringLiteral("log.sqlite"));
    {
        Store store(*parseLocation(log, nullptr));
        Entry entry;
        entry.locomotive = QStringLiteral("CC 201 83 12");
        entry.technician = kFormula;
        entry.when = QDateTime(QDate(2026, 12, 10), QTime(2, 30), Qt::UTC);
        entry.system = QStringLiteral("sistem pendinginan");
        entry.subject = QStringLiteral("RADIATOR KOTOR; SALURAN MACET");
        entry.note = QStringLiteral("0812");
        QVERIFY(store.save(entry));
        entry.kind = Kind::Job;
        entry.technician = QStringLiteral("Budi");
        entry.note = QStringLiteral("-5 bar");
        QVERIFY(store.save(entry));
    }
    m_csv = m_dir.filePath(QStringLiteral("catatan.csv"));
    QCOMPARE(
        runLog({ "--db", log, "export", "--csv", "--pemisah", "titik-koma", "--output", m_csv }),
        QByteArray());
}

void TestWorklogSpreadsheet::opensInCalc_data()
{
    // As Calc's text import is set for the file: semicolons, UTF-8, Indonesian; then also
    // with "Format quoted field as text" ticked.
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("quotedAsText");
    QTest::newRow("as the import dialog opens") << "59,34,76,1,,1057" << false;
    QTest::newRow("quoted fields as text") << "59,34,76,1,,1057,true" << true;
}

void TestWorklogSpreadsheet::opensInCalc()
{
    QFETCH(QString, options);
    QFETCH(bool, quotedAsText);
    const QString out = m_dir.filePath(QStringLiteral("out-%1").arg(quotedAsText));
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("id_ID.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("id_ID.UTF-8"));
    environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
    calc.setProcessEnvironment(environment);
    calc.start(m_soffice,
        { "--headless", "--norestore", "--infilter=CSV:" + options, "--convert-to", "fods",
            "--outdir", out, m_csv });
    QVERIFY(calc.waitForFinished(120000));
    QFile converted(out + QStringLiteral("/catatan.fods"));
    QVERIFY2(converted.open(QIODevice::ReadOnly), calc.readAllStandardError().constData());
    const QList<QList<Cell>> rows = sheetRows(converted.readAll());
    QCOMPARE(rows.size(), 3);
    QStringList header;
    for (const Cell &cell : rows.at(0))
        header << cell.text;
    QCOMPARE(header.join(QLatin1Char(',')),
        QStringLiteral("nomor,jenis,tanggal,lokomotif,teknisi,sistem,hasil,tidak_terdefinisi,"
                       "catatan,mengoreksi,langkah,perbaikan,nama_jenis,dicatat,alasan,tugas"));
    const QList<Cell> &diagnosis = rows.at(1);
    QCOMPARE(diagnosis.size(), 16);
    QCOMPARE(diagnosis.at(3).text, QStringLiteral("CC 201 83 12"));
    QCOMPARE(diagnosis.at(6).text, QStringLiteral("RADIATOR KOTOR; SALURAN MACET"));
    QCOMPARE(diagnosis.at(12).text, QStringLiteral("Diagnosa"));
    QCOMPARE(rows.at(2).at(12).text, QStringLiteral("Pekerjaan"));
    // The technician's formula: text, never run, no link.
    const Cell &technician = diagnosis.at(4);
    QCOMPARE(technician.type, QStringLiteral("string"));
    QVERIFY(!technician.formula && !technician.link);
    QCOMPARE(technician.text, QLatin1Char('\'') + kFormula);
    QCOMPARE(rows.at(2).at(8).type, QStringLiteral("string"));
    QCOMPARE(rows.at(2).at(8).text, QStringLiteral("'-5 bar"));
    if (quotedAsText) {
        // A note that looks like a number stays as typed.
        QCOMPARE(diagnosis.at(8).type, QStringLiteral("string"));
        QCOMPARE(diagnosis.at(8).text, QStringLiteral("0812"));
    }
}

// The file Calc opened goes back into a log as it was.
void TestWorklogSpreadsheet::readBack()
{
    const QString log = m_dir.filePath(QStringLiteral("back.sqlite"));
    QVERIFY(runLog({ "--db", log, "import", "--csv", m_csv }).startsWith("2 entri dimasukkan"));
    QFile file(m_csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(runLog({ "--db", log, "export", "--csv", "--pemisah", "titik-koma" }), file.readAll());
    Store store(*parseLocation(log, nullptr));
    QVERIFY(store.open(Store::Purpose::Read));
    QCOMPARE(store.entry(1)->technician, kFormula);
    QCOMPARE(store.entry(2)->note, QStringLiteral("-5 bar"));
}

QTEST_GUILESS_MAIN(TestWorklogSpreadsheet)
#include "tst_worklogspreadsheet.moc"
