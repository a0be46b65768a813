// SPDX-License-Identifier: GPL-3.0-or-later
// The store's long runs: an import of many entries in one transaction, and the salvage
// of what a damaged log still holds.
#include "worklog/logic/store.h"

#include "worklog/logic/worklogtexts.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace dipo::worklog {

namespace {

// Rows per statement. PostgreSQL: a few thousand values, for as few round trips as can
// be. SQLite has no round trips, and Qt's driver looks each value's name up among all of
// a statement's: a few rows.
constexpr int kEntriesPerStatement = 400;
constexpr int kDetailsPerStatement = 1000;
constexpr int kSQLiteEntriesPerStatement = 8;
constexpr int kSQLiteDetailsPerStatement = 32;
constexpr int kIdsPerReservation = 1000;
constexpr int kSalvageChunk = 1000;

enum Table { EntryTable, StepTable, RepairTable };

struct TableShape
{
    const char *head;
    int columns;
};

const TableShape kTables[] = {
    { "INSERT INTO entry (id, kind, locomotive, locomotive_key, technician, made_at,"
      " system_name, subject, not_defined, note, corrects, fault_key, reason, recorded_at,"
      " task_id) VALUES ",
        15 },
    { "INSERT INTO step (entry_id, position, question, answer) VALUES ", 4 },
    { "INSERT INTO repair (entry_id, position, kind, target_key, caption) VALUES ", 5 },
};

QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(0, QChar())) : QVariant(value);
}

} // namespace

QSqlQuery &Store::statement(int table, int rows)
{
    const int key = table * 100000 + rows;
    auto found = m_statements.find(key);
    if (found != m_statements.end())
        return *found;
    const TableShape &shape = kTables[table];
    QString row = QStringLiteral("(?");
    for (int c = 1; c < shape.columns; ++c)
        row += QStringLiteral(", ?");
    row += QLatin1Char(')');
    QStringList all;
    all.reserve(rows);
    for (int r = 0; r < rows; ++r)
        all << row;
    QSqlQuery query(database());
    query.prepare(QString::fromLatin1(shape.head) + all.join(QStringLiteral(", ")));
    return *m_statements.insert(key, query);
}

bool Store::insertRows(int table, int count, const std::function<void(QSqlQuery &, int)> &bind)
{
    // bind(query, row) binds one row's values after those bound before it.
    const int per = isSQLite()
        ? (table == EntryTable ? kSQLiteEntriesPerStatement : kSQLiteDetailsPerStatement)
        : (table == EntryTable ? kEntriesPerStatement : kDetailsPerStatement);
    for (int start = 0; start < count; start += per) {
        const int rows = std::min(per, count - start);
        QSqlQuery &query = statement(table, rows);
        m_bound = 0;
        for (int r = start; r < start + rows; ++r)
            bind(query, r);
        if (!exec(query))
            return false;
    }
    return true;
}

std::optional<qint64> Store::nextId()
{
    if (isSQLite())
        return m_nextId++;
    if (m_reserved.isEmpty()) {
        QSqlQuery query(database());
        query.prepare(QStringLiteral("SELECT nextval(pg_get_serial_sequence('entry', 'id'))"
                                     " FROM generate_series(1, ?)"));
        query.addBindValue(kIdsPerReservation);
        if (!exec(query))
            return std::nullopt;
        while (query.next())
            m_reserved << query.value(0).toLongLong();
        if (!ended(query) || m_reserved.isEmpty())
            return std::nullopt;
        // Given in order, so that a correction is always newer than what it corrects.
        std::sort(m_reserved.begin(), m_reserved.end(), std::greater<qint64>());
    }
    return m_reserved.takeLast();
}

bool Store::beginImport()
{
    m_error.clear();
    m_detail.clear();
    m_pending.clear();
    m_reserved.clear();
    m_skipped = 0;
    if (!open(Purpose::Write))
        return false;
    // A short try; when another user holds the log, one wait of a few seconds, told.
    bool begun = false;
    for (int attempt = 0; attempt < 2 && !begun; ++attempt) {
        m_lastTransient = false;
        if (!setWait(attempt == 0))
            return false;
        begun = begin()
            && (isSQLite()
                || execText(
                    QStringLiteral("LOCK TABLE entry, step, repair IN ROW EXCLUSIVE MODE")));
        if (!begun) {
            rollback();
            if (!m_lastTransient)
                break;
            if (attempt == 0 && m_waitNotice)
                m_waitNotice();
        }
    }
    if (!begun) {
        setWait(false);
        m_error = texts::cannotSave.arg(texts::atPlace.arg(m_error, m_location.shown()));
        return false;
    }
    // Inside the transaction: the rest of it may wait as long as any other write.
    if (!execText(isSQLite() ? QStringLiteral("PRAGMA busy_timeout = 5000")
                             : QStringLiteral("SET LOCAL lock_timeout = 5000"))) {
        rollback();
        return false;
    }
    QSqlQuery query(database());
    const QString highest = isSQLite()
        ? QStringLiteral("SELECT MAX(COALESCE((SELECT MAX(id) FROM entry), 0), COALESCE((SELECT"
                         " seq FROM sqlite_sequence WHERE name = 'entry'), 0))")
        : QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM entry");
    if (!query.exec(highest) || !query.next()) {
        failQuery(query);
        finishImport(false);
        return false;
    }
    m_importFirstKnown = query.value(0).toLongLong();
    m_nextId = m_importFirstKnown + 1;
    return true;
}

