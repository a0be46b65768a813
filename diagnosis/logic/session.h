// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/document.h"
#include "diagnosis/logic/knowledgebase.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace dipo::diagnosis {

struct SessionStep
{
    QString question;
    Answer answer = Answer::Ya;
};

// One diagnosis as the user walks it: the system, the questions answered in order and
// the end reached. The window records what the engine answered, never what its boxes
// show, so a step can be taken back exactly.
class Session
{
public:
    // A new session: a system chosen (or none, -1) and no walk yet.
    void reset(int system = -1, const QString &systemName = QString());
    // "Mulai": the walk begins at the system's start question.
    void begin(const QString &startQuestion);
    // The engine's action for the answer to the current question; an action that
    // does nothing is no step.
    void record(Answer answer, const Action &action);

    bool canStepBack() const { return !m_steps.isEmpty(); }
    // Takes back the last answer: its question is current again. Returns that step
    // and whether it had concluded. Only when canStepBack().
    struct Undone
    {
        SessionStep step;
        bool hadConcluded = false;
    };
    Undone stepBack();

    int system() const { return m_system; }
    const QString &systemName() const { return m_systemName; }
    bool hasBegun() const { return m_begun; }
    const QList<SessionStep> &steps() const { return m_steps; }
    // The question now asked; empty before "Mulai" and once concluded.
    const QString &currentQuestion() const { return m_current; }
    bool isConcluded() const { return m_concluded.has_value(); }
    // The conclusion as the result box shows it; only when isConcluded().
    const Conclusion &conclusion() const { return *m_concluded; }

    // What the workshop log kept of this walk ("Simpan ke catatan"): its entry, the
    // locomotive and the technician, for the papers printed of it. It holds until the walk
    // changes (a new walk, an answer, a step back); empty before.
    void setRecorded(const document::Job &job) { m_recorded = job; }
    const document::Job &recorded() const { return m_recorded; }

private:
    int m_system = -1;
    QString m_systemName;
    bool m_begun = false;
    QList<SessionStep> m_steps;
    QString m_current;
    std::optional<Conclusion> m_concluded;
    document::Job m_recorded;
};

// For each question of the knowledge base, the most questions a walk can still ask
// from it (itself included) before it reaches a conclusion. A question from which
// no conclusion can be reached, or from which a walk could go round in a circle, has
// no bound and is left out.
using QuestionsLeft = QHash<QString, int>;
QuestionsLeft questionsLeft(const KnowledgeBase &knowledgeBase);

} // namespace dipo::diagnosis
