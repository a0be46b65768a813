// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Every file the program writes goes through here: made in memory first, then written
// beside the target and renamed over it only when every write and the flush succeeded.
// A save that fails leaves the old file as it was and no temporary file behind.
namespace dipo::files {

namespace texts {
inline const QString reasonNoFolder = QStringLiteral("folder tidak ada atau tidak dapat ditulisi");
inline const QString reasonNoPermission = QStringLiteral("tidak ada izin menulis");
inline const QString reasonIsFolder = QStringLiteral("tujuan adalah folder, bukan berkas");
inline const QString reasonReadOnly = QStringLiteral("berkas tujuan hanya dapat dibaca");
inline const QString reasonDiskFull = QStringLiteral("gagal menulis, disk penuh");
inline const QString reasonWrite = QStringLiteral("gagal menulis");
inline const QString reasonRename = QStringLiteral("berkas tidak dapat diganti");
} // namespace texts

// Writes `bytes` as the whole content of `path`. Returns why it failed, in the program's
// words with the system's own detail in parentheses where it adds something; empty on
// success.
QString saveWhole(const QString &path, const QByteArray &bytes);

// The same for content too large to hold in memory: `produce` writes it into the device
// and returns false when it fails, with its reason when the fault is its own source's;
// a write to the device that fails is told as the file's fault.
using Producer = std::function<bool(QIODevice *device, QString *why)>;
QString saveWhole(const QString &path, const Producer &produce);

} // namespace dipo::files
