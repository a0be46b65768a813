// SPDX-License-Identifier: GPL-3.0-or-later
#include "logtool/depot.h"

#include "common/logic/cli.h"
#include "worklog/logic/depotplan.h"
#include "worklog/logic/worklogtexts.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace dipo::logtool {

using namespace dipo::worklog;
using maintenance::Due;
using maintenance::Meter;

namespace {

bool adding(const DepotRequest &request)
{
    return request.command == QLatin1String("meter")
        && (!request.hours.isEmpty() || !request.km.isEmpty());
}

int failWith(QTextStream &err, const Store &store, int code = cli::Unusable)
{
    err << "dipo-log: " << store.errorString() << "\n";
    return code;
}

int usage(QTextStream &err, const QString &message)
{
    err << "dipo-log: " << message << "\n";
    return cli::BadUsage;
}

QString number(double value)
{
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
}

QString intervalText(const maintenance::PlanTask &task)
{
    QStringList parts;
    if (task.hours)
        parts << number(*task.hours) + QStringLiteral(" jam");
    if (task.km)
        parts << number(*task.km) + QStringLiteral(" km");
    if (task.days)
        parts << QString::number(*task.days) + QStringLiteral(" hari");
    return parts.join(QStringLiteral(" / "));
}

QString csvField(const QString &text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

int stateRank(const LocomotiveState &state)
{
    return (state.mayRun ? 0 : 1000000) + state.overdue * 1000 + state.soon;
}

} // namespace

bool isDepotCommand(const QString &command)
{
    return command == QLatin1String("loko") || command == QLatin1String("meter")
        || command == QLatin1String("due");
}

bool depotWrites(const DepotRequest &request)
{
    return (request.command == QLatin1String("loko") && !request.arguments.isEmpty())
        || adding(request);
}

QString depotUsageError(const DepotRequest &request)
{
    const QStringList &a = request.arguments;
    const bool addOptions
        = !request.series.isEmpty() || !request.since.isEmpty() || !request.note.isEmpty();
    const bool readingOptions = !request.date.isEmpty() || !request.reader.isEmpty()
        || request.replaced || request.confirmed;
    if (request.csv && request.command != QLatin1String("due"))
        return QStringLiteral("--csv hanya untuk export, import dan due");
    if (request.command == QLatin1String("loko")) {
        if (a.isEmpty())
            return addOptions ? QStringLiteral("loko: --seri dan --mulai hanya untuk loko tambah")
                              : QString();
        if (a.size() != 2 || a.at(0) != QLatin1String("tambah"))
            return QStringLiteral(
                "pakai: loko, atau loko tambah NOMOR --seri SERI --mulai TANGGAL");
        if (request.since.isEmpty())
            return QStringLiteral("loko tambah perlu --mulai TANGGAL (mulai dinas)");
        return QString();
    }
    if (addOptions)
        return QStringLiteral("--seri, --mulai dan --catatan hanya untuk loko tambah");
    if (request.command == QLatin1String("meter")) {
        if (a.size() != 1)
            return QStringLiteral("meter perlu satu NOMOR lokomotif");
        if (readingOptions && !adding(request))
            return QStringLiteral("meter: --tanggal, --pembaca, --meter-baru dan --yakin "
                                  "hanya bersama --jam atau --km");
        return QString();
    }
    if (readingOptions || !request.hours.isEmpty() || !request.km.isEmpty())
        return QStringLiteral("--jam dan --km hanya untuk meter");
    if (a.size() > 1)
        return QStringLiteral("due menerima paling banyak satu NOMOR");
    return QString();
}

int runDepot(Store &store, const DepotRequest &request, QTextStream &out, QTextStream &err)
{
    const QStringList &a = request.arguments;
    if (request.command == QLatin1String("loko")) {
        if (a.isEmpty()) {
            for (const Locomotive &loco : store.locomotives())
                out << loco.number << '\t' << loco.series << '\t'
                    << loco.inService.toString(Qt::ISODate) << '\t' << loco.note << "\n";
            if (!store.errorString().isEmpty())
                return failWith(err, store);
            for (const QString &unknown : store.unregisteredLocomotives())
                out << unknown << "\t(belum terdaftar)\n";
            return store.errorString().isEmpty() ? cli::Good : failWith(err, store);
        }
        const QDate since = QDate::fromString(request.since, Qt::ISODate);
        if (!since.isValid())
            return usage(err, QStringLiteral("tanggal tidak sah: %1").arg(request.since));
        if (!store.registerLocomotive({ a.at(1), request.series, request.note, since }))
            return failWith(err, store,
                store.errorString().contains(QStringLiteral("terdaftar")) ? cli::Findings
                                                                          : cli::Unusable);
        out << "lokomotif " << tidyLocomotive(a.at(1)) << " terdaftar\n";
        return cli::Good;
    }
    const QString loco = a.value(0);
    if (request.command == QLatin1String("meter")) {
        if (!adding(request)) {
            for (const Meter meter : { Meter::Hours, Meter::Km }) {
                for (const MeterRecord &record : store.readings(loco, meter))
                    out << record.reading.date.toString(Qt::ISODate) << '\t'
                        << (meter == Meter::Hours ? "jam" : "km") << '\t'
                        << number(record.reading.value) << '\t' << record.reader
                        << (record.reading.replaced ? "\t(meter baru)" : "") << "\n";
                if (!store.errorString().isEmpty())
                    return failWith(err, store);
            }
            return cli::Good;
        }
        const QDate day = request.date.isEmpty() ? QDate::currentDate()
                                                 : QDate::fromString(request.date, Qt::ISODate);
        if (!day.isValid())
            return usage(err, QStringLiteral("tanggal tidak sah: %1").arg(request.date));
        for (const auto &[text, meter, limit] :
            { std::make_tuple(request.hours, Meter::Hours, kMaxHoursPerDay),
                std::make_tuple(request.km, Meter::Km, kDefaultMaxKmPerDay) }) {
            if (text.isEmpty())
                continue;
            bool ok = false;
            const double value = QLocale::c().toDouble(text, &ok);
            if (!ok || value < 0)
                return usage(err, QStringLiteral("pembacaan tidak sah: %1").arg(text));
            if (!store.addReading(loco, meter, { day, value, request.replaced }, request.reader,
                    limit, request.confirmed)) {
                err << "dipo-log: " << store.errorString();
                if (store.needsConfirmation())
                    err << " (ulangi dengan --yakin)";
                err << "\n";
                return cli::Findings;
            }
        }
        out << "pembacaan meter " << tidyLocomotive(loco) << " tersimpan\n";
        return cli::Good;
    }

    // due: one locomotive's tasks, or the depot's locomotives, the worst first.
    QList<Locomotive> locos;
    if (a.isEmpty()) {
        locos = store.locomotives();
    } else if (const std::optional<Locomotive> found = store.locomotive(loco)) {
        locos << *found;
    } else if (store.errorString().isEmpty()) {
        err << "dipo-log: " << texts::notRegistered.arg(tidyLocomotive(loco)) << "\n";
        return cli::Findings;
    }
    if (!store.errorString().isEmpty())
        return failWith(err, store);
    const QDate today = QDate::currentDate();
    QList<LocomotiveState> states;
    for (const Locomotive &one : locos) {
        const std::optional<LocomotiveState> state = locomotiveState(
            store, maintenance::Plan::builtIn(), maintenance::Table::builtIn(), one, today);
        if (!state)
            return failWith(err, store);
        states << *state;
    }
    bool anyOverdue = false;
    if (!a.isEmpty()) {
        const LocomotiveState &state = states.constFirst();
        if (request.csv)
            out << "status,tugas,komponen,selang,terakhir,jatuh_tempo,perkiraan\r\n";
        else
            out << state.locomotive.number << ": "
                << (state.mayRun ? texts::readyToRun : texts::notReadyToRun) << "\n";
        for (const QString &reason : state.reasons)
            if (!request.csv)
                out << "  - " << reason << "\n";
        for (const TaskState &task : state.tasks) {
            anyOverdue = anyOverdue || (task.due && task.due->status == Due::Status::Overdue);
            const QString status = task.due ? stateText(*task.due) : QStringLiteral("-");
            const QString last = task.last ? task.last->toString(Qt::ISODate) : QString();
            const QString next
                = task.due && task.due->date ? task.due->date->toString(Qt::ISODate) : QString();
            const bool projected = task.due && task.due->projected;
            if (request.csv)
                out << csvField(status) << ',' << csvField(task.task->task) << ','
                    << task.task->component << ',' << csvField(intervalText(*task.task)) << ','
                    << last << ',' << next << ',' << (projected ? "1" : "0") << "\r\n";
            else
                out << status << '\t' << task.task->task << '\t' << intervalText(*task.task) << '\t'
                    << (last.isEmpty() ? QStringLiteral("-") : last) << '\t'
                    << (next.isEmpty() ? QStringLiteral("-") : next)
                    << (projected ? " (perkiraan)" : "") << "\n";
        }
        return anyOverdue ? cli::Findings : cli::Good;
    }
    std::stable_sort(
        states.begin(), states.end(), [](const LocomotiveState &x, const LocomotiveState &y) {
            return stateRank(x) > stateRank(y);
        });
    if (request.csv)
        out << "lokomotif,seri,status,terlambat,segera,jam,km,alasan\r\n";
    for (const LocomotiveState &state : states) {
        anyOverdue = anyOverdue || state.overdue > 0;
        const QString status = state.mayRun ? texts::readyToRun : texts::notReadyToRun;
        const QString hours = state.hours ? number(*state.hours) : QString();
        const QString km = state.km ? number(*state.km) : QString();
        if (request.csv)
            out << csvField(state.locomotive.number) << ',' << csvField(state.locomotive.series)
                << ',' << csvField(status) << ',' << state.overdue << ',' << state.soon << ','
                << hours << ',' << km << ',' << csvField(state.reasons.join(QStringLiteral("; ")))
                << "\r\n";
        else
            out << state.locomotive.number << '\t' << status << '\t' << "terlambat "
                << state.overdue << '\t' << "segera " << state.soon << '\t'
                << (hours.isEmpty() ? QStringLiteral("-") : hours + QStringLiteral(" jam")) << '\t'
                << (km.isEmpty() ? QStringLiteral("-") : km + QStringLiteral(" km"))
                << (state.reasons.isEmpty()
                           ? QString()
                           : QStringLiteral("\t") + state.reasons.join(QStringLiteral("; ")))
                << "\n";
    }
    return anyOverdue ? cli::Findings : cli::Good;
}

} // namespace dipo::logtool
