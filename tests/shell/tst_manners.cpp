// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows behave around the user's hands: where the focus goes after an action
// or a dialog, what the trail window remembers, and the toolkit's own texts in
// Indonesian.
#include "calculators/dialog1.h"
#include "calculators/umurrem.h"
#include "diagnosis/diagno.h"
#include "diagnosis/riwayat.h"
#include "maintenance/pm.h"
#include "shell/awal_menu.h"
#include "shell/formregistry.h"
#include "shell/info.h"
#include "shell/menu1.h"
#include "shell/toolkit.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "common/radiogroup.h"
#include "common/richtextbox.h"

namespace {

template <typename T = QWidget> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// What a window manager does when the window in front goes: the one under it is active.
bool activateAgain(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

Triwayat *openTrail()
{
    diagno->showWindow();
    if (!QTest::qWaitForWindowActive(diagno))
        return nullptr;
    auto *systems = control<dipo::RadioGroup>(diagno, "RadioGroup1");
    QTest::mouseClick(
        systems->item(1), Qt::LeftButton, {}, QPoint(8, systems->item(1)->height() / 2));
    click(diagno, "BitBtn8");
    click(diagno, "BITBTN2");
    click(diagno, "BitBtnRiwayat");
    auto *trail = control<Triwayat>(diagno, "riwayat");
    return QTest::qWaitForWindowActive(trail) ? trail : nullptr;
}

} // namespace

class TestManners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startScreenFocusesPasswordWhenActiveAgain_data();
    void startScreenFocusesPasswordWhenActiveAgain();
    void hideGivesFocusBackToHelp();
    void maintenanceFocusAfterAction_data();
    void maintenanceFocusAfterAction();
    void focusBackAfterOverwriteQuestion();
    void dialogWindowGivesKeysBack();
    void trailKeepsItsPlace();
    void trailComesBackOnScreen();
    void toolkitSpeaksIndonesian();
};

void TestManners::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dipo::shell::installToolkitTranslation());
}

void TestManners::init()
{
    QSettings().clear();
    dipo::shell::createForms();
    awal_menu->show();
    QVERIFY(QTest::qWaitForWindowActive(awal_menu));
}

void TestManners::cleanup()
{
    dipo::shell::destroyForms();
    QSettings().clear();
}

void TestManners::startScreenFocusesPasswordWhenActiveAgain_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("back from the menu by Esc") << true;
    QTest::newRow("after the about box") << false;
}

void TestManners::startScreenFocusesPasswordWhenActiveAgain()
{
    QFETCH(bool, fromMenu);
    auto *password = control<QLineEdit>(awal_menu, "Edit1");
    if (fromMenu) {
        // Typed, then PROSES by the keyboard.
        QTest::keyClicks(password, QStringLiteral("kEra langsir"));
        QTest::keyClick(awal_menu, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(awal_menu, "Panel2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(menu1));
        QTest::keyClick(menu1, Qt::Key_Escape);
        QVERIFY(!menu1->isVisible());
    } else {
        control(awal_menu, "Label2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(info));
        info->close();
    }
    QVERIFY(activateAgain(awal_menu));
    QCOMPARE(QApplication::focusWidget(), password);
    // The first word typed goes into the field whole.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("kEra langsir"));
    QCOMPARE(password->text(), QStringLiteral("kEra langsir"));
}

void TestManners::hideGivesFocusBackToHelp()
{
    auto *help = control(awal_menu, "Label3");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Space);
    auto *hide = control(awal_menu, "Panel3");
    QVERIFY(hide->isVisible());
    hide->setFocus();
    QTest::keyClick(hide, Qt::Key_Space);
    QVERIFY(!hide->isVisible());
    QCOMPARE(QApplication::focusWidget(), help);
}

void TestManners::maintenanceFocusAfterAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("focused");
    QTest::newRow("PROSES: the instructions") << "BitBtn1"
                                              << "RichEdit1";
    QTest::newRow("ULANGI: the first component") << "BitBtn2"
                                                 << "RadioButton1";
}

void TestManners::maintenanceFocusAfterAction()
{
    QFETCH(QString, action);
    QFETCH(QString, focused);
    PM->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(PM));
    PM->radioButton(12)->click();
    auto *proses = control<QPushButton>(PM, "BitBtn1");
    auto *pressed = control<QPushButton>(PM, qPrintable(action));
    if (pressed != proses) {
        proses->setFocus();
        QTest::keyClick(proses, Qt::Key_Space);
    }
    // By the keyboard, as Enter twice would go on.
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), control(PM, qPrintable(focused)));
}

