// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/document.h"

#include <functional>

class QWidget;

namespace dipo::document {

// Asks for a printer (A4, 15 mm margins) and prints the document that `build` makes then.
// `docName` is also the name offered when printing to a file; focus goes back to `parent`.
enum class PrintOutcome { Cancelled, Printed, Failed };
PrintOutcome printWithDialog(QWidget *parent, const QString &docName, const QString &dialogTitle,
    const std::function<Builder()> &build);

// Printing lives in a module of its own (dipo_print.so), loaded at the first print and
// kept; empty when it is loaded, else why it cannot be. The first call loads it.
QString printModuleError();

} // namespace dipo::document
