// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/brakelife.h"

#include "calculators/logic/calctexts.h"

#include "common/logic/fpeval.h"
#include "common/logic/localenumber.h"

#include <iterator>

namespace dipo::calc {

using fp::Ext;
using fp::store;

double speedFactor(const QString &speedText)
{
    // In the order of the drop-down items.
    static const double factors[] = { 500, 650, 700, 1000 };
    static_assert(std::size(factors) == std::size(texts::kSpeedItems));
    for (std::size_t k = 0; k < std::size(factors); ++k) {
        if (speedText == QLatin1String(texts::kSpeedItems[k]))
            return factors[k];
    }
    return 0;
}

BrakeLifeResults computeBrakeLife(const BrakeLifeInputs &in)
{
    BrakeLifeResults r;
    r.Kr = store(Ext(in.D) / 2 * 6.28L);
    r.Kj = store(Ext(in.Q) / 360 * r.Kr);
    r.Lp = r.Kj;
    r.Ak = store(Ext(r.Kj) * in.L);
    r.Vijin = store(Ext(r.Ak) * (Ext(in.T) - in.Tmin));
    const Ext particle = Ext(0.001L) * in.Da;
    r.Ap = store(particle * particle * 0.785L);
    r.Npa = store(Ext(r.Ak) / r.Ap);
    r.J = store(Ext(speedFactor(in.speed)) * 1000 / r.Lp);
    r.Vaus = store(Ext(0.00000001L) * in.K * in.Fm * in.Fk * in.Pb * r.Lp * r.Npa * r.J / in.H);
    r.Urem = store(Ext(r.Vijin) / (Ext(r.Vaus) * in.Frem * in.Fj));
    r.hours = store(Ext(r.Urem) * 24);
    return r;
}

double thicknessAfterDays(const BrakeLifeInputs &in, const BrakeLifeResults &r, double days)
{
    return store(Ext(in.T) - Ext(days) * r.Vaus * in.Frem * in.Fj / r.Ak);
}

bool thicknessTooLarge(const QString &tminText, const QString &thicknessText)
{
    double tmin = 0;
    double thickness = 0;
    return number::tryToFloat(tminText, &tmin) && number::tryToFloat(thicknessText, &thickness)
        && tmin >= thickness;
}

} // namespace dipo::calc
