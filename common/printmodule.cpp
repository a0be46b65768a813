// SPDX-License-Identifier: GPL-3.0-or-later
// The print module (dipo_print.so): asks for a printer and prints.
#include "common/printmodule.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT dipo::document::PrintOutcome dipo_print_with_dialog(
    const dipo::document::PrintRequest &request)
{
    using dipo::document::PrintOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request.docName);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, request.parent);
    dialog.setWindowTitle(request.dialogTitle);
    if (request.exec(dialog) != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    if (!printer.isValid())
        return PrintOutcome::Failed;
    request.render(&printer);
    return printer.printerState() == QPrinter::Error ? PrintOutcome::Failed : PrintOutcome::Printed;
}
