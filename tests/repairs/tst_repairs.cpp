// SPDX-License-Identifier: GPL-3.0-or-later
// From a fault to its fix: the repair list of the diagnosis window, the windows its entries
// open, the report's appendix and the work cards.
#include "calculators/calcextras.h"
#include "calculators/calculatorwindow.h"
#include "calculators/calculatorwindows.h"
#include "calculators/logic/calculatortable.h"
#include "calculators/umurrem.h"
#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "common/workcard.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbloader.h"
#include "diagnosis/logic/repairs.h"
#include "diagnosis/riwayat.h"
#include "maintenance/pm.h"
#include "shell/formregistry.h"
#include "shell/menu1.h"
#include "tuneup/tuneup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

template <typename T = QWidget> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

void clickRadio(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// What a user sees of a window: every named control's text, enabled and visible state.
QStringList snapshot(QWidget *window)
{
    QStringList seen;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString text;
        if (auto *box = qobject_cast<const dipo::RichTextBox *>(w))
            text = box->lines().join(QLatin1Char('|'));
        else if (auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
        else if (auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        seen << QStringLiteral("%1 \"%2\" %3 %4")
                    .arg(w->objectName(), text, w->isEnabled() ? "enabled" : "disabled",
                        w->isVisible() ? "shown" : "hidden");
    }
    return seen;
}

// The calculator keys kb.schema.json allows in a repair link: the enum of the link whose
// one property is "calculator", wherever the schema defines it.
QStringList schemaCalculatorKeys(const QJsonValue &node)
{
    if (node.isArray()) {
        for (const QJsonValue &item : node.toArray()) {
            const QStringList keys = schemaCalculatorKeys(item);
            if (!keys.isEmpty())
                return keys;
        }
        return {};
    }
    const QJsonObject object = node.toObject();
    const QJsonValue link
        = object.value(QLatin1String("properties")).toObject().value(QLatin1String("calculator"));
    if (link.isObject()) {
        QStringList keys;
        for (const QJsonValue &key : link.toObject().value(QLatin1String("enum")).toArray())
            keys << key.toString();
        return keys;
    }
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QStringList keys = schemaCalculatorKeys(it.value());
        if (!keys.isEmpty())
            return keys;
    }
    return {};
}

QStringList schemaCalculatorKeys()
{
    QFile file(QStringLiteral(DIPO_KB_SOURCE "/kb.schema.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no kb.schema.json at %s", DIPO_KB_SOURCE);
    return schemaCalculatorKeys(QJsonDocument::fromJson(file.readAll()).object());
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int imagesIn(const QString &pdf)
{
    // pdfimages -list: two header lines, then one line per image.
    const QStringList lines = run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), pdf })
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return std::max(0, int(lines.size()) - 2);
}

} // namespace

class RepairsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dipo::errorreport::setSink(
            [this](const QString &, const QString &text) { m_errors << text; });
        m_errors.clear();
        dipo::shell::createForms();
    }
    void cleanup()
    {
        dipo::shell::destroyForms();
        dipo::errorreport::setSink({});
    }

    void listFollowsTheWalk();
    void linkLeavesTargetAsClicksWould_data();
    void linkLeavesTargetAsClicksWould();
    void appendixAndCardOnPaper();
    void calculatorTable_data();
    void calculatorTable();
    void calculatorTableIsTheSchemasEnum();

private:
    // Chooses the system and answers "Y" and "T" in turn.
    void walk(int system, const char *answers)
    {
        diagno->showWindow();
        clickRadio(control<dipo::RadioGroup>(diagno, "RadioGroup1")->item(system));
        click(diagno, "BitBtn8");
        for (const char *a = answers; *a; ++a)
            click(diagno, *a == 'Y' ? "BITBTN1" : "BITBTN2");
    }
    QListWidget *list() const { return control<QListWidget>(diagno, "ListPerbaikan"); }
    // The system and the answers ("Y", "T") of the shortest walk of the built-in knowledge
    // base to a conclusion with this link; -1 when none has it.
    static std::pair<int, QString> pathToLink(const dipo::diagnosis::Repair &link)
    {
        using namespace dipo::diagnosis;
        const KnowledgeBase &kb = builtInKnowledgeBase().knowledgeBase;
        for (int system = 0; system < kb.systemCount(); ++system) {
            QList<std::pair<QString, QString>> queue { { kb.startQuestion(system), QString() } };
            QStringList seen;
            while (!queue.isEmpty()) {
                const auto [question, answers] = queue.takeFirst();
                if (seen.contains(question))
                    continue;
                seen << question;
                for (const Answer answer : { Answer::Ya, Answer::Tidak }) {
                    const Action action = kb.answer(answer, question);
                    const QString walked = answers + (answer == Answer::Ya ? "Y" : "T");
                    if (action.kind == Action::Kind::Ask)
                        queue.append({ action.question, walked });
                    else if (action.kind == Action::Kind::Conclude
                        && action.conclusion.repairs.contains(link))
                        return { system, walked };
                }
            }
        }
        return { -1, QString() };
    }
    QStringList m_errors;
};

