// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace dipo::files {

namespace {

QString withDetail(const QString &why, const QString &detail)
{
    return detail.isEmpty() ? why : QStringLiteral("%1 (%2)").arg(why, detail);
}

// What stands in the way before a byte is written, judged as the user sees it: QSaveFile
// itself reports all of these as a write error.
QString obstacle(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return texts::reasonIsFolder;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return texts::reasonNoFolder;
    if (target.exists() && !target.isWritable())
        return texts::reasonReadOnly;
    if (!folder.isWritable())
        return texts::reasonNoPermission;
    return QString();
}

// A write that failed: a full disk is told as such, anything else with the system's words.
QString writeFailure(const QSaveFile &file, const QString &path, qint64 needed)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < needed)
        return withDetail(texts::reasonDiskFull, file.errorString());
    return withDetail(texts::reasonWrite, file.errorString());
}

} // namespace

namespace {

QString save(const QString &path, const Producer &produce, qint64 needed)
{
    QString why = obstacle(path);
    if (!why.isEmpty())
        return why;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        why = obstacle(path);
        return withDetail(why.isEmpty() ? texts::reasonNoPermission : why, file.errorString());
    }
    // Each step is checked: QSaveFile notices a write that fails at once, but not one that
    // fails when its buffer is flushed at commit, and would rename a cut file over the old.
    QString sourceWhy;
    const bool produced = produce(&file, &sourceWhy);
    const bool written = produced && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        // The producer's own fault has its reason; a write of its that failed is the file's.
        const bool fileFault = produced || file.error() != QFileDevice::NoError
            || sourceWhy.isEmpty() || sourceWhy == file.errorString();
        why = fileFault ? writeFailure(file, path, needed) : sourceWhy;
        file.cancelWriting();
        return why; // the temporary file goes with `file`
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            return withDetail(texts::reasonRename, file.errorString());
        return writeFailure(file, path, needed);
    }
    return QString();
}

} // namespace

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    return save(path,
        [&bytes](QIODevice *device, QString *) { return device->write(bytes) == bytes.size(); },
        bytes.size());
}

QString saveWhole(const QString &path, const Producer &produce)
{
    // Of a stream the size is not known: a disk without a byte left is a full one.
    return save(path, produce, 1);
}

} // namespace dipo::files
