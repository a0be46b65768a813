// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/session.h"

#include <algorithm>

namespace dipo::diagnosis {

void Session::reset(int system, const QString &systemName)
{
    m_system = system;
    m_systemName = systemName;
    m_begun = false;
    m_steps.clear();
    m_current.clear();
    m_concluded.reset();
    m_recorded = {};
}

void Session::begin(const QString &startQuestion)
{
    m_begun = true;
    m_steps.clear();
    m_current = startQuestion;
    m_concluded.reset();
    m_recorded = {};
}

void Session::record(Answer answer, const Action &action)
{
    if (!m_begun || m_concluded || action.kind == Action::Kind::Nothing)
        return;
    m_steps.append(SessionStep { m_current, answer });
    m_recorded = {};
    if (action.kind == Action::Kind::Ask) {
        m_current = action.question;
    } else {
        m_current.clear();
        m_concluded = action.conclusion;
    }
}

Session::Undone Session::stepBack()
{
    Undone undone { m_steps.takeLast(), m_concluded.has_value() };
    m_current = undone.step.question;
    m_concluded.reset();
    m_recorded = {};
    return undone;
}

namespace {

// Depth first over the questions, longest way first; a question still on the way
// down when it is reached again lies on a circle.
class LongestWalks
{
public:
    explicit LongestWalks(const KnowledgeBase &knowledgeBase)
        : m_kb(knowledgeBase)
    { }

    QuestionsLeft run()
    {
        for (const System &system : m_kb.systems()) {
            for (const Question &question : system.questions)
                visit(question.text);
        }
        QuestionsLeft bounded;
        for (auto it = m_state.cbegin(); it != m_state.cend(); ++it) {
            if (it->kind == Kind::Bounded)
                bounded.insert(it.key(), it->count);
        }
        return bounded;
    }

private:
    enum class Kind { OnTheWay, Bounded, Dead, Circle };
    struct State
    {
        Kind kind;
        int count;
    };

    // Iterative, so a long chain in a knowledge base cannot overflow the stack.
    void visit(const QString &first)
    {
        if (m_state.contains(first))
            return;
        QList<QString> stack { first };
        m_state.insert(first, State { Kind::OnTheWay, 0 });
        while (!stack.isEmpty()) {
            const QString question = stack.last();
            bool descended = false;
            for (Answer answer : { Answer::Ya, Answer::Tidak }) {
                const Action action = m_kb.answer(answer, question);
                if (action.kind == Action::Kind::Ask && !m_state.contains(action.question)) {
                    m_state.insert(action.question, State { Kind::OnTheWay, 0 });
                    stack.append(action.question);
                    descended = true;
                    break;
                }
            }
            if (descended)
                continue;
            stack.removeLast();
            m_state.insert(question, settle(question));
        }
    }

    // Every question this one asks next is settled, or still on the way: then it
    // lies on a circle. A way into a dead end (no conclusion behind it) is no walk to a
    // conclusion and does not count.
    State settle(const QString &question) const
    {
        std::optional<int> longest;
        bool circle = false;
        for (Answer answer : { Answer::Ya, Answer::Tidak }) {
            const Action action = m_kb.answer(answer, question);
            if (action.kind == Action::Kind::Conclude) {
                longest = std::max(longest.value_or(0), 0);
            } else if (action.kind == Action::Kind::Ask) {
                const State next = m_state.value(action.question);
                if (next.kind == Kind::Bounded)
                    longest = std::max(longest.value_or(0), next.count);
                else if (next.kind != Kind::Dead)
                    circle = true;
            }
        }
        if (circle)
            return State { Kind::Circle, 0 };
        if (!longest)
            return State { Kind::Dead, 0 };
        return State { Kind::Bounded, *longest + 1 };
    }

    const KnowledgeBase &m_kb;
    QHash<QString, State> m_state;
};

} // namespace

QuestionsLeft questionsLeft(const KnowledgeBase &knowledgeBase)
{
    return LongestWalks(knowledgeBase).run();
}

} // namespace dipo::diagnosis
