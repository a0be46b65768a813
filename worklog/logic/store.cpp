// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/store.h"

#include "worklog/logic/worklogtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QTimeZone>
#include <QUrl>
#include <QUrlQuery>

#include <atomic>

namespace dipo::worklog {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr int kSaveAttempts = 20;
constexpr int kDetailChunk = 2000;

std::atomic<int> g_connections { 0 };

QString kindName(Kind kind)
{
    return kind == Kind::Job ? QStringLiteral("job") : QStringLiteral("diagnosis");
}

Kind kindOf(const QString &name)
{
    return name == QLatin1String("job") ? Kind::Job : Kind::Diagnosis;
}

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

// A text to bind: an empty one is still text, never NULL.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QString(0, QChar())) : QVariant(text);
}

const char *const kRowColumns = "e.id, e.made_at, e.kind, e.locomotive, e.technician, "
                                "e.system_name, e.subject, e.not_defined, e.corrects";

} // namespace

QString Location::shown() const
{
    if (engine == Engine::SQLite)
        return QDir::toNativeSeparators(file);
    if (host.startsWith(QLatin1Char('/')))
        return QStringLiteral("postgresql:///%1?host=%2").arg(database, host);
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += user + QLatin1Char('@');
    text += host;
    if (port > 0)
        text += QLatin1Char(':') + QString::number(port);
    return text + QLatin1Char('/') + database;
}

QString defaultLogFile()
{
    // The program's application data folder (AppDataLocation of "dipo"), also from
    // dipo-log, whose own name differs.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(generic).filePath(QStringLiteral("dipo/dipo.sqlite"));
}

std::optional<Location> parseLocation(const QString &text, QString *why)
{
    Location location;
    if (text.isEmpty()) {
        location.file = defaultLogFile();
        return location;
    }
    if (text.startsWith(QLatin1String("postgresql://"))
        || text.startsWith(QLatin1String("postgres://"))) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid()) {
            *why = texts::badAddress.arg(text);
            return std::nullopt;
        }
        if (!url.password().isEmpty()) {
            *why = texts::passwordInAddress;
            return std::nullopt;
        }
        location.engine = Location::Engine::PostgreSQL;
        location.user = url.userName();
        location.host = url.host();
        location.port = url.port(-1);
        location.database = url.path().mid(1);
        const QUrlQuery query(url);
        if (query.hasQueryItem(QStringLiteral("host")))
            location.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
        return location;
    }
    QString path = text;
    if (path.startsWith(QLatin1String("sqlite:")))
        path = path.mid(7);
    if (path.isEmpty()) {
        *why = texts::badAddress.arg(text);
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        // The folder of a PostgreSQL server's Unix socket.
        location.engine = Location::Engine::PostgreSQL;
        location.host = info.absoluteFilePath();
        return location;
    }
    location.file = info.absoluteFilePath();
    return location;
}

std::optional<Location> chosenLocation(const QString &setting, QString *why)
{
    const QString fromEnvironment = qEnvironmentVariable("DIPO_DB");
    return parseLocation(fromEnvironment.isEmpty() ? setting : fromEnvironment, why);
}

Store::Store(const Location &location)
    : m_location(location)
    , m_connection(QStringLiteral("dipo-worklog-%1").arg(++g_connections))
{ }

Store::~Store()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Store::isOpen() const
{
    return m_absent || database().isOpen();
}

bool Store::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool Store::failQuery(const QSqlQuery &query)
{
    m_lastTransient = transient(query);
    QString reason = query.lastError().text();
    if (m_lastTransient)
        reason = texts::busy + QStringLiteral(" (") + reason + QLatin1Char(')');
    return fail(reason.trimmed());
}

bool Store::transient(const QSqlQuery &query) const
{
    const QString code = query.lastError().nativeErrorCode();
    if (isSQLite()) {
        const int primary = code.toInt() & 0xff;
        return primary == 5 || primary == 6; // SQLITE_BUSY, SQLITE_LOCKED
    }
    // Serialization failure, deadlock, lock not available.
    return code == QLatin1String("40001") || code == QLatin1String("40P01")
        || code == QLatin1String("55P03");
}

