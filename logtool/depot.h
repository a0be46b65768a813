// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/store.h"

#include <QStringList>
#include <QTextStream>

// dipo-log's depot commands: the register of locomotives (loko), meter readings (meter)
// and the service plan's due list (due).
namespace dipo::logtool {

struct DepotRequest
{
    QString command; // "loko", "meter" or "due"
    QStringList arguments; // after the command
    QString series, since, note; // loko tambah
    QString hours, km, date, reader; // meter, adding a reading
    bool replaced = false;
    bool confirmed = false;
    bool csv = false; // due
};

bool isDepotCommand(const QString &command);
// What is wrong with the request's form, for the user; empty when it is sound.
QString depotUsageError(const DepotRequest &request);
bool depotWrites(const DepotRequest &request);
// Runs a sound request on an open log; returns the exit code.
int runDepot(
    worklog::Store &store, const DepotRequest &request, QTextStream &out, QTextStream &err);

} // namespace dipo::logtool
