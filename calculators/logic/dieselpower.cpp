// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/dieselpower.h"

#include "calculators/logic/calctexts.h"

#include "common/logic/fpeval.h"

#include <functional>

namespace dipo::calc {

using fp::Ext;

double strokeFactor(const QString &text, double number)
{
    if (text == QLatin1String(texts::kStrokeItems[0]))
        return 1;
    if (text == QLatin1String(texts::kStrokeItems[1]))
        return 0.5;
    return number;
}

namespace {

Ext absolute(Ext x)
{
    return x.value() < 0 ? -x : x;
}

} // namespace

DieselEvaluation evaluateDiesel(const DieselInputs &in)
{
    DieselEvaluation ev;
    auto &r = ev.value;
    // Each formula is evaluated left to right as written; 0.1592356687898089172 is 1/6.28.
    const std::array<std::function<Ext()>, DieselStepCount> steps = { {
        [&] { return Ext(in.D) * in.D * 0.785L * in.L; },
        [&] { return Ext(in.L) / 100 * in.n / 30; },
        [&] { return Ext(in.Prata) * r[VL] * in.Z * in.n * in.a / 450000 * 0.9863L; },
        [&] { return Ext(r[VL]) * in.Z * in.a * 0.1592356687898089172L * 0.01L * in.Prata; },
        [&] { return Ext(r[T]) * in.n / 716.2L * 0.9863L; },
        [&] { return Ext(in.Pi) * r[VL] * in.Z * in.n * in.a / 450000 * 0.9863L; },
        [&] { return Ext(632) / (Ext(in.Gf) * in.Qc) * r[Nme]; },
        [&] { return absolute(Ext(in.Nawal) - r[N]); },
        [&] { return Ext(632) / (Ext(in.Gf) * in.Qc) * r[Nmi]; },
        [&] { return Ext(in.Gf) / r[Nme]; },
        [&] { return Ext(r[Nme]) / r[Nmi]; },
        [&] { return (Ext(r[N]) - in.Nawal) / in.Nawal * 100; },
    } };
    try {
        for (const auto &step : steps) {
            r[ev.completed] = fp::store(step());
            ++ev.completed;
        }
    } catch (const MathError &error) {
        ev.failure = error;
    }
    return ev;
}

DieselVerdict dieselVerdict(double persentase)
{
    if (persentase < 0)
        return DieselVerdict::Decline;
    if (persentase > 0)
        return DieselVerdict::Improvement;
    return DieselVerdict::Unchanged;
}

} // namespace dipo::calc
