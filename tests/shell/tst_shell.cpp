// SPDX-License-Identifier: GPL-3.0-or-later
// The whole application built in-process: start screen, password gate, help text,
// about box, main menu and the navigation rules.
#include "calculators/dialog1.h"
#include "calculators/dm.h"
#include "calculators/gayrem.h"
#include "calculators/umurrem.h"
#include "diagnosis/diagno.h"
#include "maintenance/pm.h"
#include "shell/awal_menu.h"
#include "shell/formregistry.h"
#include "shell/info.h"
#include "shell/menu1.h"
#include "tuneup/tuneup.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "common/print.h"
#include "common/richtextbox.h"
#include "common/window.h"

#include <QFile>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createsTenWindowsInOrder();
    void startUpShowsTheStartScreenFirst();
    void printingAndChartsWaitForTheirFirstUse();
    void startScreenInitialState();
    void passwordGate_data();
    void passwordGate();
    void acceptedPasswordWhileMenuOpen();
    void helpAndHide();
    void aboutBox();
    void menuButtonsShowTheirWindow_data();
    void menuButtonsShowTheirWindow();
    void closingMenuAndEnteringAgainKeepsState();
    void closingStartScreenEndsTheLoop();

private:
    template <typename T = QWidget>
    static T *control(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s in %s", name, qPrintable(window->objectName()));
        return found;
    }
    static void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(control(window, name), Qt::LeftButton);
    }
    void enterPassword(const QString &text)
    {
        auto *edit = control<QLineEdit>(awal_menu, "Edit1");
        edit->clear();
        QTest::keyClicks(edit, text);
        click(awal_menu, "Panel2");
    }
};

void TestShell::init()
{
    dipo::shell::createForms();
    awal_menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(awal_menu));
}

void TestShell::cleanup()
{
    dipo::shell::destroyForms();
}

void TestShell::createsTenWindowsInOrder()
{
    struct Expected
    {
        QWidget *window;
        const char *name;
        const char *caption;
    };
    const Expected windows[] = {
        {awal_menu, "awal_menu", "awal_menu"},
        {info, "info", "informasi"},
        {DIALOG1, "DIALOG1", "Dialog"},
        {menu1, "menu1", "menu1"},
        {DM, "DM", "DM"},
        {gayrem, "gayrem", "menghitung umur & gaya Rem"},
        {PM, "PM", "PM"},
        {TUNEUP, "TUNEUP", "TUNE-UP"},
        {umurrem, "umurrem", "Menghitung Kampas & gaya Rem"},
        {diagno, "diagno", "diagno"},
    };
    for (const Expected &e : windows) {
        QVERIFY(e.window);
        QCOMPARE(e.window->objectName(), QLatin1String(e.name));
        QCOMPARE(e.window->windowTitle(), QLatin1String(e.caption));
        QCOMPARE(e.window->isVisible(), e.window == awal_menu);
    }
    // The dialogs are as large as their content once shown; the full-screen windows are
    // maximised.
    for (dipo::Window *dialog : {static_cast<dipo::Window *>(info), static_cast<dipo::Window *>(DIALOG1)}) {
        dialog->show();
        QVERIFY(dialog->minimumSize() == dialog->maximumSize() && dialog->size() == dialog->minimumSize());
        dialog->hide();
    }
    for (QWidget *full : {static_cast<QWidget *>(awal_menu), static_cast<QWidget *>(menu1),
                          static_cast<QWidget *>(diagno), static_cast<QWidget *>(PM)})
        QVERIFY(full->windowState() & Qt::WindowMaximized);
}

namespace {

// The windows that exist when the start screen is first painted.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch() { qApp->installEventFilter(this); }
    ~FirstPaintWatch() override { qApp->removeEventFilter(this); }
    int windowsAtFirstPaint = -1;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (windowsAtFirstPaint < 0 && e->type() == QEvent::Paint && o == awal_menu)
            windowsAtFirstPaint = int(QApplication::topLevelWidgets().size());
        return false;
    }
};

} // namespace

void TestShell::startUpShowsTheStartScreenFirst()
{
    dipo::shell::destroyForms();
    FirstPaintWatch watch;
    dipo::shell::startUp();
    QCOMPARE(watch.windowsAtFirstPaint, 1);
    const QList<QWidget *> all = { awal_menu, info, DIALOG1, menu1, DM, gayrem, PM, TUNEUP, umurrem, diagno };
    for (QWidget *w : all) {
        QVERIFY(w);
        QCOMPARE(w->isVisible(), w == awal_menu);
    }
}

