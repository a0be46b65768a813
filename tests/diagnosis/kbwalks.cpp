// SPDX-License-Identifier: GPL-3.0-or-later
#include "kbwalks.h"

#include <QHash>
#include <QPair>

using dipo::diagnosis::Action;
using dipo::diagnosis::Answer;

QList<KbWalk> walksToEveryConclusion(const dipo::diagnosis::KnowledgeBase &kb, int system)
{
    // Breadth first, so each question is reached the shortest way.
    QHash<QString, QPair<QString, Answer>> cameFrom;
    QStringList order { kb.startQuestion(system) };
    for (int i = 0; i < order.size(); ++i) {
        for (Answer answer : { Answer::Ya, Answer::Tidak }) {
            const Action action = kb.answer(answer, order.at(i));
            if (action.kind == Action::Kind::Ask && !order.contains(action.question)) {
                cameFrom.insert(action.question, { order.at(i), answer });
                order.append(action.question);
            }
        }
    }

    QList<KbWalk> walks;
    for (const QString &question : std::as_const(order)) {
        for (Answer answer : { Answer::Ya, Answer::Tidak }) {
            const Action action = kb.answer(answer, question);
            if (action.kind != Action::Kind::Conclude)
                continue;
            KbWalk walk;
            walk.conclusion = action.conclusion;
            walk.questions.prepend(question);
            walk.answers.prepend(answer);
            for (QString at = question; cameFrom.contains(at); at = cameFrom.value(at).first) {
                walk.questions.prepend(cameFrom.value(at).first);
                walk.answers.prepend(cameFrom.value(at).second);
            }
            walks.append(walk);
        }
    }
    return walks;
}

bool isFault(const dipo::diagnosis::Conclusion &conclusion)
{
    return conclusion.lines.size() == 2
        && conclusion.lines.at(0).startsWith(
            QLatin1String("Kemungkinan gangguan atau kerusakan yang meyebabkan"))
        && conclusion.lines.at(0).endsWith(QLatin1String("disebabkan oleh :"));
}

bool isNotice(const dipo::diagnosis::Conclusion &conclusion)
{
    return !conclusion.lines.isEmpty() && conclusion.lines.size() <= 2
        && conclusion.lines.at(0).startsWith(QLatin1String("Maaf gangguan belum terdefinisi"))
        && (conclusion.lines.size() == 1
            || conclusion.lines.at(1).startsWith(
                QLatin1String("coba periksa untuk bagian selain")));
}
