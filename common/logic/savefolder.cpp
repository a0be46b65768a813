// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/savefolder.h"

#include "common/logic/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dipo::files {

QString saveFolder()
{
    const QString last = settings::lastSaveFolder();
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
        settings::setLastSaveFolder(folder);
}

} // namespace dipo::files
