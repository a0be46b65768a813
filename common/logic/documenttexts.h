// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The labels every printed document gives the job it is for.
namespace dipo::document::texts {

inline const QString locomotive = QStringLiteral("Nomor lokomotif");
inline const QString technician = QStringLiteral("Teknisi");
inline const QString logEntry = QStringLiteral("Entri catatan");
inline const QString diagnosis = QStringLiteral("Diagnosa");
inline const QString note = QStringLiteral("Catatan");

} // namespace dipo::document::texts
