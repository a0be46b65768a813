// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/programlog.h"

#include "worklog/logic/store.h"

#include <QSettings>

#include <memory>

namespace dipo::worklog {

namespace {

std::unique_ptr<Store> &openLog()
{
    static std::unique_ptr<Store> log;
    return log;
}

const QString kSettingKey = QStringLiteral("catatan/basisdata");

} // namespace

Store *programLog(QString *why)
{
    std::unique_ptr<Store> &log = openLog();
    if (!log) {
        const std::optional<Location> location = chosenLocation(programLogSetting(), why);
        if (!location)
            return nullptr;
        log = std::make_unique<Store>(*location);
    }
    return log.get();
}

QString programLogSetting()
{
    return QSettings().value(kSettingKey).toString();
}

void setProgramLogSetting(const QString &text)
{
    QSettings settings;
    if (text.isEmpty())
        settings.remove(kSettingKey);
    else
        settings.setValue(kSettingKey, text);
    closeProgramLog();
}

bool programLogFromEnvironment()
{
    return !qEnvironmentVariableIsEmpty("DIPO_DB");
}

void closeProgramLog()
{
    openLog().reset();
}

} // namespace dipo::worklog