// The ten windows load neither Qt PrintSupport nor Qt Charts; the print module is found
// and loaded when asked for.
void TestShell::printingAndChartsWaitForTheirFirstUse()
{
    const auto loaded = [](const char *library) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
    };
    for (const char *library :
        { "libQt6PrintSupport", "libQt6Charts", "dipo_print", "dipo_charts" })
        QVERIFY2(!loaded(library), library);
    QCOMPARE(dipo::document::printModuleError(), QString());
    QVERIFY(loaded("dipo_print.so"));
    QVERIFY(loaded("libQt6PrintSupport"));
}

void TestShell::startScreenInitialState()
{
    QCOMPARE(control<QLabel>(awal_menu, "Label1")->text(), QStringLiteral("Password"));
    auto *edit = control<QLineEdit>(awal_menu, "Edit1");
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QVERIFY(edit->text().isEmpty());
    // Masked with "*".
    QTest::keyClicks(edit, QStringLiteral("kEra"));
    QCOMPARE(edit->displayText(), QStringLiteral("****"));
    edit->clear();
    QCOMPARE(control<QLabel>(awal_menu, "Panel2")->text(), QStringLiteral("PROSES"));
    QCOMPARE(control<QLabel>(awal_menu, "Label3")->text(), QStringLiteral(" =  Help  = "));
    QCOMPARE(control<QLabel>(awal_menu, "Label2")->text(), QStringLiteral("About Me"));
    QVERIFY(!control(awal_menu, "RichEdit1")->isVisible());
    QVERIFY(!control(awal_menu, "Panel3")->isVisible());
    QCOMPARE(control<QLabel>(awal_menu, "Panel3")->text(), QStringLiteral("HIDE"));
    const QStringList help = control<dipo::RichTextBox>(awal_menu, "RichEdit1")->lines();
    QCOMPARE(help.size(), 18);
    QCOMPARE(help.first(), QStringLiteral("   Wellcoming at exspert system"));
    QCOMPARE(help.at(1), QString());
    QCOMPARE(help.at(15), QStringLiteral(" program, silahkan tekan  "));
    QCOMPARE(help.at(16), QStringLiteral(" tombol CLOSE diatas."));
    QCOMPARE(help.last(), QString());
}

void TestShell::passwordGate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("capital second letter") << "kEra langsir" << true;
    QTest::newRow("capital third letter") << "keRa langsir" << true;
    QTest::newRow("capital fourth letter") << "kerA langsir" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("all lower case") << "kera langsir" << false;
    QTest::newRow("capital first letter") << "Kera langsir" << false;
    QTest::newRow("capital in second word") << "kera Langsir" << false;
    QTest::newRow("two capitals") << "KEra langsir" << false;
    QTest::newRow("leading blank") << " kEra langsir" << false;
    QTest::newRow("trailing blank") << "kEra langsir " << false;
    QTest::newRow("doubled blank") << "kEra  langsir" << false;
    QTest::newRow("word alone") << "kEra" << false;
}

void TestShell::passwordGate()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    auto *edit = control<QLineEdit>(awal_menu, "Edit1");
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return); // Enter does not submit
    QVERIFY(!menu1->isVisible());
    QCOMPARE(edit->text(), typed);
    click(awal_menu, "Panel2");
    QCOMPARE(menu1->isVisible(), accepted);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(awal_menu->isVisible());
}

void TestShell::acceptedPasswordWhileMenuOpen()
{
    enterPassword(QStringLiteral("keRa langsir"));
    QWidget *const shown = menu1;
    QVERIFY(shown->isVisible());
    enterPassword(QStringLiteral("wrong"));
    QVERIFY(menu1->isVisible()); // a refused text closes nothing
    enterPassword(QStringLiteral("kerA langsir"));
    QCOMPARE(static_cast<QWidget *>(menu1), shown);
    QVERIFY(menu1->isVisible());
    QVERIFY(control<QLineEdit>(awal_menu, "Edit1")->text().isEmpty());
}

