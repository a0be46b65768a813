// SPDX-License-Identifier: GPL-3.0-or-later
// The store's depot part: the register of locomotives, their meter readings, and when a
// planned task was last done.
#include "worklog/logic/store.h"

#include "worklog/logic/worklogtexts.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace dipo::worklog {

using maintenance::Meter;
using maintenance::MeterLine;
using maintenance::Reading;

QString meterKey(Meter meter)
{
    return meter == Meter::Km ? QStringLiteral("km") : QStringLiteral("hours");
}

std::optional<Meter> meterFromKey(const QString &key)
{
    if (key == QLatin1String("hours"))
        return Meter::Hours;
    if (key == QLatin1String("km"))
        return Meter::Km;
    return std::nullopt;
}

namespace {

constexpr int kSeriesMax = 20;

// An empty text, never NULL, for a column that must hold one.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QString(0, QChar())) : QVariant(text);
}

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

} // namespace

bool Store::registerLocomotive(const Locomotive &locomotive)
{
    m_error.clear();
    m_detail.clear();
    const QString number = tidyLocomotive(locomotive.number);
    if (const QString why = checkLocomotive(number); !why.isEmpty())
        return fail(texts::cannotSave.arg(why));
    if (locomotive.series.size() > kSeriesMax || locomotive.note.size() > kNoteMax
        || !locomotive.inService.isValid())
        return fail(texts::cannotSave.arg(
            locomotive.inService.isValid() ? texts::badSeries : texts::badDate));
    if (!open(Purpose::Write))
        return false;
    return writeTransaction([&] {
        QSqlQuery there(database());
        there.prepare(QStringLiteral("SELECT COUNT(*) FROM locomotive WHERE locomotive_key = ?"));
        there.addBindValue(locomotiveKey(number));
        if (!exec(there) || !there.next())
            return false;
        if (there.value(0).toLongLong() > 0)
            return fail(texts::alreadyRegistered.arg(number));
        QSqlQuery query(database());
        query.prepare(QStringLiteral("INSERT INTO locomotive (locomotive_key, number, series,"
                                     " note, in_service, recorded_at) VALUES (?, ?, ?, ?, ?, ?)"));
        query.addBindValue(locomotiveKey(number));
        query.addBindValue(number);
        query.addBindValue(bound(locomotive.series.simplified()));
        query.addBindValue(bound(locomotive.note));
        query.addBindValue(dayText(locomotive.inService));
        query.addBindValue(QDateTime::currentSecsSinceEpoch());
        return exec(query);
    });
}

QList<Locomotive> Store::locomotives()
{
    QList<Locomotive> found;
    m_error.clear();
    if (m_absent || !database().isOpen() || m_version < 4)
        return found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT number, series, note, in_service FROM locomotive ORDER BY locomotive_key"))) {
        failRead(query);
        return found;
    }
    while (query.next())
        found.append({ query.value(0).toString(), query.value(1).toString(),
            query.value(2).toString(), QDate::fromString(query.value(3).toString(), Qt::ISODate) });
    if (!ended(query))
        found.clear();
    return found;
}

std::optional<Locomotive> Store::locomotive(const QString &number)
{
    const QString key = locomotiveKey(number);
    for (const Locomotive &locomotive : locomotives()) {
        if (locomotiveKey(locomotive.number) == key)
            return locomotive;
    }
    return std::nullopt;
}

QStringList Store::unregisteredLocomotives()
{
    QStringList found;
    m_error.clear();
    if (m_absent || !database().isOpen())
        return found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const QString registered = m_version >= 4
        ? QStringLiteral(" WHERE e.locomotive_key NOT IN (SELECT locomotive_key FROM locomotive)")
        : QString();
    if (!query.exec(QStringLiteral("SELECT e.locomotive_key, MAX(e.locomotive) FROM entry e%1"
                                   " GROUP BY e.locomotive_key ORDER BY e.locomotive_key")
                        .arg(registered))) {
        failRead(query);
        return found;
    }
    while (query.next())
        found << query.value(1).toString();
    if (!ended(query))
        found.clear();
    return found;
}

