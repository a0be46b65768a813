// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dipo::files {

namespace {
const QString kKey = QStringLiteral("files/lastSaveFolder");
} // namespace

QString saveFolder()
{
    const QString last = QSettings().value(kKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return documents;
    return QDir::homePath();
}

void rememberSaveFolder(const QString &savedFile)
{
    const QString folder = QFileInfo(savedFile).absolutePath();
    if (!folder.isEmpty())
        QSettings().setValue(kKey, folder);
}

} // namespace dipo::files