void TestManners::focusBackAfterOverwriteQuestion()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("laporan.pdf"));
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
    }
    Triwayat *trail = openTrail();
    QVERIFY(trail);
    auto *save = control<QPushButton>(trail, "BtnSimpanPdf");
    save->setFocus();
    bool asked = false;
    QString question;
    QTimer::singleShot(0, trail, [&] {
        auto *dialog = trail->findChild<QFileDialog *>(QStringLiteral("SaveDialog"));
        QVERIFY(dialog);
        dialog->selectFile(path);
        // "Yes" to the question whether to replace the file.
        QTimer::singleShot(0, trail, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = true;
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::keyClick(save, Qt::Key_Space);
    QVERIFY(asked);
    QVERIFY2(question.contains(QStringLiteral("sudah ada")), qPrintable(question));
    QCOMPARE(QFileInfo(path).size() > 0, true);
    QTRY_COMPARE(QApplication::activeWindow(), trail);
    QCOMPARE(QApplication::focusWidget(), save);
    // Esc now closes the trail, not the diagnosis.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!trail->isVisible());
    QVERIFY(diagno->isVisible());

    // The next save dialog opens in the folder saved into.
    QString opened;
    QTimer::singleShot(0, trail, [&] {
        auto *dialog = trail->findChild<QFileDialog *>(QStringLiteral("SaveDialog"));
        opened = dialog->directory().absolutePath();
        dialog->reject();
    });
    trail->BtnSimpanPdfClick();
    QCOMPARE(opened, QDir(folder.path()).absolutePath());
}

void TestManners::dialogWindowGivesKeysBack()
{
    // The thickness dialog of the brake life window, closed by its OK button.
    umurrem->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(umurrem));
    auto *thickness = control<QLineEdit>(umurrem, "Edit5");
    thickness->setFocus();
    thickness->clear();
    QTest::keyClicks(thickness, QStringLiteral("60"));
    // The warning stands in front, transient for the window, and the typing goes on.
    QTRY_VERIFY(DIALOG1->isVisible());
    QCOMPARE(DIALOG1->windowHandle()->transientParent(), umurrem->windowHandle());
    QCOMPARE(QApplication::activeWindow(), umurrem);
    QCOMPARE(QApplication::focusWidget(), thickness);
    QTest::keyClicks(thickness, QStringLiteral("0"));
    QCOMPARE(thickness->text(), QStringLiteral("600"));
    // A screen reader is told.
    const auto *announcer = umurrem->findChild<QWidget *>(QStringLiteral("Announcer"));
    QVERIFY(announcer);
    QVERIFY2(
        announcer->accessibleName().startsWith(QStringLiteral("Peringatan ketebalan kampas rem: ")),
        qPrintable(announcer->accessibleName()));
    DIALOG1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(DIALOG1));
    auto *ok = control<QPushButton>(DIALOG1, "OKBtn");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    QVERIFY(!DIALOG1->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), umurrem);
}

void TestManners::trailKeepsItsPlace()
{
    Triwayat *trail = openTrail();
    QVERIFY(trail);
    const QRect area = trail->screen()->availableGeometry();
    const QRect chosen(area.topLeft() + QPoint(30, 20), QSize(600, 500));
    trail->setGeometry(chosen);
    trail->close();
    // And in the next run.
    dipo::shell::destroyForms();
    dipo::shell::createForms();
    awal_menu->show();
    trail = openTrail();
    QVERIFY(trail);
    QCOMPARE(trail->geometry(), chosen);
}

void TestManners::trailComesBackOnScreen()
{
    Triwayat *trail = openTrail();
    QVERIFY(trail);
    const QRect area = trail->screen()->availableGeometry();
    // Left far off a screen that is not there any more.
    trail->move(area.right() + 3000, area.bottom() + 3000);
    trail->close();
    trail->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(trail));
    QVERIFY(area.contains(trail->frameGeometry()));
    QVERIFY(
        trail->width() >= qMin(560, area.width()) && trail->height() >= qMin(480, area.height()));
}

void TestManners::toolkitSpeaksIndonesian()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dipo"), QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ya"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Tidak"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Batal"));

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Simpan"));
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Batal"));
    auto *nameLabel = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    QVERIFY(nameLabel);
    QCOMPARE(nameLabel->text(), QStringLiteral("&Nama berkas:"));
}

QTEST_MAIN(TestManners)
#include "tst_manners.moc"