QList<Entry> Store::entriesOf(const QString &number, Kind kind)
{
    QList<Entry> entries;
    m_error.clear();
    if (m_absent || !database().isOpen())
        return entries;
    const QString where = QStringLiteral("e.locomotive_key = ? AND e.kind = ? AND NOT EXISTS"
                                         " (SELECT 1 FROM entry c WHERE c.corrects = e.id)");
    const QString key = locomotiveKey(number);
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const bool prepared = query.prepare(
        QStringLiteral("SELECT %1 FROM entry e WHERE %2 ORDER BY e.id").arg(entryColumns(), where));
    query.addBindValue(key);
    query.addBindValue(kindKey(kind));
    if (!prepared || !query.exec()) {
        failRead(query);
        return entries;
    }
    QHash<qint64, qsizetype> index;
    while (query.next()) {
        index.insert(query.value(0).toLongLong(), entries.size());
        entries.append(entryFromRow(query));
    }
    if (!ended(query) || entries.isEmpty() || m_version < 2)
        return m_error.isEmpty() ? entries : QList<Entry>();
    // The repair links only, of these entries only: a locomotive's entries lie all over
    // the log, and the steps are not needed here.
    QSqlQuery repairs(database());
    repairs.setForwardOnly(true);
    const bool repairsPrepared
        = repairs.prepare(QStringLiteral("SELECT entry_id, kind, target_key, caption FROM repair"
                                         " WHERE entry_id IN (SELECT e.id FROM entry e WHERE %1)"
                                         " ORDER BY entry_id, position")
                              .arg(where));
    repairs.addBindValue(key);
    repairs.addBindValue(kindKey(kind));
    if (!repairsPrepared || !repairs.exec()) {
        failRead(repairs);
        return {};
    }
    while (repairs.next()) {
        const auto at = index.constFind(repairs.value(0).toLongLong());
        if (at != index.constEnd())
            entries[*at].repairs.append(RepairLink { repairs.value(1).toString(),
                repairs.value(2).toString(), repairs.value(3).toString() });
    }
    if (!ended(repairs))
        return {};
    return entries;
}

namespace {

// "yyyy-MM-dd" as the log writes it, read without the general parser.
QDate isoDay(const QString &text)
{
    if (text.size() != 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return QDate::fromString(text, Qt::ISODate);
    const auto digits = [&](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i)
            value = value * 10 + text.at(i).digitValue();
        return value;
    };
    return QDate(digits(0, 4), digits(5, 2), digits(8, 2));
}

} // namespace

QList<Reading> Store::meterReadings(const QString &number, Meter meter)
{
    QList<Reading> found;
    m_error.clear();
    if (m_absent || !database().isOpen() || m_version < 4)
        return found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const bool prepared = query.prepare(
        QStringLiteral("SELECT read_on, reading, replaced FROM meter_reading"
                       " WHERE locomotive_key = ? AND meter = ? ORDER BY read_on, id"));
    query.addBindValue(locomotiveKey(number));
    query.addBindValue(meterKey(meter));
    if (!prepared || !query.exec()) {
        failRead(query);
        return found;
    }
    while (query.next())
        found.append({ isoDay(query.value(0).toString()), query.value(1).toDouble(),
            query.value(2).toInt() != 0 });
    if (!ended(query))
        found.clear();
    return found;
}

