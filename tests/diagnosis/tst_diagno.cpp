// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_diagno.h"

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/diagno.h"
#include "kbwalks.h"

#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace dipo::diagnosis;

namespace {

const QString promptFresh
    = QStringLiteral("silahkan pilih dahulu letak kerusakan yang akan didiagnosis");
const QString promptChosen = QStringLiteral("silahkan tekan tombol mulai untuk mendiagnosis ");
const QString promptReset
    = QStringLiteral("silahkan pilih jenis kerusakan yang akan didiagnosis yach?");
const QString promptConcluded = QStringLiteral("lihat hasil diagnosa ");
const QString resultTitle = QStringLiteral("HASIL DIAGNOSA: ");

// What a user sees of the window's state, to show that a click changed nothing.
struct Snapshot
{
    QString question;
    QStringList result;
    bool resultVisible, yaEnabled, tidakEnabled, mulaiVisible, mulaiEnabled, listEnabled;
    int listIndex;
    bool operator==(const Snapshot &o) const
    {
        return question == o.question && result == o.result && resultVisible == o.resultVisible
            && yaEnabled == o.yaEnabled && tidakEnabled == o.tidakEnabled
            && mulaiVisible == o.mulaiVisible && mulaiEnabled == o.mulaiEnabled
            && listEnabled == o.listEnabled && listIndex == o.listIndex;
    }
};

template <typename T> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

Snapshot snapshot(QWidget *w)
{
    return Snapshot { control<dipo::RichTextBox>(w, "RichEdit2")->firstLine(),
        control<dipo::RichTextBox>(w, "RichEdit1")->lines(),
        control<QWidget>(w, "RichEdit1")->isVisible(), control<QWidget>(w, "BITBTN1")->isEnabled(),
        control<QWidget>(w, "BITBTN2")->isEnabled(), control<QWidget>(w, "BitBtn8")->isVisible(),
        control<QWidget>(w, "BitBtn8")->isEnabled(),
        control<QWidget>(w, "RadioGroup1")->isEnabled(),
        control<dipo::RadioGroup>(w, "RadioGroup1")->itemIndex() };
}

const QString engineHeaderA = QStringLiteral(
    "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau hidup pada sistem "
    "penggerak mesin diesel lokomotif disebabkan oleh :");

} // namespace

void DiagnoWindowTest::init()
{
    m_errors.clear();
    dipo::errorreport::setSink([this](const QString &, const QString &text) { m_errors << text; });
    m_window = new Tdiagno();
    m_window->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void DiagnoWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    dipo::errorreport::setSink({});
}

void DiagnoWindowTest::click(const char *name)
{
    QTest::mouseClick(control<QPushButton>(m_window, name), Qt::LeftButton);
}

void DiagnoWindowTest::chooseSystem(int index)
{
    QRadioButton *item = control<dipo::RadioGroup>(m_window, "RadioGroup1")->item(index);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

QString DiagnoWindowTest::question() const
{
    return control<dipo::RichTextBox>(m_window, "RichEdit2")->firstLine();
}

QStringList DiagnoWindowTest::result() const
{
    return control<dipo::RichTextBox>(m_window, "RichEdit1")->lines();
}

void DiagnoWindowTest::initialControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Mulai hidden") << "BitBtn8"
                                  << "Mulai" << false << true;
    QTest::newRow("Ulangi") << "BitBtn7"
                            << "Ulangi" << true << true;
    QTest::newRow("YA disabled") << "BITBTN1"
                                 << "YA" << true << false;
    QTest::newRow("TIDAK disabled") << "BITBTN2"
                                    << "TIDAK" << true << false;
    QTest::newRow("Info ku") << "BitBtn3"
                             << "Info ku" << true << true;
    QTest::newRow("Tutup") << "BitBtn4"
                           << "Tutup" << true << true;
    QTest::newRow("title label") << "Label1"
                                 << "MENDIAGNOSIS KERUSAKAN KOMPONEN" << true << true;
    QTest::newRow("question label, two blanks") << "Label2"
                                                << "PERTANYAAN  ::" << true << true;
    QTest::newRow("system list") << "RadioGroup1"
                                 << "Jenis Gangguan" << true << true;
    QTest::newRow("question box") << "RichEdit2" << promptFresh << true << true;
    QTest::newRow("result box hidden, empty") << "RichEdit1"
                                              << "" << false << true;
    QTest::newRow("explanation box disabled") << "Memo2"
                                              << "" << true << false;
}

