// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The parts of the depot a job is recorded under, as the log keeps them.
namespace dipo::jobs {

inline const QString maintenanceSystem = QStringLiteral("Perawatan Mesin");
inline const QString tuneupSystem = QStringLiteral("Tune Up");

} // namespace dipo::jobs