QList<Reading> Store::meterReadings(
    const QString &number, Meter meter, const QList<QDate> &days, int recentDays)
{
    QList<Reading> found;
    m_error.clear();
    if (m_absent || !database().isOpen() || m_version < 4)
        return found;
    const QString key = locomotiveKey(number);
    const QString meterName = meterKey(meter);
    struct Row
    {
        qint64 id;
        Reading reading;
    };
    QHash<qint64, Row> rows;
    const auto collect = [&](QSqlQuery &query) {
        while (query.next()) {
            const qint64 id = query.value(0).toLongLong();
            rows.insert(id,
                { id,
                    { isoDay(query.value(1).toString()), query.value(2).toDouble(),
                        query.value(3).toInt() != 0 } });
        }
        return ended(query);
    };
    const auto run = [&](const QString &sql, const QList<QVariant> &values) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            failRead(query);
            return false;
        }
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            failRead(query);
            return false;
        }
        return collect(query);
    };
    const QString columns
        = QStringLiteral("SELECT id, read_on, reading, replaced FROM meter_reading");
    const QString ofMeter = QStringLiteral(" WHERE locomotive_key = ? AND meter = ?");
    // The first and the latest reading, every replaced meter, and the recent days.
    if (!run(
            columns + ofMeter + QStringLiteral(" ORDER BY read_on, id LIMIT 1"), { key, meterName })
        || !run(columns + ofMeter + QStringLiteral(" ORDER BY read_on DESC, id DESC LIMIT 1"),
            { key, meterName }))
        return {};
    if (rows.isEmpty())
        return found;
    QDate latest;
    for (const Row &row : std::as_const(rows))
        latest = std::max(latest, row.reading.date);
    if (!run(columns + ofMeter + QStringLiteral(" AND read_on >= ?"),
            { key, meterName, dayText(latest.addDays(-recentDays)) })
        || !run(columns + ofMeter + QStringLiteral(" AND replaced = 1"), { key, meterName }))
        return {};
    // The reading before each replaced meter: the count it carries over.
    QList<Row> replaced;
    for (const Row &row : std::as_const(rows))
        if (row.reading.replaced)
            replaced << row;
    for (const Row &row : replaced) {
        const QString day = dayText(row.reading.date);
        if (!run(columns + ofMeter
                    + QStringLiteral(" AND (read_on < ? OR (read_on = ? AND id < ?))"
                                     " ORDER BY read_on DESC, id DESC LIMIT 1"),
                { key, meterName, day, day, row.id }))
            return {};
    }
    // The last reading on or before each day asked.
    if (!days.isEmpty()) {
        QStringList values;
        QList<QVariant> bound;
        for (const QDate &day : days) {
            values << QStringLiteral("(?)");
            bound << dayText(day);
        }
        bound << key << meterName;
        if (!run(QStringLiteral("WITH d(day) AS (VALUES %1) SELECT r.id, r.read_on, r.reading,"
                                " r.replaced FROM d JOIN meter_reading r ON r.id = (SELECT s.id"
                                " FROM meter_reading s WHERE s.locomotive_key = ? AND s.meter = ?"
                                " AND s.read_on <= d.day ORDER BY s.read_on DESC, s.id DESC"
                                " LIMIT 1)")
                     .arg(values.join(QStringLiteral(", "))),
                bound))
            return {};
    }
    QList<Row> ordered = rows.values();
    std::sort(ordered.begin(), ordered.end(), [](const Row &a, const Row &b) {
        return a.reading.date != b.reading.date ? a.reading.date < b.reading.date : a.id < b.id;
    });
    for (const Row &row : ordered)
        found << row.reading;
    return found;
}

QList<Store::JobDone> Store::jobsOf(const QString &number)
{
    QList<JobDone> found;
    m_error.clear();
    if (m_absent || !database().isOpen())
        return found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const bool prepared = query.prepare(
        QStringLiteral("SELECT e.made_at, e.system_name, e.subject, %1 FROM entry e"
                       " WHERE e.locomotive_key = ? AND e.kind = 'job' AND NOT EXISTS"
                       " (SELECT 1 FROM entry c WHERE c.corrects = e.id) ORDER BY e.made_at, e.id")
            .arg(m_version >= 4 ? QStringLiteral("e.task_id") : QStringLiteral("''")));
    query.addBindValue(locomotiveKey(number));
    if (!prepared || !query.exec()) {
        failRead(query);
        return found;
    }
    while (query.next())
        found.append({ query.value(0).toLongLong(), query.value(1).toString(),
            query.value(2).toString(), query.value(3).toString() });
    if (!ended(query))
        found.clear();
    return found;
}

QList<MeterRecord> Store::readings(const QString &number, Meter meter)
{
    QList<MeterRecord> found;
    m_error.clear();
    if (m_absent || !database().isOpen() || m_version < 4)
        return found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, read_on, reading, replaced, reader, recorded_at"
                                 " FROM meter_reading WHERE locomotive_key = ? AND meter = ?"
                                 " ORDER BY read_on, id"));
    query.addBindValue(locomotiveKey(number));
    query.addBindValue(meterKey(meter));
    if (!query.exec()) {
        failRead(query);
        return found;
    }
    while (query.next()) {
        MeterRecord record;
        record.id = query.value(0).toLongLong();
        record.meter = meter;
        record.reading.date = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        record.reading.value = query.value(2).toDouble();
        record.reading.replaced = query.value(3).toInt() != 0;
        record.reader = query.value(4).toString();
        record.recordedAt = QDateTime::fromSecsSinceEpoch(query.value(5).toLongLong(), Qt::UTC);
        found << record;
    }
    if (!ended(query))
        found.clear();
    return found;
}

