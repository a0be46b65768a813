// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

#include <QString>

#include <array>
#include <optional>

// The diesel engine power calculation: swept volume, piston speed, powers, torque,
// efficiencies and fuel consumption, judged against the engine's initial power.
namespace dipo::calc {

struct DieselInputs
{
    double D = 0; // cylinder bore, cm
    double L = 0; // stroke, cm
    double n = 0; // crank speed, rpm
    double Prata = 0; // mean effective pressure, kg/cm2
    double Pi = 0; // mean indicated pressure, kg/cm2
    double Z = 0; // cylinders
    double a = 0; // stroke factor, see strokeFactor()
    double Nawal = 0; // initial power, PK
    double Gf = 0; // fuel used, kg/h
    double Qc = 0; // fuel heating value, kcal/kg
};

// The results in the order they are computed.
enum DieselStep { VL, C, N, T, Nme, Nmi, ne, selisih, ni, Be, nm, persentase, DieselStepCount };

// Decimals each result is shown with: the masks "0.00", "0" (selisih) and
// "0.00000000" (Be).
inline constexpr int kDieselDecimals[DieselStepCount] = { 2, 2, 2, 2, 2, 2, 2, 0, 2, 8, 2, 2 };

struct DieselEvaluation
{
    std::array<double, DieselStepCount> value {};
    int completed = 0; // steps that succeeded, in order
    std::optional<MathError> failure; // why the next step failed

    bool succeeded() const { return completed == DieselStepCount; }
};

// "2" is a two-stroke engine (one power stroke a turn), "4" a four-stroke (one every
// second turn); any other text stands for the factor itself. The test is on the text.
double strokeFactor(const QString &text, double number);

// Runs the steps in order and stops at the first arithmetic fault.
DieselEvaluation evaluateDiesel(const DieselInputs &in);

enum class DieselVerdict { Decline, Improvement, Unchanged };
DieselVerdict dieselVerdict(double persentase);

} // namespace dipo::calc
