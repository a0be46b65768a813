// SPDX-License-Identifier: GPL-3.0-or-later
// The store's reads: lists, counts, entries with their versions, exports and the checks.
// Each read checks how its rows ended: one that fails is an error, never fewer rows.
#include "worklog/logic/store.h"

#include "worklog/logic/worklogtexts.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace dipo::worklog {

namespace {

constexpr int kDetailChunk = 2000;

// The first bound of a local day, as seconds since the epoch.
qint64 dayStart(const QDate &day)
{
    return day.startOfDay().toSecsSinceEpoch();
}

QString escapeLike(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('!');
        escaped += c;
    }
    return escaped;
}

const char *const kRowColumns = "e.id, e.made_at, e.kind, e.locomotive, e.technician, "
                                "e.system_name, e.subject, e.not_defined, e.corrects";

} // namespace

QString Store::whereClause(const Filter &filter, QList<QVariant> &values) const
{
    QStringList conditions;
    if (filter.latestOnly)
        conditions << QStringLiteral("NOT EXISTS (SELECT 1 FROM entry c WHERE c.corrects = e.id)");
    const QString locomotive = locomotiveKey(filter.locomotive);
    if (!locomotive.isEmpty()) {
        conditions << QStringLiteral("e.locomotive_key LIKE ? ESCAPE '!'");
        values << escapeLike(locomotive) + QLatin1Char('%');
    }
    // SQLite's own LOWER() knows only ASCII letters: its log folds with Qt's rules.
    const auto fold = [this](const QString &typed) {
        return isSQLite() ? typed.trimmed().toCaseFolded() : typed.trimmed().toLower();
    };
    const auto contains = [&](const QStringList &columns, const QString &typed) {
        QStringList tests;
        for (const QString &column : columns) {
            tests << (isSQLite() ? QStringLiteral("dipo_fold(%1) LIKE ? ESCAPE '!'")
                                 : QStringLiteral("LOWER(%1) LIKE ? ESCAPE '!'"))
                         .arg(column);
            values << QLatin1Char('%') + escapeLike(typed) + QLatin1Char('%');
        }
        conditions << QLatin1Char('(') + tests.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    };
    if (const QString text = fold(filter.text); !text.isEmpty())
        contains({ QStringLiteral("e.system_name"), QStringLiteral("e.subject"),
                     QStringLiteral("e.note"), QStringLiteral("e.technician") },
            text);
    if (const QString technician = fold(filter.technician); !technician.isEmpty())
        contains({ QStringLiteral("e.technician") }, technician);
    if (filter.kind) {
        conditions << QStringLiteral("e.kind = ?");
        values << kindKey(*filter.kind);
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("e.made_at >= ?");
        values << dayStart(filter.from);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("e.made_at < ?");
        values << dayStart(filter.to.addDays(1));
    }
    return conditions.isEmpty()
        ? QString()
        : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

std::optional<Row> Store::sameRecord(const Entry &entry)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT e.id, e.made_at FROM entry e WHERE e.kind = ?"
                                 " AND e.locomotive_key = ? AND e.system_name = ? AND e.subject = ?"
                                 " AND e.made_at BETWEEN ? AND ?"
                                 " AND NOT EXISTS (SELECT 1 FROM entry c WHERE c.corrects = e.id)"
                                 " ORDER BY e.made_at DESC, e.id DESC LIMIT 1"));
    const qint64 at = entry.when.toSecsSinceEpoch();
    query.addBindValue(kindKey(entry.kind));
    query.addBindValue(locomotiveKey(entry.locomotive));
    query.addBindValue(entry.system);
    query.addBindValue(entry.subject);
    query.addBindValue(at - 86400);
    query.addBindValue(at + 86400);
    if (!query.exec()) {
        failRead(query);
        return std::nullopt;
    }
    if (!query.next()) {
        ended(query);
        return std::nullopt;
    }
    Row row;
    row.id = query.value(0).toLongLong();
    row.madeAt = query.value(1).toLongLong();
    row.kind = entry.kind;
    row.locomotive = entry.locomotive;
    return row;
}

