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
#include <QSqlRecord>
#include <QStandardPaths>
#include <QThread>
#include <QTimeZone>
#include <QUrl>

#include <QSqlDriver>

#include <libpq-fe.h>
#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dipo::worklog {

namespace {

// How long a read or a write waits for another user of the log, once; a write first
// tries for a moment, and says that it waits before it does.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kQuickWaitMs = 300;
constexpr int kStatementTimeoutMs = 120000;

std::atomic<int> g_connections { 0 };

// A text to bind: an empty one is still text, never NULL.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QString(0, QChar())) : QVariant(text);
}

// dipo_fold(text): the text case-folded as Qt folds it.
void foldText(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const void *text = sqlite3_value_text16(arguments[0]);
    if (!text) {
        sqlite3_result_null(context);
        return;
    }
    const int bytes = sqlite3_value_bytes16(arguments[0]);
    const QString folded
        = QString::fromUtf16(static_cast<const char16_t *>(text), bytes / 2).toCaseFolded();
    sqlite3_result_text16(context, folded.utf16(), int(folded.size() * 2), SQLITE_TRANSIENT);
}

} // namespace

QString Store::entryColumns(int version)
{
    QString columns = QStringLiteral("e.id, e.kind, e.locomotive, e.technician, e.made_at,"
                                     " e.system_name, e.subject, e.not_defined, e.note,"
                                     " e.corrects");
    // A log of an older schema, opened for reading only, lacks the later columns.
    columns
        += version >= 3 ? QStringLiteral(", e.reason, e.recorded_at") : QStringLiteral(", '', 0");
    columns += version >= 4 ? QStringLiteral(", e.task_id") : QStringLiteral(", ''");
    return columns;
}

Store::Store(const Location &location)
    : m_location(location)
    , m_connection(QStringLiteral("dipo-worklog-%1").arg(++g_connections))
{ }