void DiagnoWindowTest::initialControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->isVisible(), visible);
    QCOMPARE(widget->isEnabled(), enabled);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *list = qobject_cast<dipo::RadioGroup *>(widget))
        QCOMPARE(list->title(), caption);
    else if (auto *box = qobject_cast<dipo::RichTextBox *>(widget))
        QCOMPARE(box->lines().join(QLatin1Char('\n')), caption);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("diagno"));
    QCOMPARE(m_window->objectName(), QStringLiteral("diagno"));
}

void DiagnoWindowTest::explanationBoxHoldsTenLines()
{
    const QStringList expected = {
        QStringLiteral("   "),
        QStringLiteral("   Pendiagnosisan kerusakan ini adalah untuk "),
        QStringLiteral("   mengetahui letak dari kerusakan dari gejala"),
        QStringLiteral("   gejala yang ditimbulkan oleh motor pengerak "),
        QStringLiteral("   diesel dan Rem. Pencarian kerusakan ini di"),
        QStringLiteral("   klasifikasikan atau dikelompokan kedalam "),
        QStringLiteral("   lima sistim pada mesin dan satu sistem pada Rem."),
        QStringLiteral("   Tujuannya untuk pengklasifikasian gejala tersebut "),
        QStringLiteral("   adalah untuk memudahkan dan mempercepat "),
        QStringLiteral("   pencarian letak kerusakan pada lokomotif "),
    };
    auto *memo = control<QPlainTextEdit>(m_window, "Memo2");
    QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')), expected);
    QVERIFY(memo->isReadOnly());
    const QStringList items = control<dipo::RadioGroup>(m_window, "RadioGroup1")->items();
    QCOMPARE(items,
        QStringList({ QStringLiteral("sistem pengerak mesin"), QStringLiteral("sistem pendingin"),
            QStringLiteral("sistem pelumasan"), QStringLiteral("sistem bahan bakar"),
            QStringLiteral("sistem gas buang"), QStringLiteral("sistem rem") }));
    QCOMPARE(control<dipo::RadioGroup>(m_window, "RadioGroup1")->itemIndex(), -1);
}

void DiagnoWindowTest::choosingSystem_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("changeTo");
    QTest::newRow("one choice") << 2 << -1;
    QTest::newRow("another item before Mulai") << 0 << 5;
}

void DiagnoWindowTest::choosingSystem()
{
    QFETCH(int, system);
    QFETCH(int, changeTo);
    chooseSystem(system);
    if (changeTo >= 0)
        chooseSystem(changeTo);
    const Snapshot s = snapshot(m_window);
    QCOMPARE(s.question, promptChosen);
    QCOMPARE(s.listIndex, changeTo >= 0 ? changeTo : system);
    QVERIFY(s.listEnabled);
    QVERIFY(s.mulaiVisible && s.mulaiEnabled);
    QVERIFY(!s.yaEnabled && !s.tidakEnabled);
    QVERIFY(!s.resultVisible);
    QCOMPARE(s.result, QStringList());
    QVERIFY(control<QWidget>(m_window, "BitBtn7")->isVisible());
}

