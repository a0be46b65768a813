// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the calculators' charts, sanity notes and calculation sheets.
namespace dipo::calc::chart_texts {

// Braking distance against speed.
inline constexpr const char *kDistanceTitle = "Jarak pengereman terhadap kecepatan";
inline constexpr const char *kDistanceName = "Grafik jarak pengereman";
inline constexpr const char *kSpeedAxis = "Kecepatan V (km/jam)";
inline constexpr const char *kDistanceAxis = "Jarak pengereman Sa (m)";
inline constexpr const char *kSpeedColumn = "V (km/jam)";
inline constexpr const char *kDistanceColumn = "Sa (m)";
inline constexpr const char *kOperatingPoint = "Titik kerja";
// rises or falls, from, at, to, at; at the current speed
inline constexpr const char *kDistanceShape = "jarak pengereman %1 dari %2 m pada %3 km/jam sampai %4 m pada %5 km/jam; pada %6 km/jam %7 m";

// The four brake percentages beside their limits.
inline constexpr const char *kPercentTitle = "Persentase rem terhadap batasnya";
inline constexpr const char *kPercentName = "Grafik persentase rem";
inline constexpr const char *kPercentAxis = "Persentase (%)";
inline constexpr const char *kValueSet = "Nilai";
inline constexpr const char *kLimitSet = "Batas";
inline constexpr const char *kQuantityColumn = "Besaran";
inline constexpr const char *kValueColumn = "Nilai (%)";
inline constexpr const char *kLimitColumn = "Batas (%)";
inline constexpr const char *kVerdictColumn = "Hasil";
inline constexpr const char *kEmptyPressure = "nk kosong";
inline constexpr const char *kFullPressure = "np penuh";
inline constexpr const char *kEmptyWeight = "pak kosong";
inline constexpr const char *kFullWeight = "pap penuh";
inline constexpr const char *kMaximum = "maks";
inline constexpr const char *kMinimum = "min";
// name, value, maks/min, limit, verdict
inline constexpr const char *kBarShape = "%1 %2 % (%3 %4 %) %5";

// Block thickness against days in service.
inline constexpr const char *kThicknessTitle = "Tebal blok rem terhadap hari pemakaian";
inline constexpr const char *kThicknessName = "Grafik tebal blok rem";
inline constexpr const char *kDaysAxis = "Hari pemakaian (hari)";
inline constexpr const char *kThicknessAxis = "Tebal blok rem (mm)";
inline constexpr const char *kDaysColumn = "Hari";
inline constexpr const char *kThicknessColumn = "Tebal (mm)";
inline constexpr const char *kThicknessLine = "Tebal T";
inline constexpr const char *kMinimumLine = "Tmin";
inline constexpr const char *kReplacementDay = "Hari penggantian";
inline constexpr const char *kThicknessShape = "tebal blok rem turun dari %1 mm pada hari 0 sampai %2 mm pada hari %3; penggantian pada hari %3";

// Life against trips a day.
inline constexpr const char *kTripsTitle = "Umur rem terhadap perjalanan sehari";
inline constexpr const char *kTripsName = "Grafik umur rem";
inline constexpr const char *kTripsAxis = "Perjalanan sehari Fj (kali)";
inline constexpr const char *kLifeAxis = "Umur rem Urem (hari)";
inline constexpr const char *kTripsColumn = "Fj (kali)";
inline constexpr const char *kLifeColumn = "Urem (hari)";
inline constexpr const char *kLifeLine = "Urem";
inline constexpr const char *kCurrentTrips = "Fj sekarang";
inline constexpr const char *kTripsShape = "umur rem %1 dari %2 hari pada %3 kali sehari sampai %4 hari pada %5 kali sehari; pada %6 kali sehari %7 hari";

// Power and torque against crank speed.
inline constexpr const char *kDieselChartTitle = "Daya dan torsi terhadap putaran";
inline constexpr const char *kDieselChartName = "Grafik daya dan torsi";
inline constexpr const char *kCrankAxis = "Putaran poros engkol n (rpm)";
inline constexpr const char *kPowerAxis = "Daya N (PK)";
inline constexpr const char *kTorqueAxis = "Torsi T (m kg)";
inline constexpr const char *kCrankColumn = "n (rpm)";
inline constexpr const char *kPowerColumn = "N (PK)";
inline constexpr const char *kTorqueColumn = "T (m kg)";
inline constexpr const char *kPowerLine = "Daya N";
inline constexpr const char *kTorqueLine = "Torsi T";
inline constexpr const char *kInitialPowerLine = "Daya awal Nawal";
inline constexpr const char *kDieselShape = "daya %1 dari %2 PK pada %3 rpm sampai %4 PK pada %5 rpm; pada %6 rpm %7 PK; torsi %8 m kg; daya awal %9 PK";

inline constexpr const char *kRises = "naik";
inline constexpr const char *kFalls = "turun";
inline constexpr const char *kStays = "tetap";
inline constexpr const char *kNoChart = "Grafik tidak dapat digambar untuk masukan ini.";

// Sanity notes: a result that cannot be physical, and the input to check.
inline constexpr const char *kNoteEfficiency = "efisiensi lebih dari 100 %: periksa Gf, pemakaian bahan bakar seluruh mesin dalam kg/jam";
inline constexpr const char *kNoteMechanical = "efisiensi mekanik lebih dari 100 %: periksa Pi-rata, harus lebih besar dari Prata";
inline constexpr const char *kNotePower = "daya tidak positif: periksa D, L, n, Prata dan a";
inline constexpr const char *kNoteCylinderForce = "gaya efektif negatif: periksa Ae, Pmaks dan Kf";
inline constexpr const char *kNoteBlockForce = "gaya tekan negatif: periksa Emaks, Qs dan ia";
inline constexpr const char *kNoteDistance = "jarak pengereman negatif: periksa M, V dan gaya tekan";
inline constexpr const char *kNoteLife = "umur rem kurang dari sehari: periksa Pb, H, Frem dan Fj";
inline constexpr const char *kNoteThickness = "tebal minimum tidak kurang dari tebal kampas: periksa T dan Tmin";
inline constexpr const char *kNotesHeading = "Catatan";

} // namespace dipo::calc::chart_texts
