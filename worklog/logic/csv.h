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

// The log as CSV (RFC 4180): UTF-8 with a byte-order mark so that spreadsheets read it,
// CRLF between records, every text field quoted. A diagnosis's answers and repair links
// are each one field, as JSON.
namespace dipo::worklog::csv {

QByteArray header();
QByteArray record(const Entry &entry);

// Writes every entry the filter matches, with its versions, to the device.
// False with why set when the log or the device fails.
bool write(Store &store, const Filter &filter, QIODevice *device, QString *why);

// Writes the whole file or nothing, as every file the program writes.
bool save(Store &store, const Filter &filter, const QString &path, QString *why);

// Writes every entry a damaged log still holds whole, as save() writes a file; nothing
// with why set when the log cannot be read at all or the file not written.
std::optional<Salvaged> salvage(Store &store, const QString &path, QString *why);

// Reads a file as write() makes it. Every row is checked; on the first faults it
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
