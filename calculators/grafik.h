// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/chartdata.h"
#include "common/window.h"

class QLabel;
class QPushButton;
class QTabWidget;

// A calculator's charts, beside its window: one tab a chart, each with the table of its
// points, and the chart saved as PNG. Non-modal; it follows the calculator's PROSES and
// REPLACE, and goes when the calculator is closed. The chart widgets are made when the
// window is first shown with charts to show.
class TGrafik : public dipo::Window
{
    Q_OBJECT

public:
    explicit TGrafik(const QString &caption, QWidget *parent);

    // The charts of the last PROSES; none after REPLACE.
    void setCharts(const QList<dipo::calc::Chart> &charts);
    void clearCharts();
    const QList<dipo::calc::Chart> &charts() const { return m_charts; }

    // The chart of this tab as a PNG file; a failure goes to the error report.
    bool savePicture(int index, const QString &path);

    QTabWidget *TabGrafik = nullptr;
    QPushButton *BtnTabel = nullptr; // chart or table
    QPushButton *BtnSimpanPng = nullptr;
    QPushButton *BtnTutup = nullptr;
    QLabel *LabelStatus = nullptr;

public slots:
    void BtnTabelClick();
    void BtnSimpanPngClick();
    void TabGrafikChange(int index);

    // Room for a chart that reads well, within the screen.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    // Each tab's chart and table are made when the tab is first shown.
    void fillPage(int index);
    bool updateInPlace();

    QList<dipo::calc::Chart> m_charts;
    bool m_stale = true;
};
