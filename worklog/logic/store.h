// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/entry.h"
#include "worklog/logic/location.h"
#include "worklog/logic/locomotive.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QSqlError;
class QSqlQuery;

namespace dipo::worklog {

// Which entries a list shows.
struct Filter
{
    QString locomotive; // a number, or its beginning
    QString text; // part of the system, the result, the note or the technician
    QDate from; // first day, local time; null for no bound
    QDate to; // last day, included
    bool latestOnly = true; // leave out entries that a correction replaced
    QString technician; // part of the technician's name
    std::optional<Kind> kind; // one kind only
};

// A line of the log's table.
struct Row
{
    qint64 id = 0;
    qint64 madeAt = 0; // seconds since the epoch
    Kind kind = Kind::Diagnosis;
    QString locomotive;
    QString technician;
    QString system;
    QString subject;
    bool notDefined = false;
    bool recurring = false; // the same cause on this locomotive within 90 days
    bool corrected = false; // this entry corrects an earlier one
};

// Where a list page ends; the next page starts after it.
struct PageEnd
{
    qint64 madeAt = 0;
    qint64 id = 0;
};

// What salvage() could read.
struct Salvaged
{
    qint64 whole = 0; // entries read whole and handed on
    qint64 lost = 0; // entries, or numbers in a damaged part, that could not be read
};

// The workshop log: one connection, the schema and its migrations, and every read and
// write. Every save is one transaction with bound values; a save that meets a busy log
// waits once, a few seconds at most. Every read checks how it ended: a read that fails
// is an error, never a shorter result. Nothing is written to a file or database before
// it is known to be empty or Dipo's log. Nothing is opened before open() is called.
class Store
{
public:
    static constexpr int kSchemaVersion = 4;
    static constexpr int kRecurrenceDays = 90;

    explicit Store(const Location &location);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const Location &location() const { return m_location; }

    // Opens the log. For reading, a log file that does not exist yet stays absent and
    // reads as empty, and the file is opened for reading only; for writing, it is made
    // (readable by its owner only), checked once for damage, and its schema brought up to
    // date in one transaction when it is not. False with errorString() set when the log
    // cannot be used.
    enum class Purpose { Read, Write };
    bool open(Purpose purpose);
    bool isOpen() const;
    // False for a log not made yet (opened for reading): no file, or an empty one or an
    // empty database.
    bool exists() const { return !m_absent; }
    // The reason of the last failure, for the user: one line naming the place.
    QString errorString() const { return m_error; }
    // The database driver's own words for the last failure, for --verbose.
    QString errorDetail() const { return m_detail; }
    // Called once when a write has to wait for another user of the log.
    void setWaitNotice(const std::function<void()> &notice) { m_waitNotice = notice; }

    // The schema version the log has; 0 for none yet.
    int schemaVersion();

    // Saves a new entry; returns its id, or nothing with errorString() set.
    std::optional<qint64> save(const Entry &entry);
    // Saves entries all in one transaction, or none of them. Each entry's corrects may
    // name, as a negative number -n, the n-th entry of the list (1-based).
    bool saveAll(const QList<Entry> &entries);

    std::optional<Entry> entry(qint64 id);
    // The entry and every version before it, newest first; the latest that replaces it
    // is found by latest().
    QList<Entry> history(qint64 id);
    qint64 latest(qint64 id);

    QList<Row> page(const Filter &filter, const std::optional<PageEnd> &after, int limit);
    qint64 count(const Filter &filter);
    // The latest entry that no correction replaced with the same kind, locomotive,
    // system and subject as this one, made within a day of it: a record about to be made
    // twice. Nothing when there is none (or the read failed: see errorString()).
    std::optional<Row> sameRecord(const Entry &entry);
    // Locomotive numbers used lately, newest first, each once.
    QStringList recentLocomotives(int limit);
    // Every entry matching the filter with its versions, oldest first, in pages.
    bool forEachEntry(const Filter &filter, const std::function<bool(const Entry &)> &visit);

    // An import: entries added one by one into one transaction, all or nothing. Each
    // entry's corrects is an id in the log (0 for none); add() returns the new id. An
    // entry whose id is already in the log with the same content and correction is not
    // added again: add() returns its id and counts it in skipped().
    bool beginImport();
    std::optional<qint64> add(const Entry &entry, qint64 fileNumber);
    bool finishImport(bool keep);
    qint64 skipped() const { return m_skipped; }

    // Every entry that can still be read whole, oldest first, for a damaged log.
    std::optional<Salvaged> salvage(const std::function<bool(const Entry &)> &visit);

    // The database's own integrity check and the log's: steps and links that belong to
    // no entry, corrections of missing entries. Empty when all is well.
    QStringList integrityProblems();

    // The depot's register. A number already registered (by its key) is refused.
    bool registerLocomotive(const Locomotive &locomotive);
    std::optional<Locomotive> locomotive(const QString &number);
    QList<Locomotive> locomotives();
    // Numbers in the log that the register does not hold, each once.
    QStringList unregisteredLocomotives();