void TestShell::helpAndHide()
{
    click(awal_menu, "Label3");
    QVERIFY(control(awal_menu, "RichEdit1")->isVisible());
    QVERIFY(control(awal_menu, "Panel3")->isVisible());
    click(awal_menu, "Label3");
    QVERIFY(control(awal_menu, "RichEdit1")->isVisible());
    click(awal_menu, "Panel3");
    QVERIFY(!control(awal_menu, "RichEdit1")->isVisible());
    QVERIFY(!control(awal_menu, "Panel3")->isVisible());
}

void TestShell::aboutBox()
{
    for (const char *opener : {"Label2", "Image3"}) {
        click(awal_menu, opener);
        QVERIFY(info->isVisible());
        QVERIFY(!info->isModal());
        for (QLabel *label : info->findChildren<QLabel *>())
            QVERIFY(!label->text().contains(QLatin1Char('@')) || label->text().endsWith(QLatin1String("@example.org")));
        QCOMPARE(control<QLabel>(info, "Label8")->text(), QStringLiteral("CLOOOOSE "));
        click(info, qstrcmp(opener, "Label2") == 0 ? "Label8" : "Panel2");
        QVERIFY(!info->isVisible());
    }
    bool mottoFound = false;
    for (QLabel *label : info->findChildren<QLabel *>())
        mottoFound |= label->text() == QStringLiteral("\" Sesungguhnya sesudah kesulitan itu ada kemudahan\"");
    QVERIFY(mottoFound);
}

void TestShell::menuButtonsShowTheirWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");

    QTest::newRow("diagnosis") << "SpeedButton4" << "Mesin dan Rem" << "diagno";
    QTest::newRow("maintenance") << "SpeedButton3" << "Perawatan Mesin" << "PM";
    QTest::newRow("tune-up") << "SpeedButton2" << "Tune Up" << "TUNEUP";
    QTest::newRow("brake life") << "SpeedButton6" << "Virodo dan Gaya Rem" << "umurrem";
    QTest::newRow("diesel power") << "SpeedButton7" << "Mesin diesel" << "DM";
}

void TestShell::menuButtonsShowTheirWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, window);
    enterPassword(QStringLiteral("kEra langsir"));
    auto *speedButton = control<QToolButton>(menu1, qPrintable(button));
    QCOMPARE(speedButton->text(), caption);
    QTest::mouseClick(speedButton, Qt::LeftButton);
    QWidget *shown = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == window)
            shown = w;
    }
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QVERIFY(menu1->isVisible());
    // A second press brings the same instance to the front, in the same state.
    shown->setProperty("dipoTestMark", 42);
    QTest::mouseClick(speedButton, Qt::LeftButton);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->property("dipoTestMark").toInt(), 42);
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == window;
    QCOMPARE(count, 1);
}

void TestShell::closingMenuAndEnteringAgainKeepsState()
{
    const QStringList labels = {" Mendeteksi Kerusakan", "  Tutorial Perawatan", "  Tutorial Tune-Up",
                                "Memprediksi  Umur pakai Komponen", "Memprediksi Daya Komponen"};
    QStringList shownLabels;
    enterPassword(QStringLiteral("kEra langsir"));
    for (QLabel *label : menu1->findChildren<QLabel *>())
        shownLabels << label->text();
    for (const QString &label : labels)
        QVERIFY2(shownLabels.contains(label), qPrintable(label));

    click(menu1, "SpeedButton7");
    QVERIFY(DM->isVisible());
    QWidget *const menuBefore = menu1;
    click(menu1, "Image2");
    QVERIFY(!menu1->isVisible());
    QVERIFY(awal_menu->isVisible());
    QVERIFY(DM->isVisible()); // the module window stays as it was
    enterPassword(QStringLiteral("kerA langsir"));
    QCOMPARE(static_cast<QWidget *>(menu1), menuBefore);
    QVERIFY(menu1->isVisible());
}

void TestShell::closingStartScreenEndsTheLoop()
{
    enterPassword(QStringLiteral("kEra langsir"));
    click(menu1, "SpeedButton4");
    QVERIFY(diagno->isVisible());
    QTimer::singleShot(0, awal_menu, [] { QTest::mouseClick(awal_menu->findChild<QWidget *>(QStringLiteral("Image2")), Qt::LeftButton); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    connect(&watchdog, &QTimer::timeout, this, [&] { timedOut = true; QCoreApplication::exit(99); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!awal_menu->isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
