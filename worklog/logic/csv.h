// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/entry.h"
#include "worklog/logic/store.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QFile;
class QIODevice;

class QLocale;

// The log as CSV (RFC 4180): UTF-8 with a byte-order mark so that spreadsheets read it,
// CRLF between records, every text field quoted. The date is local time with its offset
// (2026-12-10T09:30:00+07:00); the kind is a code for scripts ("diagnosis", "job") and, in
// the last column, the word the log window shows. A diagnosis's answers and repair links
// are each one field, as JSON.
namespace dipo::worklog::csv {

// Commas between fields for scripts; semicolons for spreadsheets where the decimal
// separator is a comma. In the semicolon form a text that a spreadsheet would run as a
// formula (it begins with = + - @, a tab or a carriage return) is written after an
// apostrophe; so is a text that begins with apostrophes before one of those, so that the
// reader, which takes one apostrophe off exactly these, gets every text back as it was.
// A file's form is told by the separator after the header's first column.
enum class Form { Comma, Semicolon };

// The form a spreadsheet in the locale expects.
Form spreadsheetForm(const QLocale &locale);

QByteArray header(Form form = Form::Comma);
QByteArray record(const Entry &entry, Form form = Form::Comma);

// Writes every entry the filter matches, with its versions, to the device.
// False with why set when the log or the device fails.
bool write(
    Store &store, const Filter &filter, QIODevice *device, QString *why, Form form = Form::Comma);

// Writes the whole file or nothing, as every file the program writes.
bool save(
    Store &store, const Filter &filter, const QString &path, QString *why, Form form = Form::Comma);

// Writes every entry a damaged log still holds whole, as save() writes a file; nothing
// with why set when the log cannot be read at all or the file not written.
std::optional<Salvaged> salvage(Store &store, const QString &path, QString *why);

// Reads a file as write() makes it in either form, or as earlier versions made it (the
// date in UTC, no kind's word). Every row is checked; on the first faults it
// returns nothing and the faults, "baris N: ...". A row's corrects names an earlier row
// as -n (the n-th entry read), ready for Store::saveAll().
struct Parsed
{
    QList<Entry> entries;
    QStringList faults;
};
Parsed parse(const QByteArray &bytes);

// The largest file import() takes.
constexpr qint64 kMaxImportBytes = qint64(2) * 1024 * 1024 * 1024;

// Opens a file to import ("-" for standard input): a regular file within the size
// limit, never a FIFO or a device. The reason when it cannot.
std::optional<QString> openInput(const QString &path, QFile &file);

// Reads the device as a stream and saves its entries into the log in one transaction:
// every row checked, all or nothing. An entry already in the log with the same number
// and content is skipped.
struct Imported
{
    qint64 read = 0;
    qint64 added = 0;
    qint64 skipped = 0;
    QStringList faults; // the file's: "baris N: ..."
    bool storeFailed = false; // the log's: Store::errorString()
};
Imported import(Store &store, QIODevice *device);

} // namespace dipo::worklog::csv
