// SPDX-License-Identifier: GPL-3.0-or-later
// The decoration pictures: each is decoded once, only when a widget that shows it is
// first painted, shared by every widget painted with it, and kept only as the pixmaps
// painted from it; a missing or broken one leaves its window working.
#include "common/logic/pictures.h"
#include "common/window.h"
#include "common/picturewidgets.h"
#include "shell/formregistry.h"

#include <QApplication>
#include <QTest>

namespace {

dipo::Window *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return static_cast<dipo::Window *>(w);
    return nullptr;
}

} // namespace

class TestDecorations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { dipo::shell::destroyForms(); }
    void decodedOnceWhenFirstPainted_data();
    void decodedOnceWhenFirstPainted();
    void panelsShareOnePicture();
    void brokenDecorationLeavesWindowWorking_data();
    void brokenDecorationLeavesWindowWorking();
};

void TestDecorations::initTestCase()
{
    dipo::pictures::clearDecorations();
    dipo::shell::createForms();
    // All ten windows are made; none is shown, so no picture is decoded yet.
    QCOMPARE(dipo::pictures::decorationDecodes(), 0);
}

void TestDecorations::decodedOnceWhenFirstPainted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("decoration");
    QTest::newRow("start screen") << "awal_menu" << "start_background.jpg";
    QTest::newRow("menu") << "menu1" << "menu_background.jpg";
    QTest::newRow("diagnosis") << "diagno" << "diagno_background.jpg";
    QTest::newRow("maintenance") << "PM" << "pm_background.jpg";
    QTest::newRow("tune-up") << "TUNEUP" << "tuneup_background.jpg";
    QTest::newRow("brake life") << "umurrem" << "umurrem_background.jpg";
    QTest::newRow("thickness dialog") << "DIALOG1" << "dialog_background.jpg";
    QTest::newRow("about") << "info" << "about_banner.jpg";
}

void TestDecorations::decodedOnceWhenFirstPainted()
{
    QFETCH(QString, name);
    QFETCH(QString, decoration);
    dipo::Window *w = window(name);
    QVERIFY(w);
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), 0);
    w->showWindow(window(QStringLiteral("awal_menu")));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->grab();
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), 1);
    // Once painted, the decoded picture is let go: the window keeps its pixmaps.
    QCoreApplication::processEvents();
    QCOMPARE(dipo::pictures::decorationsHeld(), 0);
    // Painted again, hidden and shown: not decoded again.
    w->update();
    w->grab();
    w->hide();
    w->showWindow(window(QStringLiteral("awal_menu")));
    w->grab();
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), 1);
    // At another size its pixmap is made again, from one more decoding (a dialog keeps
    // its size).
    w->resize(w->size() - QSize(40, 30));
    w->grab();
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), w->isFullScreenWindow() ? 2 : 1);
    if (name != QLatin1String("awal_menu"))
        w->hide();
}

void TestDecorations::panelsShareOnePicture()
{
    // Panels of different sizes that show one picture, painted together.
    const QString decoration = QStringLiteral("diagno_panel.jpg");
    dipo::pictures::clearDecorations();
    dipo::Window w(QStringLiteral("Form1"), QStringLiteral("Uji"));
    QList<dipo::PicturePanel *> panels;
    for (int n = 0; n < 4; ++n) {
        panels << new dipo::PicturePanel(decoration, &w);
        panels.last()->setGeometry(10 + 110 * n, 10, 60 + 10 * n, 50 + 5 * n);
    }
    w.resize(480, 120);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab();
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), 1);
    const QImage first = panels.first()->picture();
    QVERIFY(!first.isNull());
    for (const dipo::PicturePanel *panel : panels)
        QCOMPARE(panel->picture().cacheKey(), first.cacheKey());
}

void TestDecorations::brokenDecorationLeavesWindowWorking_data()
{
    QTest::addColumn<QString>("decoration");
    QTest::newRow("missing") << "no_such_picture.jpg";
    QTest::newRow("broken") << "broken.jpg";
}

void TestDecorations::brokenDecorationLeavesWindowWorking()
{
    QFETCH(QString, decoration);
    dipo::Window w(QStringLiteral("Form1"), QStringLiteral("Uji"));
    w.setBackground(decoration);
    auto *panel = new dipo::PicturePanel(decoration, &w);
    panel->setGeometry(10, 10, 100, 80);
    w.resize(320, 240);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.grab().isNull());
    QVERIFY(w.background().isNull());
    QVERIFY(panel->picture().isNull());
    // Tried once, not on every paint.
    w.update();
    w.grab();
    QCOMPARE(dipo::pictures::decorationDecodes(decoration), 1);
}

QTEST_MAIN(TestDecorations)
#include "tst_decorations.moc"
