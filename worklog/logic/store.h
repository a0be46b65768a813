// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/entry.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QSqlQuery;

namespace dipo::worklog {

// Where the log lives: an SQLite file on this PC, or a PostgreSQL database that the
// depot's PCs share. No password is ever part of it: libpq finds one itself.
struct Location
{
    enum class Engine { SQLite, PostgreSQL };
    Engine engine = Engine::SQLite;
    QString file; // SQLite
    QString host; // PostgreSQL: a host name, or the folder of a Unix socket
    int port = -1;
    QString user;
    QString database;

    // How the user names it: the file's path, or the URL without a password.
    QString shown() const;
};

// "postgresql://user@host:port/dbname" (or "postgres://"), a folder (a PostgreSQL Unix
// socket), "sqlite:FILE" or a file path. Empty text: the default file. On error, returns
// nothing and sets why.
std::optional<Location> parseLocation(const QString &text, QString *why);
// dipo.sqlite in the user's application data folder.
QString defaultLogFile();
// The log chosen: the text given (from --db or DIPO_DB, else the window's setting);
// empty gives the default file.
std::optional<Location> chosenLocation(const QString &setting, QString *why);

// Which entries a list shows.
struct Filter
{
    QString locomotive; // a number, or its beginning
    QString text; // part of the system or the result
    QDate from; // first day, local time; null for no bound
    QDate to; // last day, included
    bool latestOnly = true; // leave out entries that a correction replaced
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

// The workshop log: one connection, the schema and its migrations, and every read and
// write. Every save is one transaction with bound values; a save that meets a busy log
// waits and tries again. Nothing is opened before open() is called.
class Store
{
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kRecurrenceDays = 90;

    explicit Store(const Location &location);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const Location &location() const { return m_location; }

    // Opens the log. For reading, a log file that does not exist yet stays absent and
    // reads as empty; for writing, it is made (readable by its owner only) and its
    // schema brought up to date in one transaction. False with errorString() set when
    // the log cannot be used.
    enum class Purpose { Read, Write };
    bool open(Purpose purpose);
    bool isOpen() const;
    // The reason of the last failure, for the user.
    QString errorString() const { return m_error; }

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
    // Locomotive numbers used lately, newest first, each once.
    QStringList recentLocomotives(int limit);
    // Every entry matching the filter with its versions, oldest first, in pages.
    bool forEachEntry(const Filter &filter, const std::function<bool(const Entry &)> &visit);

    // The database's own integrity check and the log's: steps and links that belong to
    // no entry, corrections of missing entries. Empty when all is well.
    QStringList integrityProblems();

    // For tests: the database to look into; only when open.
    QSqlDatabase database() const;

private:
    bool fail(const QString &reason);
    bool failQuery(const QSqlQuery &query);
    bool exec(QSqlQuery &query);
    bool execText(const QString &sql);
    bool begin();
    bool commit();
    void rollback();
    bool migrate();
    bool runMigration(int toVersion);
    int readVersion(bool *ok);
    bool writeVersion(int version);
    std::optional<qint64> insert(const Entry &entry, qint64 corrects);
    bool loadDetails(QList<Entry> &entries);
    QString whereClause(const Filter &filter, QList<QVariant> &values) const;
    bool isSQLite() const { return m_location.engine == Location::Engine::SQLite; }
    bool transient(const QSqlQuery &query) const;

    Location m_location;
    QString m_connection;
    bool m_absent = false; // an SQLite log not made yet, opened for reading
    bool m_writable = false;
    bool m_lastTransient = false;
    qint64 m_lastSaved = 0;
    QString m_error;
};

} // namespace dipo::worklog
