// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators as simulations: PROSES with its charts window open until the calculator
// and its charts are painted, and the calculation sheet with its charts written as PDF.
// The first PROSES, which also loads the chart module, is given apart.
//   QT_QPA_PLATFORM=offscreen ./build/bench_calccharts [runs]
#include "figures.h"

#include "calculators/calcextras.h"
#include "calculators/grafik.h"
#include "common/logic/document.h"
#include "common/window.h"
#include "shell/formregistry.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <clocale>
#include <cstdio>

namespace {

dipo::Window *window(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return static_cast<dipo::Window *>(w);
    std::fprintf(stderr, "no window %s\n", name);
    std::exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;
    dipo::shell::createForms();

    struct Calculator
    {
        const char *window, *proses;
    };
    bool first = true;
    for (const Calculator c : { Calculator { "DM", "Button1" }, Calculator { "umurrem", "Button1" },
             Calculator { "gayrem", "BitBtn1" } }) {
        dipo::Window *w = window(c.window);
        w->showWindow();
        if (!QTest::qWaitForWindowExposed(w))
            return 1;
        auto *proses = w->findChild<QPushButton *>(QLatin1String(c.proses));
        auto *extras = w->findChild<dipo::calc::CalcExtras *>();
        Figures alone;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(proses, Qt::LeftButton);
            w->repaint();
            alone.add(millisecondsSince(timer));
        }
        const double aloneMedian = alone.median();
        std::printf("%s: PROSES, charts window closed, until painted: median %.1f ms, least %.1f ms\n",
            c.window, aloneMedian, alone.min());
        TGrafik *grafik = extras->grafik();
        grafik->showWindow(w);
        if (!QTest::qWaitForWindowExposed(grafik))
            return 1;
        Figures painted;
        for (int i = 0; i < runs + 1; ++i) {
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(proses, Qt::LeftButton);
            w->repaint();
            grafik->repaint();
            const double ms = millisecondsSince(timer);
            if (i > 0)
                painted.add(ms);
            else if (first)
                std::printf("first PROSES, loading the chart module, until painted: %.1f ms\n", ms);
            first = false;
        }
        const double paintedMedian = painted.median();
        std::printf("%s: PROSES with %d chart(s) until painted: median %.1f ms, 90%% %.1f ms, "
                    "least %.1f ms, %d runs\n",
            c.window, int(grafik->charts().size()), paintedMedian, painted.at(0.9), painted.min(),
            runs);

        Figures pdf;
        qsizetype bytes = 0;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            const dipo::calc::Sheet &sheet = extras->sheet();
            bytes = dipo::calc::sheetDocument(sheet, dipo::calc::chartPictures(sheet.charts),
                QDateTime::currentDateTime())
                        .pdf(QStringLiteral("Dipo"))
                        .size();
            pdf.add(millisecondsSince(timer));
        }
        const double pdfMedian = pdf.median();
        std::printf("%s: sheet as PDF (%lld bytes): median %.1f ms, 90%% %.1f ms, least %.1f ms, "
                    "%d runs\n",
            c.window, static_cast<long long>(bytes), pdfMedian, pdf.at(0.9), pdf.min(), runs);
        grafik->close();
        w->close();
    }
    dipo::shell::destroyForms();
    return 0;
}
