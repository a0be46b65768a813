// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/print.h"

#include "common/dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace dipo::document {

PrintOutcome printWithDialog(QWidget *parent, const QString &docName, const QString &dialogTitle,
    const std::function<Builder()> &build)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (execDialog(dialog) != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    if (!printer.isValid())
        return PrintOutcome::Failed;
    build().render(&printer);
    return printer.printerState() == QPrinter::Error ? PrintOutcome::Failed
                                                     : PrintOutcome::Printed;
}

} // namespace dipo::document
