// SPDX-License-Identifier: GPL-3.0-or-later
// The chart module: draws a dipo::calc::Chart with Qt Charts. Loaded at run time by
// calculators/chartloader.cpp; it uses nothing of the program but the data it is given.
#include "calculators/chartmaker.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLocale>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {

using dipo::calc::Chart;

const QColor kSatisfying(0x2e, 0x7d, 0x32);
const QColor kUnsatisfying(0xc6, 0x28, 0x28);
const QColor kLimit(0x75, 0x75, 0x75);
const QColor kMark(0xe6, 0x51, 0x00);

// Numbers with the program's decimal separator and no grouping, as the fields show them.
QLocale numberLocale(QChar separator)
{
    QLocale locale = separator == QLatin1Char(',') ? QLocale(QLocale::Indonesian, QLocale::Indonesia)
                                                   : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QValueAxis *valueAxis(const QString &title, int decimals)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    return axis;
}

// The range of the values, a little wider so that nothing lies on the frame.
void fitRange(QValueAxis *axis, double low, double high, bool fromZero)
{
    if (fromZero)
        low = std::min(low, 0.0);
    if (low == high) {
        low -= 1;
        high += 1;
    }
    axis->setRange(low, high + (high - low) * 0.05);
    axis->applyNiceNumbers();
}

void addLines(QChart *chart, const Chart &c)
{
    QValueAxis *x = valueAxis(c.xTitle, c.xDecimals);
    QValueAxis *y = valueAxis(c.yTitle, c.yDecimals);
    QValueAxis *y2 = c.y2Title.isEmpty() ? nullptr : valueAxis(c.y2Title, c.y2Decimals);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    if (y2)
        chart->addAxis(y2, Qt::AlignRight);

    constexpr double inf = std::numeric_limits<double>::infinity();
    double xLow = inf, xHigh = -inf, yLow = inf, yHigh = -inf, y2Low = inf, y2High = -inf;
    const auto take = [&](const QPointF &p, bool right) {
        xLow = std::min(xLow, p.x());
        xHigh = std::max(xHigh, p.x());
        double &low = right ? y2Low : yLow;
        double &high = right ? y2High : yHigh;
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    };
    for (const dipo::calc::ChartLine &line : c.lines) {
        auto *series = new QLineSeries;
        series->setName(line.name);
        for (const QPointF &p : line.points) {
            series->append(p);
            take(p, line.rightAxis);
        }
        chart->addSeries(series);
        if (line.level) {
            QPen pen(kLimit, 2, Qt::DashLine);
            series->setPen(pen);
        } else {
            QPen pen = series->pen();
            pen.setWidth(3);
            series->setPen(pen);
        }
        series->attachAxis(x);
        series->attachAxis(line.rightAxis && y2 ? y2 : y);
    }
    for (const dipo::calc::ChartMark &mark : c.marks) {
        auto *series = new QScatterSeries;
        series->setName(mark.name);
        series->setMarkerSize(12);
        series->setColor(kMark);
        series->setBorderColor(Qt::black);
        series->append(mark.at);
        take(mark.at, mark.rightAxis);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(mark.rightAxis && y2 ? y2 : y);
    }
    if (xLow < xHigh) {
        x->setRange(xLow, xHigh);
        x->applyNiceNumbers();
    }
    if (yLow <= yHigh)
        fitRange(y, yLow, yHigh, true);
    if (y2 && y2Low <= y2High)
        fitRange(y2, y2Low, y2High, true);
}

void addBars(QChart *chart, const Chart &c)
{
    auto *values = new QBarSet(c.valueName);
    auto *limits = new QBarSet(c.limitName);
    values->setColor(kSatisfying);
    // A bar that fails its limit is shown "selected", in the colour of a failure.
    values->setSelectedColor(kUnsatisfying);
    limits->setColor(kLimit);
    QStringList categories;
    double high = 0, low = 0;
    for (int k = 0; k < c.bars.size(); ++k) {
        const dipo::calc::ChartBar &bar = c.bars.at(k);
        *values << bar.value;
        *limits << bar.limit;
        if (!bar.satisfies)
            values->selectBar(k);
        categories << bar.category;
        high = std::max({ high, bar.value, bar.limit });
        low = std::min(low, bar.value);
    }
    auto *series = new QBarSeries;
    series->append(values);
    series->append(limits);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(4);
    values->setLabelColor(Qt::black);
    limits->setLabelColor(Qt::black);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    QValueAxis *y = valueAxis(c.yTitle, c.yDecimals);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    fitRange(y, low, high * 1.1, true);
}

void fill(QChart *chart, const Chart &c)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    chart->setTitle(c.title);
    chart->setLocale(numberLocale(c.decimalSeparator));
    if (!c.bars.isEmpty())
        addBars(chart, c);
    else
        addLines(chart, c);
}

QChart *buildChart(const Chart &c)
{
    auto *chart = new QChart;
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    chart->setTitleFont(titleFont);
    chart->setLocalizeNumbers(true);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->layout()->setContentsMargins(2, 2, 2, 2);
    fill(chart, c);
    return chart;
}

class Maker : public dipo::calc::ChartMaker
{
public:
    QWidget *makeView(const Chart &chart, QWidget *parent) override
    {
        auto *view = new QChartView(buildChart(chart), parent);
        view->setObjectName(chart.objectName);
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(chart.accessibleName);
        view->setAccessibleDescription(chart.description);
        view->setFocusPolicy(Qt::StrongFocus); // a reader reaches it, and the description
        view->setMinimumSize(320, 220);
        return view;
    }

    void updateView(QWidget *view, const Chart &chart) override
    {
        auto *chartView = qobject_cast<QChartView *>(view);
        if (!chartView)
            return;
        fill(chartView->chart(), chart);
        view->setAccessibleName(chart.accessibleName);
        view->setAccessibleDescription(chart.description);
    }

    QImage picture(const Chart &chart, const QSize &size) override
    {
        QGraphicsScene scene;
        QChart *drawn = buildChart(chart);
        scene.addItem(drawn);
        drawn->setGeometry(QRectF(QPointF(0, 0), size));
        drawn->layout()->activate();
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
        return image;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT dipo::calc::ChartMaker *dipo_chart_maker()
{
    static Maker maker;
    return &maker;
}
