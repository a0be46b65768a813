// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace dipo::diagnosis {

struct KbChoice;

// When the window runs on the built-in base because the chosen folder's base failed,
// the error box says so once, just after the window is first shown.
void tellOnFirstShow(QWidget *window, const KbChoice &choice);

} // namespace dipo::diagnosis
