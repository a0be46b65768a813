// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/session.h"

#include <QList>
#include <QPointer>

class QTextDocument;
class QTextTable;

namespace dipo::diagnosis {

// Keeps a document showing a session's trail. An answer adds its row and a step back
// takes one away; only the text below the answers is written again, so a long walk
// costs each answer the same. Anything else (another system, a new walk) writes the
// whole trail.
class TrailFollower
{
public:
    explicit TrailFollower(QTextDocument *document);

    void follow(const Session &session, const QuestionsLeft &left);

private:
    bool followSteps(const Session &session, const QuestionsLeft &left);
    void writeAll(const Session &session, const QuestionsLeft &left);
    void remember(const Session &session);

    QTextDocument *m_document;
    QPointer<QTextTable> m_answers;
    int m_system = -2;
    bool m_begun = false;
    QList<SessionStep> m_steps;
};

} // namespace dipo::diagnosis