QList<Row> Store::page(const Filter &filter, const std::optional<PageEnd> &after, int limit)
{
    QList<Row> rows;
    m_error.clear();
    if (m_absent || !database().isOpen())
        return rows;
    QList<QVariant> values;
    QString where = whereClause(filter, values);
    if (after) {
        where += where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        where += QStringLiteral("(e.made_at < ? OR (e.made_at = ? AND e.id < ?))");
        values << after->madeAt << after->madeAt << after->id;
    }
    // A cause found again on the same locomotive within the period, in an entry that
    // no correction replaced. The first schema, read as it is, kept no cause to compare.
    const QString recurring = m_version < 2
        ? QStringLiteral("0")
        : QStringLiteral("CASE WHEN e.fault_key <> '' AND EXISTS (SELECT 1 FROM entry o"
                         " WHERE o.locomotive_key = e.locomotive_key AND o.fault_key = e.fault_key"
                         " AND o.id <> e.id AND o.made_at BETWEEN e.made_at - %1 AND e.made_at + %1"
                         " AND NOT EXISTS (SELECT 1 FROM entry oc WHERE oc.corrects = o.id))"
                         " THEN 1 ELSE 0 END")
              .arg(qint64(kRecurrenceDays) * 86400);
    QSqlQuery query(database());
    const bool prepared
        = query.prepare(QStringLiteral("SELECT %1, %2 FROM entry e%3"
                                       " ORDER BY e.made_at DESC, e.id DESC LIMIT %4")
                            .arg(QLatin1String(kRowColumns), recurring, where)
                            .arg(limit));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!prepared || !query.exec()) {
        failRead(query);
        return rows;
    }
    while (query.next()) {
        Row row;
        row.id = query.value(0).toLongLong();
        row.madeAt = query.value(1).toLongLong();
        row.kind = kindFromKey(query.value(2).toString());
        row.locomotive = query.value(3).toString();
        row.technician = query.value(4).toString();
        row.system = query.value(5).toString();
        row.subject = query.value(6).toString();
        row.notDefined = query.value(7).toInt() != 0;
        row.corrected = !query.value(8).isNull();
        row.recurring = query.value(9).toInt() != 0;
        rows.append(row);
    }
    if (!ended(query))
        rows.clear();
    return rows;
}

qint64 Store::count(const Filter &filter)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return 0;
    QList<QVariant> values;
    QSqlQuery query(database());
    const bool prepared = query.prepare(
        QStringLiteral("SELECT COUNT(*) FROM entry e") + whereClause(filter, values));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!prepared || !query.exec() || !query.next()) {
        failRead(query);
        return 0;
    }
    return query.value(0).toLongLong();
}

QStringList Store::recentLocomotives(int limit)
{
    QStringList numbers;
    if (m_absent || !database().isOpen())
        return numbers;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT locomotive FROM entry e"
                                      " ORDER BY made_at DESC, id DESC LIMIT %1")
                           .arg(limit * 20))
        || !query.exec()) {
        failRead(query);
        return numbers;
    }
    QSet<QString> seen;
    while (query.next() && numbers.size() < limit) {
        const QString number = query.value(0).toString();
        const QString key = locomotiveKey(number);
        if (!seen.contains(key)) {
            seen.insert(key);
            numbers << number;
        }
    }
    if (numbers.size() < limit && !ended(query))
        numbers.clear();
    return numbers;
}