void DiagnoWindowTest::startPutsStartQuestion_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("start");
    QTest::newRow("engine drive") << 0 << "APAKAH MESIN TIDAK MAU HIDUP";
    QTest::newRow("cooling") << 1 << "APAKAH AIR PENDINGIN BERKURANG";
    QTest::newRow("lubrication") << 2 << "APAKAH OLI BOROS ATAU PEMAKAIAN OLI PELUMAS BERLEBIHAN";
    QTest::newRow("fuel") << 3
                          << "APAKAH NOZEL MACET/RUSAK KARENA SAMBUNGAN TUAS LING TIDAK LURUS ATAU "
                             "TERDAPATNYA KOTORAN PADA SAMBUNGAN";
    QTest::newRow("exhaust") << 4 << "APAKAH MESIN MENGELUARKAN ASAP BERWARNA HITAM ATAU PUTIH";
    QTest::newRow("brakes") << 5 << "APAKAH TERDENGAR BUNYI SESUATU PADA RODA";
}

void DiagnoWindowTest::startPutsStartQuestion()
{
    QFETCH(int, system);
    QFETCH(QString, start);
    chooseSystem(system);
    click("BitBtn8");
    const Snapshot s = snapshot(m_window);
    QCOMPARE(s.question, start);
    QVERIFY(!s.listEnabled);
    QVERIFY(!s.mulaiVisible && !s.mulaiEnabled);
    QVERIFY(s.yaEnabled && s.tidakEnabled);
    QVERIFY(!s.resultVisible);
    QVERIFY(control<QWidget>(m_window, "BitBtn7")->isVisible());
}

void DiagnoWindowTest::answersDisabledBeforeStart()
{
    chooseSystem(0);
    const Snapshot before = snapshot(m_window);
    click("BITBTN1");
    click("BITBTN2");
    QVERIFY(snapshot(m_window) == before);
}

void DiagnoWindowTest::ulangiMidDiagnosisLeavesAnswersEnabledButIdle()
{
    chooseSystem(1);
    click("BitBtn8");
    click("BITBTN2");
    click("BitBtn7");
    const Snapshot reset = snapshot(m_window);
    QCOMPARE(reset.question, promptReset);
    QVERIFY(reset.yaEnabled && reset.tidakEnabled);
    QVERIFY(reset.listEnabled);
    QCOMPARE(reset.listIndex, -1);
    QVERIFY(!reset.mulaiVisible);
    click("BITBTN1");
    click("BITBTN2");
    QVERIFY(snapshot(m_window) == reset);
}

void DiagnoWindowTest::concludedState()
{
    chooseSystem(3);
    click("BitBtn8");
    click("BITBTN1");
    const Snapshot s = snapshot(m_window);
    QCOMPARE(s.question, promptConcluded);
    QVERIFY(s.resultVisible);
    QVERIFY(!s.yaEnabled && !s.tidakEnabled);
    QVERIFY(!s.listEnabled);
    QVERIFY(!s.mulaiVisible && !s.mulaiEnabled);
    QCOMPARE(s.result.size(), 4);
    // The result box lies over the explanation box and covers it.
    QCOMPARE(control<QWidget>(m_window, "RichEdit1")->geometry(),
        control<QWidget>(m_window, "Memo2")->geometry());
}

void DiagnoWindowTest::resultKeptUntilNextChoice()
{
    chooseSystem(5);
    click("BitBtn8");
    click("BITBTN1");
    const QStringList concluded = result();
    QCOMPARE(concluded.size(), 4);
    click("BitBtn7");
    QVERIFY(!control<QWidget>(m_window, "RichEdit1")->isVisible());
    QCOMPARE(result(), concluded);
    chooseSystem(5);
    QCOMPARE(result(), QStringList());
    QVERIFY(!control<QWidget>(m_window, "RichEdit1")->isVisible());
}

void DiagnoWindowTest::ulangiBeforeAnyChoiceOnlyWritesPrompt()
{
    Snapshot expected = snapshot(m_window);
    click("BitBtn7");
    expected.question = promptReset;
    QVERIFY(snapshot(m_window) == expected);
    QVERIFY(control<QWidget>(m_window, "BitBtn7")->isVisible());
}

