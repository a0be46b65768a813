// SPDX-License-Identifier: GPL-3.0-or-later
// Every window looks as its reference picture shows: each of the ten windows is shown
// as the start screen opens it, rendered, reduced to a small picture and compared pixel
// by pixel within a small tolerance. DIPO_LOOK_WRITE=1 writes the references anew.
#include "common/window.h"
#include "shell/formregistry.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// Small enough to keep in the repository, large enough to show a missing panel.
QImage rendering(QWidget *w)
{
    return w->grab()
        .toImage()
        .scaledToWidth(240, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dipo::shell::createForms(); }
    void cleanupTestCase() { dipo::shell::destroyForms(); }
    void windowLooksTheSame_data();
    void windowLooksTheSame();
};

void TestLook::windowLooksTheSame_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
        { "awal_menu", "info", "DIALOG1", "menu1", "DM", "gayrem", "PM", "TUNEUP", "umurrem", "diagno" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLook::windowLooksTheSame()
{
    QFETCH(QString, name);
    auto *w = static_cast<dipo::Window *>(window(name));
    QVERIFY(w);
    w->showWindow(window(QStringLiteral("awal_menu")));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCoreApplication::processEvents();
    const QImage now = rendering(w);
    if (name != QLatin1String("awal_menu"))
        w->hide();

    const QString path = QStringLiteral(DIPO_LOOK_REFERENCE_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("DIPO_LOOK_WRITE") == 1) {
        QVERIFY(now.save(path));
        QSKIP("reference written");
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!reference.isNull(), qPrintable(path));
    QCOMPARE(now.size(), reference.size());
    // Scaling may round differently; text and panels must stay where they were.
    int off = 0;
    int worst = 0;
    for (int y = 0; y < now.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(now.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(reference.constScanLine(y));
        for (int x = 0; x < now.width(); ++x) {
            const int d = std::max({ std::abs(qRed(a[x]) - qRed(b[x])),
                std::abs(qGreen(a[x]) - qGreen(b[x])), std::abs(qBlue(a[x]) - qBlue(b[x])) });
            worst = std::max(worst, d);
            if (d > 12)
                ++off;
        }
    }
    if (off > now.width() * now.height() / 200) {
        now.save(QDir::tempPath() + QStringLiteral("/look-%1.png").arg(name));
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ by more than 12 (worst %2)")
                             .arg(off)
                             .arg(worst)));
    }
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