bool Store::loadDetails(QList<Entry> &entries)
{
    if (entries.isEmpty())
        return true;
    QHash<qint64, qsizetype> index;
    qint64 low = entries.constFirst().id;
    qint64 high = low;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        index.insert(entries.at(i).id, i);
        low = std::min(low, entries.at(i).id);
        high = std::max(high, entries.at(i).id);
    }
    QSqlQuery steps(database());
    if (!steps.prepare(
            QStringLiteral("SELECT entry_id, question, answer FROM step"
                           " WHERE entry_id BETWEEN ? AND ? ORDER BY entry_id, position")))
        return failRead(steps);
    steps.addBindValue(low);
    steps.addBindValue(high);
    if (!steps.exec())
        return failRead(steps);
    while (steps.next()) {
        const auto at = index.constFind(steps.value(0).toLongLong());
        if (at != index.constEnd())
            entries[*at].steps.append(
                Step { steps.value(1).toString(), steps.value(2).toString() });
    }
    if (!ended(steps))
        return false;
    if (m_version < 2)
        return true; // the first schema kept no repair links
    QSqlQuery repairs(database());
    if (!repairs.prepare(
            QStringLiteral("SELECT entry_id, kind, target_key, caption FROM repair"
                           " WHERE entry_id BETWEEN ? AND ? ORDER BY entry_id, position")))
        return failRead(repairs);
    repairs.addBindValue(low);
    repairs.addBindValue(high);
    if (!repairs.exec())
        return failRead(repairs);
    while (repairs.next()) {
        const auto at = index.constFind(repairs.value(0).toLongLong());
        if (at != index.constEnd())
            entries[*at].repairs.append(RepairLink { repairs.value(1).toString(),
                repairs.value(2).toString(), repairs.value(3).toString() });
    }
    return ended(repairs);
}

Entry Store::entryFromRow(const QSqlQuery &query)
{
    Entry entry;
    entry.id = query.value(0).toLongLong();
    entry.kind = kindFromKey(query.value(1).toString());
    entry.locomotive = query.value(2).toString();
    entry.technician = query.value(3).toString();
    // In UTC: a local time costs a time-zone lookup on every row; shown, it is local.
    entry.when = QDateTime::fromSecsSinceEpoch(query.value(4).toLongLong(), Qt::UTC);
    entry.system = query.value(5).toString();
    entry.subject = query.value(6).toString();
    entry.notDefined = query.value(7).toInt() != 0;
    entry.note = query.value(8).toString();
    entry.corrects = query.value(9).isNull() ? 0 : query.value(9).toLongLong();
    entry.reason = query.value(10).toString();
    if (const qint64 recorded = query.value(11).toLongLong(); recorded > 0)
        entry.recordedAt = QDateTime::fromSecsSinceEpoch(recorded, Qt::UTC);
    entry.task = query.value(12).toString();
    return entry;
}

std::optional<Entry> Store::entry(qint64 id)
{
    m_error.clear();
    if (m_absent)
        fail(texts::unknownEntry.arg(id)); // a log not made yet has no entry
    if (m_absent || !database().isOpen())
        return std::nullopt;
    QSqlQuery query(database());
    const bool prepared = query.prepare(
        QStringLiteral("SELECT %1 FROM entry e WHERE e.id = ?").arg(entryColumns()));
    query.addBindValue(id);
    if (!prepared || !query.exec()) {
        failRead(query);
        return std::nullopt;
    }
    if (!query.next()) {
        if (ended(query))
            fail(texts::unknownEntry.arg(id));
        return std::nullopt;
    }
    QList<Entry> entries { entryFromRow(query) };
    query.finish();
    if (!loadDetails(entries))
        return std::nullopt;
    return entries.constFirst();
}

qint64 Store::latest(qint64 id)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return id;
    QSqlQuery query(database());
    if (!query.prepare(QStringLiteral("SELECT id FROM entry WHERE corrects = ?"))) {
        failRead(query);
        return id;
    }
    // A chain that comes back to an entry (only by editing the database by hand) stops.
    QSet<qint64> seen { id };
    for (;;) {
        query.addBindValue(id);
        if (!query.exec()) {
            failRead(query);
            return id;
        }
        if (!query.next()) {
            ended(query);
            return id;
        }
        const qint64 next = query.value(0).toLongLong();
        query.finish();
        if (seen.contains(next)) {
            fail(texts::cannotRead.arg(m_location.shown(), texts::correctionLoop.arg(next)));
            return id;
        }
        seen.insert(next);
        id = next;
    }
}

