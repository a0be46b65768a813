// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/brakeforce.h"

#include "common/logic/fpeval.h"

#include <functional>

namespace dipo::calc {

using fp::Ext;

double brakeWeightFactor(double pb)
{
    if (pb < 700)
        return 1.58;
    if (pb < 1000)
        return 1.5;
    if (pb < 1500)
        return 1.37;
    if (pb < 2000)
        return 1.27;
    if (pb < 2500)
        return 1.19;
    if (pb < 3000)
        return 1.13;
    if (pb <= 3500)
        return 1.1;
    return 1.05;
}

bool fullBlockPressureSatisfies(double np)
{
    return np >= 80;
}

bool emptyBlockPressureSatisfies(double nk)
{
    return nk <= 100;
}

bool emptyBrakeWeightSatisfies(double pak)
{
    return pak <= 120;
}

bool fullBrakeWeightSatisfies(double pap)
{
    return pap >= 50;
}

BrakeForceEvaluation evaluateBrakeForce(const BrakeForceInputs &in)
{
    BrakeForceEvaluation ev;
    auto &r = ev.value;
    const std::array<std::function<Ext()>, BrakeForceStepCount> steps = { {
        [&] { return Ext(in.a) / in.b * in.ia; },
        [&] { return Ext(in.Ae) * in.Pmaks - in.Kf; },
        [&] { return Ext(in.Emaks) / 100 * r[K] * r[i] - Ext(in.Qs) * in.ia; },
        [&] { return Ext(r[P]) / (Ext(in.ia) * 2); },
        [&] { return Ext(r[P]) * brakeWeightFactor(r[Pb]); },
        [&] { return Ext(r[P]) / in.Gp * 100; },
        [&] { return Ext(r[P]) / in.Gk * 100; },
        [&] { return Ext(r[B]) / in.Gk * 100; },
        [&] { return Ext(r[B]) / in.Gp * 100; },
        [&] {
            const Ext v = in.V;
            const Ext resistance = (v * in.V / 400 + 2.5L) + Ext(in.It) / 360 + 1000;
            return (v * in.V * 4.08L / (resistance * in.M * (Ext(r[nk]) / 100)) + v * in.tr / 3.6L)
                * 2;
        },
    } };
    try {
        for (const auto &step : steps) {
            r[ev.completed] = fp::store(step());
            ++ev.completed;
        }
        // The wheels skid when the block force exceeds what adhesion carries.
        const double W = fp::store(Ext(in.Gk) + in.Gp);
        ev.skid = (Ext(in.Fh) * W / in.M).value() < r[Pb];
        ev.skidTested = true;
    } catch (const MathError &error) {
        ev.failure = error;
    }
    return ev;
}

} // namespace dipo::calc
