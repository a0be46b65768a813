// SPDX-License-Identifier: GPL-3.0-or-later
// The papers of a job carry what the program knows of it: the locomotive, the technician,
// the log's entry and the diagnosis that led to it; lines to write on where it knows nothing.

#include "common/errorreport.h"
#include "common/logic/document.h"
#include "common/radiogroup.h"
#include "common/workcard.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/session.h"
#include "diagnosis/riwayat.h"
#include "maintenance/pm.h"
#include "shell/formregistry.h"
#include "tests/controls.h"
#include "worklog/catatan.h"
#include "worklog/logic/store.h"
#include "worklog/programlog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace dipo::worklog;

using dipo::test::control;
using dipo::test::press;

namespace {

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString kLocomotive = QStringLiteral("CC 201 83 12");
const QString kTechnician = QStringLiteral("Budi Santoso");
const QString kBlank = QString(40, QLatin1Char('_'));

} // namespace

class TestPapers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jobFields_data();
    void jobFields();
    void recordLastsWhileTheWalkStands();
    void recordedDiagnosisOnPaper_data();
    void recordedDiagnosisOnPaper();

private:
    QTemporaryDir m_dir;
    int m_logs = 0;
};

void TestPapers::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    dipo::errorreport::setSink(
        [](const QString &, const QString &text) { QFAIL(qPrintable(text)); });
}

void TestPapers::init()
{
    qputenv("DIPO_DB", m_dir.filePath(QStringLiteral("log%1.sqlite").arg(++m_logs)).toUtf8());
    closeProgramLog();
}

void TestPapers::cleanup()
{
    closeProgramLog();
}

void TestPapers::jobFields_data()
{
    QTest::addColumn<QString>("locomotive");
    QTest::addColumn<QString>("technician");
    QTest::addColumn<qint64>("entry");
    QTest::addColumn<QStringList>("diagnosis");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("shown"); // lines of the paper, in order
    QTest::addColumn<QStringList>("absent");

    const QStringList cause { QStringLiteral("Kemungkinan ... disebabkan oleh :"),
        QStringLiteral("permukaan radiator tertutup kotoran") };
    QTest::newRow("nothing known")
        << QString() << QString() << qint64(0) << QStringList() << QString()
        << QStringList { "Nomor lokomotif: " + kBlank, "Teknisi: " + kBlank }
        << QStringList { "Entri catatan", "Diagnosa", "Catatan" };
    QTest::newRow("blanks are not a name")
        << QStringLiteral("  ") << QStringLiteral(" \t") << qint64(0) << QStringList() << QString()
        << QStringList { "Nomor lokomotif: " + kBlank, "Teknisi: " + kBlank } << QStringList();
    QTest::newRow("kept in the log")
        << kLocomotive << kTechnician << qint64(12) << QStringList()
        << QStringLiteral("Kambuh lagi\nsetelah dicuci")
        << QStringList { "Nomor lokomotif: CC 201 83 12", "Teknisi: Budi Santoso",
               "Entri catatan: 12", "Catatan: Kambuh lagi", "setelah dicuci" }
        << QStringList { kBlank, "Diagnosa" };
    QTest::newRow("from a diagnosis not kept")
        << QString() << QString() << qint64(0) << cause << QString()
        << QStringList { "Nomor lokomotif: " + kBlank, "Teknisi: " + kBlank, "Diagnosa:" } + cause
        << QStringList { "Entri catatan" };
}

void TestPapers::jobFields()
{
    QFETCH(QString, locomotive);
    QFETCH(QString, technician);
    QFETCH(qint64, entry);
    QFETCH(QStringList, diagnosis);
    QFETCH(QString, note);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    dipo::document::Builder paper(QStringLiteral("KARTU KERJA"));
    paper.job({ locomotive, technician, entry, diagnosis, QString(), note });
    QTextDocument document;
    document.setHtml(paper.html());
    QStringList lines = document.toPlainText().split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    QCOMPARE(lines, shown);
    for (const QString &part : absent)
        QVERIFY2(!document.toPlainText().contains(part), qPrintable(part));
}

