// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/settings.h"

#include <QSettings>

namespace dipo::settings {

namespace {

const QString kLastSaveFolder = QStringLiteral("files/lastSaveFolder");
const QString kLogDatabase = QStringLiteral("catatan/basisdata");

QString windowPlaceKey(const QString &windowName)
{
    return QStringLiteral("windows/%1/geometry").arg(windowName);
}

} // namespace

QString lastSaveFolder()
{
    return QSettings().value(kLastSaveFolder).toString();
}

void setLastSaveFolder(const QString &folder)
{
    QSettings().setValue(kLastSaveFolder, folder);
}

QString logDatabase()
{
    return QSettings().value(kLogDatabase).toString();
}

void setLogDatabase(const QString &address)
{
    QSettings settings;
    if (address.isEmpty())
        settings.remove(kLogDatabase);
    else
        settings.setValue(kLogDatabase, address);
}

QByteArray windowPlace(const QString &windowName)
{
    return QSettings().value(windowPlaceKey(windowName)).toByteArray();
}

void setWindowPlace(const QString &windowName, const QByteArray &geometry)
{
    QSettings().setValue(windowPlaceKey(windowName), geometry);
}

} // namespace dipo::settings
