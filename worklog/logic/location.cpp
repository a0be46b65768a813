// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/location.h"

#include "worklog/logic/worklogtexts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <libpq-fe.h>

namespace dipo::worklog {

namespace {

// Keywords that would carry a secret; refused whatever their form.
const QSet<QString> kSecrets { QStringLiteral("password"), QStringLiteral("sslpassword") };

// Keywords whose values libpq only checks when it connects: checked here, so that a typo
// is told before anything is tried.
struct Allowed
{
    const char *keyword;
    const char *values; // separated by blanks; empty: a whole number
};

const Allowed kChecked[] = {
    { "sslmode", "disable allow prefer require verify-ca verify-full" },
    { "gssencmode", "disable prefer require" },
    { "channel_binding", "disable prefer require" },
    { "target_session_attrs", "any read-write read-only primary standby prefer-standby" },
    { "ssl_min_protocol_version", "TLSv1 TLSv1.1 TLSv1.2 TLSv1.3" },
    { "ssl_max_protocol_version", "TLSv1 TLSv1.1 TLSv1.2 TLSv1.3" },
    { "sslcompression", "0 1" },
    { "sslsni", "0 1" },
    { "keepalives", "0 1" },
    { "connect_timeout", "" },
    { "keepalives_idle", "" },
    { "keepalives_interval", "" },
    { "keepalives_count", "" },
    { "tcp_user_timeout", "" },
};

bool wholeNumber(const QString &text, qint64 low, qint64 high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const qint64 value = text.toLongLong();
    return value >= low && value <= high;
}

// Why the value of a keyword is refused; empty when it is good.
QString badValue(const QString &keyword, const QString &value)
{
    if (keyword == QLatin1String("port")) {
        for (const QString &port : value.split(QLatin1Char(','))) {
            if (!wholeNumber(port, 1, 65535))
                return texts::addressBadValue.arg(keyword);
        }
        return QString();
    }
    for (const Allowed &allowed : kChecked) {
        if (keyword != QLatin1String(allowed.keyword))
            continue;
        const QStringList values
            = QString::fromLatin1(allowed.values).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool good
            = values.isEmpty() ? wholeNumber(value, 0, 100000000) : values.contains(value);
        return good ? QString() : texts::addressBadValue.arg(keyword);
    }
    return QString();
}

bool isKeyword(const QString &word)
{
    static const QSet<QString> keywords = [] {
        QSet<QString> found;
        if (PQconninfoOption *defaults = PQconndefaults()) {
            for (PQconninfoOption *option = defaults; option->keyword; ++option)
                found.insert(QString::fromLatin1(option->keyword));
            PQconninfoFree(defaults);
        }
        return found;
    }();
    return keywords.contains(word);
}

enum class Form { File, Uri, Keywords, Unknown };

// What the text is meant to be, before it is read.
Form formOf(const QString &text)
{
    static const QRegularExpression postgres(
        QStringLiteral("^postgres(ql)?:"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:/"));
    static const QRegularExpression keyword(QStringLiteral("^\\s*([A-Za-z_]+)\\s*="));
    if (postgres.match(text).hasMatch())
        return Form::Uri;
    if (scheme.match(text).hasMatch())
        return Form::Unknown;
    const QRegularExpressionMatch word = keyword.match(text);
    if (word.hasMatch() && isKeyword(word.captured(1)))
        return Form::Keywords;
    return Form::File;
}

QString quoted(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

std::optional<Location> fromConninfo(const QString &text, QString *why)
{
    const QString shownText = redactedAddress(text);
    char *error = nullptr;
    PQconninfoOption *parsed = PQconninfoParse(text.toUtf8().constData(), &error);
    if (!parsed) {
        // libpq names an unknown keyword in quotes; its other faults are the form's.
        const QString detail = error ? QString::fromUtf8(error).trimmed() : QString();
        PQfreemem(error);
        static const QRegularExpression named(QStringLiteral("(option|parameter)\\W*\"([^\"]*)\""));
        const QRegularExpressionMatch match = named.match(detail);
        // Named only when it is a word: the name is part of the address, secrets and all.
        static const QRegularExpression word(QStringLiteral("^[A-Za-z_]{1,40}$"));
        const QString keyword = match.hasMatch() ? match.captured(2) : QString();
        const QString reason = word.match(keyword).hasMatch() && !kSecrets.contains(keyword)
            ? texts::addressUnknownKeyword.arg(keyword)
            : texts::addressUnreadable;
        *why = texts::addressInvalid.arg(shownText, reason);
        return std::nullopt;
    }
    Location location;
    location.engine = Location::Engine::PostgreSQL;
    QString refusal;
    for (PQconninfoOption *option = parsed; option->keyword; ++option) {
        if (!option->val)
            continue;
        const QString keyword = QString::fromLatin1(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        if (kSecrets.contains(keyword)) {
            refusal = texts::passwordInAddress;
            break;
        }
        if (const QString bad = badValue(keyword, value); !bad.isEmpty()) {
            refusal = texts::addressInvalid.arg(shownText, bad);
            break;
        }
        if (keyword == QLatin1String("host")) {
            location.host = value;
        } else if (keyword == QLatin1String("port")) {
            // A list of ports for a list of hosts goes to libpq as it is.
            if (value.contains(QLatin1Char(',')))
                location.options.append({ keyword, value });
            else
                location.port = value.toInt();
        } else if (keyword == QLatin1String("user")) {
            // "user%3Asecret@": a password spelt as part of the name.
            if (value.contains(QLatin1Char(':'))) {
                refusal = texts::passwordInAddress;
                break;
            }
            location.user = value;
        } else if (keyword == QLatin1String("dbname")) {
            location.database = value;
        } else if (value.contains(QLatin1Char(';'))) {
            // Qt's driver splits its options at ';'.
            refusal = texts::addressInvalid.arg(shownText, texts::addressBadValue.arg(keyword));
            break;
        } else {
            location.options.append({ keyword, value });
        }
    }
    PQconninfoFree(parsed);
    if (!refusal.isEmpty()) {
        *why = refusal;
        return std::nullopt;
    }
    return location;
}

} // namespace

QString Location::shown() const
{
    if (engine == Engine::SQLite)
        return QDir::toNativeSeparators(file);
    QStringList query;
    QString text = QStringLiteral("postgresql://");
    // A socket folder, a list of hosts or an IPv6 address: as a parameter.
    static const QRegularExpression plainHost(QStringLiteral("^[A-Za-z0-9._-]*$"));
    if (!plainHost.match(host).hasMatch()) {
        query << QStringLiteral("host=") + QString::fromUtf8(QUrl::toPercentEncoding(host, "/"));
        if (!user.isEmpty())
            query << QStringLiteral("user=") + QString::fromUtf8(QUrl::toPercentEncoding(user));
        if (port > 0)
            query << QStringLiteral("port=%1").arg(port);
    } else {
        if (!user.isEmpty())
            text += QString::fromUtf8(QUrl::toPercentEncoding(user)) + QLatin1Char('@');
        text += host;
        if (port > 0)
            text += QLatin1Char(':') + QString::number(port);
    }
    for (const auto &[keyword, value] : options)
        query << keyword + QLatin1Char('=') + QString::fromUtf8(QUrl::toPercentEncoding(value));
    text += QLatin1Char('/') + QString::fromUtf8(QUrl::toPercentEncoding(database));
    return query.isEmpty() ? text : text + QLatin1Char('?') + query.join(QLatin1Char('&'));
}

QString Location::connectOptions() const
{
    QStringList parts;
    bool timeout = false;
    bool name = false;
    for (const auto &[keyword, value] : options) {
        timeout = timeout || keyword == QLatin1String("connect_timeout");
        name = name || keyword == QLatin1String("application_name");
        parts << keyword + QLatin1Char('=') + quoted(value);
    }
    if (!timeout)
        parts << QStringLiteral("connect_timeout=5");
    if (!name)
        parts << QStringLiteral("application_name=dipo");
    return parts.join(QLatin1Char(';'));
}

QString Location::conninfo() const
{
    QStringList parts;
    if (!host.isEmpty())
        parts << QStringLiteral("host=") + quoted(host);
    if (port > 0)
        parts << QStringLiteral("port=%1").arg(port);
    if (!user.isEmpty())
        parts << QStringLiteral("user=") + quoted(user);
    if (!database.isEmpty())
        parts << QStringLiteral("dbname=") + quoted(database);
    parts << connectOptions().split(QLatin1Char(';'));
    return parts.join(QLatin1Char(' '));
}

QString redactedAddress(const QString &text)
{
    // Every "user:secret@" keeps only the user, wherever it stands, also with its colon
    // spelt %3A; every password keyword keeps only its name.
    static const QRegularExpression userInfo(QStringLiteral(":[^@/?#]*@"));
    static const QRegularExpression encoded(
        QStringLiteral("%3a[^@/?#]*@"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression keyed(
        QStringLiteral("((?:ssl)?password\\s*=\\s*)('(?:[^'\\\\]|\\\\.)*'|[^&\\s]*)"),
        QRegularExpression::CaseInsensitiveOption);
    QString shown = text;
    shown.replace(userInfo, QStringLiteral(":***@"));
    shown.replace(encoded, QStringLiteral("%3A***@"));
    shown.replace(keyed, QStringLiteral("\\1***"));
    return shown;
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
    QString path = text;
    if (path.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        path = path.mid(7);
    } else {
        switch (formOf(text)) {
        case Form::Uri: {
            // libpq knows its schemes in small letters only.
            const qsizetype colon = text.indexOf(QLatin1Char(':'));
            const QString uri = text.left(colon).toLower() + text.mid(colon);
            if (!uri.startsWith(QLatin1String("postgresql://"))
                && !uri.startsWith(QLatin1String("postgres://"))) {
                *why = texts::addressInvalid.arg(redactedAddress(text), texts::addressUnreadable);
                return std::nullopt;
            }
            return fromConninfo(uri, why);
        }
        case Form::Keywords:
            return fromConninfo(text, why);
        case Form::Unknown:
            *why = texts::badAddress.arg(redactedAddress(text));
            return std::nullopt;
        case Form::File:
            break;
        }
    }
    if (path.isEmpty()) {
        *why = texts::badAddress.arg(redactedAddress(text));
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

} // namespace dipo::worklog
