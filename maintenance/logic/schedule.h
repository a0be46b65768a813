// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maintenance/logic/plan.h"

#include <QDate>
#include <QList>

#include <optional>

// When a task of the service plan is next due on one locomotive: by each of its
// intervals, from when it was last done (or from the service date), on the locomotive's
// meters; the earliest decides. Plain computation, no store, no widgets.
namespace dipo::maintenance {

enum class Meter { Hours, Km };

// One reading of one meter, as read off the locomotive.
struct Reading
{
    QDate date;
    double value = 0;
    bool replaced = false; // a new meter, counting from its own start
};

// One meter's history as a single count that never goes back: a replaced meter's readings
// continue from where the old one stood at its last reading.
class MeterLine
{
public:
    enum class Check { Fine, Backwards, TooFast };
    // Readings in any order; within a date, in the order given.
    explicit MeterLine(QList<Reading> readings = {});

    bool isEmpty() const { return m_points.isEmpty(); }
    // The count at the last reading on or before the date; nothing before the first.
    std::optional<double> at(const QDate &date) const;
    std::optional<double> latest() const;
    double first() const { return m_points.isEmpty() ? 0 : m_points.constFirst().count; }
    QDate latestDate() const;
    // Use per day over the readings of the last 30 days before the latest (at least two
    // readings, on different days); nothing when it cannot be told.
    std::optional<double> perDay() const;
    // The first day the count reaches the value at the present rate; nothing without one.
    std::optional<QDate> projectedDate(double count) const;
    // A new reading: lower than the last one (and not a replaced meter), or faster per
    // day since the last reading than the limit.
    Check check(const Reading &reading, double maxPerDay) const;

private:
    struct Point
    {
        QDate date;
        double count;
    };
    QList<Point> m_points;
    double m_offset = 0; // added to the present meter's readings
    double m_lastRaw = 0;
};

struct LookAhead
{
    int days = 7;
    double hours = 50;
    double km = 1000;
};

struct Due
{
    enum class Status { Overdue, Soon, Scheduled };
    Status status = Status::Scheduled;
    bool neverDone = false; // counted from the service date
    // The interval that decides: its unit, what is left in it (negative: overdue by as
    // much), and the day it falls due (for a meter, projected from the use, when known).
    enum class Unit { Days, Hours, Km } unit = Unit::Days;
    double left = 0;
    std::optional<QDate> date;
    bool projected = false;
};

// The task's due state today. last: the day it was last done, nothing for never (then
// counted from the service date). Nothing for a task done once and not to be repeated,
// and for a task by meters only on a locomotive whose meters were never read.
std::optional<Due> dueState(const PlanTask &task, const std::optional<QDate> &last,
    const QDate &serviceDate, const MeterLine &hours, const MeterLine &km, const QDate &today,
    const LookAhead &ahead = {});

} // namespace dipo::maintenance
