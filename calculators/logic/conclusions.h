// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The conclusions as sentences: each fixed line keeps its wording, and a value takes
// the place of the gap of blanks that follows its anchor word.
namespace dipo::calc {

// Puts value after the first occurrence of anchor in line, in place of the run of
// blanks that follows it: one blank before the value, and one after it when more of
// the line follows. An empty value leaves the line as it is.
QString fillGap(const QString &line, const QString &anchor, const QString &value);

struct DieselConclusion
{
    QString power; // N, whole PK
    QString percentage; // persentase
    QString verdict;
    QString pistonSpeed; // C
    QString fuelRate; // Be
    QString mechanicalEfficiency; // nm
};
QStringList dieselConclusionLines(const DieselConclusion &values);

QStringList brakeLifeConclusionLines(const QString &days, const QString &hours);

struct BrakeForceConclusion
{
    QString emptyPressure, emptyPressureVerdict; // nk
    QString fullPressure, fullPressureVerdict; // np
    QString emptyWeight, emptyWeightVerdict; // pak
    QString fullWeight, fullWeightVerdict; // pap
};
QStringList brakeForceConclusionLines(const BrakeForceConclusion &values);

} // namespace dipo::calc
