// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_session.h"
#include "tests/controls.h"

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/report.h"
#include "diagnosis/logic/reportdocument.h"
#include "diagnosis/logic/session.h"
#include "diagnosis/riwayat.h"
#include "kbwalks.h"
#include "worklog/logic/diagnosisrecord.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace dipo::diagnosis;

using dipo::test::control;
using dipo::test::press;

namespace {

constexpr int Ya = 1;
constexpr int Tidak = 0;

// A small knowledge base written as "A:B,= B:=,-": each question, then what YA and
// TIDAK do: ask that question, "=" conclude, "-" nothing.
KnowledgeBase knowledgeBase(const QString &rows)
{
    const auto action = [](const QString &code) {
        Action result;
        if (code == QLatin1String("=")) {
            result.kind = Action::Kind::Conclude;
            result.conclusion.lines = QStringList { QStringLiteral("hasil") };
        } else if (code != QLatin1String("-")) {
            result.kind = Action::Kind::Ask;
            result.question = code;
        }
        return result;
    };
    System system;
    int row = 0;
    for (const QString &entry : rows.split(QLatin1Char(' '))) {
        const QStringList parts = entry.split(QRegularExpression(QStringLiteral("[:,]")));
        system.questions.append(
            Question { ++row, parts.at(0), action(parts.at(1)), action(parts.at(2)) });
    }
    system.startQuestion = system.questions.first().text;
    return KnowledgeBase({ system });
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

int pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { path });
    process.waitForFinished(20000);
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(QString::fromUtf8(process.readAll()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

} // namespace

void SessionTest::init()
{
    m_errors.clear();
    dipo::errorreport::setSink([this](const QString &, const QString &text) { m_errors << text; });
    m_window = new Tdiagno();
    m_window->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void SessionTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    dipo::errorreport::setSink({});
}

void SessionTest::click(const char *name)
{
    QTest::mouseClick(control<QPushButton>(m_window, name), Qt::LeftButton);
}

void SessionTest::chooseSystem(int index)
{
    QRadioButton *item = control<dipo::RadioGroup>(m_window, "RadioGroup1")->item(index);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

void SessionTest::walk(int system, const QList<int> &answers)
{
    chooseSystem(system);
    click("BitBtn8");
    for (int answer : answers)
        click(answer == Ya ? "BITBTN1" : "BITBTN2");
}

QWidget *SessionTest::trail() const
{
    return control<QWidget>(m_window, "riwayat");
}

// What a user sees of every named control: its text, enabled and visible state.
QStringList SessionTest::everyControl() const
{
    QStringList seen;
    for (const QWidget *w : m_window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString text;
        if (auto *box = qobject_cast<const dipo::RichTextBox *>(w))
            text
                = box->lines().join(QLatin1Char('|')) + QStringLiteral(" @%1").arg(box->fontSize());
        else if (auto *view = qobject_cast<const QTextEdit *>(w))
            text = view->toPlainText();
        else if (auto *memo = qobject_cast<const QPlainTextEdit *>(w))
            text = memo->toPlainText();
        else if (auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
        else if (auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (auto *list = qobject_cast<const dipo::RadioGroup *>(w))
            text = QString::number(list->itemIndex());
        seen << QStringLiteral("%1 \"%2\" %3 %4")
                    .arg(w->objectName(), text, w->isEnabled() ? "enabled" : "disabled",
                        w->isVisible() ? "shown" : "hidden");
    }
    return seen;
}

void SessionTest::questionsLeftByHand_data()
{
    QTest::addColumn<QString>("knowledgeBase");
    QTest::addColumn<QString>("expected"); // question=count, ? for no bound
    QTest::newRow("chain") << "A:=,B B:=,C C:=,="
                           << "A=3 B=2 C=1";
    QTest::newRow("branch") << "A:B,C B:=,= C:=,D D:=,="
                            << "A=3 B=1 C=2 D=1";
    QTest::newRow("row reached two ways") << "A:B,C B:D,= C:=,B D:=,="
                                          << "A=4 B=2 C=3 D=1";
    QTest::newRow("open YA") << "A:-,B B:=,="
                             << "A=2 B=1";
    QTest::newRow("dead end does not count") << "A:B,= B:-,-"
                                             << "A=1 B=?";
    QTest::newRow("circle has no bound") << "S:=,A A:=,B B:=,A D:=,="
                                         << "S=? A=? B=? D=1";
}

void SessionTest::questionsLeftByHand()
{
    QFETCH(QString, knowledgeBase);
    QFETCH(QString, expected);
    const QuestionsLeft left = questionsLeft(::knowledgeBase(knowledgeBase));
    QStringList found;
    for (const QString &pair : expected.split(QLatin1Char(' '))) {
        const QString question = pair.section(QLatin1Char('='), 0, 0);
        found << QStringLiteral("%1=%2").arg(question,
            left.contains(question) ? QString::number(left.value(question)) : QStringLiteral("?"));
    }
    QCOMPARE(found.join(QLatin1Char(' ')), expected);
}

void SessionTest::questionsLeftBuiltIn_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    // Counted along the files: the brake and fuel rows form one chain each; in the
    // exhaust system row 1 asks the causes 2 to 15 on YA, the symptom 16 on TIDAK,
    // and 16 to 22 are a chain.
    QTest::newRow("brakes, start") << 5 << 1 << 16;
    QTest::newRow("brakes, last") << 5 << 16 << 1;
    QTest::newRow("fuel, start") << 3 << 1 << 13;
    QTest::newRow("exhaust, start") << 4 << 1 << 15;
    QTest::newRow("exhaust, second symptom") << 4 << 16 << 7;
}

void SessionTest::questionsLeftBuiltIn()
{
    QFETCH(int, system);
    QFETCH(int, row);
    QFETCH(int, expected);
    const KnowledgeBase &kb = builtInKnowledgeBase().knowledgeBase;
    const QuestionsLeft left = questionsLeft(kb);
    QString text;
    for (const Question &question : kb.systems().at(system).questions) {
        if (question.row == row)
            text = question.text;
    }
    QVERIFY(left.contains(text));
    QCOMPARE(left.value(text), expected);
    // Every question of the built-in base has a bound.
    int questions = 0;
    for (const System &s : kb.systems())
        questions += int(s.questions.size());
    QCOMPARE(int(left.size()), questions);
}

void SessionTest::sessionFollowsEveryWalk_data()
{
    QTest::addColumn<int>("system");
    for (int system = 0; system < 6; ++system)
        QTest::newRow(qPrintable(QStringLiteral("system %1").arg(system))) << system;
}

void SessionTest::sessionFollowsEveryWalk()
{
    QFETCH(int, system);
    const Session &session = m_window->session();
    auto *result = control<dipo::RichTextBox>(m_window, "RichEdit1");
    for (const KbWalk &kbWalk :
        ::walksToEveryConclusion(builtInKnowledgeBase().knowledgeBase, system)) {
        click("BitBtn7");
        QCOMPARE(session.system(), -1);
        walk(system, {});
        QCOMPARE(session.system(), system);
        QCOMPARE(session.systemName(),
            control<dipo::RadioGroup>(m_window, "RadioGroup1")->items().at(system));
        for (Answer answer : kbWalk.answers)
            click(answer == Answer::Ya ? "BITBTN1" : "BITBTN2");
        QCOMPARE(int(session.steps().size()), int(kbWalk.answers.size()));
        for (int i = 0; i < kbWalk.answers.size(); ++i) {
            QCOMPARE(session.steps().at(i).question, kbWalk.questions.at(i));
            QVERIFY(session.steps().at(i).answer == kbWalk.answers.at(i));
        }
        QVERIFY(session.isConcluded());
        QCOMPARE(report::resultBoxLines(session.conclusion()), result->lines());
        QCOMPARE(session.conclusion().notice, isNotice(kbWalk.conclusion));
        QCOMPARE(session.conclusion().notice, !isFault(kbWalk.conclusion));

        // Into the log and back: the record holds the walk, and the report written from
        // the record is the report of the walk.
        dipo::worklog::Entry record = dipo::worklog::fromSession(session);
        record.locomotive = QStringLiteral("CC 201 83 12");
        record.when = QDateTime(QDate(2026, 3, 2), QTime(7, 30));
        QCOMPARE(dipo::worklog::checkEntry(record), QString());
        const Session back = dipo::worklog::toSession(record);
        QCOMPARE(back.systemName(), session.systemName());
        QCOMPARE(back.steps().size(), session.steps().size());
        for (int i = 0; i < session.steps().size(); ++i) {
            QCOMPARE(back.steps().at(i).question, session.steps().at(i).question);
            QVERIFY(back.steps().at(i).answer == session.steps().at(i).answer);
        }
        QVERIFY(back.isConcluded());
        QCOMPARE(back.conclusion().lines, session.conclusion().lines);
        QCOMPARE(back.conclusion().notice, session.conclusion().notice);
        QCOMPARE(back.conclusion().repairs,
            session.conclusion().notice ? QList<dipo::diagnosis::Repair>()
                                        : session.conclusion().repairs);
        const report::Stamp stamp { QDateTime(QDate(2026, 3, 2), QTime(7, 30)),
            QStringLiteral("Dipo"), QStringLiteral("1") };
        QCOMPARE(report::plainText(back, stamp), report::plainText(session, stamp));
        dipo::worklog::Entry again = dipo::worklog::fromSession(back);
        again.locomotive = record.locomotive;
        again.when = record.when;
        QVERIFY(again.sameContent(record));
    }
}

void SessionTest::backRestoresWindow_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("undone");
    QTest::newRow("first answer") << 0 << QList<int> {} << Ya;
    QTest::newRow("after an ask") << 1 << QList<int> { Tidak, Tidak } << Ya;
    QTest::newRow("after a fault") << 0 << QList<int> { Ya } << Ya;
    QTest::newRow("after a notice") << 5 << QList<int>(15, Tidak) << Tidak;
    QTest::newRow("after the conclusion at 10 points")
        << 0 << QList<int> { Tidak, Tidak, Ya, Tidak, Ya } << Ya;
}

// Answer, then back: every control (the trail window's too) is as it was.
void SessionTest::backRestoresWindow()
{
    QFETCH(int, system);
    QFETCH(QList<int>, before);
    QFETCH(int, undone);
    click("BitBtnRiwayat");
    QVERIFY(trail()->isVisible());
    walk(system, before);
    const QStringList expected = everyControl();
    click(undone == Ya ? "BITBTN1" : "BITBTN2");
    QVERIFY(everyControl() != expected);
    QVERIFY(control<QWidget>(m_window, "BitBtnKembali")->isEnabled());
    click("BitBtnKembali");
    QCOMPARE(everyControl(), expected);
}

void SessionTest::backWalksToFirstQuestion()
{
    auto *question = control<dipo::RichTextBox>(m_window, "RichEdit2");
    walk(5, {});
    QStringList asked { question->firstLine() };
    for (int i = 0; i < 4; ++i) {
        click("BITBTN2");
        asked << question->firstLine();
    }
    // By button, Backspace and Alt+K in turn, the read-only question box in focus.
    question->setFocus();
    for (int i = 3; i >= 0; --i) {
        if (i % 3 == 0)
            click("BitBtnKembali");
        else if (i % 3 == 1)
            QTest::keyClick(m_window, Qt::Key_Backspace);
        else
            QTest::keyClick(m_window, Qt::Key_K, Qt::AltModifier);
        QCOMPARE(question->firstLine(), asked.at(i));
    }
    QCOMPARE(question->firstLine(), QStringLiteral("APAKAH TERDENGAR BUNYI SESUATU PADA RODA"));
    QVERIFY(!control<QWidget>(m_window, "BitBtnKembali")->isEnabled());
    QTest::keyClick(m_window, Qt::Key_Backspace);
    QCOMPARE(question->firstLine(), asked.at(0));
    QVERIFY(control<QWidget>(m_window, "BITBTN1")->isEnabled());
    QCOMPARE(control<QPushButton>(m_window, "BitBtnKembali")->text(), QStringLiteral("Kembali"));
}

void SessionTest::backDisabledWithoutAnswers()
{
    auto *kembali = control<QWidget>(m_window, "BitBtnKembali");
    QVERIFY(kembali->isVisible() && !kembali->isEnabled());
    walk(2, { Tidak });
    QVERIFY(kembali->isEnabled());
    click("BitBtn7");
    QVERIFY(!kembali->isEnabled());
    const QStringList reset = everyControl();
    QTest::keyClick(m_window, Qt::Key_Backspace);
    QTest::keyClick(m_window, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(everyControl(), reset);
    chooseSystem(2);
    QVERIFY(!kembali->isEnabled());
}

void SessionTest::answeringAfterBackGoesOn()
{
    walk(0, { Ya, Ya });
    click("BitBtnKembali");
    click("BITBTN2");
    const Session &session = m_window->session();
    QCOMPARE(int(session.steps().size()), 2);
    QVERIFY(session.steps().at(1).answer == Answer::Tidak);
    QCOMPARE(
        session.currentQuestion(), control<dipo::RichTextBox>(m_window, "RichEdit2")->firstLine());
    QVERIFY(!control<QWidget>(m_window, "RichEdit1")->isVisible());
}

void SessionTest::trailFollowsTheWalk()
{
    auto *view = control<QTextBrowser>(m_window, "TrailView");
    QVERIFY(!trail()->isVisible());
    click("BitBtnRiwayat");
    QVERIFY(trail()->isVisible());
    QCOMPARE(trail()->windowTitle(), QStringLiteral("Riwayat Diagnosa"));
    QVERIFY(!trail()->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(view->toPlainText(), QStringLiteral("Belum ada sistem yang dipilih."));
    QVERIFY(!control<QWidget>(m_window, "BtnSimpanPdf")->isEnabled());

    walk(5, {});
    QVERIFY(view->toPlainText().contains(QLatin1String("Sistem: sistem rem")));
    QVERIFY(view->toPlainText().contains(
        QLatin1String("Pertanyaan sekarang: APAKAH TERDENGAR BUNYI SESUATU PADA RODA")));
    QVERIFY(view->toPlainText().contains(QLatin1String("paling banyak 16 pertanyaan lagi")));
    click("BITBTN2");
    const QString second = control<dipo::RichTextBox>(m_window, "RichEdit2")->firstLine();
    QVERIFY(
        view->toPlainText().contains(QLatin1String("APAKAH TERDENGAR BUNYI SESUATU PADA RODA")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Pertanyaan sekarang: ") + second));
    QVERIFY(view->toPlainText().contains(QLatin1String("paling banyak 15 pertanyaan lagi")));
    click("BITBTN1");
    const QStringList result = control<dipo::RichTextBox>(m_window, "RichEdit1")->lines();
    for (const QString &line : result.mid(2))
        QVERIFY2(view->toPlainText().contains(line), qPrintable(line));
    QVERIFY(!view->toPlainText().contains(QLatin1String("paling banyak")));
    QVERIFY(!view->toPlainText().contains(QLatin1String("Pertanyaan sekarang")));
    click("BitBtnKembali");
    QVERIFY(view->toPlainText().contains(QLatin1String("paling banyak 15 pertanyaan lagi")));

    // The trail goes with the diagnosis window.
    click("BitBtn4");
    QVERIFY(!trail()->isVisible());
}

void SessionTest::trailWritesOnlyWhatChanged()
{
    auto *view = control<QTextBrowser>(m_window, "TrailView");
    click("BitBtnRiwayat");
    const auto freshText = [this] {
        QTextDocument fresh;
        fresh.setHtml(report::trailHtml(m_window->session(), m_window->questionsLeft()));
        return fresh.toPlainText();
    };
    // Where each change begins: a trail written again begins at its top.
    int firstChanged = 0;
    connect(view->document(), &QTextDocument::contentsChange, this,
        [&firstChanged](int position, int, int) { firstChanged = qMin(firstChanged, position); });

    walk(5, { Tidak, Tidak, Tidak, Tidak, Tidak, Tidak });
    QCOMPARE(view->toPlainText(), freshText());
    QVERIFY(m_window->session().steps().size() == 6);
    const struct
    {
        const char *button;
        const char *what;
    } steps[] = { { "BITBTN2", "an answer" }, { "BitBtnKembali", "a step back" },
        { "BITBTN1", "another answer" }, { "BITBTN1", "the next answer" } };
    for (const auto &step : steps) {
        QTextTable *answers = nullptr;
        for (QTextFrame *frame : view->document()->rootFrame()->childFrames())
            answers = answers ? answers : qobject_cast<QTextTable *>(frame);
        QVERIFY(answers && answers->rows() > 2);
        const int firstRowEnd = answers->cellAt(1, answers->columns() - 1).lastPosition();
        firstChanged = view->document()->characterCount();
        click(step.button);
        QCOMPARE(view->toPlainText(), freshText());
        QVERIFY2(firstChanged > firstRowEnd,
            qPrintable(QStringLiteral("%1 changed the trail from %2, above the end of its first "
                                      "row at %3")
                           .arg(step.what)
                           .arg(firstChanged)
                           .arg(firstRowEnd)));
    }
    // Walk to the end and back: the end is written below the same rows.
    while (!m_window->session().isConcluded())
        click("BITBTN1");
    QCOMPARE(view->toPlainText(), freshText());
    click("BitBtnKembali");
    QCOMPARE(view->toPlainText(), freshText());
    // A new walk of another system is written whole.
    walk(0, { Ya });
    QCOMPARE(view->toPlainText(), freshText());
}

void SessionTest::pdfHoldsTheWalk()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    walk(0, { Ya, Ya });
    const QString path = folder.filePath(QStringLiteral("laporan.pdf"));
    auto *trail = qobject_cast<Triwayat *>(this->trail());
    const report::Stamp stamp = trail->stampNow();
    QVERIFY(trail->saveReport(path, stamp));
    QVERIFY(m_errors.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("%PDF"));
    QVERIFY(control<QLabel>(m_window, "LabelStatus")->text().contains(path));

    const QString text = pdfText(path);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) gave no text");
    const QStringList expected { QStringLiteral("LAPORAN DIAGNOSA"),
        QStringLiteral("sistem pengerak mesin"), QStringLiteral("APAKAH MESIN TIDAK MAU HIDUP"),
        QStringLiteral("APAKAH AIR ACCU BERKURANG"), QStringLiteral("HASIL DIAGNOSA:"),
        QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau "
                       "hidup pada sistem penggerak mesin diesel lokomotif disebabkan oleh :"),
        QStringLiteral("baterai lemah"), QStringLiteral("Dipo versi 1.0") };
    for (const QString &part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" not in: ") + text));

    // "Cetak" paints the same document at a printer's resolution.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("cetak.pdf")));
    report::render(report::html(m_window->session(), stamp), &printer);
    QCOMPARE(pdfText(printer.outputFileName()), text);
}

// Through the dialog, as a user saves: the offered name in the documents folder.
void SessionTest::saveDialogOffersNameInDocuments()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    walk(5, { Tidak, Ya });
    click("BitBtnRiwayat");
    QString offered;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = trail()->findChild<QFileDialog *>(QStringLiteral("SaveDialog"));
        if (!dialog)
            return;
        offered = dialog->selectedFiles().value(0);
        static_cast<QDialog *>(dialog)->accept(); // as the dialog's Save button
    });
    click("BtnSimpanPdf");
    qputenv("HOME", oldHome);
    QVERIFY2(
        QRegularExpression(QStringLiteral("/Documents/diagnosa-sistem-rem-\\d{8}-\\d{4}\\.pdf$"))
            .match(offered)
            .hasMatch(),
        qPrintable(offered));
    QVERIFY(offered.startsWith(home.path()));
    QFile saved(offered);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.read(4), QByteArray("%PDF"));
    QVERIFY(m_errors.isEmpty());
}