bool Store::exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    return failQuery(query);
}

bool Store::execText(const QString &sql)
{
    QSqlQuery query(database());
    if (query.exec(sql))
        return true;
    return failQuery(query);
}

bool Store::open(Purpose purpose)
{
    m_error.clear();
    const bool forWriting = purpose == Purpose::Write;
    if (database().isOpen()) {
        if (forWriting && !m_writable) {
            if (!migrate())
                return false;
            m_writable = true;
        }
        return true;
    }
    const QString shown = m_location.shown();
    QSqlDatabase db;
    const auto failOpen = [&](const QString &reason) {
        m_error = texts::cannotOpen.arg(shown, reason);
        db = QSqlDatabase();
        if (QSqlDatabase::contains(m_connection)) {
            QSqlDatabase::database(m_connection, false).close();
            QSqlDatabase::removeDatabase(m_connection);
        }
        return false;
    };

    const QString driver = isSQLite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver))
        return failOpen(texts::noDriver.arg(driver));

    if (isSQLite()) {
        const QFileInfo info(m_location.file);
        if (!info.exists()) {
            if (!forWriting) {
                m_absent = true;
                return true;
            }
            // The log holds who worked on what: only its owner reads it.
            const QString folder = info.absolutePath();
            if (!QDir().mkpath(folder))
                return failOpen(texts::noFolder.arg(QDir::toNativeSeparators(folder)));
            QFile file(m_location.file);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                    QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                && !file.exists())
                return failOpen(file.errorString());
        } else if (forWriting && !info.isWritable()) {
            return failOpen(texts::readOnly);
        }
    }
    m_absent = false;

    db = QSqlDatabase::addDatabase(driver, m_connection);
    if (isSQLite()) {
        db.setDatabaseName(m_location.file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    } else {
        db.setHostName(m_location.host);
        if (m_location.port > 0)
            db.setPort(m_location.port);
        db.setUserName(m_location.user);
        db.setDatabaseName(m_location.database);
        db.setConnectOptions(QStringLiteral("connect_timeout=5;application_name=dipo"));
    }
    if (!db.open())
        return failOpen(db.lastError().text().trimmed());

    if (isSQLite()) {
        // WAL lets a reader go on while another process saves; FULL makes a reported
        // save survive a power cut.
        // A larger page cache and memory-mapped reads for long lists and exports.
        for (const char *pragma : { "PRAGMA foreign_keys = ON", "PRAGMA synchronous = FULL",
                 "PRAGMA cache_size = -16384", "PRAGMA mmap_size = 268435456" }) {
            if (!execText(QString::fromLatin1(pragma)))
                return failOpen(m_error);
        }
        if (forWriting && !execText(QStringLiteral("PRAGMA journal_mode = WAL")))
            return failOpen(m_error);
    } else if (!execText(QStringLiteral("SET client_min_messages = warning"))) {
        return failOpen(m_error);
    }
    bool ok = false;
    const int version = readVersion(&ok);
    if (!ok)
        return failOpen(m_error);
    if (version > kSchemaVersion)
        return failOpen(texts::newerSchema.arg(version).arg(kSchemaVersion));
    if (forWriting) {
        if (!migrate())
            return failOpen(m_error);
        m_writable = true;
    }
    return true;
}

int Store::readVersion(bool *ok)
{
    *ok = false;
    QSqlQuery query(database());
    if (isSQLite()) {
        // Also the first read of the file: a file that is no database fails here.
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            failQuery(query);
            return 0;
        }
        *ok = true;
        return query.value(0).toInt();
    }
    if (!query.exec(QStringLiteral("SELECT to_regclass('dipo_schema') IS NOT NULL"))
        || !query.next()) {
        failQuery(query);
        return 0;
    }
    if (!query.value(0).toBool()) {
        *ok = true;
        return 0;
    }
    if (!query.exec(QStringLiteral("SELECT version FROM dipo_schema"))) {
        failQuery(query);
        return 0;
    }
    *ok = true;
    return query.next() ? query.value(0).toInt() : 0;
}

