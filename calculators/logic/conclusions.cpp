// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/conclusions.h"

#include "calculators/logic/calctexts.h"

namespace dipo::calc {

namespace {

template <std::size_t N> QStringList toLines(const char *const (&lines)[N])
{
    QStringList result;
    for (const char *line : lines)
        result << QString::fromLatin1(line);
    return result;
}

const QString kIs = QStringLiteral("adalah");
const QString kAmount = QStringLiteral("sebesar");
const QString kMeaning = QStringLiteral("yang berarti");
const QString kEquals = QStringLiteral("=");

} // namespace

QString fillGap(const QString &line, const QString &anchor, const QString &value)
{
    const qsizetype at = line.indexOf(anchor);
    if (value.isEmpty() || at < 0)
        return line;
    const qsizetype gapStart = at + anchor.size();
    qsizetype gapEnd = gapStart;
    while (gapEnd < line.size() && line.at(gapEnd) == QLatin1Char(' '))
        ++gapEnd;
    const QString rest = line.mid(gapEnd);
    QString filled = line.left(gapStart) + QLatin1Char(' ') + value;
    if (!rest.isEmpty())
        filled += QLatin1Char(' ') + rest;
    return filled;
}

QStringList dieselConclusionLines(const DieselConclusion &v)
{
    QStringList lines = toLines(texts::kDieselConclusion);
    lines[1] = fillGap(lines[1], kAmount, v.power);
    lines[2] = fillGap(fillGap(lines[2], kIs, v.percentage), kMeaning, v.verdict);
    lines[4] = fillGap(lines[4], kAmount, v.pistonSpeed);
    lines[5] = fillGap(lines[5], kIs, v.fuelRate);
    lines[6] = fillGap(lines[6], kIs, v.mechanicalEfficiency);
    return lines;
}

QStringList brakeLifeConclusionLines(const QString &days, const QString &hours)
{
    QStringList lines = toLines(texts::kBrakeLifeConclusion);
    lines[2] = fillGap(fillGap(lines[2], kIs, days), QStringLiteral("sekitar"), hours);
    return lines;
}

QStringList brakeForceConclusionLines(const BrakeForceConclusion &v)
{
    QStringList lines = toLines(texts::kBrakeForceConclusion);
    const auto fill = [&](int line, const QString &number, const QString &verdict) {
        lines[line] = fillGap(fillGap(lines[line], kEquals, number), kMeaning, verdict);
    };
    fill(2, v.emptyPressure, v.emptyPressureVerdict);
    fill(3, v.fullPressure, v.fullPressureVerdict);
    fill(5, v.emptyWeight, v.emptyWeightVerdict);
    fill(6, v.fullWeight, v.fullWeightVerdict);
    return lines;
}

} // namespace dipo::calc
