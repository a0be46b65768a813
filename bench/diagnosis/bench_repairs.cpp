// SPDX-License-Identifier: GPL-3.0-or-later
// From a fault to its fix: a repair link activated until its window is painted, and the
// report with a three-procedure appendix written as PDF.
//   QT_QPA_PLATFORM=offscreen ./build/bench_repairs [runs]
#include "figures.h"

#include "common/radiogroup.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/report.h"
#include "shell/formregistry.h"
#include "tuneup/tuneup.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <clocale>
#include <cstdio>

namespace {

void walk(int system, const char *answers)
{
    QTest::mouseClick(diagno->findChild<dipo::RadioGroup *>(QStringLiteral("RadioGroup1"))->item(system),
        Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(diagno->findChild<QPushButton *>(QStringLiteral("BitBtn8")), Qt::LeftButton);
    for (const char *a = answers; *a; ++a)
        QTest::mouseClick(diagno->findChild<QPushButton *>(
                              *a == 'Y' ? QStringLiteral("BITBTN1") : QStringLiteral("BITBTN2")),
            Qt::LeftButton);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;
    dipo::shell::createForms();
    diagno->showWindow();
    if (!QTest::qWaitForWindowExposed(diagno))
        return 1;

    // The valve clearance fault links both valve tutorials: activate them in turn.
    walk(4, "YTTTTTTY");
    auto *list = diagno->findChild<QListWidget *>(QStringLiteral("ListPerbaikan"));
    Figures activation;
    for (int i = 0; i < runs + 1; ++i) {
        QElapsedTimer timer;
        timer.start();
        list->setCurrentRow(i % 2);
        QTest::keyClick(list, Qt::Key_Return);
        TUNEUP->repaint();
        if (i > 0) // the first also pays for the window's first showing
            activation.add(millisecondsSince(timer));
    }
    const double activationMedian = activation.median(); // sorts, before at()
    std::printf("link activated until the tune-up window is painted: median %.1f ms, "
                "90%% %.1f ms, %d runs\n",
        activationMedian, activation.at(0.9), runs);

    // The power fault of a wrong engine setting links three tutorials and a calculator.
    QTest::mouseClick(diagno->findChild<QPushButton *>(QStringLiteral("BitBtn7")), Qt::LeftButton);
    walk(0, "TTYTYTTTTTTTTTTTTY");
    const dipo::diagnosis::report::Stamp stamp { QDateTime::currentDateTime(), QStringLiteral("Dipo"),
        QStringLiteral("1.0") };
    Figures pdf;
    qsizetype bytes = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        bytes = dipo::diagnosis::report::build(diagno->session(), stamp, true)
                    .pdf(QStringLiteral("Dipo"))
                    .size();
        pdf.add(millisecondsSince(timer));
    }
    const double pdfMedian = pdf.median();
    std::printf("report with a three-procedure appendix as PDF (%lld bytes): median %.1f ms, "
                "90%% %.1f ms, %d runs\n",
        static_cast<long long>(bytes), pdfMedian, pdf.at(0.9), runs);
    dipo::shell::destroyForms();
    return 0;
}
