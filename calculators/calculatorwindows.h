// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dipo {
class Window;
}

// The calculators' windows, one for each row of the calculator table
// (calculators/logic/calculatortable.h), made and destroyed by the form registry.
namespace dipo::calc {

// Makes the windows in the table's order; each is also reachable through its own global
// reference (umurrem, gayrem, DM).
void createWindows();
// Destroys them in the reverse order and clears the references.
void destroyWindows();

// The window of the row with this key; null for a key the table lacks or before
// createWindows().
dipo::Window *window(const QString &key);

// True when every row of the table has exactly one window and every window a row.
bool everyRowHasAWindow();

} // namespace dipo::calc
