// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/knowledgebase.h"

#include "diagnosis/logic/diagnotexts.h"

#include <iterator>

namespace dipo::diagnosis {

KnowledgeBase::KnowledgeBase(QList<System> systems)
    : m_systems(std::move(systems))
{
    for (int s = 0; s < m_systems.size(); ++s) {
        const QList<Question> &questions = m_systems.at(s).questions;
        for (int q = 0; q < questions.size(); ++q)
            m_byText.insert(questions.at(q).text, Place { s, q });
    }
}

QString KnowledgeBase::startQuestion(int system) const
{
    if (system < 0 || system >= m_systems.size())
        return QString();
    return m_systems.at(system).startQuestion;
}

Action KnowledgeBase::answer(Answer answer, const QString &shownText) const
{
    const auto found = m_byText.constFind(shownText);
    if (found == m_byText.constEnd())
        return Action();
    const Question &question = m_systems.at(found->system).questions.at(found->position);
    return answer == Answer::Ya ? question.ya : question.tidak;
}

namespace {

const QString kRepairKindKeys[]
    = { QStringLiteral("maintenance"), QStringLiteral("tuneUp"), QStringLiteral("calculator") };

} // namespace

QString answerText(Answer answer)
{
    return answer == Answer::Ya ? texts::ya : texts::tidak;
}

std::optional<Answer> answerFromText(const QString &text)
{
    if (text == texts::ya)
        return Answer::Ya;
    if (text == texts::tidak)
        return Answer::Tidak;
    return std::nullopt;
}

QString repairKindKey(Repair::Kind kind)
{
    return kRepairKindKeys[int(kind)];
}

std::optional<Repair::Kind> repairKindFromKey(const QString &key)
{
    for (int i = 0; i < int(std::size(kRepairKindKeys)); ++i)
        if (key == kRepairKindKeys[i])
            return Repair::Kind(i);
    return std::nullopt;
}

} // namespace dipo::diagnosis