void SessionTest::typicalWalkFitsOnePage()
{
    // The longest walk of the built-in base, following the answer that leaves most.
    const KnowledgeBase &kb = builtInKnowledgeBase().knowledgeBase;
    const QuestionsLeft left = questionsLeft(kb);
    int longestSystem = 0;
    for (int system = 1; system < kb.systemCount(); ++system) {
        if (left.value(kb.startQuestion(system)) > left.value(kb.startQuestion(longestSystem)))
            longestSystem = system;
    }
    walk(longestSystem, {});
    auto *question = control<dipo::RichTextBox>(m_window, "RichEdit2");
    int answers = 0;
    while (control<QWidget>(m_window, "BITBTN1")->isEnabled()) {
        const auto leftAfter = [&](Answer answer) {
            const Action action = kb.answer(answer, question->firstLine());
            return action.kind == Action::Kind::Ask     ? left.value(action.question)
                : action.kind == Action::Kind::Conclude ? 0
                                                        : -1;
        };
        click(leftAfter(Answer::Ya) > leftAfter(Answer::Tidak) ? "BITBTN1" : "BITBTN2");
        ++answers;
    }
    QCOMPARE(answers, left.value(kb.startQuestion(longestSystem)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panjang.pdf"));
    auto *trail = qobject_cast<Triwayat *>(this->trail());
    QVERIFY(trail->saveReport(path, trail->stampNow()));
    QCOMPARE(pdfPages(path), 1);
}

namespace {

// What stands at the target before the save.
enum class Before { Nothing, OldReport, ReadOnlyReport, Folder };

#ifdef Q_OS_UNIX
// Root writes over anything: the read-only case runs as "nobody", on files it owns.
struct Unprivileged
{
    explicit Unprivileged(const QString &folder)
        : active(geteuid() == 0)
    {
        if (!active)
            return;
        for (const QString &path : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            lchown(QFile::encodeName(QDir(folder).filePath(path)).constData(), 65534, 65534);
        chown(QFile::encodeName(folder).constData(), 65534, 65534);
        setresgid(65534, 65534, 0);
        setresuid(65534, 65534, 0);
    }
    ~Unprivileged()
    {
        if (!active)
            return;
        setresuid(0, 0, 0);
        setresgid(0, 0, 0);
    }
    bool active;
};
#endif

// A filesystem of `size` bytes mounted on `folder`; root only.
bool mountSmall(const QString &folder, qint64 size)
{
#ifdef Q_OS_LINUX
    if (geteuid() != 0)
        return false;
    QProcess mount;
    mount.start(QStringLiteral("mount"),
        { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
            QStringLiteral("size=%1").arg(size), QStringLiteral("tmpfs"), folder });
    return mount.waitForFinished(10000) && mount.exitCode() == 0;
#else
    Q_UNUSED(folder);
    Q_UNUSED(size);
    return false;
#endif
}

} // namespace

Q_DECLARE_METATYPE(Before)

void SessionTest::failedSaveLeavesNoFile_data()
{
    QTest::addColumn<QString>("target"); // in the temporary folder
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("fileTooBig");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing")
        << "tidak-ada/laporan.pdf" << Before::Nothing << false << "folder tidak ada";
    QTest::newRow("folder is a file")
        << "berkas/laporan.pdf" << Before::Nothing << false << "folder tidak ada";
    QTest::newRow("target is a folder")
        << "laporan.pdf" << Before::Folder << false << "tujuan adalah folder, bukan berkas";
#ifdef Q_OS_UNIX
    QTest::newRow("read-only old file kept")
        << "laporan.pdf" << Before::ReadOnlyReport << false << "berkas tujuan hanya dapat dibaca";
    QTest::newRow("write fails, old file kept")
        << "laporan.pdf" << Before::OldReport << true << "gagal menulis";
#endif
}

void SessionTest::failedSaveLeavesNoFile()
{
    QFETCH(QString, target);
    QFETCH(Before, before);
    QFETCH(bool, fileTooBig);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("berkas")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath(target);
    const QByteArray old = "laporan lama";
    if (before == Before::Folder)
        QVERIFY(QDir(folder.path()).mkdir(target));
    if (before == Before::OldReport || before == Before::ReadOnlyReport) {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(old);
        existing.close();
        if (before == Before::ReadOnlyReport)
            QVERIFY(existing.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    }
    walk(5, QList<int>(16, Tidak));
    auto *trail = qobject_cast<Triwayat *>(this->trail());
    bool saved = true;
#ifdef Q_OS_UNIX
    rlimit original {};
    if (fileTooBig) {
        // Files of the process may not grow past 2 KB: the PDF's write fails.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &original);
        rlimit small = original;
        small.rlim_cur = 2048;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    }
    {
        std::optional<Unprivileged> user;
        if (before == Before::ReadOnlyReport)
            user.emplace(folder.path());
        saved = trail->saveReport(path, trail->stampNow());
    }
    if (fileTooBig)
        setrlimit(RLIMIT_FSIZE, &original);
#else
    saved = trail->saveReport(path, trail->stampNow());
#endif
    QVERIFY(!saved);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.at(0).contains(QDir::toNativeSeparators(path)), qPrintable(m_errors.at(0)));
    QVERIFY2(m_errors.at(0).contains(reason), qPrintable(m_errors.at(0)));
    QVERIFY(!control<QLabel>(m_window, "LabelStatus")->text().contains(QLatin1String("disimpan")));
    // Nothing half written: only the blocker and an old file that is unchanged.
    QStringList left
        = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.removeAll(QStringLiteral("berkas"));
    if (before == Before::Nothing) {
        QCOMPARE(left, QStringList());
        QVERIFY(!QFile::exists(path));
    } else {
        QCOMPARE(left, QStringList { QStringLiteral("laporan.pdf") });
    }
    if (before == Before::OldReport || before == Before::ReadOnlyReport) {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), old);
    }
}

// A disk with less room than the report: the last write fails at the flush, when the
// file is renamed. The old report must stay, and the user must be told.
void SessionTest::fullDiskKeepsOldReport_data()
{
    QTest::addColumn<qint64>("room"); // bytes free on the disk before the save
    QTest::newRow("4 KB free") << qint64(4096);
    QTest::newRow("16 KB free") << qint64(16384);
    QTest::newRow("20 KB free") << qint64(20480);
}

void SessionTest::fullDiskKeepsOldReport()
{
    QFETCH(qint64, room);
    QTemporaryDir mountPoint;
    const qint64 disk = 256 * 1024;
    if (!mountSmall(mountPoint.path(), disk))
        QSKIP("a small tmpfs needs root (mount -t tmpfs); not run");
    const auto unmount
        = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), { mountPoint.path() }); });
    const QString path = mountPoint.filePath(QStringLiteral("laporan.pdf"));
    const QByteArray old = "laporan lama";
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(old);
        QFile filler(mountPoint.filePath(QStringLiteral("pengisi")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(disk - room - 4096, 'x'));
    }
    walk(5, QList<int>(16, Tidak));
    auto *trail = qobject_cast<Triwayat *>(this->trail());
    QVERIFY(!trail->saveReport(path, trail->stampNow()));
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.at(0).contains(QLatin1String("disk penuh")), qPrintable(m_errors.at(0)));
    QVERIFY(!control<QLabel>(m_window, "LabelStatus")->text().contains(QLatin1String("disimpan")));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), old);
    QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden),
        (QStringList { QStringLiteral("laporan.pdf"), QStringLiteral("pengisi") }));
}

