// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window set of the program: ten windows created once, in a fixed order, kept
// until the process ends and reachable through one global reference each (awal_menu,
// info, DIALOG1, menu1, the calculators of calculators/logic/calculatortable.h in its
// order: umurrem, gayrem, DM; then PM, TUNEUP, diagno).
namespace dipo::shell {

// Sets the application's title and reads the decimal separator, then creates the ten
// windows in order; the first, the start screen, is the main window. Needs a
// QApplication. Tests call it to build the whole application in-process.
void createForms();

// Start-up as the program does it: the same ten windows in the same order, but the start
// screen is shown as soon as it is made, and the other nine are made once it has been
// painted, before any input is handled. Returns when all ten exist.
void startUp();

// Hands the workshop log's record dialog to the windows that record into it (the trail,
// the maintenance guide, the tune-up tutorials); createForms() and startUp() do it.
void recordIntoTheLog();

// Destroys the windows in reverse order and clears the global references.
void destroyForms();

} // namespace dipo::shell
