// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

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
    // libpq's other keywords as given (sslmode, connect_timeout, ...), in their order.
    QList<QPair<QString, QString>> options;

    // How the user names it: the file's path, or the URL without a password.
    QString shown() const;
    // libpq's keywords for Qt's driver, "key='value'" joined by ';'; Dipo's defaults for
    // connect_timeout and application_name where the address gives none.
    QString connectOptions() const;
    // The whole connection string in libpq's keyword form, for libpq called directly.
    QString conninfo() const;
};

// "postgresql://user@host:port/dbname?keyword=value" (the scheme in any letter case, or
// "postgres://"), libpq's "keyword=value ..." form, a folder (a PostgreSQL Unix socket),
// "sqlite:FILE" or a file path. Empty text: the default file. An address is read by
// libpq's own rules; one that carries a password, an unknown keyword or a bad value is
// refused, and so is anything that looks like an address but is none. On error, returns
// nothing and sets why, which never holds a password.
std::optional<Location> parseLocation(const QString &text, QString *why);
// The text with every secret it may hold replaced, for messages about it.
QString redactedAddress(const QString &text);
// dipo.sqlite in the user's application data folder.
QString defaultLogFile();
// The log chosen: the text given (from --db or DIPO_DB, else the window's setting);
// empty gives the default file.
std::optional<Location> chosenLocation(const QString &setting, QString *why);

} // namespace dipo::worklog
