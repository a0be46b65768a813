// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace dipo {
namespace a11y {

// What assistive technology (AT-SPI, and through it Orca) is told beside what is shown:
// containers report themselves as panes and only windows as windows or dialogs, line edits
// get a text interface that works around Qt 6.4's faults, and no password character
// leaves the program. Installed once; every window calls it when it is made.
void install();

// The name a window has for a screen reader, by its object name ("diagno": "Diagnosa
// kerusakan — Dipo"); the caption on its title bar stays.
QString windowName(const QString &objectName);

// Speaks the text now, where the focus is, without moving it: the window shows a
// notification (of no size) with the text as its name, which Orca speaks as it appears.
void announce(QWidget *window, const QString &text);

// A text with its table marks and line breaks made plain line breaks, and any other
// private-use character a blank, character for character.
QString plainForReading(const QString &text);

} // namespace a11y
} // namespace dipo
