// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/curves.h"

#include "calculators/logic/calctexts.h"
#include "calculators/logic/charttexts.h"

#include "common/logic/error.h"
#include "common/logic/localenumber.h"

#include <algorithm>
#include <cmath>

namespace dipo::calc {

namespace t = chart_texts;
using number::formatFixed;
using number::formatGeneral;

namespace {

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

Chart newChart(const char *objectName, const char *title, const char *name)
{
    Chart chart;
    chart.objectName = text(objectName);
    chart.title = text(title);
    chart.accessibleName = text(name);
    chart.decimalSeparator = number::decimalSeparator();
    return chart;
}

QString direction(double from, double to)
{
    if (to > from)
        return text(t::kRises);
    if (to < from)
        return text(t::kFalls);
    return text(t::kStays);
}

// `count` + 1 evenly spaced values from `from` to `to`.
QList<double> steps(double from, double to, int count)
{
    QList<double> values;
    for (int k = 0; k <= count; ++k)
        values << from + (to - from) * k / count;
    return values;
}

// A table of points: x, then one column per line.
void tableOf(Chart &chart, const QStringList &header, const QList<ChartLine> &lines,
    const QList<int> &decimals)
{
    chart.tableHeader = header;
    if (lines.isEmpty())
        return;
    for (int row = 0; row < lines.constFirst().points.size(); ++row) {
        QStringList cells { formatFixed(lines.constFirst().points.at(row).x(), decimals.at(0)) };
        for (int k = 0; k < lines.size(); ++k)
            cells << formatFixed(lines.at(k).points.at(row).y(), decimals.at(k + 1));
        chart.tableRows << cells;
    }
}

} // namespace

Chart brakeDistanceChart(const BrakeForceInputs &in, const BrakeForceEvaluation &ev)
{
    Chart chart = newChart("GrafikJarak", t::kDistanceTitle, t::kDistanceName);
    chart.xTitle = text(t::kSpeedAxis);
    chart.yTitle = text(t::kDistanceAxis);
    // Up to a round ten at 120 km/h or half as much again as the current speed.
    const double top = std::ceil(std::max(120.0, 1.5 * in.V) / 10) * 10;
    ChartLine line { text(t::kDistanceColumn), {} };
    for (const double v : steps(0, top, 60)) {
        BrakeForceInputs at = in;
        at.V = v;
        const BrakeForceEvaluation point = evaluateBrakeForce(at);
        if (point.completed > Sa)
            line.points << QPointF(v, point.value[Sa]);
    }
    if (line.points.isEmpty()) {
        chart.description = text(t::kNoChart);
        return chart;
    }
    chart.lines << line;
    chart.marks << ChartMark { text(t::kOperatingPoint), QPointF(in.V, ev.value[Sa]) };
    const QPointF first = line.points.constFirst();
    const QPointF last = line.points.constLast();
    chart.description
        = text(t::kDistanceShape)
              .arg(direction(first.y(), last.y()), formatFixed(first.y(), 0),
                  formatGeneral(first.x()), formatFixed(last.y(), 0), formatGeneral(last.x()),
                  formatGeneral(in.V), formatFixed(ev.value[Sa], 2));
    tableOf(chart, { text(t::kSpeedColumn), text(t::kDistanceColumn) }, chart.lines, { 0, 2 });
    return chart;
}

Chart brakePercentChart(const BrakeForceEvaluation &ev)
{
    Chart chart = newChart("GrafikPersentase", t::kPercentTitle, t::kPercentName);
    chart.yTitle = text(t::kPercentAxis);
    chart.valueName = text(t::kValueSet);
    chart.limitName = text(t::kLimitSet);
    chart.tableHeader = { text(t::kQuantityColumn), text(t::kValueColumn), text(t::kLimitColumn),
        text(t::kVerdictColumn) };
    struct Row
    {
        const char *name;
        double value;
        double limit;
        bool maximum;
        bool satisfies;
    };
    const auto &v = ev.value;
    const Row rows[] = {
        { t::kEmptyPressure, v[nk], 100, true, emptyBlockPressureSatisfies(v[nk]) },
        { t::kEmptyWeight, v[pak], 120, true, emptyBrakeWeightSatisfies(v[pak]) },
        { t::kFullPressure, v[np], 80, false, fullBlockPressureSatisfies(v[np]) },
        { t::kFullWeight, v[pap], 50, false, fullBrakeWeightSatisfies(v[pap]) },
    };
    QStringList shape;
    for (const Row &row : rows) {
        const QString bound = text(row.maximum ? t::kMaximum : t::kMinimum);
        const QString verdict = text(row.satisfies ? texts::kSatisfying : texts::kUnsatisfying);
        chart.bars << ChartBar { QStringLiteral("%1 (%2)").arg(text(row.name), bound), row.value,
            row.limit, row.satisfies };
        chart.tableRows << QStringList { text(row.name), formatFixed(row.value, 2),
            bound + QLatin1Char(' ') + formatGeneral(row.limit), verdict };
        shape << text(t::kBarShape)
                     .arg(text(row.name), formatFixed(row.value, 2), bound,
                         formatGeneral(row.limit), verdict);
    }
    chart.description = shape.join(QStringLiteral("; "));
    return chart;
}

Chart thicknessChart(const BrakeLifeInputs &in, const BrakeLifeResults &r)
{
    Chart chart = newChart("GrafikTebal", t::kThicknessTitle, t::kThicknessName);
    chart.xTitle = text(t::kDaysAxis);
    chart.yTitle = text(t::kThicknessAxis);
    chart.xDecimals = 1;
    chart.yDecimals = 1;
    if (!(r.Urem > 0) || !std::isfinite(r.Urem)) {
        chart.description = text(t::kNoChart);
        return chart;
    }
    ChartLine line { text(t::kThicknessLine), {} };
    ChartLine minimum { text(t::kMinimumLine), {}, false, true };
    try {
        for (const double day : steps(0, r.Urem, 50))
            line.points << QPointF(day, thicknessAfterDays(in, r, day));
    } catch (const MathError &) {
        chart.description = text(t::kNoChart);
        return chart;
    }
    minimum.points = { QPointF(0, in.Tmin), QPointF(r.Urem, in.Tmin) };
    chart.lines << line << minimum;
    chart.marks << ChartMark { text(t::kReplacementDay), QPointF(r.Urem, in.Tmin) };
    chart.description
        = text(t::kThicknessShape)
              .arg(formatGeneral(in.T), formatGeneral(in.Tmin), formatFixed(r.Urem, 2));
    tableOf(chart, { text(t::kDaysColumn), text(t::kThicknessColumn) }, { line }, { 2, 2 });
    return chart;
}

Chart lifeByTripsChart(const BrakeLifeInputs &in, const BrakeLifeResults &r)
{
    Chart chart = newChart("GrafikUmur", t::kTripsTitle, t::kTripsName);
    chart.xTitle = text(t::kTripsAxis);
    chart.yTitle = text(t::kLifeAxis);
    chart.yDecimals = 1;
    ChartLine line { text(t::kLifeLine), {} };
    for (int trips = 1; trips <= 10; ++trips) {
        BrakeLifeInputs at = in;
        at.Fj = trips;
        try {
            line.points << QPointF(trips, computeBrakeLife(at).Urem);
        } catch (const MathError &) {
            // A trip count the formula cannot take is left out.
        }
    }
    if (line.points.isEmpty()) {
        chart.description = text(t::kNoChart);
        return chart;
    }
    chart.lines << line;
    chart.marks << ChartMark { text(t::kCurrentTrips), QPointF(in.Fj, r.Urem) };
    const QPointF first = line.points.constFirst();
    const QPointF last = line.points.constLast();
    chart.description
        = text(t::kTripsShape)
              .arg(direction(first.y(), last.y()), formatFixed(first.y(), 2),
                  formatGeneral(first.x()), formatFixed(last.y(), 2), formatGeneral(last.x()),
                  formatGeneral(in.Fj), formatFixed(r.Urem, 2));
    tableOf(chart, { text(t::kTripsColumn), text(t::kLifeColumn) }, chart.lines, { 0, 2 });
    return chart;
}

Chart dieselChart(const DieselInputs &in, const DieselEvaluation &ev)
{
    Chart chart = newChart("GrafikDaya", t::kDieselChartTitle, t::kDieselChartName);
    chart.xTitle = text(t::kCrankAxis);
    chart.yTitle = text(t::kPowerAxis);
    chart.y2Title = text(t::kTorqueAxis);
    ChartLine power { text(t::kPowerLine), {} };
    ChartLine torque { text(t::kTorqueLine), {}, true };
    for (const double n : steps(0.4 * in.n, 1.2 * in.n, 40)) {
        DieselInputs at = in;
        at.n = n;
        const DieselEvaluation point = evaluateDiesel(at);
        // Power and torque come before any step that a crank speed can make fail.
        if (point.completed > T) {
            power.points << QPointF(n, point.value[N]);
            torque.points << QPointF(n, point.value[T]);
        }
    }
    if (power.points.isEmpty()) {
        chart.description = text(t::kNoChart);
        return chart;
    }
    ChartLine initial { text(t::kInitialPowerLine),
        { QPointF(power.points.constFirst().x(), in.Nawal),
            QPointF(power.points.constLast().x(), in.Nawal) },
        false, true };
    chart.lines << power << torque << initial;
    chart.marks << ChartMark { text(t::kOperatingPoint), QPointF(in.n, ev.value[N]) };
    const QPointF first = power.points.constFirst();
    const QPointF last = power.points.constLast();
    const double tFirst = torque.points.constFirst().y();
    const double tLast = torque.points.constLast().y();
    QString torqueShape = direction(tFirst, tLast) + QLatin1Char(' ');
    torqueShape += tFirst == tLast
        ? formatFixed(tFirst, 2)
        : QStringLiteral("%1 ... %2").arg(formatFixed(tFirst, 2), formatFixed(tLast, 2));
    chart.description = text(t::kDieselShape)
                            .arg(direction(first.y(), last.y()), formatFixed(first.y(), 2),
                                formatFixed(first.x(), 0), formatFixed(last.y(), 2),
                                formatFixed(last.x(), 0), formatGeneral(in.n),
                                formatFixed(ev.value[N], 2), torqueShape, formatGeneral(in.Nawal));
    tableOf(chart, { text(t::kCrankColumn), text(t::kPowerColumn), text(t::kTorqueColumn) },
        { power, torque }, { 0, 2, 2 });
    return chart;
}

namespace {

// As the field shows it: a value shown as 1,00 is no more than 100 %.
bool shownAbove(double value, int decimals, double limit)
{
    return formatFixed(value, decimals) != formatFixed(limit, decimals) && value > limit;
}

} // namespace

QStringList brakeForceNotes(const BrakeForceEvaluation &ev)
{
    QStringList notes;
    const auto &v = ev.value;
    if (v[K] < 0)
        notes << text(t::kNoteCylinderForce);
    if (v[P] < 0 || v[Pb] < 0)
        notes << text(t::kNoteBlockForce);
    if (v[Sa] < 0)
        notes << text(t::kNoteDistance);
    return notes;
}

QStringList brakeLifeNotes(const BrakeLifeInputs &in, const BrakeLifeResults &r)
{
    QStringList notes;
    // No wear is allowed at all: the life is nought or less whatever the load.
    if (in.Tmin >= in.T)
        notes << text(t::kNoteThickness);
    else if (r.Urem < 1)
        notes << text(t::kNoteLife);
    return notes;
}

QStringList dieselNotes(const DieselEvaluation &ev)
{
    QStringList notes;
    const auto &v = ev.value;
    if (shownAbove(v[ne], kDieselDecimals[ne], 1) || shownAbove(v[ni], kDieselDecimals[ni], 1))
        notes << text(t::kNoteEfficiency);
    if (shownAbove(v[nm], kDieselDecimals[nm], 1))
        notes << text(t::kNoteMechanical);
    if (!(v[N] > 0))
        notes << text(t::kNotePower);
    return notes;
}

} // namespace dipo::calc