// A walk changed after it was kept is another walk: its papers no longer name the entry.
void TestPapers::recordLastsWhileTheWalkStands()
{
    using namespace dipo::diagnosis;
    Action conclude;
    conclude.kind = Action::Kind::Conclude;
    conclude.conclusion.lines = QStringList { QStringLiteral("hasil") };
    Session session;
    session.reset(0, QStringLiteral("sistem"));
    session.begin(QStringLiteral("APAKAH"));
    session.record(Answer::Ya, conclude);
    session.setRecorded({ kLocomotive, kTechnician, 1, {}, {}, {} });
    session.stepBack();
    QCOMPARE(session.recorded().logEntry, 0);
    QVERIFY(session.recorded().locomotive.isEmpty());
}

void TestPapers::recordedDiagnosisOnPaper_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("once"); // a line the paper has exactly once
    const QStringList job { "Nomor lokomotif: CC 201 83 12", "Teknisi: Budi Santoso",
        "Entri catatan: 1" };
    QTest::newRow("trail's report")
        << "report" << job + QStringList { "LAPORAN DIAGNOSA" } << "LAPORAN DIAGNOSA";
    QTest::newRow("work card from its link")
        << "card" << job + QStringList { "Diagnosa:", "permukaan radiator tertutup kotoran" }
        << "Radiator";
    QTest::newRow("log's report") << "log"
                                  << job
            + QStringList { "Catatan: Kambuh lagi", "Kerusakan berulang",
                  "Langkah perbaikan:", "1. Radiator" }
                                  << "LAPORAN DIAGNOSA";
}

// A cooling diagnosis kept in the log from the trail, then its papers, read back.
void TestPapers::recordedDiagnosisOnPaper()
{
    QFETCH(QString, paper);
    QFETCH(QStringList, parts);
    QFETCH(QString, once);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    dipo::shell::createForms();
    const auto done = qScopeGuard([] { dipo::shell::destroyForms(); });
    diagno->showWindow();
    QRadioButton *cooling = control<dipo::RadioGroup>(diagno, "RadioGroup1")->item(1);
    QTest::mouseClick(cooling, Qt::LeftButton, {}, QPoint(8, cooling->height() / 2));
    press(diagno, "BitBtn8");
    for (const char *answer : { "BITBTN2", "BITBTN1", "BITBTN1" }) // the radiator
        press(diagno, answer);
    auto *trail = control<Triwayat>(diagno, "riwayat");
    trail->showWindow();
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClicks(control<QComboBox>(dialog, "ComboLokomotif")->lineEdit(), kLocomotive);
        QTest::keyClicks(control<QLineEdit>(dialog, "EditTeknisi"), kTechnician);
        QTest::keyClicks(control<QPlainTextEdit>(dialog, "EditCatatan"), "Kambuh lagi");
        press(dialog, "BtnSimpan");
    });
    press(trail, "BtnCatat");

    const QString path = m_dir.filePath(paper + QString::number(m_logs) + QStringLiteral(".pdf"));
    if (paper == QLatin1String("report")) {
        QVERIFY(trail->saveReport(path, trail->stampNow()));
    } else if (paper == QLatin1String("card")) {
        auto *links = control<QListWidget>(diagno, "ListPerbaikan");
        links->setFocus();
        QTest::keyClick(links, Qt::Key_Return);
        QVERIFY(PM->isVisible());
        QVERIFY(PM->KartuKerja->saveCard(path, QDateTime::currentDateTime()));
    } else {
        // The same cause on this locomotive a week before: the entry is marked recurring.
        QString why;
        Store *log = programLog(&why);
        QVERIFY2(log && log->open(Store::Purpose::Write), qPrintable(why));
        Entry earlier = *log->entry(1);
        earlier.id = 0;
        earlier.note.clear();
        earlier.when = earlier.when.addDays(-7);
        QVERIFY(log->save(earlier));
        Tcatatan *window = Tcatatan::instance(diagno);
        window->showWindow();
        control<QTableView>(window, "TabelCatatan")->selectRow(0);
        QTimer::singleShot(0, window, [&] {
            auto *dialog = window->findChild<QFileDialog *>(QStringLiteral("SaveDialog"));
            QVERIFY(dialog);
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        window->BtnPdfClick();
        window->close();
    }

    const QString text = pdfText(path);
    const QString flat = text.simplified();
    for (const QString &part : parts)
        QVERIFY2(flat.contains(part), qPrintable(part + QStringLiteral(" not in: ") + flat));
    int times = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        times += line.trimmed() == once;
    QCOMPARE(times, 1);
}

QTEST_MAIN(TestPapers)
#include "tst_papers.moc"
