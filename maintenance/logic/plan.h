// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maintenance/logic/maintenancetable.h"

#include <QList>
#include <QString>

#include <optional>

// The service plan: the periodic tasks the maintenance guide states, each with the
// sentence of the guide it comes from and its intervals in engine hours, kilometres and
// days, whichever comes first. Read from plan.json (its form: plan.schema.json) and
// checked against the guide it belongs to. Plain data, no widgets.
namespace dipo::maintenance {

struct PlanTask
{
    QString id; // unique in the plan, kept in the log
    int component = 0; // the guide's component number
    QString task; // a short name
    QString sentence; // the guide's own words, verbatim
    std::optional<double> hours;
    std::optional<double> km;
    std::optional<int> days;
    bool once = false; // done once (a new engine's first change), not again
    QString safetyCritical; // why a locomotive may not run with it overdue; empty: not
    QString note; // how the interval was read from the guide
    int line = 0; // where the task starts in its file

    bool isSafetyCritical() const { return !safetyCritical.isEmpty(); }
};

// A broken plan; the message names the file and the line.
class PlanError : public Error
{
public:
    using Error::Error;
};

class Plan
{
public:
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;
    // Reads a plan and checks it against the guide; throws PlanError naming the file and
    // the line of what is wrong.
    static Plan fromJson(const QByteArray &bytes, const QString &fileName, const Table &guide);
    // plan.json as compiled into the program, checked against the built-in guide.
    static const Plan &builtIn();

    const QList<PlanTask> &tasks() const { return m_tasks; }
    const PlanTask *task(const QString &id) const;
    QList<const PlanTask *> tasksOf(int component) const;

private:
    QList<PlanTask> m_tasks;
};

// The guide's instruction lines of a component as one text, each line trimmed and joined
// by a blank: a sentence of the guide may run on to the next line.
QString guideText(const Entry &entry);

} // namespace dipo::maintenance