std::optional<qint64> Store::addReading(const QString &number, Meter meter, const Reading &reading,
    const QString &reader, double maxPerDay, bool confirmed)
{
    m_error.clear();
    m_detail.clear();
    m_needsConfirmation = false;
    if (!reading.date.isValid() || !std::isfinite(reading.value) || reading.value < 0
        || reader.size() > kTechnicianMax) {
        fail(texts::cannotSave.arg(texts::badReading));
        return std::nullopt;
    }
    if (!open(Purpose::Write))
        return std::nullopt;
    qint64 id = 0;
    const bool done = writeTransaction([&] {
        QSqlQuery there(database());
        there.prepare(QStringLiteral("SELECT COUNT(*) FROM locomotive WHERE locomotive_key = ?"));
        there.addBindValue(locomotiveKey(number));
        if (!exec(there) || !there.next())
            return false;
        if (there.value(0).toLongLong() == 0)
            return fail(texts::notRegistered.arg(tidyLocomotive(number)));
        there.finish();
        // Checked inside the write, so that two readings at once cannot pass each other.
        const QList<MeterRecord> before = readings(number, meter);
        if (!m_error.isEmpty())
            return false;
        QList<Reading> line;
        for (const MeterRecord &record : before)
            line << record.reading;
        const QString unit = meter == Meter::Km ? QStringLiteral("km") : QStringLiteral("jam");
        const auto shown = [&](double value) {
            return QStringLiteral("%1 %2").arg(QLocale().toString(value, 'f', 0), unit);
        };
        switch (MeterLine(line).check(reading, maxPerDay)) {
        case MeterLine::Check::Backwards:
            return fail(texts::readingBackwards.arg(shown(reading.value),
                shown(line.constLast().value), line.constLast().date.toString(Qt::ISODate)));
        case MeterLine::Check::TooFast:
            if (!confirmed) {
                m_needsConfirmation = true;
                const qint64 days = std::max<qint64>(1, line.constLast().date.daysTo(reading.date));
                return fail(texts::readingTooFast.arg(shown(reading.value),
                    shown((reading.value - line.constLast().value) / double(days)),
                    line.constLast().date.toString(Qt::ISODate)));
            }
            break;
        case MeterLine::Check::Fine:
            break;
        }
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "INSERT INTO meter_reading (locomotive_key, meter, read_on, reading, replaced,"
            " reader, recorded_at) VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING id"));
        query.addBindValue(locomotiveKey(number));
        query.addBindValue(meterKey(meter));
        query.addBindValue(dayText(reading.date));
        query.addBindValue(reading.value);
        query.addBindValue(reading.replaced ? 1 : 0);
        query.addBindValue(bound(reader.trimmed()));
        query.addBindValue(QDateTime::currentSecsSinceEpoch());
        if (!exec(query) || !query.next())
            return false;
        id = query.value(0).toLongLong();
        return true;
    });
    if (!done)
        return std::nullopt;
    return id;
}

std::optional<QDate> Store::lastDone(const QString &number, const QString &taskId,
    const QString &system, const QString &componentSubject)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return std::nullopt;
    QSqlQuery query(database());
    // A log before the plan names no task: its jobs count by their component.
    const QString byTask = m_version >= 4
        ? QStringLiteral("(e.task_id = ? OR (e.task_id = '' AND e.system_name = ?"
                         " AND e.subject = ?))")
        : QStringLiteral("(? IS NOT NULL AND e.system_name = ? AND e.subject = ?)");
    query.prepare(QStringLiteral("SELECT MAX(e.made_at) FROM entry e WHERE e.kind = 'job'"
                                 " AND e.locomotive_key = ? AND %1"
                                 " AND NOT EXISTS (SELECT 1 FROM entry c WHERE c.corrects = e.id)")
                      .arg(byTask));
    query.addBindValue(locomotiveKey(number));
    query.addBindValue(bound(taskId));
    query.addBindValue(system);
    query.addBindValue(componentSubject);
    if (!query.exec()) {
        failRead(query);
        return std::nullopt;
    }
    if (!query.next()) {
        ended(query);
        return std::nullopt;
    }
    if (query.value(0).isNull())
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(query.value(0).toLongLong()).date();
}

} // namespace dipo::worklog
