// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace dipo {

// Runs a modal dialog of a window and gives the focus back to that window after it, to
// the control that had it: the window manager would otherwise pick any window.
int execDialog(QDialog &dialog);

// The save dialog of every "Simpan": it opens in the folder last saved into, offers
// `fileName` (its suffix is the one added to a name typed without), and gives the focus
// back as execDialog does. Empty when the user cancels.
QString askSavePath(
    QWidget *parent, const QString &title, const QString &filter, const QString &fileName);
// The same with a choice of file types: *chosen names the one offered first and, when the
// user saves, the one chosen.
QString askSavePath(QWidget *parent, const QString &title, const QStringList &filters, int *chosen,
    const QString &fileName);

} // namespace dipo
