// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maintenance/logic/schedule.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace dipo::worklog {

// A locomotive of the depot's register. Its number follows the log's rules
// (tidyLocomotive, locomotiveKey); two numbers with the same key are one locomotive.
struct Locomotive
{
    QString number;
    QString series; // e.g. "CC 201"
    QString note;
    QDate inService; // the plan counts a task never done from this day
};

// One meter reading as the log keeps it.
struct MeterRecord
{
    qint64 id = 0;
    maintenance::Meter meter = maintenance::Meter::Hours;
    maintenance::Reading reading;
    QString reader;
    QDateTime recordedAt;
};

// "hours" or "km", as the log stores a meter.
QString meterKey(maintenance::Meter meter);
std::optional<maintenance::Meter> meterFromKey(const QString &key);

// Above this, a reading asks to be confirmed: a day has 24 engine hours, and a
// locomotive rarely runs more than this in one.
constexpr double kMaxHoursPerDay = 24;
constexpr double kDefaultMaxKmPerDay = 1500;

} // namespace dipo::worklog