Store::~Store()
{
    m_statements.clear();
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

QString Store::reasonOf(const QSqlError &error)
{
    m_detail = error.text().trimmed();
    const QString code = error.nativeErrorCode();
    if (code.isEmpty()) // Qt's own refusal: a statement that did not fit the database
        return texts::commandFailed.arg(QStringLiteral("Qt"));
    if (isSQLite()) {
        switch (code.toInt() & 0xff) {
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            return texts::busy;
        case 3: // SQLITE_PERM
        case 23: // SQLITE_AUTH
            return texts::noPermission;
        case 8: // SQLITE_READONLY
            return texts::readOnly;
        case 10: // SQLITE_IOERR
            return texts::diskError;
        case 11: // SQLITE_CORRUPT
            return texts::damaged;
        case 13: // SQLITE_FULL
            return texts::diskFull;
        case 14: // SQLITE_CANTOPEN
            return texts::cannotOpenFile;
        case 19: // SQLITE_CONSTRAINT
            return texts::conflict;
        case 26: // SQLITE_NOTADB
            return texts::notALog;
        default:
            return texts::commandFailed.arg(code);
        }
    }
    const QString group = code.left(2);
    if (code == QLatin1String("40001") || code == QLatin1String("40P01")
        || code == QLatin1String("55P03"))
        return texts::busy;
    if (code == QLatin1String("57014"))
        return texts::serverTooSlow;
    if (code == QLatin1String("42501"))
        return texts::noPermission;
    if (code == QLatin1String("42P01") || code == QLatin1String("42703"))
        return texts::notALog;
    if (code == QLatin1String("XX001") || code == QLatin1String("XX002"))
        return texts::damaged;
    if (group == QLatin1String("23"))
        return texts::conflict;
    if (group == QLatin1String("53"))
        return texts::serverFull;
    if (group == QLatin1String("08") || group == QLatin1String("57"))
        return texts::serverGone;
    return texts::commandFailed.arg(code);
}

bool Store::failQuery(const QSqlQuery &query)
{
    m_lastTransient = transient(query);
    return fail(reasonOf(query.lastError()));
}

bool Store::failRead(const QSqlQuery &query)
{
    failQuery(query);
    m_error = texts::cannotRead.arg(m_location.shown(), m_error);
    return false;
}

bool Store::ended(const QSqlQuery &query)
{
    // next() ends on an error as it ends on the last row.
    return !query.lastError().isValid() || failRead(query);
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

void Store::disconnect()
{
    m_statements.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_writable = false;
    m_readOnlyConnection = false;
}

QString Store::connectionFailure(const QSqlError &error)
{
    m_detail = error.text().trimmed();
    if (isSQLite())
        return error.nativeErrorCode().isEmpty() ? texts::cannotOpenFile : reasonOf(error);
    // libpq's own words are English and several lines: its ping tells the cases apart.
    switch (PQping(m_location.conninfo().toUtf8().constData())) {
    case PQPING_OK:
        return texts::serverRefused;
    case PQPING_REJECT:
        return texts::serverBusy;
    case PQPING_NO_ATTEMPT:
        return texts::addressUnreadable;
    case PQPING_NO_RESPONSE:
        break;
    }
    return texts::serverNoAnswer;
}

bool Store::open(Purpose purpose)
{
    m_error.clear();
    m_detail.clear();
    const bool forWriting = purpose == Purpose::Write;
    if (database().isOpen()) {
        if (!forWriting || m_writable)
            return true;
        if (!m_readOnlyConnection) {
            bool ok = !isSQLite() || execText(QStringLiteral("PRAGMA query_only = OFF"));
            int version = 0;
            const Content content = ok ? identifyWaiting(&version, &ok) : Content::Foreign;
            if (ok && content != Content::Foreign && content != Content::Newer
                && prepareForWriting(content)) {
                m_version = kSchemaVersion;
                m_writable = true;
                return true;
            }
            m_error = texts::cannotOpen.arg(m_location.shown(), m_error);
            return false;
        }
        disconnect(); // opened for reading only: again, for writing
    }
    const auto failOpen = [&](const QString &reason) {
        m_error = texts::cannotOpen.arg(m_location.shown(), reason);
        disconnect();
        return false;
    };
    const QString driver = isSQLite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver))
        return failOpen(texts::noDriver.arg(driver));
    m_absent = false;
    if (isSQLite() && !prepareFile(forWriting))
        return failOpen(m_error);
    if (m_absent)
        return true;
    if (!connect(forWriting))
        return failOpen(m_error);
    bool ok = false;
    int version = 0;
    const Content content = identifyWaiting(&version, &ok);
    if (!ok)
        return failOpen(m_error);
    if (content == Content::Newer)
        return failOpen(texts::newerSchema.arg(version).arg(kSchemaVersion));
    if (content == Content::Foreign)
        return failOpen(texts::notALog);
    m_version = version;
    if (!forWriting) {
        if (content == Content::Empty) {
            // An empty file or database reads as an empty log, as a missing file does.
            disconnect();
            m_absent = true;
        }
        return true;
    }
    if (!prepareForWriting(content))
        return failOpen(m_error);
    m_version = kSchemaVersion;
    m_writable = true;
    return true;
}

