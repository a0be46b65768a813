// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dipo::files {

// The folder a save dialog opens in: the one the user last saved into, while it is
// there, else the documents folder, else the home folder.
QString saveFolder();
// Keeps the folder of a file just saved for the next save dialog (in the settings).
void rememberSaveFolder(const QString &savedFile);

} // namespace dipo::files
