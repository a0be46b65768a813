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

void recordJob(QWidget *from, const QString &system, const QString &subject)
{
    if (g_jobRecorder)
        g_jobRecorder(from, system, subject);
}

} // namespace dipo::recorder