void DiagnoWindowTest::ulangiThenSameSystemStartsAfresh()
{
    chooseSystem(0);
    click("BitBtn8");
    click("BITBTN1");
    click("BITBTN1");
    QCOMPARE(question(), promptConcluded);
    click("BitBtn7");
    chooseSystem(0);
    click("BitBtn8");
    QCOMPARE(question(), QStringLiteral("APAKAH MESIN TIDAK MAU HIDUP"));
    QCOMPARE(result(), QStringList());
    QVERIFY(!control<QWidget>(m_window, "RichEdit1")->isVisible());
    QVERIFY(control<QWidget>(m_window, "BITBTN1")->isEnabled());
}

void DiagnoWindowTest::tutupMidDiagnosisKeepsQuestion()
{
    chooseSystem(4);
    click("BitBtn8");
    click("BITBTN1");
    const Snapshot asking = snapshot(m_window);
    QCOMPARE(asking.question, QStringLiteral("APAKAH KEKURANGAN MINYAK PELUMAS"));
    click("BitBtn4");
    QVERIFY(!m_window->isVisible());
    m_window->showWindow();
    QVERIFY(m_window->isVisible());
    QVERIFY(snapshot(m_window) == asking);
    click("BITBTN2");
    QCOMPARE(question(), QStringLiteral("APAKAH BEARING TERBAKAR"));
}

void DiagnoWindowTest::engineDriveExampleWalk()
{
    chooseSystem(0);
    click("BitBtn8");
    QCOMPARE(question(), QStringLiteral("APAKAH MESIN TIDAK MAU HIDUP"));
    click("BITBTN1");
    QCOMPARE(question(), QStringLiteral("APAKAH AIR ACCU BERKURANG"));
    click("BITBTN1");
    QCOMPARE(question(), promptConcluded);
    QCOMPARE(result(),
        QStringList({ resultTitle, QString(), engineHeaderA, QStringLiteral(" baterai lemah") }));
    auto *box = control<dipo::RichTextBox>(m_window, "RichEdit1");
    QCOMPARE(box->firstLineIndentOf(0), 2.0);
    QCOMPARE(box->firstLineIndentOf(1), 12.0);
    QCOMPARE(box->firstLineIndentOf(2), 12.0);
    QCOMPARE(box->firstLineIndentOf(3), 12.0);
    QCOMPARE(box->fontSize(), 12.0);
    QVERIFY(box->font().bold());
}

void DiagnoWindowTest::brakeExampleWalk()
{
    chooseSystem(5);
    click("BitBtn8");
    for (int i = 0; i < 16; ++i) {
        QVERIFY(question().startsWith(QLatin1String("APAKAH ")));
        click("BITBTN2");
    }
    QCOMPARE(question(), promptConcluded);
    QCOMPARE(result(),
        QStringList({ resultTitle, QString(),
            QStringLiteral(
                "Maaf gangguan belum terdefinisi/belum dapat dikenali, "
                "Kemungkinan gangguan atau kerusakan bukan pada sistem rem lokomotif.") }));
    QCOMPARE(control<dipo::RichTextBox>(m_window, "RichEdit1")->firstLineIndentOf(2), 12.0);
}

void DiagnoWindowTest::conclusionAtFontSize10()
{
    chooseSystem(0);
    click("BitBtn8");
    // 1 TIDAK, 22 TIDAK, 42 YA, 43 TIDAK, 61 YA, 62 YA
    for (const char *button : { "BITBTN2", "BITBTN2", "BITBTN1", "BITBTN2", "BITBTN1" })
        click(button);
    QCOMPARE(question(), QStringLiteral("APAKAH AWAL PENGHIDUPAN MESIN"));
    click("BITBTN1");
    auto *box = control<dipo::RichTextBox>(m_window, "RichEdit1");
    QCOMPARE(box->fontSize(), 10.0);
    QCOMPARE(box->lines().value(3), QStringLiteral(" Kerusakan pada governor"));
    // The next conclusion is back at 12.
    click("BitBtn7");
    chooseSystem(0);
    click("BitBtn8");
    click("BITBTN1");
    click("BITBTN1");
    QCOMPARE(box->fontSize(), 12.0);
}

