// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What the program keeps between runs in the user's settings: every key it writes is
// declared here, each with its type.
namespace dipo::settings {

// The folder of the last file saved: "files/lastSaveFolder".
QString lastSaveFolder();
void setLastSaveFolder(const QString &folder);

// The workshop log chosen in its window ("Basis data…"): "catatan/basisdata"; an empty
// text removes the choice.
QString logDatabase();
void setLogDatabase(const QString &address);

// A companion window's place and size, by its object name: "windows/NAME/geometry".
QByteArray windowPlace(const QString &windowName);
void setWindowPlace(const QString &windowName, const QByteArray &geometry);

} // namespace dipo::settings