void SessionTest::copiedTextHoldsTheWalk()
{
    walk(0, { Ya, Ya });
    click("BitBtnRiwayat");
    click("BtnSalin");
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.startsWith(QLatin1String("LAPORAN DIAGNOSA\n")));
    QVERIFY(text.contains(QLatin1String("Sistem: sistem pengerak mesin\n")));
    QVERIFY(text.contains(QLatin1String("\n1. APAKAH MESIN TIDAK MAU HIDUP: YA\n"
                                        "2. APAKAH AIR ACCU BERKURANG: YA\n")));
    // The result box, line for line, blanks included.
    const QStringList result = control<dipo::RichTextBox>(m_window, "RichEdit1")->lines();
    QVERIFY(text.contains(QLatin1Char('\n') + result.join(QLatin1Char('\n')) + QLatin1Char('\n')));
    QVERIFY(text.contains(QLatin1String("\n baterai lemah\n")));
}

void SessionTest::suggestedFileName_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks become dashes") << "sistem rem"
                                          << "diagnosa-sistem-rem-20261209-0745.pdf";
    QTest::newRow("no system") << ""
                               << "diagnosa-sistem-20261209-0745.pdf";
    QTest::newRow("signs") << "sistem/gas: buang"
                           << "diagnosa-sistem-gas-buang-20261209-0745.pdf";
}

void SessionTest::suggestedFileName()
{
    QFETCH(QString, system);
    QFETCH(QString, expected);
    Session session;
    session.reset(0, system);
    const QDateTime when(QDate(2026, 12, 9), QTime(7, 45, 31));
    QCOMPARE(report::suggestedFileName(session, when), expected);
}
