// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace dipo::shell {

// The toolkit's own texts (file, print and message dialogs, the text fields' menus) in
// Indonesian, as the program's are. Needs the application object; false if the
// embedded translation could not be loaded.
bool installToolkitTranslation();

// The program's icon at the sizes the build draws, for every window.
QIcon programIcon();

} // namespace dipo::shell