namespace {

// Makes each missing folder of the path for its owner only, whatever the umask.
bool makeFolders(const QString &folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    for (qsizetype end = 1; end <= path.size(); ++end) {
        if (end < path.size() && path.at(end) != '/')
            continue;
        const QByteArray part = path.left(end);
        struct stat status = {};
        if (::stat(part.constData(), &status) == 0)
            continue;
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

bool Store::prepareFile(bool forWriting)
{
    const QByteArray path = QFile::encodeName(m_location.file);
    const QFileInfo info(m_location.file);
    struct stat status = {};
    const bool present = ::stat(path.constData(), &status) == 0;
    if (present && !S_ISREG(status.st_mode))
        return fail(texts::notAFile);
    if (!present && !forWriting) {
        m_absent = true; // a dangling link too: nothing to read
        return true;
    }
    if (forWriting) {
        // Whoever may write the folder may swap the log for a link to a file of theirs.
        const QString folder = info.absolutePath();
        if (!present && !makeFolders(folder))
            return fail(texts::noFolder.arg(QDir::toNativeSeparators(folder)));
        struct stat folderStatus = {};
        if (::stat(QFile::encodeName(folder).constData(), &folderStatus) != 0)
            return fail(texts::noFolder.arg(QDir::toNativeSeparators(folder)));
        if (folderStatus.st_uid != ::geteuid() && folderStatus.st_uid != 0)
            return fail(texts::folderForeign.arg(QDir::toNativeSeparators(folder)));
        if (folderStatus.st_mode & S_IWOTH)
            return fail(texts::folderOpen.arg(QDir::toNativeSeparators(folder)));
        if (!present) {
            // Never through a link, and readable by its owner only.
            const int fd = ::open(path.constData(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
            if (fd < 0) {
                const int error = errno;
                if (info.isSymLink())
                    return fail(texts::danglingLink);
                return fail(QStringLiteral("%1 (%2)").arg(
                    texts::cannotOpenFile, QString::fromLocal8Bit(std::strerror(error))));
            }
            ::close(fd);
        } else if (::access(path.constData(), W_OK) != 0) {
            return fail(texts::readOnly);
        }
        return true;
    }
    // For reading only. A log its reader may write is opened as usual, so that the last
    // connection removes the -wal and -shm files; else nothing may be made beside it.
    m_readOnlyConnection = ::access(path.constData(), W_OK) != 0
        || ::access(QFile::encodeName(info.absolutePath()).constData(), W_OK) != 0;
    return true;
}

bool Store::connect(bool forWriting)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(
        isSQLite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_connection);
    if (isSQLite()) {
        QStringList options { QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs) };
        QString name = m_location.file;
        if (!forWriting && m_readOnlyConnection) {
            options << QStringLiteral("QSQLITE_OPEN_READONLY")
                    << QStringLiteral("QSQLITE_OPEN_URI");
            // Without a -wal file nobody is writing (a writer would need to make one
            // here): the file is read as it is, and no -shm file is made beside it.
            const bool wal = QFileInfo::exists(m_location.file + QStringLiteral("-wal"));
            name = QUrl::fromLocalFile(m_location.file).toString(QUrl::FullyEncoded)
                + (wal ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=ro&immutable=1"));
        }
        db.setDatabaseName(name);
        db.setConnectOptions(options.join(QLatin1Char(';')));
    } else {
        db.setHostName(m_location.host);
        if (m_location.port > 0)
            db.setPort(m_location.port);
        db.setUserName(m_location.user);
        db.setDatabaseName(m_location.database);
        db.setConnectOptions(m_location.connectOptions());
    }
    if (!db.open())
        return fail(connectionFailure(db.lastError()));
    if (isSQLite()) {
        // The search's case folding, for every letter.
        const QVariant handle = db.driver()->handle();
        sqlite3 *connection = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
            ? *static_cast<sqlite3 *const *>(handle.constData())
            : nullptr;
        if (!connection
            || sqlite3_create_function_v2(connection, "dipo_fold", 1,
                   SQLITE_UTF16 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, foldText,
                   nullptr, nullptr, nullptr)
                != SQLITE_OK)
            return fail(texts::noDriver.arg(QStringLiteral("QSQLITE")));
        // FULL makes a reported save survive a power cut. A larger page cache and
        // memory-mapped reads for long lists and exports. None of these writes a byte.
        QStringList pragmas { QStringLiteral("PRAGMA foreign_keys = ON"),
            QStringLiteral("PRAGMA synchronous = FULL"),
            QStringLiteral("PRAGMA cache_size = -16384"),
            QStringLiteral("PRAGMA mmap_size = 268435456") };
        if (!forWriting)
            pragmas << QStringLiteral("PRAGMA query_only = ON");
        for (const QString &pragma : pragmas) {
            if (!execText(pragma))
                return false;
        }
        return true;
    }
    // A lock held by another session, or a server that does not answer, ends in a few
    // seconds with a reason instead of a wait without end.
    return execText(QStringLiteral("SET client_min_messages = warning"))
        && execText(QStringLiteral("SET lock_timeout = %1").arg(kBusyTimeoutMs))
        && execText(QStringLiteral("SET statement_timeout = %1").arg(kStatementTimeoutMs));
}

Store::Content Store::identify(int *version, bool *ok)
{
    *ok = false;
    *version = 0;
    QSqlQuery query(database());
    bool hasTables = false;
    if (isSQLite()) {
        // Also the first read of the file: a file that is no database fails here.
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            failQuery(query);
            return Content::Foreign;
        }
        *version = query.value(0).toInt();
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !query.next()) {
            failQuery(query);
            return Content::Foreign;
        }
        hasTables = query.value(0).toLongLong() > 0;
    } else {
        if (!query.exec(QStringLiteral(
                "SELECT to_regclass('dipo_schema') IS NOT NULL, (SELECT COUNT(*) FROM pg_class c"
                " JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = current_schema()"
                " AND c.relkind IN ('r', 'p', 'v', 'm', 'f'))"))
            || !query.next()) {
            failQuery(query);
            return Content::Foreign;
        }
        hasTables = query.value(1).toLongLong() > 0;
        if (query.value(0).toBool()) {
            // Dipo's table of one row and one column, or another's of the same name.
            if (!query.exec(QStringLiteral("SELECT *, COUNT(*) OVER () FROM dipo_schema"))) {
                *ok = !transient(query);
                if (!*ok)
                    failQuery(query);
                return Content::Foreign;
            }
            const QSqlRecord columns = query.record();
            if (columns.count() != 2 || columns.fieldName(0) != QLatin1String("version")
                || !query.next() || query.value(1).toInt() != 1) {
                *ok = ended(query);
                return Content::Foreign;
            }
            *version = query.value(0).toInt();
        }
    }
    *ok = true;
    if (*version == 0)
        return hasTables ? Content::Foreign : Content::Empty;
    if (*version > kSchemaVersion)
        return Content::Newer;
    // The columns Dipo reads, in the tables Dipo made.
    QStringList probes {
        QStringLiteral("SELECT %1 FROM entry e LIMIT 0").arg(entryColumns(*version)),
        QStringLiteral("SELECT entry_id, position, question, answer FROM step LIMIT 0")
    };
    if (*version >= 2)
        probes << QStringLiteral(
            "SELECT entry_id, position, kind, target_key, caption FROM repair LIMIT 0")
               << QStringLiteral("SELECT fault_key FROM entry LIMIT 0");
    for (const QString &probe : probes) {
        if (!query.exec(probe)) {
            if (transient(query)) {
                *ok = false;
                failQuery(query);
            }
            return Content::Foreign;
        }
    }
    return Content::Dipo;
}

Store::Content Store::identifyWaiting(int *version, bool *ok)
{
    // The first look at the log: a short try; when another user holds it, one wait of a
    // few seconds, told.
    if (!setWait(true)) {
        *ok = false;
        return Content::Foreign;
    }
    m_lastTransient = false;
    Content content = identify(version, ok);
    if (!*ok && m_lastTransient) {
        if (m_waitNotice)
            m_waitNotice();
        setWait(false);
        content = identify(version, ok);
    }
    if (!setWait(false) && *ok) {
        *ok = false;
        return Content::Foreign;
    }
    if (!*ok)
        return content;
    if (content == Content::Newer)
        fail(texts::newerSchema.arg(*version).arg(kSchemaVersion));
    else if (content == Content::Foreign)
        fail(texts::notALog);
    return content;
}

bool Store::prepareForWriting(Content content)
{
    if (isSQLite() && content == Content::Dipo) {
        // A damaged log is refused before its first write, as it was found.
        QSqlQuery check(database());
        if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
            return failQuery(check);
        if (check.value(0).toString() != QLatin1String("ok")) {
            m_detail = check.value(0).toString();
            return fail(texts::damaged);
        }
        check.finish();
    }
    if (isSQLite()) {
        if (content == Content::Empty) {
            // Made here, or an empty file: readable by its owner only, as the log it becomes.
            QFile::setPermissions(
                m_location.file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        // WAL lets a reader go on while another process saves.
        QSqlQuery mode(database());
        if (!mode.exec(QStringLiteral("PRAGMA journal_mode")) || !mode.next())
            return failQuery(mode);
        const bool wal = mode.value(0).toString() == QLatin1String("wal");
        mode.finish(); // no statement may be open when the mode changes
        if (!wal && !execText(QStringLiteral("PRAGMA journal_mode = WAL")))
            return false;
    }
    if (content == Content::Empty || schemaVersion() < kSchemaVersion)
        return migrate();
    return true;
}

int Store::readVersion(bool *ok)
{
    int version = 0;
    const Content content = identify(&version, ok);
    if (*ok && content == Content::Foreign) {
        *ok = false;
        fail(texts::notALog);
    }
    return version;
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

bool Store::setWait(bool quick)
{
    const int ms = quick ? kQuickWaitMs : kBusyTimeoutMs;
    return execText(isSQLite() ? QStringLiteral("PRAGMA busy_timeout = %1").arg(ms)
                               : QStringLiteral("SET lock_timeout = %1").arg(ms));
}

bool Store::writeTransaction(const std::function<bool()> &steps)
{
    // A short try; when another user holds the log, one wait of a few seconds, told.
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_lastTransient = false;
        if (!setWait(attempt == 0))
            return false;
        const bool done = begin() && steps() && commit();
        if (!done)
            rollback();
        if (done || !m_lastTransient) {
            if (attempt == 0)
                setWait(false);
            return done;
        }
        if (attempt == 0 && m_waitNotice)
            m_waitNotice();
    }
    return false;
}

bool Store::migrate()
{
    return writeTransaction([this] { return migrateLocked(); });
}

bool Store::migrateLocked()
{
    bool ok = true;
    if (!isSQLite()) {
        // Two PCs starting at once: one migrates, the other waits for it.
        ok = execText(QStringLiteral("SELECT pg_advisory_xact_lock(2203202201)"));
    }
    int version = 0;
    const Content content = ok ? identify(&version, &ok) : Content::Foreign;
    if (!ok)
        return false;
    if (content == Content::Newer)
        return fail(texts::newerSchema.arg(version).arg(kSchemaVersion));
    if (content == Content::Foreign)
        return fail(texts::notALog);
    if (!isSQLite() && content == Content::Empty
        && !execText(QStringLiteral("CREATE TABLE dipo_schema (version INTEGER NOT NULL)")))
        return false;
    while (version < kSchemaVersion) {
        if (!runMigration(version + 1) || !writeVersion(version + 1))
            return false;
        ++version;
    }
    return true;
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
            entry.kind = kindFromKey(rows.value(1).toString());
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
    if (toVersion == 3) {
        // Why a correction was made, and when each entry was written (0: not known).
        steps << QStringLiteral("ALTER TABLE entry ADD COLUMN reason TEXT NOT NULL DEFAULT ''")
              << QStringLiteral(
                     "ALTER TABLE entry ADD COLUMN recorded_at BIGINT NOT NULL DEFAULT 0");
        for (const QString &sql : steps) {
            if (!execText(sql))
                return false;
        }
        return true;
    }
    if (toVersion == 4) {
        // The depot: its locomotives, their meter readings, and the planned task a job did.
        const QString id = isSQLite() ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                      : QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY"
                                                       " PRIMARY KEY");
        steps << QStringLiteral("CREATE TABLE locomotive ("
                                "locomotive_key TEXT PRIMARY KEY,"
                                " number TEXT NOT NULL,"
                                " series TEXT NOT NULL,"
                                " note TEXT NOT NULL,"
                                " in_service TEXT NOT NULL,"
                                " recorded_at BIGINT NOT NULL)")
              << QStringLiteral("CREATE TABLE meter_reading ("
                                "id %1,"
                                " locomotive_key TEXT NOT NULL REFERENCES locomotive"
                                " (locomotive_key),"
                                " meter TEXT NOT NULL CHECK (meter IN ('hours', 'km')),"
                                " read_on TEXT NOT NULL,"
                                " reading DOUBLE PRECISION NOT NULL CHECK (reading >= 0),"
                                " replaced INTEGER NOT NULL,"
                                " reader TEXT NOT NULL,"
                                " recorded_at BIGINT NOT NULL)")
                     .arg(id)
              << QStringLiteral(
                     "CREATE INDEX meter_reading_of ON meter_reading (locomotive_key, meter,"
                     " read_on, id)")
              << QStringLiteral("CREATE INDEX meter_reading_replaced ON meter_reading"
                                " (locomotive_key, meter) WHERE replaced = 1")
              << QStringLiteral("ALTER TABLE entry ADD COLUMN task_id TEXT NOT NULL DEFAULT ''");
        for (const QString &sql : steps) {
            if (!execText(sql))
                return false;
        }
        return true;
    }
    return fail(texts::notALog);
}

qint64 Store::recordedAt(const Entry &entry)
{
    return entry.recordedAt.isValid() ? entry.recordedAt.toSecsSinceEpoch()
                                      : QDateTime::currentSecsSinceEpoch();
}

std::optional<qint64> Store::insert(const Entry &entry, qint64 corrects)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO entry (kind, locomotive, locomotive_key, technician, made_at, system_name,"
        " subject, not_defined, note, corrects, fault_key, reason, recorded_at, task_id)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    query.addBindValue(kindKey(entry.kind));
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
    query.addBindValue(bound(entry.reason));
    query.addBindValue(recordedAt(entry));
    query.addBindValue(bound(entry.task));
    if (!exec(query))
        return std::nullopt;
    if (!query.next()) {
        failQuery(query);
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
    m_detail.clear();
    for (const Entry &entry : entries) {
        if (const QString why = checkEntry(entry); !why.isEmpty())
            return fail(texts::cannotSave.arg(why));
    }
    if (!open(Purpose::Write))
        return false;
    QList<qint64> ids;
    const auto steps = [&] {
        ids.clear();
        for (const Entry &entry : entries) {
            qint64 corrects = entry.corrects;
            if (corrects < 0) {
                const qsizetype index = -corrects - 1;
                if (index >= ids.size())
                    return fail(texts::csvReference);
                corrects = ids.at(index);
            } else if (corrects > 0) {
                QSqlQuery check(database());
                check.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM entry WHERE id = ?),"
                                             " (SELECT COUNT(*) FROM entry WHERE corrects = ?)"));
                check.addBindValue(corrects);
                check.addBindValue(corrects);
                if (!exec(check) || !check.next())
                    return false;
                if (check.value(0).toInt() == 0)
                    return fail(texts::unknownEntry.arg(corrects));
                if (check.value(1).toInt() > 0)
                    return fail(texts::alreadyCorrected.arg(corrects));
            }
            const std::optional<qint64> id = insert(entry, corrects);
            if (!id)
                return false;
            ids.append(*id);
        }
        return true;
    };
    if (!writeTransaction(steps)) {
        // The database's refusals name the place; the entry's own faults need not.
        const bool ownFault = m_detail.isEmpty() && !m_lastTransient;
        m_error = texts::cannotSave.arg(
            ownFault ? m_error : texts::atPlace.arg(m_error, m_location.shown()));
        return false;
    }
    m_lastSaved = ids.isEmpty() ? 0 : ids.constLast();
    return true;
}

} // namespace dipo::worklog