bool Store::writeVersion(int version)
{
    if (isSQLite())
        return execText(QStringLiteral("PRAGMA user_version = %1").arg(version));
    if (!execText(QStringLiteral("DELETE FROM dipo_schema")))
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO dipo_schema (version) VALUES (?)"));
    query.addBindValue(version);
    return exec(query);
}

int Store::schemaVersion()
{
    if (m_absent || !database().isOpen())
        return 0;
    bool ok = false;
    return readVersion(&ok);
}

bool Store::begin()
{
    // SQLite: take the write lock at once, so that two writers never deadlock on an
    // upgrade from reading.
    return execText(isSQLite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
}

bool Store::commit()
{
    return execText(QStringLiteral("COMMIT"));
}

void Store::rollback()
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("ROLLBACK"));
}

bool Store::migrate()
{
    for (int attempt = 0;; ++attempt) {
        m_lastTransient = false;
        if (begin()) {
            bool ok = true;
            if (!isSQLite()) {
                // Two PCs starting at once: one migrates, the other waits for it.
                ok = execText(QStringLiteral("SELECT pg_advisory_xact_lock(2203202201)"))
                    && execText(QStringLiteral(
                        "CREATE TABLE IF NOT EXISTS dipo_schema (version INTEGER NOT NULL)"));
            }
            int version = ok ? readVersion(&ok) : 0;
            if (ok && version > kSchemaVersion) {
                rollback();
                return fail(texts::newerSchema.arg(version).arg(kSchemaVersion));
            }
            while (ok && version < kSchemaVersion) {
                ok = runMigration(version + 1);
                if (ok)
                    ok = writeVersion(++version);
            }
            if (ok && commit())
                return true;
            rollback();
        }
        if (!m_lastTransient || attempt + 1 >= kSaveAttempts)
            return false;
        QThread::msleep(20 + QRandomGenerator::global()->bounded(80));
    }
}

bool Store::runMigration(int toVersion)
{
    const QString id = isSQLite() ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                  : QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY "
                                                   "PRIMARY KEY");
    QStringList steps;
    if (toVersion == 1) {
        steps << QStringLiteral("CREATE TABLE entry ("
                                "id %1,"
                                " kind TEXT NOT NULL,"
                                " locomotive TEXT NOT NULL,"
                                " locomotive_key TEXT NOT NULL,"
                                " technician TEXT NOT NULL,"
                                " made_at BIGINT NOT NULL,"
                                " system_name TEXT NOT NULL,"
                                " subject TEXT NOT NULL,"
                                " not_defined INTEGER NOT NULL,"
                                " note TEXT NOT NULL,"
                                " corrects BIGINT UNIQUE REFERENCES entry (id))")
                     .arg(id)
              << QStringLiteral("CREATE TABLE step ("
                                "entry_id BIGINT NOT NULL REFERENCES entry (id),"
                                " position INTEGER NOT NULL,"
                                " question TEXT NOT NULL,"
                                " answer TEXT NOT NULL,"
                                " PRIMARY KEY (entry_id, position))")
              << QStringLiteral("CREATE INDEX entry_made ON entry (made_at, id)")
              << QStringLiteral("CREATE INDEX entry_locomotive ON entry (locomotive_key)");
        for (const QString &sql : steps) {
            if (!execText(sql))
                return false;
        }
        return true;
    }
    if (toVersion == 2) {
        // The repair procedures linked to a conclusion, and the key that finds the same
        // cause again on a locomotive.
        steps << QStringLiteral("CREATE TABLE repair ("
                                "entry_id BIGINT NOT NULL REFERENCES entry (id),"
                                " position INTEGER NOT NULL,"
                                " kind TEXT NOT NULL,"
                                " target_key TEXT NOT NULL,"
                                " caption TEXT NOT NULL,"
                                " PRIMARY KEY (entry_id, position))")
              << QStringLiteral("ALTER TABLE entry ADD COLUMN fault_key TEXT NOT NULL DEFAULT ''")
              << QStringLiteral(
                     "CREATE INDEX entry_fault ON entry (locomotive_key, fault_key, made_at)");
        for (const QString &sql : steps) {
            if (!execText(sql))
                return false;
        }
        QSqlQuery rows(database());
        rows.setForwardOnly(true);
        if (!rows.exec(
                QStringLiteral("SELECT id, kind, system_name, subject, not_defined FROM entry")))
            return failQuery(rows);
        QList<QPair<qint64, QString>> keys;
        while (rows.next()) {
            Entry entry;
            entry.kind = kindOf(rows.value(1).toString());
            entry.system = rows.value(2).toString();
            entry.subject = rows.value(3).toString();
            entry.notDefined = rows.value(4).toInt() != 0;
            const QString key = faultKey(entry);
            if (!key.isEmpty())
                keys.append({ rows.value(0).toLongLong(), key });
        }
        QSqlQuery update(database());
        update.prepare(QStringLiteral("UPDATE entry SET fault_key = ? WHERE id = ?"));
        for (const auto &[entryId, key] : keys) {
            update.addBindValue(key);
            update.addBindValue(entryId);
            if (!exec(update))
                return false;
        }
        return true;
    }
    return fail(texts::notALog);
}