void RepairsTest::listFollowsTheWalk()
{
    walk(0, "");
    QVERIFY(!list()->isVisible());
    click(diagno, "BITBTN1"); // APAKAH MESIN TIDAK MAU HIDUP: YA
    QVERIFY(!list()->isVisible());
    click(diagno, "BITBTN1"); // APAKAH AIR ACCU BERKURANG: YA, the battery is weak
    QVERIFY(list()->isVisible());
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("Battery"));
    QVERIFY(!list()->accessibleName().isEmpty());
    click(diagno, "BitBtnKembali");
    QVERIFY(!list()->isVisible());
    click(diagno, "BITBTN1");
    QVERIFY(list()->isVisible());
    click(diagno, "BitBtn7"); // Ulangi
    QVERIFY(!list()->isVisible());
    // "Not defined": the brake system answered TIDAK throughout.
    walk(5, "TTTTTTTTTTTTTTTT");
    QVERIFY(control<dipo::RichTextBox>(diagno, "RichEdit1")->isVisible());
    QVERIFY(!list()->isVisible());
    click(diagno, "BitBtn7");
    // The result box keeps its room beside the list.
    walk(1, "TYY");
    QVERIFY(list()->isVisible());
    QVERIFY(control<QWidget>(diagno, "RichEdit1")->height() > 2 * list()->height());
}

void RepairsTest::linkLeavesTargetAsClicksWould_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("answers"); // to a fault with the link first in its list
    QTest::addColumn<QString>("target");
    // The user's clicks before (preparing the window) and to the procedure (the same
    // state by hand), as names of controls; "r5" is radio button 5, "g3:1" an item.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("byHand");
    // How the link is activated: Enter, or a double click whose second click lands on
    // this control of the window the first one opened.
    QTest::addColumn<QString>("secondClickOn");
    QTest::newRow("maintenance, fresh")
        << 1 << "TYY"
        << "PM" << QStringList {} << QStringList { "r3", "BitBtn1" } << "";
    QTest::newRow("maintenance, fresh, double click onto another component")
        << 1 << "TYY"
        << "PM" << QStringList {} << QStringList { "r3", "BitBtn1" } << "r5";
    QTest::newRow("maintenance, another component shown")
        << 1 << "TYY"
        << "PM" << QStringList { "r7", "BitBtn1" } << QStringList { "BitBtn2", "r3", "BitBtn1" }
        << "";
    QTest::newRow("maintenance, another component shown, double click onto ULANGI")
        << 1 << "TYY"
        << "PM" << QStringList { "r7", "BitBtn1" } << QStringList { "BitBtn2", "r3", "BitBtn1" }
        << "BitBtn2";
    QTest::newRow("maintenance, still marked after ULANGI")
        << 1 << "TYY"
        << "PM" << QStringList { "r3", "BitBtn1", "BitBtn2" }
        << QStringList { "r5", "BitBtn2", "r3", "BitBtn1" } << "";
    QTest::newRow("tune-up valve, fresh")
        << 4 << "YTTTTTTY"
        << "TUNEUP" << QStringList {} << QStringList { "BitBtn1", "g1:0", "SpeedButton2" } << "";
    QTest::newRow("tune-up valve, fresh, double click onto its reset")
        << 4 << "YTTTTTTY"
        << "TUNEUP" << QStringList {} << QStringList { "BitBtn1", "g1:0", "SpeedButton2" }
        << "SpeedButton1";
    QTest::newRow("tune-up governor, after an injector tutorial")
        << 0 << "TTTYTTTY"
        << "TUNEUP" << QStringList { "BitBtn3", "g2:0", "SpeedButton2" }
        << QStringList { "SpeedButton1", "BitBtn2", "g3:0", "SpeedButton2" } << "";
    QTest::newRow("calculator") << 5 << "TY"
                                << "umurrem" << QStringList {} << QStringList {} << "";
    QTest::newRow("calculator, double click onto PROSES")
        << 5 << "TY"
        << "umurrem" << QStringList {} << QStringList {} << "Button1";
}

