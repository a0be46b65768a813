// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/chartloader.h"

#include "calculators/chartmaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

// DIPO_CHART_MODULE_RELATIVE: the installed module's path from the program's folder;
// DIPO_CHART_MODULE_BUILD: the module in the build tree, for the programs and tests there.

namespace dipo::calc {

namespace {

struct Module
{
    ChartMaker *maker = nullptr;
    QString error;
};

QStringList candidates()
{
    QStringList paths;
    const QString fromEnvironment = qEnvironmentVariable("DIPO_CHART_MODULE");
    if (!fromEnvironment.isEmpty())
        return { fromEnvironment };
    paths << QDir(QCoreApplication::applicationDirPath())
                 .filePath(QStringLiteral(DIPO_CHART_MODULE_RELATIVE));
    paths << QStringLiteral(DIPO_CHART_MODULE_BUILD);
    return paths;
}

Module load()
{
    Module module;
    for (const QString &path : candidates()) {
        if (!QFileInfo::exists(path)) {
            module.error = QStringLiteral("%1: tidak ada").arg(QDir::toNativeSeparators(path));
            continue;
        }
        // The library stays loaded until the program ends, as the views it made live as
        // long: QLibrary's destructor does not unload it, only unload() would.
        QLibrary library(path);
        const auto make
            = reinterpret_cast<ChartMakerFunction>(library.resolve(kChartMakerSymbol));
        if (make) {
            module.maker = make();
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

ChartMaker *chartMaker()
{
    return module().maker;
}

QString chartModuleError()
{
    return module().error;
}

} // namespace dipo::calc