std::optional<qint64> Store::add(const Entry &item, qint64 fileNumber)
{
    if (fileNumber > 0 && fileNumber <= m_importFirstKnown) {
        // The same entry imported again (a whole export read back) is there already.
        const std::optional<Entry> there = entry(fileNumber);
        if (there && there->corrects == item.corrects && there->sameContent(item)) {
            ++m_skipped;
            return fileNumber;
        }
        if (!there && m_error != texts::unknownEntry.arg(fileNumber))
            return std::nullopt;
        m_error.clear();
    }
    if (item.corrects > 0 && item.corrects <= m_importFirstKnown) {
        QSqlQuery check(database());
        check.prepare(QStringLiteral("SELECT COUNT(*) FROM entry WHERE corrects = ?"));
        check.addBindValue(item.corrects);
        if (!exec(check) || !check.next())
            return std::nullopt;
        if (check.value(0).toLongLong() > 0) {
            fail(texts::alreadyCorrected.arg(item.corrects));
            return std::nullopt;
        }
    }
    const std::optional<qint64> id = nextId();
    if (!id)
        return std::nullopt;
    m_pending.append(item);
    m_pending.last().id = *id;
    if (m_pending.size() >= kEntriesPerStatement && !flushImport())
        return std::nullopt;
    return id;
}

bool Store::flushImport()
{
    const auto put
        = [this](QSqlQuery &query, const QVariant &value) { query.bindValue(m_bound++, value); };
    // Each detail row as its entry's index and its own.
    QList<QPair<int, int>> steps;
    QList<QPair<int, int>> repairs;
    for (int e = 0; e < m_pending.size(); ++e) {
        for (int i = 0; i < m_pending.at(e).steps.size(); ++i)
            steps.append({ e, i });
        for (int i = 0; i < m_pending.at(e).repairs.size(); ++i)
            repairs.append({ e, i });
    }
    const bool done = insertRows(EntryTable, int(m_pending.size()), [&](QSqlQuery &query, int r) {
        const Entry &item = m_pending.at(r);
        put(query, item.id);
        put(query, kindKey(item.kind));
        put(query, text(item.locomotive));
        put(query, locomotiveKey(item.locomotive));
        put(query, text(item.technician));
        put(query, item.when.toSecsSinceEpoch());
        put(query, text(item.system));
        put(query, text(item.subject));
        put(query, item.notDefined ? 1 : 0);
        put(query, text(item.note));
        put(query,
            item.corrects > 0 ? QVariant(item.corrects) : QVariant(QMetaType(QMetaType::LongLong)));
        put(query, text(faultKey(item)));
        put(query, text(item.reason));
        put(query, recordedAt(item));
        put(query, text(item.task));
    }) && insertRows(StepTable, int(steps.size()), [&](QSqlQuery &query, int r) {
        const Entry &item = m_pending.at(steps.at(r).first);
        const int i = steps.at(r).second;
        put(query, item.id);
        put(query, i + 1);
        put(query, text(item.steps.at(i).question));
        put(query, text(item.steps.at(i).answer));
    }) && insertRows(RepairTable, int(repairs.size()), [&](QSqlQuery &query, int r) {
        const Entry &item = m_pending.at(repairs.at(r).first);
        const RepairLink &link = item.repairs.at(repairs.at(r).second);
        put(query, item.id);
        put(query, repairs.at(r).second + 1);
        put(query, text(link.kind));
        put(query, text(link.key));
        put(query, text(link.caption));
    });
    m_pending.clear();
    return done;
}

bool Store::finishImport(bool keep)
{
    const bool done = keep && flushImport() && commit();
    if (!done) {
        rollback();
        if (keep)
            m_error = texts::cannotSave.arg(texts::atPlace.arg(m_error, m_location.shown()));
    }
    m_pending.clear();
    m_reserved.clear();
    setWait(false);
    return done;
}

bool Store::readEntries(const QString &where, const QList<QVariant> &values, QList<Entry> &entries)
{
    QSqlQuery query(database());
    const bool prepared = query.prepare(
        QStringLiteral("SELECT %1 FROM entry e WHERE %2 ORDER BY e.id").arg(entryColumns(), where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!prepared || !query.exec())
        return failRead(query);
    while (query.next())
        entries.append(entryFromRow(query));
    if (!ended(query))
        return false;
    query.finish();
    return loadDetails(entries);
}

std::optional<Salvaged> Store::salvage(const std::function<bool(const Entry &)> &visit)
{
    m_error.clear();
    Salvaged result;
    if (m_absent || !database().isOpen())
        return result;
    // The highest number the log gave, from wherever it can still be read.
    qint64 highest = -1;
    QStringList sources { QStringLiteral("SELECT MAX(id) FROM entry") };
    if (isSQLite())
        sources << QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'entry'");
    for (const QString &sql : sources) {
        QSqlQuery query(database());
        if (query.exec(sql) && query.next())
            highest = std::max(highest, query.value(0).toLongLong());
        else if (query.lastError().isValid())
            failRead(query);
    }
    if (highest < 0)
        return std::nullopt;
    for (qint64 low = 1; low <= highest; low += kSalvageChunk) {
        const qint64 high = std::min(highest, low + kSalvageChunk - 1);
        QList<Entry> entries;
        if (!readEntries(QStringLiteral("e.id BETWEEN ? AND ?"), { low, high }, entries)) {
            // A damaged part: each entry of it on its own.
            entries.clear();
            for (qint64 id = low; id <= high; ++id) {
                if (const std::optional<Entry> found = entry(id))
                    entries.append(*found);
                else if (m_error != texts::unknownEntry.arg(id))
                    ++result.lost;
            }
        }
        for (const Entry &found : std::as_const(entries)) {
            if (!visit(found))
                return std::nullopt;
            ++result.whole;
        }
    }
    m_error.clear();
    return result;
}

} // namespace dipo::worklog
