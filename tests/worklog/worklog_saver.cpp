// SPDX-License-Identifier: GPL-3.0-or-later
// Saves entries one by one into the log named on the command line, as a Dipo process
// would, and says "saved ID" on stdout after each save that reported success.
// Usage: worklog_saver LOG COUNT TAG

#include "worklog/logic/store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    QString why;
    const auto location = dipo::worklog::parseLocation(arguments.at(1), &why);
    if (!location)
        return 2;
    dipo::worklog::Store store(*location);
    const int count = arguments.at(2).toInt();
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        dipo::worklog::Entry entry;
        entry.locomotive = QStringLiteral("CC 201 %1").arg(i % 100);
        entry.technician = arguments.at(3);
        entry.when = QDateTime::currentDateTime();
        entry.system = QStringLiteral("sistem pendinginan");
        entry.subject = QStringLiteral("RADIATOR KOTOR %1").arg(i);
        entry.steps = { { QStringLiteral("Apakah mesin panas?"), QStringLiteral("YA") },
            { QStringLiteral("Apakah air pendingin kurang?"), QStringLiteral("TIDAK") } };
        entry.note = QString(200, QLatin1Char('x'));
        if (const auto id = store.save(entry)) {
            std::printf("saved %lld\n", static_cast<long long>(*id));
        } else {
            std::printf("failed %s\n", qPrintable(store.errorString()));
            ++failures;
        }
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
