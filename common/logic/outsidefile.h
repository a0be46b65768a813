// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reading a file that anyone may have put in a folder the program reads: a picture, a
// knowledge-base copy. Such a file may be a FIFO that blocks an open until something
// writes to it, a device that never ends, or far larger than anything the program would
// use. So the file is measured before it is opened, opened without blocking, measured
// again, and read no further than its cap. A symlink is judged as what it names.
namespace dipo::outside {

struct Refusal
{
    enum class Kind {
        Missing, // nothing by that name, or a dangling symlink
        NotRegular, // a FIFO, a device, a folder, a socket
        TooLarge, // over the cap, left unread
        Unreadable, // no permission, or the read failed
    };
    Kind kind;
    QString reason; // short, Indonesian: "bukan berkas biasa (FIFO)"
};

// The bytes of the file at `path`, at most `cap` of them; or why not. Never blocks on a
// FIFO and never takes more than `cap` bytes of memory for the data.
std::optional<QByteArray> readFile(const QString &path, qint64 cap, Refusal *refusal);

// "berkas lebih dari 4 MB, tidak dibaca" for a cap of 4 MiB.
QString tooLargeReason(qint64 cap);

// The program's arguments as text. A folder name that is not valid in the system's
// encoding cannot survive the trip into a QString and back, so such an argument (or the
// part after "=" of "--opt=value"), when it names an existing folder, is replaced by a
// name that reaches that folder through a descriptor kept open for the process's life.
QStringList arguments(int argc, char **argv);

} // namespace dipo::outside
