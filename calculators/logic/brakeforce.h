// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

#include <array>
#include <optional>

// The brake force calculation: rigging ratio, cylinder and block forces, brake weight,
// the four brake percentages, braking distance and the skid test.
namespace dipo::calc {

struct BrakeForceInputs
{
    double a = 0; // upper rigging lever, mm
    double b = 0; // lower rigging lever, mm
    double ia = 0; // wheels
    double Ae = 0; // effective piston area, cm2
    double Pmaks = 0; // maximum cylinder pressure, kg/cm2
    double Kf = 0; // piston spring force, kgf
    double Emaks = 0; // permitted efficiency, %
    double Qs = 0; // slack adjuster force, kgf
    double Gk = 0; // wheel load empty, kgf
    double Gp = 0; // wheel load full, kgf
    double V = 0; // speed, km/h
    double It = 0; // gradient, degrees
    double M = 0; // friction coefficient wheel/block
    double Fh = 0; // adhesion coefficient wheel/rail
    double tr = 0; // reaction time, s
};

// The numeric results in the order they are computed; the skid test comes last.
enum BrakeForceStep { i, K, P, Pb, B, np, nk, pak, pap, Sa, BrakeForceStepCount };

struct BrakeForceEvaluation
{
    std::array<double, BrakeForceStepCount> value {};
    int completed = 0; // numeric steps that succeeded, in order
    std::optional<MathError> failure; // why the next step failed
    bool skid = false; // valid only when succeeded()
    bool skidTested = false;

    bool succeeded() const { return skidTested; }
};

// The brake weight factor band of a per-block pressing force.
double brakeWeightFactor(double pb);

// Empty vehicle: block pressure and brake weight are maxima (100 %, 120 %); full
// vehicle: minima (80 %, 50 %).
bool fullBlockPressureSatisfies(double np);
bool emptyBlockPressureSatisfies(double nk);
bool emptyBrakeWeightSatisfies(double pak);
bool fullBrakeWeightSatisfies(double pap);

// Runs the steps in order and stops at the first arithmetic fault.
BrakeForceEvaluation evaluateBrakeForce(const BrakeForceInputs &in);

} // namespace dipo::calc
