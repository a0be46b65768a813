// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/jobsystems.h"

#include <QString>

#include <functional>

class QWidget;

// What the windows of the guide, the tutorials and the diagnosis ask of the workshop log,
// without knowing it: the shell hands the log's record dialog in at start-up, as it hands
// the repair links their opener.
namespace dipo::recorder {

inline const QString simpanKeCatatan = QStringLiteral("Simpan ke catatan");
inline const QString catatPekerjaan = QStringLiteral("Catat pekerjaan");
// The part of the depot a job is recorded under.
inline const QString &maintenanceSystem = jobs::maintenanceSystem;
inline const QString &tuneupSystem = jobs::tuneupSystem;

// Records a job done in `from`: its part of the depot and what was done; the dialog asks
// for the rest. Returns what to tell the user when it was saved, empty when it was not.
// Does nothing until the shell has set it.
using JobRecorder
    = std::function<QString(QWidget *from, const QString &system, const QString &subject)>;
void setJobRecorder(JobRecorder recorder);
QString recordJob(QWidget *from, const QString &system, const QString &subject);

} // namespace dipo::recorder
