// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maintenance/logic/plan.h"
#include "maintenance/logic/schedule.h"
#include "worklog/logic/store.h"

#include <QList>
#include <QStringList>

// The service plan on the depot's locomotives: for each registered locomotive, each task
// of the plan with when it was last done and when it is next due, and whether the
// locomotive may run. Read from the log; no widgets.
namespace dipo::worklog {

struct TaskState
{
    const maintenance::PlanTask *task = nullptr;
    std::optional<QDate> last;
    // Nothing for a task done once already, or by meters never read.
    std::optional<maintenance::Due> due;
};

struct LocomotiveState
{
    Locomotive locomotive;
    QList<TaskState> tasks; // the most urgent first
    int overdue = 0;
    int soon = 0;
    std::optional<double> hours; // the latest meters, counted on across replaced meters
    std::optional<double> km;
    bool mayRun = true;
    QStringList reasons; // why it may not: one line each
};

// One locomotive's state today; nothing with store.errorString() set when a read failed.
std::optional<LocomotiveState> locomotiveState(Store &store, const maintenance::Plan &plan,
    const maintenance::Table &guide, const Locomotive &locomotive, const QDate &today,
    const maintenance::LookAhead &ahead = {});

// How much is left (or overdue) in the due's own unit, for people: "10 jam", "6 hari".
QString amountText(const maintenance::Due &due);
// "terlambat 10 jam", "segera (50 jam lagi)", "terjadwal", with "belum pernah" before it
// for a task never recorded.
QString stateText(const maintenance::Due &due);

} // namespace dipo::worklog
