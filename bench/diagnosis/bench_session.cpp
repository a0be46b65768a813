// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnosis session: the back step ("Kembali") through the window, with the trail
// window hidden and shown, and the report of a 30-answer walk written as a PDF.
// Run: ./bench_diagnosis_session [runs], headless with QT_QPA_PLATFORM=offscreen.
#include "bench/diagnosis/figures.h"
#include "common/radiogroup.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbloader.h"
#include "diagnosis/logic/report.h"
#include "diagnosis/logic/reportdocument.h"
#include "diagnosis/logic/session.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <clocale>

using namespace dipo::diagnosis;

namespace {

// Answers and takes back the answer, timing only the back step; the first brake
// question asks on TIDAK, the second concludes on YA.
Figures timeBack(Tdiagno &window, bool concluding, int runs)
{
    window.BitBtn7Click();
    window.findChild<dipo::RadioGroup *>(QStringLiteral("RadioGroup1"))->setItemIndex(5);
    window.RadioGroup1Click(5);
    window.BitBtn8Click();
    if (concluding)
        window.BITBTN2Click();
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        concluding ? window.BITBTN1Click() : window.BITBTN2Click();
        QElapsedTimer timer;
        timer.start();
        window.BitBtnKembaliClick();
        figures.add(millisecondsSince(timer));
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    Tdiagno window;
    window.show();
    auto *trail = window.findChild<QWidget *>(QStringLiteral("riwayat"));
    for (bool trailShown : { false, true }) {
        trail->setVisible(trailShown);
        for (bool concluding : { false, true }) {
            Figures back = timeBack(window, concluding, runs);
            const double median = back.median();
            std::printf("back after %s, trail window %s: median %.3f ms, 90%% %.3f ms, "
                        "99%% %.3f ms, %d runs\n",
                concluding ? "a conclusion" : "an ask", trailShown ? "shown" : "hidden", median,
                back.at(0.9), back.at(0.99), runs);
        }
    }

    // A walk of 30 answers over questions of the engine drive system, with a fault.
    const System &engine = builtInKnowledgeBase().knowledgeBase.systems().at(0);
    Session session;
    session.reset(0, QStringLiteral("sistem pengerak mesin"));
    session.begin(engine.questions.at(0).text);
    for (int i = 1; i <= 30; ++i) {
        Action action;
        if (i < 30) {
            action.kind = Action::Kind::Ask;
            action.question = engine.questions.at(i).text;
        } else {
            action = engine.questions.at(1).ya; // "baterai lemah"
        }
        session.record(i % 2 ? Answer::Tidak : Answer::Ya, action);
    }
    const report::Stamp stamp { QDateTime::currentDateTime(), QStringLiteral("Dipo"),
        QStringLiteral("1.0") };
    QTemporaryDir folder;
    const int pdfRuns = std::max(1, runs / 10);
    Figures memory, file;
    qint64 bytes = 0;
    for (int run = 0; run < pdfRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        report::writePdf(report::html(session, stamp), &buffer);
        memory.add(millisecondsSince(timer));
        bytes = buffer.size();

        timer.restart();
        const QString error = report::savePdf(
            report::html(session, stamp), folder.filePath(QStringLiteral("r.pdf")));
        file.add(millisecondsSince(timer));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    const double inMemory = memory.median(), toFile = file.median();
    std::printf("report of 30 answers as PDF (%lld bytes): into memory median %.1f ms, "
                "to a file median %.1f ms, 90%% %.1f ms, %d runs\n",
        bytes, inMemory, toFile, file.at(0.9), pdfRuns);
    return 0;
}
