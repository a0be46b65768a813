// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace dipo {

// A companion window belongs to the window of its parent widget: non-modal, it stays
// above that window and takes no taskbar entry of its own (a dialog transient for it).
void makeCompanion(QWidget *window);
// Before a companion is shown: it is made transient for its parent's window.
void attachToOpener(QWidget *window);
// A companion's size and place, kept in the settings under its object name: restored
// onto the work area of its parent's screen (at the preferred size the first time, or
// when nothing fits), and saved.
void restoreCompanionPlace(QWidget *window, const QSize &preferred, const QSize &minimum);
void saveCompanionPlace(const QWidget *window);

} // namespace dipo