void RepairsTest::linkLeavesTargetAsClicksWould()
{
    QFETCH(int, system);
    QFETCH(QString, answers);
    QFETCH(QString, target);
    QFETCH(QStringList, before);
    QFETCH(QStringList, byHand);
    QFETCH(QString, secondClickOn);
    const auto window = [&]() -> QWidget * {
        return target == QLatin1String("PM")    ? static_cast<QWidget *>(PM)
            : target == QLatin1String("TUNEUP") ? static_cast<QWidget *>(TUNEUP)
                                                : static_cast<QWidget *>(umurrem);
    };
    const auto press = [&](const QStringList &steps) {
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1Char('r')))
                clickRadio(PM->radioButton(step.mid(1).toInt()));
            else if (step.startsWith(QLatin1Char('g')))
                clickRadio(TUNEUP->radioGroup(step.mid(1, 1).toInt())->item(step.mid(3).toInt()));
            else
                click(window(), qPrintable(step));
        }
    };
    const auto prepared = [&] {
        if (target != QLatin1String("umurrem")) {
            static_cast<dipo::Window *>(window())->showWindow();
            QVERIFY(QTest::qWaitForWindowExposed(window()));
        }
        press(before);
    };

    prepared();
    walk(system, qPrintable(answers));
    QVERIFY(list()->isVisible());
    list()->setFocus();
    if (secondClickOn.isEmpty()) {
        QTest::keyClick(list(), Qt::Key_Return);
    } else {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
            list()->visualItemRect(list()->item(0)).center());
        QVERIFY(window()->isVisible());
        QWidget *under = secondClickOn.startsWith(QLatin1Char('r'))
            ? PM->radioButton(secondClickOn.mid(1).toInt())
            : control<QWidget>(window(), qPrintable(secondClickOn));
        QTest::mousePress(under, Qt::LeftButton);
        QTest::mouseDClick(under, Qt::LeftButton);
        QTest::mouseRelease(under, Qt::LeftButton);
        // The user's next clicks come after the double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    QVERIFY(window()->isVisible());
    const QStringList byLink = snapshot(window());

    dipo::shell::destroyForms();
    dipo::shell::createForms();
    prepared();
    static_cast<dipo::Window *>(window())->showWindow();
    press(byHand);
    QCOMPARE(byLink, snapshot(window()));
    QVERIFY(m_errors.isEmpty());
}

void RepairsTest::appendixAndCardOnPaper()
{
    QTemporaryDir folder;
    walk(1, "TYY"); // the radiator
    auto *trail = qobject_cast<Triwayat *>(diagno->findChild<QWidget *>(QStringLiteral("riwayat")));
    trail->showWindow();
    auto *appendix = control<QCheckBox>(trail, "CheckLampiran");
    QVERIFY(appendix->isVisible());
    appendix->setChecked(true);
    const QString report = folder.filePath(QStringLiteral("laporan.pdf"));
    QVERIFY(trail->saveReport(report, trail->stampNow()));
    const QString text
        = run(QStringLiteral("pdftotext"), { report, QStringLiteral("-") }).simplified();
    for (const QString &part : { QStringLiteral("Langkah perbaikan"), QStringLiteral("1. Radiator"),
             QStringLiteral("Lampiran: langkah perbaikan"),
             QStringLiteral("Periksalah bagian luar pipa kapiler dari radiator") })
        QVERIFY2(text.contains(part), qPrintable(part));
    QCOMPARE(imagesIn(report), 1);

    PM->showComponent(3);
    auto *card = control<dipo::WorkCardButtons>(PM, "KartuKerja");
    QVERIFY(card->isVisible());
    const QString cardPath = folder.filePath(QStringLiteral("kartu.pdf"));
    QVERIFY(card->saveCard(cardPath, QDateTime::currentDateTime()));
    const QString cardText
        = run(QStringLiteral("pdftotext"), { cardPath, QStringLiteral("-") }).simplified();
    for (const QString &part : { QStringLiteral("KARTU KERJA"), QStringLiteral("Radiator"),
             QStringLiteral("Nomor lokomotif"), QStringLiteral("Tanda tangan"),
             QStringLiteral("Dipo versi") })
        QVERIFY2(cardText.contains(part), qPrintable(part + QStringLiteral(" in ") + cardText));
    QCOMPARE(imagesIn(cardPath), 1);
    click(PM, "BitBtn2"); // ULANGI: no procedure, no card
    QVERIFY(!card->isVisible());
    QVERIFY(m_errors.isEmpty());
}

// Each row of the calculator table against what follows it: the schema's enum, the repair
// links (their check, their caption and the window they open), the window's frame, the
// main menu, and the sheet and charts of a PROSES.
void RepairsTest::calculatorTable_data()
{
    QTest::addColumn<QString>("key");
    for (const dipo::calc::Calculator &calculator : dipo::calc::kCalculators)
        QTest::newRow(calculator.key) << QString::fromLatin1(calculator.key);
}

