// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into the unpacked program with LD_PRELOAD, it drives the real windows as a user
// would: password, main menu, maintenance guide, first component, PROSES. It passes when
// the picture is shown and no error report appears, and ends the program with 0; otherwise
// it prints what it saw and ends it with 1. It links Qt only: the program's own code is
// reached through the object names of its controls.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {

QString g_errorReport;

// The error report is a modal box: note its text and close it, so that the handler returns.
class ErrorReportWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == "ErrorReport") {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                g_errorReport = box->text();
                QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

void finish(int code, const QString &message)
{
    std::fprintf(stderr, "maintenance check: %s\n", qPrintable(message));
    QCoreApplication::exit(code);
}

QWidget *window(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

QWidget *control(QWidget *window, const char *name)
{
    return window ? window->findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

bool opaqueAndDrawn(const QImage &image)
{
    if (image.isNull())
        return false;
    const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
    if (qAlpha(centre) != 255)
        return false;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (image.pixel(x, y) != centre)
                return true;
        }
    }
    return false;
}

void drive()
{
    QWidget *start = window("awal_menu");
    if (!start || !QTest::qWaitForWindowExposed(start))
        return finish(1, "the start screen is not shown");
    auto *password = qobject_cast<QLineEdit *>(control(start, "Edit1"));
    if (!password || !control(start, "Panel2"))
        return finish(1, "no password field");
    QTest::keyClicks(password, "kEra langsir");
    QTest::mouseClick(control(start, "Panel2"), Qt::LeftButton);

    QWidget *menu = window("menu1");
    if (!menu || !menu->isVisible() || !control(menu, "SpeedButton3"))
        return finish(1, "the main menu is not shown");
    QTest::mouseClick(control(menu, "SpeedButton3"), Qt::LeftButton);

    QWidget *guide = window("PM");
    QWidget *picture = control(guide, "Image3");
    if (!guide || !guide->isVisible() || !picture || !control(guide, "RadioButton1")
        || !control(guide, "BitBtn1"))
        return finish(1, "the maintenance guide is not shown");
    QTest::mouseClick(control(guide, "RadioButton1"), Qt::LeftButton);
    const QImage before = picture->grab().toImage();
    QTest::mouseClick(control(guide, "BitBtn1"), Qt::LeftButton);
    QCoreApplication::processEvents();

    if (!g_errorReport.isEmpty())
        return finish(1, "error report: " + g_errorReport);
    const QImage after = picture->grab().toImage();
    if (after == before || !opaqueAndDrawn(after))
        return finish(1, "PROSES showed no picture");
    finish(0, "PROSES showed the picture");
}

// Drives the program once all its windows are made (the last one made is the diagnosis
// window): the start screen is shown before the others are made.
void driveWhenStarted()
{
    if (!window("diagno")) {
        QTimer::singleShot(10, QCoreApplication::instance(), driveWhenStarted);
        return;
    }
    drive();
}

void startDriving()
{
    // Queued from inside the application's constructor: it runs once the event loop does.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return;
        qApp->installEventFilter(new ErrorReportWatcher(qApp));
        QTimer::singleShot(60000, qApp, [] { finish(1, "timed out"); });
        driveWhenStarted();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriving)
