// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dipo::worklog {

class Store;

// The program's one log, made and opened on first use: by --db or DIPO_DB, else the
// log window's setting, else the default file. Nothing is opened before.
// Returns nullptr with why set when the place cannot be used; the store itself may
// still fail to open, which its errorString() tells.
Store *programLog(QString *why);
// The log window's setting (empty for the default file); changing it lets the open log go.
QString programLogSetting();
void setProgramLogSetting(const QString &text);
// Whether --db or DIPO_DB chose the log, so that the setting does not apply.
bool programLogFromEnvironment();
// Lets the open log go (at exit, and in tests).
void closeProgramLog();

} // namespace dipo::worklog
