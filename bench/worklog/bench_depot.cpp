// SPDX-License-Identifier: GPL-3.0-or-later
// The service plan on a depot: 200 locomotives, ten years of daily meter readings and
// weekly jobs on the plan's tasks. The depot computed (every locomotive's state), one
// locomotive, and `dipo-log due` as a child process. On an SQLite file, or on the
// PostgreSQL server named by DIPO_TEST_DB:
//   build/bench_depot
//   tests/worklog/run-postgresql.sh build/bench_depot

#include "maintenance/logic/plan.h"
#include "worklog/logic/depotplan.h"
#include "worklog/logic/store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

using namespace dipo::worklog;

namespace {

constexpr int kLocomotives = 200;
constexpr int kDays = 3650;

QString number(int n)
{
    return QStringLiteral("CC 201 %1").arg(n, 3, 10, QLatin1Char('0'));
}

bool exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
    return false;
}

// The rows written straight into the log, in one transaction: the store's own checks
// would take the time of a bench of their own.
bool fill(Store &store)
{
    const QDate first = QDate::currentDate().addDays(-kDays);
    for (int n = 0; n < kLocomotives; ++n) {
        if (!store.registerLocomotive({ number(n), QStringLiteral("CC 201"), {}, first }))
            return false;
    }
    QSqlDatabase db = store.database();
    db.transaction();
    QSqlQuery reading(db);
    reading.prepare(QStringLiteral("INSERT INTO meter_reading (locomotive_key, meter, read_on,"
                                   " reading, replaced, reader, recorded_at)"
                                   " VALUES (?, ?, ?, ?, 0, 'bench', 0)"));
    QSqlQuery job(db);
    job.prepare(QStringLiteral(
        "INSERT INTO entry (kind, locomotive, locomotive_key, technician, made_at, system_name,"
        " subject, not_defined, note, fault_key, reason, recorded_at, task_id)"
        " VALUES ('job', ?, ?, 'bench', ?, 'Perawatan Mesin', ?, 0, '', '', '', 0, ?)"));
    const QList<dipo::maintenance::PlanTask> &tasks = dipo::maintenance::Plan::builtIn().tasks();
    for (int n = 0; n < kLocomotives; ++n) {
        const QString loco = number(n);
        const QString key = locomotiveKey(loco);
        for (int d = 0; d < kDays; ++d) {
            const QString day = first.addDays(d).toString(Qt::ISODate);
            for (const auto &[meter, perDay] :
                { std::pair { "hours", 14.0 }, std::pair { "km", 420.0 } }) {
                reading.addBindValue(key);
                reading.addBindValue(QString::fromLatin1(meter));
                reading.addBindValue(day);
                reading.addBindValue(perDay * d);
                if (!exec(reading))
                    return false;
            }
            if (d % 7 == 0) {
                const auto &task = tasks.at((d / 7 + n) % tasks.size());
                job.addBindValue(loco);
                job.addBindValue(key);
                job.addBindValue(first.addDays(d).startOfDay().toSecsSinceEpoch());
                job.addBindValue(task.task);
                job.addBindValue(task.id);
                if (!exec(job))
                    return false;
            }
        }
    }
    return db.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString server = qEnvironmentVariable("DIPO_TEST_DB");
    const QString address
        = server.isEmpty() ? folder.filePath(QStringLiteral("depot.sqlite")) : server;
    QString why;
    Store store(*parseLocation(address, &why));
    QElapsedTimer timer;
    timer.start();
    if (!fill(store)) {
        std::fprintf(stderr, "fill: %s\n", qPrintable(store.errorString()));
        return 1;
    }
    std::printf("engine: %s; %d locomotives, %d days of readings, weekly jobs: filled in %.1f s\n",
        server.isEmpty() ? "SQLite" : "PostgreSQL", kLocomotives, kDays, timer.elapsed() / 1000.0);

    const auto &plan = dipo::maintenance::Plan::builtIn();
    const auto &guide = dipo::maintenance::Table::builtIn();
    const QDate today = QDate::currentDate();
    timer.restart();
    int notReady = 0;
    const QList<Locomotive> locos = store.locomotives();
    for (const Locomotive &loco : locos) {
        const auto state = locomotiveState(store, plan, guide, loco, today);
        if (!state)
            return 1;
        notReady += state->mayRun ? 0 : 1;
    }
    std::printf("depot computed: %.0f ms (%d of %lld not ready)\n", double(timer.elapsed()),
        notReady, qlonglong(locos.size()));
    // Its parts: the jobs, and the readings a plan needs.
    timer.restart();
    for (const Locomotive &loco : locos)
        store.jobsOf(loco.number);
    const double jobsMs = double(timer.elapsed());
    timer.restart();
    for (const Locomotive &loco : locos)
        store.meterReadings(loco.number, dipo::maintenance::Meter::Hours, { loco.inService });
    std::printf("of which: jobs %.0f ms, one meter %.0f ms\n", jobsMs, double(timer.elapsed()));
    timer.restart();
    const auto one = locomotiveState(store, plan, guide, locos.constFirst(), today);
    std::printf("one locomotive: %.1f ms\n", double(timer.nsecsElapsed()) / 1e6);

    timer.restart();
    QProcess due;
    due.start(
        QStringLiteral(DIPO_LOG_EXE), { QStringLiteral("--db"), address, QStringLiteral("due") });
    due.waitForFinished(120000);
    std::printf("dipo-log due: %.0f ms, exit %d\n", double(timer.elapsed()), due.exitCode());
    return one ? 0 : 1;
}