void DiagnoWindowTest::infoKuDoesNothing()
{
    chooseSystem(2);
    click("BitBtn8");
    const Snapshot asking = snapshot(m_window);
    click("BitBtn3");
    QVERIFY(snapshot(m_window) == asking);
    QVERIFY(m_window->isVisible());
}

void DiagnoWindowTest::longestQuestionShowsWhole()
{
    const QString longest = QStringLiteral(
        "APAKAH BAUT PADA SILINDER KOP LONGGAR, PAKING RUSAK/BOCOR, SILINDER KOP RETAK, BLOK "
        "MESIN PECAH ATAU AFTER COOLER RUSAK");
    QCOMPARE(longest.size(), 119);
    chooseSystem(1);
    click("BitBtn8");
    for (const char *button :
        { "BITBTN2", "BITBTN2", "BITBTN1", "BITBTN2", "BITBTN2", "BITBTN2", "BITBTN2" })
        click(button);
    QCOMPARE(question(), longest);
    auto *box = control<dipo::RichTextBox>(m_window, "RichEdit2");
    QCOMPARE(box->lines(), QStringList { longest });
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    click("BITBTN2");
    QVERIFY(question().startsWith(QLatin1String("lihat")));
}

void DiagnoWindowTest::walksToEveryConclusion_data()
{
    QTest::addColumn<int>("system");
    for (int system = 0; system < 6; ++system)
        QTest::newRow(qPrintable(QStringLiteral("system %1").arg(system))) << system;
}

// Every fault and every notice of a system, reached by clicks the shortest way.
void DiagnoWindowTest::walksToEveryConclusion()
{
    QFETCH(int, system);
    const QList<KbWalk> walks
        = ::walksToEveryConclusion(builtInKnowledgeBase().knowledgeBase, system);
    QVERIFY(!walks.isEmpty());
    auto *box = control<dipo::RichTextBox>(m_window, "RichEdit1");
    for (const KbWalk &walk : walks) {
        click("BitBtn7");
        chooseSystem(system);
        click("BitBtn8");
        for (int step = 0; step < walk.answers.size(); ++step) {
            QCOMPARE(question(), walk.questions.at(step));
            click(walk.answers.at(step) == Answer::Ya ? "BITBTN1" : "BITBTN2");
        }
        QCOMPARE(question(), promptConcluded);
        QCOMPARE(result(), QStringList({ resultTitle, QString() }) + walk.conclusion.lines);
        QCOMPARE(box->fontSize(), qreal(walk.conclusion.fontSize));
        QCOMPARE(box->firstLineIndentOf(0), 2.0);
        for (int line = 1; line < box->lineCount(); ++line)
            QCOMPARE(box->firstLineIndentOf(line), 12.0);
        QVERIFY(!control<QWidget>(m_window, "BITBTN1")->isEnabled());
        QVERIFY(!control<QWidget>(m_window, "BITBTN2")->isEnabled());
    }
}

void DiagnoWindowTest::brokenKnowledgeBaseIsReportedAndInert()
{
    QList<KbFile> files = builtInFiles();
    files[4].bytes.replace("\"ask\": 16", "\"ask\": 61");
    const KbLoad broken = loadKnowledgeBase(files);
    QVERIFY(!broken.ok());

    m_errors.clear();
    Tdiagno window(broken);
    window.showWindow();
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.at(0).contains(QLatin1String("exhaust.json: row 1: TIDAK asks row 61")),
        qPrintable(m_errors.at(0)));
    QVERIFY(!control<QWidget>(&window, "RadioGroup1")->isEnabled());
    QVERIFY(!control<QWidget>(&window, "BITBTN1")->isEnabled());
    QCOMPARE(control<dipo::RichTextBox>(&window, "RichEdit2")->firstLine(), promptFresh);
    // Nothing a user can reach starts a diagnosis.
    QTest::mouseClick(control<QPushButton>(&window, "BitBtn7"), Qt::LeftButton);
    QCOMPARE(control<dipo::RichTextBox>(&window, "RichEdit2")->firstLine(), promptReset);
    QVERIFY(!control<QWidget>(&window, "BitBtn8")->isVisible());
}
