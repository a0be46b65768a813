// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/depotplan.h"

#include "common/logic/jobsystems.h"
#include "diagnosis/logic/knowledgebase.h"
#include "worklog/logic/worklogtexts.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace dipo::worklog {

using maintenance::Due;
using maintenance::Meter;
using maintenance::MeterLine;

namespace {

int urgency(const TaskState &state)
{
    if (!state.due)
        return 3;
    return int(state.due->status);
}

} // namespace

QString amountText(const Due &due)
{
    const QString unit = due.unit == Due::Unit::Hours ? texts::unitHours
        : due.unit == Due::Unit::Km                   ? texts::unitKm
                                                      : texts::unitDays;
    return QStringLiteral("%1 %2").arg(QLocale().toString(std::abs(due.left), 'f', 0), unit);
}

QString stateText(const Due &due)
{
    QString text;
    switch (due.status) {
    case Due::Status::Overdue:
        text = texts::stateOverdue.arg(amountText(due));
        break;
    case Due::Status::Soon:
        text = texts::stateSoon.arg(amountText(due));
        break;
    case Due::Status::Scheduled:
        text = texts::stateScheduled;
        break;
    }
    return due.neverDone ? texts::stateNever + QStringLiteral(", ") + text : text;
}

std::optional<LocomotiveState> locomotiveState(Store &store, const maintenance::Plan &plan,
    const maintenance::Table &guide, const Locomotive &locomotive, const QDate &today,
    const maintenance::LookAhead &ahead)
{
    LocomotiveState state;
    state.locomotive = locomotive;
    const QList<Store::JobDone> jobs = store.jobsOf(locomotive.number);
    if (!store.errorString().isEmpty())
        return std::nullopt;
    const QList<Entry> diagnoses = store.entriesOf(locomotive.number, Kind::Diagnosis);
    if (!store.errorString().isEmpty())
        return std::nullopt;

    const auto componentCaption = [&](int component) {
        const maintenance::Entry *entry = guide.entry(component);
        return entry ? entry->button.simplified() : QString();
    };
    // Each job's day and what it did, worked out once: a local time costs a look at the
    // time zone.
    struct Done
    {
        QDate day;
        QString task;
        QString component; // the guide's component caption, for a job naming no task
    };
    QList<Done> done;
    done.reserve(jobs.size());
    for (const Store::JobDone &job : jobs)
        done.append({ QDateTime::fromSecsSinceEpoch(job.madeAt).date(), job.task,
            job.task.isEmpty() && job.system == jobs::maintenanceSystem ? job.subject.simplified()
                                                                        : QString() });
    QList<std::optional<QDate>> lasts;
    QList<QDate> days { locomotive.inService };
    for (const maintenance::PlanTask &task : plan.tasks()) {
        const QString caption = componentCaption(task.component);
        std::optional<QDate> last;
        for (const Done &job : done) {
            const bool forTask
                = job.task == task.id || (!job.component.isEmpty() && job.component == caption);
            if (forTask && (!last || job.day > *last))
                last = job.day;
        }
        lasts << last;
        if (last && !days.contains(*last))
            days << *last;
    }
    // The meters on those days, the latest and the recent use: not every reading.
    const MeterLine hours(store.meterReadings(locomotive.number, Meter::Hours, days));
    if (!store.errorString().isEmpty())
        return std::nullopt;
    const MeterLine km(store.meterReadings(locomotive.number, Meter::Km, days));
    if (!store.errorString().isEmpty())
        return std::nullopt;
    state.hours = hours.latest();
    state.km = km.latest();

    for (qsizetype t = 0; t < plan.tasks().size(); ++t) {
        const maintenance::PlanTask &task = plan.tasks().at(t);
        TaskState taskState;
        taskState.task = &task;
        taskState.last = lasts.at(t);
        taskState.due = maintenance::dueState(
            task, taskState.last, locomotive.inService, hours, km, today, ahead);
        if (taskState.due && taskState.due->status == Due::Status::Overdue) {
            ++state.overdue;
            if (task.isSafetyCritical()) {
                state.mayRun = false;
                state.reasons << texts::reasonSafetyOverdue.arg(
                    task.task, amountText(*taskState.due));
            }
        } else if (taskState.due && taskState.due->status == Due::Status::Soon) {
            ++state.soon;
        }
        state.tasks << taskState;
    }
    std::stable_sort(
        state.tasks.begin(), state.tasks.end(), [](const TaskState &a, const TaskState &b) {
            if (urgency(a) != urgency(b))
                return urgency(a) < urgency(b);
            const QDate da = a.due && a.due->date ? *a.due->date : QDate(9999, 12, 31);
            const QDate db = b.due && b.due->date ? *b.due->date : QDate(9999, 12, 31);
            return da < db;
        });

    // A fault found whose repair has no job after it.
    for (const Entry &diagnosis : diagnoses) {
        if (diagnosis.notDefined || diagnosis.repairs.isEmpty())
            continue;
        QStringList missing;
        for (const RepairLink &link : diagnosis.repairs) {
            const auto kind = diagnosis::repairKindFromKey(link.kind);
            if (!kind || *kind == diagnosis::Repair::Kind::Calculator)
                continue; // a calculation mends nothing
            const bool maintenanceLink = *kind == diagnosis::Repair::Kind::Maintenance;
            const QString caption
                = maintenanceLink ? componentCaption(link.key.toInt()) : QString();
            const qint64 found = diagnosis.when.toSecsSinceEpoch();
            const bool done
                = std::any_of(jobs.cbegin(), jobs.cend(), [&](const Store::JobDone &job) {
                      if (job.madeAt < found)
                          return false;
                      if (maintenanceLink) {
                          const maintenance::PlanTask *task = plan.task(job.task);
                          return (job.system == jobs::maintenanceSystem
                                     && job.subject.simplified() == caption)
                              || (task && QString::number(task->component) == link.key);
                      }
                      return job.system == jobs::tuneupSystem;
                  });
            if (!done)
                missing << link.caption;
        }
        if (!missing.isEmpty()) {
            state.mayRun = false;
            state.reasons << texts::reasonRepairMissing.arg(QString::number(diagnosis.id),
                shownSubject(diagnosis.kind, diagnosis.subject),
                missing.join(QStringLiteral(", ")));
        }
    }
    return state;
}

} // namespace dipo::worklog