std::optional<qint64> Store::insert(const Entry &entry, qint64 corrects)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO entry (kind, locomotive, locomotive_key, technician, made_at, system_name,"
        " subject, not_defined, note, corrects, fault_key)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    query.addBindValue(kindName(entry.kind));
    query.addBindValue(bound(entry.locomotive));
    query.addBindValue(locomotiveKey(entry.locomotive));
    query.addBindValue(bound(entry.technician));
    query.addBindValue(entry.when.toSecsSinceEpoch());
    query.addBindValue(bound(entry.system));
    query.addBindValue(bound(entry.subject));
    query.addBindValue(entry.notDefined ? 1 : 0);
    query.addBindValue(bound(entry.note));
    query.addBindValue(
        corrects > 0 ? QVariant(corrects) : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(bound(faultKey(entry)));
    if (!exec(query) || !query.next()) {
        if (m_error.isEmpty())
            fail(query.lastError().text());
        return std::nullopt;
    }
    const qint64 id = query.value(0).toLongLong();
    query.finish();

    QSqlQuery step(database());
    step.prepare(QStringLiteral(
        "INSERT INTO step (entry_id, position, question, answer) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < entry.steps.size(); ++i) {
        step.addBindValue(id);
        step.addBindValue(i + 1);
        step.addBindValue(bound(entry.steps.at(i).question));
        step.addBindValue(bound(entry.steps.at(i).answer));
        if (!exec(step))
            return std::nullopt;
    }
    QSqlQuery repair(database());
    repair.prepare(QStringLiteral("INSERT INTO repair (entry_id, position, kind, target_key,"
                                  " caption) VALUES (?, ?, ?, ?, ?)"));
    for (int i = 0; i < entry.repairs.size(); ++i) {
        const RepairLink &link = entry.repairs.at(i);
        repair.addBindValue(id);
        repair.addBindValue(i + 1);
        repair.addBindValue(bound(link.kind));
        repair.addBindValue(bound(link.key));
        repair.addBindValue(bound(link.caption));
        if (!exec(repair))
            return std::nullopt;
    }
    return id;
}

std::optional<qint64> Store::save(const Entry &entry)
{
    if (!saveAll({ entry }))
        return std::nullopt;
    return m_lastSaved;
}

bool Store::saveAll(const QList<Entry> &entries)
{
    m_error.clear();
    for (const Entry &entry : entries) {
        if (const QString why = checkEntry(entry); !why.isEmpty())
            return fail(texts::cannotSave.arg(why));
    }
    if (!open(Purpose::Write))
        return false;
    for (int attempt = 0;; ++attempt) {
        m_lastTransient = false;
        m_error.clear();
        bool ok = begin();
        QList<qint64> ids;
        for (qsizetype i = 0; ok && i < entries.size(); ++i) {
            const Entry &entry = entries.at(i);
            qint64 corrects = entry.corrects;
            if (corrects < 0) {
                const qsizetype index = -corrects - 1;
                if (index >= ids.size()) {
                    fail(texts::csvReference);
                    ok = false;
                    break;
                }
                corrects = ids.at(index);
            } else if (corrects > 0) {
                QSqlQuery check(database());
                check.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM entry WHERE id = ?),"
                                             " (SELECT COUNT(*) FROM entry WHERE corrects = ?)"));
                check.addBindValue(corrects);
                check.addBindValue(corrects);
                ok = exec(check) && check.next();
                if (ok && check.value(0).toInt() == 0) {
                    fail(texts::unknownEntry.arg(corrects));
                    ok = false;
                } else if (ok && check.value(1).toInt() > 0) {
                    fail(texts::alreadyCorrected.arg(corrects));
                    ok = false;
                }
            }
            if (!ok)
                break;
            const std::optional<qint64> id = insert(entry, corrects);
            ok = id.has_value();
            if (ok)
                ids.append(*id);
        }
        if (ok && commit()) {
            m_lastSaved = ids.isEmpty() ? 0 : ids.constLast();
            return true;
        }
        rollback();
        if (!m_lastTransient || attempt + 1 >= kSaveAttempts) {
            m_error = texts::cannotSave.arg(m_error);
            return false;
        }
        QThread::msleep(10 + QRandomGenerator::global()->bounded(50 * (attempt + 1)));
    }
}

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
    const QString text = filter.text.trimmed().toLower();
    if (!text.isEmpty()) {
        conditions << QStringLiteral(
            "(LOWER(e.system_name) LIKE ? ESCAPE '!' OR LOWER(e.subject) LIKE ? ESCAPE '!')");
        const QString pattern = QLatin1Char('%') + escapeLike(text) + QLatin1Char('%');
        values << pattern << pattern;
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
    // no correction replaced.
    const QString recurring
        = QStringLiteral("CASE WHEN e.fault_key <> '' AND EXISTS (SELECT 1 FROM entry o"
                         " WHERE o.locomotive_key = e.locomotive_key AND o.fault_key = e.fault_key"
                         " AND o.id <> e.id AND o.made_at BETWEEN e.made_at - %1 AND e.made_at + %1"
                         " AND NOT EXISTS (SELECT 1 FROM entry oc WHERE oc.corrects = o.id))"
                         " THEN 1 ELSE 0 END")
              .arg(qint64(kRecurrenceDays) * 86400);
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT %1, %2 FROM entry e%3"
                                 " ORDER BY e.made_at DESC, e.id DESC LIMIT %4")
                      .arg(QLatin1String(kRowColumns), recurring, where)
                      .arg(limit));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query))
        return rows;
    while (query.next()) {
        Row row;
        row.id = query.value(0).toLongLong();
        row.madeAt = query.value(1).toLongLong();
        row.kind = kindOf(query.value(2).toString());
        row.locomotive = query.value(3).toString();
        row.technician = query.value(4).toString();
        row.system = query.value(5).toString();
        row.subject = query.value(6).toString();
        row.notDefined = query.value(7).toInt() != 0;
        row.corrected = !query.value(8).isNull();
        row.recurring = query.value(9).toInt() != 0;
        rows.append(row);
    }
    return rows;
}

