// SPDX-License-Identifier: GPL-3.0-or-later
// Knowledge base load time, and the time of walking every system along every way from
// its start question to each conclusion: once through the question lookup alone, once
// through the window's answer handlers. Run: ./bench_diagnosis [runs], headless with
// QT_QPA_PLATFORM=offscreen.
#include "bench/diagnosis/figures.h"
#include "common/radiogroup.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbloader.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <clocale>

using namespace dipo::diagnosis;

namespace {

// Every sequence of answers from the start question to a conclusion.
using Path = std::vector<Answer>;

void collectPaths(
    const KnowledgeBase &kb, const QString &question, Path &path, std::vector<Path> &paths)
{
    for (Answer answer : { Answer::Ya, Answer::Tidak }) {
        const Action action = kb.answer(answer, question);
        path.push_back(answer);
        if (action.kind == Action::Kind::Ask)
            collectPaths(kb, action.question, path, paths);
        else if (action.kind == Action::Kind::Conclude)
            paths.push_back(path);
        path.pop_back();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    Figures load;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const KbLoad result = loadKnowledgeBase(builtInFiles());
        load.add(millisecondsSince(timer));
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(result.errors().join(QLatin1Char('\n'))));
            return 1;
        }
    }
    std::printf("knowledge base load (read, parse, check): median %.3f ms, min %.3f ms, %d runs\n",
        load.median(), load.min(), runs);

    const KnowledgeBase &kb = builtInKnowledgeBase().knowledgeBase;
    Tdiagno window;
    auto *systemList = window.findChild<dipo::RadioGroup *>(QStringLiteral("RadioGroup1"));
    long totalAnswers = 0;
    double totalLookup = 0, totalWindow = 0;
    for (int system = 0; system < kb.systemCount(); ++system) {
        std::vector<Path> paths;
        Path path;
        collectPaths(kb, kb.startQuestion(system), path, paths);
        long answers = 0;
        for (const Path &p : paths)
            answers += long(p.size());

        Figures lookup;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            for (const Path &p : paths) {
                QString question = kb.startQuestion(system);
                for (Answer answer : p) {
                    const Action action = kb.answer(answer, question);
                    if (action.kind == Action::Kind::Ask)
                        question = action.question;
                }
            }
            lookup.add(millisecondsSince(timer));
        }

        // Through the handlers, as the buttons run them; fewer runs, the window is slower.
        Figures handlers;
        for (int run = 0; run < std::max(1, runs / 10); ++run) {
            QElapsedTimer timer;
            timer.start();
            for (const Path &p : paths) {
                window.BitBtn7Click();
                systemList->setItemIndex(system);
                window.RadioGroup1Click(system);
                window.BitBtn8Click();
                for (Answer answer : p)
                    answer == Answer::Ya ? window.BITBTN1Click() : window.BITBTN2Click();
            }
            handlers.add(millisecondsSince(timer));
        }
        const double lookupMs = lookup.median(), windowMs = handlers.median();
        std::printf("system %d: %zu ways to a conclusion, %ld answers: lookup %.3f ms "
                    "(%.0f ns per answer), window %.2f ms (%.1f us per answer incl. reset and "
                    "start)\n",
            system, paths.size(), answers, lookupMs, lookupMs * 1e6 / double(answers), windowMs,
            windowMs * 1e3 / double(answers));
        totalAnswers += answers;
        totalLookup += lookupMs;
        totalWindow += windowMs;
    }
    std::printf("all systems: %ld answers, lookup %.3f ms, window %.2f ms\n", totalAnswers,
        totalLookup, totalWindow);
    return 0;
}
