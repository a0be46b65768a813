#pragma once

// The window set of the program: ten windows created once, in a fixed order, kept
// until the process ends and reachable through one global reference each (awal_menu,
// info, DIALOG1, menu1, DM, gayrem, PM, TUNEUP, umurrem, diagno).
namespace dipo::shell {

// Sets the application's title and reads the decimal separator, then creates the ten
// windows in order; the first, the start screen, is the main window. Needs a
// QApplication. Tests call it to build the whole application in-process.
void createForms();

// Destroys the windows in reverse order and clears the global references.
void destroyForms();

} // namespace dipo::shell
