// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace dipo::shell {

bool installToolkitTranslation()
{
    static const char *const kName = "dipoToolkitTranslation";
    if (QCoreApplication::instance()->findChild<QTranslator *>(QLatin1String(kName)))
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(kName));
    if (!translator->load(QStringLiteral(":/i18n/qtbase_id.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QIcon programIcon()
{
    QIcon icon;
    for (const char *size : { "48x48", "64x64", "128x128" })
        icon.addFile(QStringLiteral(":/icons/hicolor/%1/apps/dipo.png").arg(QLatin1String(size)));
    icon.addFile(QStringLiteral(":/icons/dipo.png"));
    return icon;
}

} // namespace dipo::shell
