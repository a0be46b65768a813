// SPDX-License-Identifier: GPL-3.0-or-later
// dipo-log import of a large CSV: its time and peak memory, measured on the process
// itself; and on SQLite the cost of the damage check that an open for writing runs once.
//   build/bench_worklog_import [rows, default 200000; 50000 on PostgreSQL]
//   tests/worklog/run-postgresql.sh build/bench_worklog_import

#include "worklog/logic/csv.h"
#include "worklog/logic/store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dipo::worklog;

namespace {

Entry sample(int n)
{
    Entry entry;
    entry.id = n + 1;
    entry.locomotive = QStringLiteral("CC 201 %1").arg(n % 300, 3, 10, QLatin1Char('0'));
    entry.technician = QStringLiteral("Teknisi %1").arg(n % 17);
    entry.when = QDateTime(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC).addSecs(qint64(n) * 1800);
    entry.system = QStringLiteral("sistem pendinginan");
    entry.subject = QStringLiteral("PERMUKAAN RADIATOR TERTUTUP KOTORAN %1").arg(n % 40);
    for (int s = 0; s < 6; ++s)
        entry.steps.append({ QStringLiteral("APAKAH PERTANYAAN NOMOR %1 BENAR").arg(s),
            s % 2 ? QStringLiteral("YA") : QStringLiteral("TIDAK") });
    entry.note = QStringLiteral("sirip dibersihkan, air diganti");
    return entry;
}

bool writeCsv(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("\xEF\xBB\xBF" + csv::header());
    for (int n = 0; n < rows; ++n) {
        Entry entry = sample(n);
        if (n % 10 == 9)
            entry.corrects = n; // every tenth row corrects the one before
        file.write(csv::record(entry));
    }
    return file.flush();
}

struct Measured
{
    int status = -1;
    double seconds = 0;
    double peakMiB = 0;
};

// Runs dipo-log as a child and reads its own peak resident memory from wait4().
Measured runLog(const QStringList &arguments)
{
    QList<QByteArray> bytes { QByteArray(DIPO_LOG_EXE) };
    for (const QString &argument : arguments)
        bytes << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv.front(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    ::wait4(child, &status, 0, &usage);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, timer.nsecsElapsed() / 1e9,
        usage.ru_maxrss / 1024.0 };
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString server = qEnvironmentVariable("DIPO_TEST_DB");
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : server.isEmpty() ? 200000 : 50000;
    const QString csvPath = folder.filePath(QStringLiteral("import.csv"));
    if (!writeCsv(csvPath, rows))
        return 1;
    const QString log = server.isEmpty() ? folder.filePath(QStringLiteral("bench.sqlite")) : server;
    if (!server.isEmpty()) {
        Store store(*parseLocation(log, nullptr));
        if (!store.open(Store::Purpose::Write))
            return 1;
        QSqlQuery(store.database()).exec(QStringLiteral("TRUNCATE repair, step, entry"));
    }
    std::printf("engine: %s\n", server.isEmpty() ? "SQLite" : "PostgreSQL");
    const Measured imported = runLog({ QStringLiteral("--db"), log, QStringLiteral("import"),
        QStringLiteral("--csv"), csvPath });
    std::printf("import of %d rows (%.1f MB of CSV): exit %d, %.2f s, peak %.1f MiB\n", rows,
        QFile(csvPath).size() / 1e6, imported.status, imported.seconds, imported.peakMiB);
    if (imported.status != 0 || !server.isEmpty())
        return imported.status;

    // The damage check before the first write, on a log of 100,000 entries: an open
    // for writing against one for reading, each a fresh process's first open.
    const QString checked = folder.filePath(QStringLiteral("checked.sqlite"));
    if (!writeCsv(csvPath, 100000)
        || runLog({ QStringLiteral("--db"), checked, QStringLiteral("import"),
                      QStringLiteral("--csv"), csvPath })
                .status
            != 0)
        return 1;
    const auto median = [&](Store::Purpose purpose) {
        std::vector<double> times;
        for (int n = 0; n < 7; ++n) {
            Store store(*parseLocation(checked, nullptr));
            QElapsedTimer timer;
            timer.start();
            if (!store.open(purpose))
                return -1.0;
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        return times.at(times.size() / 2);
    };
    const double reading = median(Store::Purpose::Read);
    const double writing = median(Store::Purpose::Write);
    std::printf(
        "open on 100,000 entries: for reading %.1f ms, for writing %.1f ms (check %.1f ms)\n",
        reading, writing, writing - reading);
    return 0;
}
