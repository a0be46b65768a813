// SPDX-License-Identifier: GPL-3.0-or-later
// dipo-kb as whole processes: how long "check" and "stats" of the built-in base take,
// start-up included, as a knowledge engineer's script or editor would run them.
//
//   ./build/bench_kbtool [runs]      (default 30 runs of each; prints min and median)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

#include <clocale>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    QTextStream out(stdout);
    const QList<QStringList> commands { { QStringLiteral("check") }, { QStringLiteral("stats") },
        { QStringLiteral("stats"), QStringLiteral("--json") } };
    for (const QStringList &arguments : commands) {
        QList<double> times;
        for (int i = 0; i < runs; ++i) {
            QProcess process;
            QElapsedTimer timer;
            timer.start();
            process.start(QStringLiteral(DIPO_KB_EXE), arguments);
            if (!process.waitForFinished(30000) || process.exitCode() != 0) {
                out << "dipo-kb " << arguments.join(QLatin1Char(' ')) << " failed\n";
                return 1;
            }
            times.append(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        out << QStringLiteral("dipo-kb %1: min %2 ms, median %3 ms (%4 runs)\n")
                   .arg(arguments.join(QLatin1Char(' ')), -14)
                   .arg(times.first(), 0, 'f', 1)
                   .arg(times.at(times.size() / 2), 0, 'f', 1)
                   .arg(runs);
    }
    return 0;
}