void RepairsTest::calculatorTable()
{
    namespace calc = dipo::calc;
    namespace repairs = dipo::diagnosis::repairs;
    using dipo::diagnosis::Repair;
    QFETCH(QString, key);
    const calc::Calculator *row = calc::calculatorByKey(key);
    QVERIFY(row);

    QVERIFY(schemaCalculatorKeys().contains(key));
    const Repair link { Repair::Kind::Calculator, key };
    QCOMPARE(repairs::whatIsMissing(link), QString());
    QCOMPARE(repairs::caption(link), calc::tableText(row->caption));
    QCOMPARE(repairs::calculatorNames.indexOf(key), calc::calculatorKeys().indexOf(key));

    // The window: made by the form registry, named and framed by the row.
    QVERIFY(calc::everyRowHasAWindow());
    auto *window = qobject_cast<calc::CalculatorWindow *>(calc::window(key));
    QVERIFY(window);
    QCOMPARE(window->objectName(), calc::tableText(row->objectName));
    QCOMPARE(&window->calculator(), row);
    QCOMPARE(control<QLabel>(window, "Panel1")->text(), calc::tableText(row->title));
    QVERIFY(!window->isVisible());

    // The main menu offers it where the row says, or the window of its opener does.
    if (row->menu.exists()) {
        auto *button = control<QToolButton>(menu1, row->menu.buttonName);
        QCOMPARE(button->text(), calc::tableText(row->menu.caption));
        QCOMPARE(control<QLabel>(menu1, row->menu.labelName)->text(),
            calc::tableText(row->menu.label));
        menu1->showWindow();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window->isVisible());
        window->close();
    } else {
        const calc::Calculator *opener
            = calc::calculatorByKey(QLatin1String(row->openedFrom.key));
        QVERIFY2(opener && opener->menu.exists(), "a calculator off the menu names its opener");
        auto *openerWindow = calc::window(QLatin1String(opener->key));
        openerWindow->showWindow();
        click(openerWindow, row->openedFrom.control);
        QVERIFY(window->isVisible());
        window->close();
        openerWindow->close();
    }

    // A repair link of the knowledge base opens it.
    const auto [system, answers] = pathToLink(link);
    QVERIFY2(system >= 0, "the knowledge base links every calculator");
    QVERIFY(!window->isVisible());
    walk(system, qPrintable(answers));
    const QList<QListWidgetItem *> items
        = list()->findItems(calc::tableText(row->caption), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list()->setCurrentItem(items.first());
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Return);
    QVERIFY(window->isVisible());
    window->close();

    // PROSES with the defaults: the sheet is titled by the row, its charts are the row's.
    window->proses();
    auto *extras = window->findChild<calc::CalcExtras *>(QStringLiteral("PanelLembar"));
    QVERIFY(extras);
    QVERIFY(extras->hasResult());
    QCOMPARE(extras->sheet().title, calc::tableText(row->sheetName));
    QCOMPARE(std::size_t(extras->sheet().inputs.size()), row->inputs.count);
    QCOMPARE(std::size_t(extras->sheet().results.size()), row->results.count);
    QStringList charts;
    for (const calc::Chart &chart : extras->sheet().charts)
        charts << chart.objectName;
    QCOMPARE(charts, calc::chartNames(*row));
    QVERIFY(m_errors.isEmpty());
}

// The schema allows exactly the table's keys, in its order; the links of the built-in
// knowledge base name only them.
void RepairsTest::calculatorTableIsTheSchemasEnum()
{
    using dipo::diagnosis::Repair;
    QCOMPARE(schemaCalculatorKeys(), dipo::calc::calculatorKeys());
    QCOMPARE(dipo::diagnosis::repairs::calculatorNames, dipo::calc::calculatorKeys());
    const dipo::diagnosis::KnowledgeBase &kb
        = dipo::diagnosis::builtInKnowledgeBase().knowledgeBase;
    QVERIFY(!kb.isEmpty());
    int links = 0;
    for (const dipo::diagnosis::System &system : kb.systems()) {
        for (const dipo::diagnosis::Question &question : system.questions) {
            for (const dipo::diagnosis::Action *action : { &question.ya, &question.tidak }) {
                for (const Repair &repair : action->conclusion.repairs) {
                    if (repair.kind != Repair::Kind::Calculator)
                        continue;
                    ++links;
                    QVERIFY2(dipo::calc::calculatorByKey(repair.key), qPrintable(repair.key));
                }
            }
        }
    }
    QVERIFY(links > 0);
}

QTEST_MAIN(RepairsTest)
#include "tst_repairs.moc"
