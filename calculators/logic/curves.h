// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/brakeforce.h"
#include "calculators/logic/brakelife.h"
#include "calculators/logic/chartdata.h"
#include "calculators/logic/dieselpower.h"

#include <QStringList>

// The calculators' charts and sanity notes. Every point is computed by the calculator's
// own formula with one input changed, so a chart can never disagree with the fields.
namespace dipo::calc {

// The braking distance Sa against the speed, 0 to 120 km/h (or 1.5 x V when that is
// higher), with the current V and Sa marked. `ev` is the successful evaluation shown.
Chart brakeDistanceChart(const BrakeForceInputs &in, const BrakeForceEvaluation &ev);
// The four brake percentages beside their limits, each by its verdict.
Chart brakePercentChart(const BrakeForceEvaluation &ev);

// The block thickness from T down to Tmin against days in service, the replacement day
// marked; and the life against trips a day (1 to 10), the current Fj marked.
Chart thicknessChart(const BrakeLifeInputs &in, const BrakeLifeResults &r);
Chart lifeByTripsChart(const BrakeLifeInputs &in, const BrakeLifeResults &r);

// Power N and torque T against the crank speed, 40 % to 120 % of n, with the current n
// and the initial power Nawal marked.
Chart dieselChart(const DieselInputs &in, const DieselEvaluation &ev);

// Short notes for results that cannot be physical; empty when all is plausible.
QStringList brakeForceNotes(const BrakeForceEvaluation &ev);
QStringList brakeLifeNotes(const BrakeLifeInputs &in, const BrakeLifeResults &r);
QStringList dieselNotes(const DieselEvaluation &ev);

} // namespace dipo::calc
