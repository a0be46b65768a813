// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/print.h"

#include "common/dialogs.h"
#include "common/printmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

// DIPO_PRINT_MODULE_RELATIVE: the installed module's path from the program's folder;
// DIPO_PRINT_MODULE_BUILD: the module in the build tree, for the programs and tests there.

namespace dipo::document {

namespace {

struct Module
{
    PrintFunction print = nullptr;
    QString error;
};

Module load()
{
    Module module;
    const QStringList candidates {
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral(DIPO_PRINT_MODULE_RELATIVE)),
        QStringLiteral(DIPO_PRINT_MODULE_BUILD),
    };
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path)) {
            module.error = QStringLiteral("%1: tidak ada").arg(QDir::toNativeSeparators(path));
            continue;
        }
        // Stays loaded until the program ends: QLibrary's destructor does not unload it.
        QLibrary library(path);
        module.print = reinterpret_cast<PrintFunction>(library.resolve(kPrintSymbol));
        if (module.print) {
            module.error.clear();
            return module;
        }
        module.error = library.errorString();
    }
    return module;
}

const Module &module()
{
    static const Module loaded = load();
    return loaded;
}

} // namespace

PrintOutcome printWithDialog(QWidget *parent, const QString &docName, const QString &dialogTitle,
    const std::function<Builder()> &build)
{
    const Module &printing = module();
    if (!printing.print) {
        qWarning("dipo: %s", qUtf8Printable(printing.error));
        return PrintOutcome::Failed;
    }
    PrintRequest request;
    request.parent = parent;
    request.docName = docName;
    request.dialogTitle = dialogTitle;
    request.exec = [](QDialog &dialog) { return execDialog(dialog); };
    request.render = [&build](QPagedPaintDevice *device) { build().render(device); };
    return printing.print(request);
}

QString printModuleError()
{
    return module().error;
}

} // namespace dipo::document
