// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/print.h"

#include <QString>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QWidget;

// What the print module offers. The module is the only part of the program that links
// Qt PrintSupport; it is loaded at the first print, so a start that prints nothing never
// loads Qt PrintSupport.
namespace dipo::document {

struct PrintRequest
{
    QWidget *parent = nullptr;
    QString docName;
    QString dialogTitle;
    // Shows the printer dialog as the program shows every dialog (execDialog).
    std::function<int(QDialog &)> exec;
    // Paints the document on the printer the user chose.
    std::function<void(QPagedPaintDevice *)> render;
};

// The module's one exported function, by this name.
inline constexpr const char *kPrintSymbol = "dipo_print_with_dialog";
using PrintFunction = PrintOutcome (*)(const PrintRequest &);

} // namespace dipo::document
