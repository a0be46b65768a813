// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/logic/schedule.h"

#include <algorithm>
#include <cmath>

namespace dipo::maintenance {

MeterLine::MeterLine(QList<Reading> readings)
{
    const auto byDate = [](const Reading &a, const Reading &b) { return a.date < b.date; };
    if (!std::is_sorted(readings.cbegin(), readings.cend(), byDate))
        std::stable_sort(readings.begin(), readings.end(), byDate);
    m_points.reserve(readings.size());
    for (const Reading &reading : readings) {
        if (reading.replaced && !m_points.isEmpty())
            m_offset = m_points.constLast().count;
        m_lastRaw = reading.value;
        m_points.append({ reading.date, m_offset + reading.value });
    }
}

std::optional<double> MeterLine::at(const QDate &date) const
{
    // The last point on or before the date: the points are in date order.
    const auto after = std::upper_bound(m_points.cbegin(), m_points.cend(), date,
        [](const QDate &day, const Point &point) { return day < point.date; });
    if (after == m_points.cbegin())
        return std::nullopt;
    return std::prev(after)->count;
}

std::optional<double> MeterLine::latest() const
{
    if (m_points.isEmpty())
        return std::nullopt;
    return m_points.constLast().count;
}

QDate MeterLine::latestDate() const
{
    return m_points.isEmpty() ? QDate() : m_points.constLast().date;
}

std::optional<double> MeterLine::perDay() const
{
    if (m_points.size() < 2)
        return std::nullopt;
    const Point &last = m_points.constLast();
    const QDate from = last.date.addDays(-30);
    const auto found = std::lower_bound(m_points.cbegin(), m_points.cend(), from,
        [](const Point &point, const QDate &day) { return point.date < day; });
    const Point *first = found == m_points.cend() ? nullptr : &*found;
    const qint64 days = first ? first->date.daysTo(last.date) : 0;
    if (days <= 0)
        return std::nullopt;
    return (last.count - first->count) / double(days);
}

std::optional<QDate> MeterLine::projectedDate(double count) const
{
    const std::optional<double> now = latest();
    if (!now)
        return std::nullopt;
    if (count <= *now)
        return latestDate();
    const std::optional<double> rate = perDay();
    if (!rate || *rate <= 0)
        return std::nullopt;
    const double days = std::ceil((count - *now) / *rate - 1e-9);
    if (days > 36500)
        return std::nullopt;
    return latestDate().addDays(qint64(days));
}

MeterLine::Check MeterLine::check(const Reading &reading, double maxPerDay) const
{
    if (m_points.isEmpty())
        return Check::Fine;
    const Point &last = m_points.constLast();
    if (reading.replaced)
        return Check::Fine;
    if (reading.value < m_lastRaw || reading.date < last.date)
        return Check::Backwards;
    const qint64 days = std::max<qint64>(1, last.date.daysTo(reading.date));
    if ((reading.value - m_lastRaw) / double(days) > maxPerDay)
        return Check::TooFast;
    return Check::Fine;
}

std::optional<Due> dueState(const PlanTask &task, const std::optional<QDate> &last,
    const QDate &serviceDate, const MeterLine &hours, const MeterLine &km, const QDate &today,
    const LookAhead &ahead)
{
    if (task.once && last)
        return std::nullopt;
    const QDate from = last ? *last : serviceDate;
    QList<Due> candidates;
    const auto settle = [&](Due due, double within) {
        due.neverDone = !last;
        if (due.left < 0)
            due.status = Due::Status::Overdue;
        else if (due.left <= within || (due.date && today.daysTo(*due.date) <= ahead.days))
            due.status = Due::Status::Soon;
        candidates << due;
    };
    if (task.days) {
        Due due;
        due.unit = Due::Unit::Days;
        due.date = from.addDays(*task.days);
        due.left = double(today.daysTo(*due.date));
        settle(due, ahead.days);
    }
    const auto byMeter = [&](const std::optional<double> &interval, const MeterLine &line,
                             Due::Unit unit, double within) {
        if (!interval || line.isEmpty())
            return;
        // From the meter when it was last done; a meter first read later, from its first
        // reading.
        const double target = line.at(from).value_or(line.first()) + *interval;
        Due due;
        due.unit = unit;
        due.left = target - *line.latest();
        due.date = line.projectedDate(target);
        due.projected = due.date && due.left > 0;
        settle(due, within);
    };
    byMeter(task.hours, hours, Due::Unit::Hours, ahead.hours);
    byMeter(task.km, km, Due::Unit::Km, ahead.km);
    if (candidates.isEmpty())
        return std::nullopt; // its meters not read yet
    // The most urgent decides; among alike, the earliest day, a day known before none.
    return *std::min_element(
        candidates.cbegin(), candidates.cend(), [](const Due &a, const Due &b) {
            if (a.status != b.status)
                return int(a.status) < int(b.status);
            if (a.date.has_value() != b.date.has_value())
                return a.date.has_value();
            return a.date && *a.date < *b.date;
        });
}

} // namespace dipo::maintenance
