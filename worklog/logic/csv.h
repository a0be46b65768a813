// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/entry.h"
#include "worklog/logic/store.h"

#include <QByteArray>
#include <QList>
#include <QString>

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

// Reads a file as write() makes it. Every row is checked; on the first faults it
// returns nothing and the faults, "baris N: ...". A row's corrects names an earlier row
// as -n (the n-th entry read), ready for Store::saveAll().
struct Parsed
{
    QList<Entry> entries;
    QStringList faults;
};
Parsed parse(const QByteArray &bytes);

} // namespace dipo::worklog::csv
