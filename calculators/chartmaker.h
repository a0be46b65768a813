// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/chartdata.h"

#include <QImage>
#include <QSize>

class QWidget;

// What the chart module offers. The module is the only part of the program that links
// Qt Charts; it is loaded when the first chart is drawn, so a start that draws none
// never loads Qt Charts and what it brings along.
namespace dipo::calc {

class ChartMaker
{
public:
    virtual ~ChartMaker() = default;
    // A view of the chart, with its accessible name and description.
    virtual QWidget *makeView(const Chart &chart, QWidget *parent) = 0;
    // Shows this chart in a view it made, in place of what it showed.
    virtual void updateView(QWidget *view, const Chart &chart) = 0;
    // The chart drawn as a picture of this size, for a PNG file and the sheet.
    virtual QImage picture(const Chart &chart, const QSize &size) = 0;
};

// The module's one exported function, by this name: returns the maker, owned by the module.
inline constexpr const char *kChartMakerSymbol = "dipo_chart_maker";
using ChartMakerFunction = ChartMaker *(*)();

} // namespace dipo::calc
