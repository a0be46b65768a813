// Time from process start to the start screen being shown, headless, and the resident
// memory then. Run: ./bench_startup [runs]. The parent starts itself as a child for
// each run, so the figure includes loading the program and its libraries.
#include "shell/awal_menu.h"
#include "shell/formregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The child: the program's own start-up, then report once the start screen is exposed.
int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    dipo::shell::createForms();
    awal_menu->show();
    QTimer::singleShot(0, &app, [] {
        std::printf("shown %ld\n", residentKilobytes());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    const int rc = QApplication::exec();
    dipo::shell::destroyForms();
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<double> millis;
    long rss = 0;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!process.waitForStarted())
            return 1;
        QByteArray line;
        while (!line.contains('\n') && process.waitForReadyRead(10000))
            line += process.readAllStandardOutput();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        process.waitForFinished();
        if (!line.startsWith("shown")) {
            std::fprintf(stderr, "the child did not report: %s\n", line.constData());
            return 1;
        }
        millis.push_back(elapsed);
        rss = std::max(rss, line.mid(6).trimmed().toLong());
    }
    std::sort(millis.begin(), millis.end());
    std::printf("start-up to start screen shown: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n",
                millis[millis.size() / 2], millis.front(), millis.back(), runs);
    std::printf("resident memory at that point: %.1f MB\n", double(rss) / 1024.0);
    return 0;
}
