// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/programlog.h"

#include "worklog/logic/store.h"

#include "common/logic/config.h"
#include "common/logic/settings.h"

#include <memory>

namespace dipo::worklog {

namespace {

std::unique_ptr<Store> &openLog()
{
    static std::unique_ptr<Store> log;
    return log;
}

} // namespace

Store *programLog(QString *why)
{
    std::unique_ptr<Store> &log = openLog();
    if (!log) {
        const QString given = config::current().database;
        const std::optional<Location> location
            = parseLocation(given.isEmpty() ? programLogSetting() : given, why);
        if (!location)
            return nullptr;
        log = std::make_unique<Store>(*location);
    }
    return log.get();
}

QString programLogSetting()
{
    return settings::logDatabase();
}

void setProgramLogSetting(const QString &text)
{
    settings::setLogDatabase(text);
    closeProgramLog();
}

bool programLogFromEnvironment()
{
    return !config::current().database.isEmpty();
}

void closeProgramLog()
{
    openLog().reset();
}

} // namespace dipo::worklog