QList<Entry> Store::history(qint64 id)
{
    QList<Entry> versions;
    QSet<qint64> seen;
    while (id > 0) {
        if (seen.contains(id)) {
            fail(texts::cannotRead.arg(m_location.shown(), texts::correctionLoop.arg(id)));
            return {};
        }
        seen.insert(id);
        const std::optional<Entry> found = entry(id);
        if (!found) {
            // A version that cannot be read is a failure, not the end of the history.
            if (m_error != texts::unknownEntry.arg(id))
                return {};
            break;
        }
        versions.append(*found);
        id = found->corrects;
    }
    return versions;
}

bool Store::forEachEntry(const Filter &filter, const std::function<bool(const Entry &)> &visit)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return true;
    qint64 after = 0;
    for (;;) {
        QList<QVariant> values;
        QString where = whereClause(filter, values);
        where += where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        where += QStringLiteral("e.id > ?");
        values << after;
        // Bounded pages, read whole: PostgreSQL's row-by-row mode for forward-only
        // queries costs more than the page.
        QSqlQuery query(database());
        const bool prepared
            = query.prepare(QStringLiteral("SELECT %1 FROM entry e%2 ORDER BY e.id LIMIT %3")
                                .arg(entryColumns(), where)
                                .arg(kDetailChunk));
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!prepared || !query.exec())
            return failRead(query);
        QList<Entry> entries;
        while (query.next())
            entries.append(entryFromRow(query));
        if (!ended(query))
            return false;
        query.finish();
        if (entries.isEmpty())
            return true;
        if (!loadDetails(entries))
            return false;
        for (const Entry &entry : std::as_const(entries)) {
            if (!visit(entry))
                return false;
        }
        after = entries.constLast().id;
    }
}

QStringList Store::integrityProblems()
{
    QStringList problems;
    if (m_absent)
        return problems;
    if (!database().isOpen())
        return { m_error };
    QSqlQuery query(database());
    if (isSQLite()) {
        // The database's own words are the detail a check gives.
        if (!query.exec(QStringLiteral("PRAGMA integrity_check")))
            return { texts::damaged, query.lastError().text() };
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << line;
        }
        if (query.lastError().isValid())
            return problems << texts::damaged << query.lastError().text();
        if (!query.exec(QStringLiteral("PRAGMA foreign_key_check")))
            return problems << query.lastError().text();
        while (query.next())
            problems << QStringLiteral("foreign key: %1 row %2")
                            .arg(query.value(0).toString(), query.value(1).toString());
        if (query.lastError().isValid())
            return problems << query.lastError().text();
    }
    if (schemaVersion() == 0)
        return problems;
    const QList<QPair<QString, QString>> checks {
        { QStringLiteral("langkah tanpa entri"),
            QStringLiteral("SELECT COUNT(*) FROM step s WHERE NOT EXISTS"
                           " (SELECT 1 FROM entry e WHERE e.id = s.entry_id)") },
        { QStringLiteral("langkah perbaikan tanpa entri"),
            QStringLiteral("SELECT COUNT(*) FROM repair r WHERE NOT EXISTS"
                           " (SELECT 1 FROM entry e WHERE e.id = r.entry_id)") },
        { QStringLiteral("koreksi atas entri yang tidak ada"),
            QStringLiteral("SELECT COUNT(*) FROM entry c WHERE c.corrects IS NOT NULL AND NOT"
                           " EXISTS (SELECT 1 FROM entry e WHERE e.id = c.corrects)") },
        { QStringLiteral("koreksi yang tidak lebih baru dari entrinya"),
            QStringLiteral("SELECT COUNT(*) FROM entry c WHERE c.corrects >= c.id") },
    };
    for (const auto &[what, sql] : checks) {
        if (!query.exec(sql) || !query.next())
            return problems << query.lastError().text();
        if (const qint64 n = query.value(0).toLongLong(); n > 0)
            problems << QStringLiteral("%1: %2").arg(what).arg(n);
    }
    return problems;
}

} // namespace dipo::worklog
