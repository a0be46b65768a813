// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialogs.h"

#include "common/logic/savefolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace dipo {

int execDialog(QDialog &dialog)
{
    QPointer<QWidget> owner
        = dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    QPointer<QWidget> focused = owner ? owner->focusWidget() : nullptr;
    const int result = dialog.exec();
    if (owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
        if (focused && focused->isVisible() && focused->isEnabled())
            focused->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

QString askSavePath(
    QWidget *parent, const QString &title, const QString &filter, const QString &fileName)
{
    int chosen = 0;
    return askSavePath(parent, title, QStringList { filter }, &chosen, fileName);
}

QString askSavePath(QWidget *parent, const QString &title, const QStringList &filters, int *chosen,
    const QString &fileName)
{
    const QString folder = files::saveFolder();
    QFileDialog dialog(parent, title, folder);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(*chosen));
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    dialog.selectFile(QDir(folder).filePath(fileName));
    if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    *chosen = int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

} // namespace dipo
