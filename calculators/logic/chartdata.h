// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// What a calculator's chart shows, as plain data: the logic fills it from the formulas,
// the chart module draws it. Nothing here needs a widget or Qt Charts.
namespace dipo::calc {

struct ChartLine
{
    QString name;
    QList<QPointF> points;
    bool rightAxis = false; // against the second value axis
    bool level = false; // a reference level, drawn dashed
};

// A point picked out on a line: the operating point, the replacement day.
struct ChartMark
{
    QString name;
    QPointF at;
    bool rightAxis = false;
};

// A bar beside its limit, coloured by its verdict.
struct ChartBar
{
    QString category;
    double value = 0;
    double limit = 0;
    bool satisfies = true;
};

struct Chart
{
    QString objectName; // of the view, its table and its picture on the sheet
    QString title;
    QString xTitle, yTitle, y2Title; // with units; y2 only with a second axis
    int xDecimals = 0, yDecimals = 0, y2Decimals = 0;
    QList<ChartLine> lines;
    QList<ChartMark> marks;
    QList<ChartBar> bars; // a bar chart when not empty
    QString valueName, limitName; // the bar sets
    QChar decimalSeparator = QLatin1Char(',');

    // For a screen reader: what the chart is, and its shape in words and numbers.
    QString accessibleName;
    QString description;
    // The same points as a table.
    QStringList tableHeader;
    QList<QStringList> tableRows;

    bool isEmpty() const { return lines.isEmpty() && bars.isEmpty(); }
};

} // namespace dipo::calc
