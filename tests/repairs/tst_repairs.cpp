// SPDX-License-Identifier: GPL-3.0-or-later
// From a fault to its fix: the repair list of the diagnosis window, the windows its entries
// open, the report's appendix and the work cards.
#include "calculators/umurrem.h"
#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "common/workcard.h"
#include "diagnosis/diagno.h"
#include "diagnosis/riwayat.h"
#include "maintenance/pm.h"
#include "shell/formregistry.h"
#include "tuneup/tuneup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

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
    QTest::newRow("maintenance, fresh")
        << 1 << "TYY"
        << "PM" << QStringList {} << QStringList { "r3", "BitBtn1" };
    QTest::newRow("maintenance, another component shown")
        << 1 << "TYY"
        << "PM" << QStringList { "r7", "BitBtn1" } << QStringList { "BitBtn2", "r3", "BitBtn1" };
    QTest::newRow("maintenance, still marked after ULANGI")
        << 1 << "TYY"
        << "PM" << QStringList { "r3", "BitBtn1", "BitBtn2" }
        << QStringList { "r5", "BitBtn2", "r3", "BitBtn1" };
    QTest::newRow("tune-up valve, fresh")
        << 4 << "YTTTTTTY"
        << "TUNEUP" << QStringList {} << QStringList { "BitBtn1", "g1:0", "SpeedButton2" };
    QTest::newRow("tune-up governor, after an injector tutorial")
        << 0 << "TTTYTTTY"
        << "TUNEUP" << QStringList { "BitBtn3", "g2:0", "SpeedButton2" }
        << QStringList { "SpeedButton1", "BitBtn2", "g3:0", "SpeedButton2" };
    QTest::newRow("calculator") << 5 << "TY"
                                << "umurrem" << QStringList {} << QStringList {};
}

void RepairsTest::linkLeavesTargetAsClicksWould()
{
    QFETCH(int, system);
    QFETCH(QString, answers);
    QFETCH(QString, target);
    QFETCH(QStringList, before);
    QFETCH(QStringList, byHand);
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
    QTest::keyClick(list(), Qt::Key_Return);
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

QTEST_MAIN(RepairsTest)
#include "tst_repairs.moc"
