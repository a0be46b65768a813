// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The brake block wear-life prediction: contact geometry, permitted wear volume, wear
// volume per braking and the life in days and hours.
namespace dipo::calc {

struct BrakeLifeInputs
{
    double D = 0; // wheel diameter, mm
    double Q = 0; // block arc angle, degrees
    double L = 0; // block width, mm
    double T = 0; // block thickness, mm
    double Tmin = 0; // minimum permitted thickness, mm
    double Da = 0; // abrasive particle diameter, mm
    QString speed; // the speed as typed; only listed texts have a factor
    double K = 0; // friction coefficient block/wheel
    double Fm = 0; // material factor
    double Fk = 0; // contact factor
    double Pb = 0; // pressing force per block, kgf
    double H = 0; // block hardness, kgf/mm2
    double Frem = 0; // brakings per trip
    double Fj = 0; // trips per day
};

struct BrakeLifeResults
{
    double Kr = 0; // wheel tread circumference
    double Kj = 0; // arc length of the block
    double Lp = 0; // particle path length
    double Ak = 0; // contact area
    double Vijin = 0; // permitted wear volume
    double Ap = 0; // particle area
    double Npa = 0; // particles on the contact area
    double J = 0; // contact areas along the path
    double Vaus = 0; // wear volume
    double Urem = 0; // life, days
    double hours = 0; // life, hours
};

// 500, 650, 700 and 1000 for the speeds "70", "80", "90" and "100"; 0 for any other text.
double speedFactor(const QString &speedText);

// All steps or nothing: throws MathError at the first arithmetic fault.
BrakeLifeResults computeBrakeLife(const BrakeLifeInputs &in);

// The block's thickness after this many days in service, worn as the life assumes: the
// wear volume of a day taken off the contact area, from T on day 0 to Tmin on day Urem.
double thicknessAfterDays(const BrakeLifeInputs &in, const BrakeLifeResults &r, double days);

// True when the minimum thickness is not below the block thickness. A text that is
// not (yet) a number never warns.
bool thicknessTooLarge(const QString &tminText, const QString &thicknessText);

} // namespace dipo::calc