    // A meter reading of a registered locomotive. Refused when lower than the last one
    // (unless a replaced meter) or dated before it; one faster than maxPerDay since the
    // last is refused with needsConfirmation() set, unless confirmed.
    std::optional<qint64> addReading(const QString &number, maintenance::Meter meter,
        const maintenance::Reading &reading, const QString &reader, double maxPerDay,
        bool confirmed);
    bool needsConfirmation() const { return m_needsConfirmation; }
    // A locomotive's entries of one kind that no correction replaced, with their repair
    // links (not their steps), oldest first.
    QList<Entry> entriesOf(const QString &number, Kind kind);
    // The same, only the readings themselves: what the plan is worked out from.
    QList<maintenance::Reading> meterReadings(const QString &number, maintenance::Meter meter);
    // Only the readings a plan needs, with the same counts as all of them: the first and
    // the latest, those of the recent days before the latest, every replaced meter and
    // the reading before it, and the last one on or before each of the days.
    QList<maintenance::Reading> meterReadings(const QString &number, maintenance::Meter meter,
        const QList<QDate> &days, int recentDays = 30);
    // A locomotive's jobs that no correction replaced, as much as a plan needs of them.
    struct JobDone
    {
        qint64 madeAt = 0; // seconds since the epoch
        QString system;
        QString subject;
        QString task;
    };
    QList<JobDone> jobsOf(const QString &number);
    // A locomotive's readings of one meter, oldest first.
    QList<MeterRecord> readings(const QString &number, maintenance::Meter meter);
    // The day a planned task was last done on a locomotive: the latest job (no
    // correction replaced) naming the task, or naming none but the task's component as
    // its subject in the maintenance guide's part of the log.
    std::optional<QDate> lastDone(const QString &number, const QString &taskId,
        const QString &system, const QString &componentSubject);

    // For tests: the database to look into; only when open.
    QSqlDatabase database() const;

private:
    enum class Content { Empty, Dipo, Newer, Foreign };
    bool fail(const QString &reason);
    bool failQuery(const QSqlQuery &query);
    bool failRead(const QSqlQuery &query);
    bool ended(const QSqlQuery &query);
    QString reasonOf(const QSqlError &error);
    QString connectionFailure(const QSqlError &error);
    bool connect(bool forWriting);
    void disconnect();
    bool prepareFile(bool forWriting);
    Content identify(int *version, bool *ok);
    Content identifyWaiting(int *version, bool *ok);
    bool prepareForWriting(Content content);
    bool setWait(bool quick);
    bool writeTransaction(const std::function<bool()> &steps);
    bool flushImport();
    QSqlQuery &statement(int table, int rows);
    bool insertRows(int table, int count, const std::function<void(QSqlQuery &, int)> &bind);
    std::optional<qint64> nextId();
    // The entry's columns in the order entryFromRow() reads them.
    static QString entryColumns(int version);
    QString entryColumns() const { return entryColumns(m_version); }
    static Entry entryFromRow(const QSqlQuery &query);
    bool readEntries(const QString &where, const QList<QVariant> &values, QList<Entry> &entries);
    bool exec(QSqlQuery &query);
    bool execText(const QString &sql);
    bool begin();
    bool commit();
    void rollback();
    bool migrate();
    bool migrateLocked();
    bool runMigration(int toVersion);
    int readVersion(bool *ok);
    bool writeVersion(int version);
    std::optional<qint64> insert(const Entry &entry, qint64 corrects);
    static qint64 recordedAt(const Entry &entry);
    bool loadDetails(QList<Entry> &entries);
    QString whereClause(const Filter &filter, QList<QVariant> &values) const;
    bool isSQLite() const { return m_location.engine == Location::Engine::SQLite; }
    bool transient(const QSqlQuery &query) const;

    Location m_location;
    QString m_connection;
    bool m_absent = false; // a log not made yet, opened for reading
    int m_version = 0; // the schema of the log as opened
    bool m_writable = false;
    bool m_readOnlyConnection = false;
    QString m_detail;
    std::function<void()> m_waitNotice;
    // The import under way.
    QList<Entry> m_pending; // ids given, not yet written
    qint64 m_importFirstKnown = 0; // ids up to this one were in the log before
    qint64 m_nextId = 0; // SQLite: the next id to give
    QList<qint64> m_reserved; // PostgreSQL: ids taken from the sequence, not yet given
    QHash<int, QSqlQuery> m_statements; // the import's statements, by table and rows
    qint64 m_skipped = 0;
    int m_bound = 0; // values bound to the import's statement so far
    bool m_lastTransient = false;
    qint64 m_lastSaved = 0;
    bool m_needsConfirmation = false;
    QString m_error;
};

} // namespace dipo::worklog