qint64 Store::count(const Filter &filter)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return 0;
    QList<QVariant> values;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM entry e") + whereClause(filter, values));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

QStringList Store::recentLocomotives(int limit)
{
    QStringList numbers;
    if (m_absent || !database().isOpen())
        return numbers;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT locomotive FROM entry e ORDER BY made_at DESC, id DESC"
                                 " LIMIT %1")
                      .arg(limit * 20));
    if (!exec(query))
        return numbers;
    QSet<QString> seen;
    while (query.next() && numbers.size() < limit) {
        const QString number = query.value(0).toString();
        const QString key = locomotiveKey(number);
        if (!seen.contains(key)) {
            seen.insert(key);
            numbers << number;
        }
    }
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
    steps.prepare(QStringLiteral("SELECT entry_id, question, answer FROM step"
                                 " WHERE entry_id BETWEEN ? AND ? ORDER BY entry_id, position"));
    steps.addBindValue(low);
    steps.addBindValue(high);
    if (!exec(steps))
        return false;
    while (steps.next()) {
        const auto at = index.constFind(steps.value(0).toLongLong());
        if (at != index.constEnd())
            entries[*at].steps.append(
                Step { steps.value(1).toString(), steps.value(2).toString() });
    }
    QSqlQuery repairs(database());
    repairs.prepare(QStringLiteral("SELECT entry_id, kind, target_key, caption FROM repair"
                                   " WHERE entry_id BETWEEN ? AND ? ORDER BY entry_id, position"));
    repairs.addBindValue(low);
    repairs.addBindValue(high);
    if (!exec(repairs))
        return false;
    while (repairs.next()) {
        const auto at = index.constFind(repairs.value(0).toLongLong());
        if (at != index.constEnd())
            entries[*at].repairs.append(RepairLink { repairs.value(1).toString(),
                repairs.value(2).toString(), repairs.value(3).toString() });
    }
    return true;
}

