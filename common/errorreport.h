// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

#include <QString>

#include <functional>

namespace dipo::errorreport {

// The text the message box shows for a message: a full stop is appended when the
// last character sorts after "." (a letter or a digit, for instance).
QString displayText(const QString &message);

// The caption of the error box: the application's title.
QString caption();

// Shows the error box (error icon, OK button, the application's title as caption),
// or hands caption and text to the sink installed by setSink().
void show(const QString &message);

// Tests install a sink to read what would be shown without a modal box; an empty
// function restores the message box.
using Sink = std::function<void(const QString &caption, const QString &text)>;
void setSink(Sink sink);

// Runs one handler: an Error thrown inside ends it at the failing step and is
// reported; the program goes on.
template <typename Handler>
void guard(Handler &&handler)
{
    try {
        handler();
    } catch (const Error &error) {
        show(error.message());
    }
}

} // namespace dipo::errorreport
