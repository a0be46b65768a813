// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench_startup: a bare Qt Widgets program that shows one 1024 x 768
// window, reports once it is painted (with its peak resident memory) and quits.
#include "peakmemory.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

#include <clocale>

namespace {

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_reported)
            return;
        m_reported = true;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                std::printf("shown %ld\n", peakResidentKilobytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    Window window;
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