namespace {

const char *const kEntryColumns = "e.id, e.kind, e.locomotive, e.technician, e.made_at,"
                                  " e.system_name, e.subject, e.not_defined, e.note, e.corrects";

Entry entryFrom(const QSqlQuery &query)
{
    Entry entry;
    entry.id = query.value(0).toLongLong();
    entry.kind = kindOf(query.value(1).toString());
    entry.locomotive = query.value(2).toString();
    entry.technician = query.value(3).toString();
    // In UTC: a local time costs a time-zone lookup on every row; shown, it is local.
    entry.when = QDateTime::fromSecsSinceEpoch(query.value(4).toLongLong(), Qt::UTC);
    entry.system = query.value(5).toString();
    entry.subject = query.value(6).toString();
    entry.notDefined = query.value(7).toInt() != 0;
    entry.note = query.value(8).toString();
    entry.corrects = query.value(9).isNull() ? 0 : query.value(9).toLongLong();
    return entry;
}

} // namespace

std::optional<Entry> Store::entry(qint64 id)
{
    m_error.clear();
    if (m_absent || !database().isOpen())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(
        QStringLiteral("SELECT %1 FROM entry e WHERE e.id = ?").arg(QLatin1String(kEntryColumns)));
    query.addBindValue(id);
    if (!exec(query))
        return std::nullopt;
    if (!query.next()) {
        fail(texts::unknownEntry.arg(id));
        return std::nullopt;
    }
    QList<Entry> entries { entryFrom(query) };
    query.finish();
    if (!loadDetails(entries))
        return std::nullopt;
    return entries.constFirst();
}

qint64 Store::latest(qint64 id)
{
    if (m_absent || !database().isOpen())
        return id;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id FROM entry WHERE corrects = ?"));
    for (int guard = 0; guard < 10000; ++guard) {
        query.addBindValue(id);
        if (!exec(query) || !query.next())
            break;
        id = query.value(0).toLongLong();
        query.finish();
    }
    return id;
}

QList<Entry> Store::history(qint64 id)
{
    QList<Entry> versions;
    for (int guard = 0; id > 0 && guard < 10000; ++guard) {
        const std::optional<Entry> found = entry(id);
        if (!found)
            break;
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
        query.prepare(QStringLiteral("SELECT %1 FROM entry e%2 ORDER BY e.id LIMIT %3")
                          .arg(QLatin1String(kEntryColumns), where)
                          .arg(kDetailChunk));
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!exec(query))
            return false;
        QList<Entry> entries;
        while (query.next())
            entries.append(entryFrom(query));
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
        if (!query.exec(QStringLiteral("PRAGMA integrity_check")))
            return { query.lastError().text() };
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << line;
        }
        if (!query.exec(QStringLiteral("PRAGMA foreign_key_check")))
            return { query.lastError().text() };
        while (query.next())
            problems << QStringLiteral("foreign key: %1 row %2")
                            .arg(query.value(0).toString(), query.value(1).toString());
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
