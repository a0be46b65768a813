// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/recorder.h"

namespace dipo::recorder {

namespace {
JobRecorder g_jobRecorder;
} // namespace

void setJobRecorder(JobRecorder recorder)
{
    g_jobRecorder = std::move(recorder);
}

QString recordJob(QWidget *from, const QString &system, const QString &subject)
{
    return g_jobRecorder ? g_jobRecorder(from, system, subject) : QString();
}

} // namespace dipo::recorder
