// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/trailfollower.h"

#include "diagnosis/logic/report.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace dipo::diagnosis {

namespace {

bool sameStep(const SessionStep &a, const SessionStep &b)
{
    return a.answer == b.answer && a.question == b.question;
}

QTextTable *firstTable(QTextDocument *document)
{
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

} // namespace

TrailFollower::TrailFollower(QTextDocument *document)
    : m_document(document)
{ }

void TrailFollower::follow(const Session &session, const QuestionsLeft &left)
{
    if (!followSteps(session, left))
        writeAll(session, left);
    remember(session);
}

void TrailFollower::writeAll(const Session &session, const QuestionsLeft &left)
{
    m_document->setHtml(report::trailHtml(session, left));
    m_answers = session.hasBegun() && !session.steps().isEmpty() ? firstTable(m_document) : nullptr;
}

void TrailFollower::remember(const Session &session)
{
    m_system = session.system();
    m_begun = session.hasBegun();
    m_steps = session.steps();
}

// The same walk, answered further or taken back while at least its first answer stays:
// the table keeps its common rows.
bool TrailFollower::followSteps(const Session &session, const QuestionsLeft &left)
{
    const QList<SessionStep> &steps = session.steps();
    if (!m_answers || session.system() != m_system || !session.hasBegun() || !m_begun
        || steps.isEmpty() || m_answers->rows() != m_steps.size() + 1)
        return false;
    int common = 0;
    while (common < steps.size() && common < m_steps.size()
        && sameStep(steps.at(common), m_steps.at(common)))
        ++common;
    if (common == 0)
        return false;

    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    // Below the table and the empty line after it: the question asked or the end
    // reached, written again.
    cursor.setPosition(m_answers->lastPosition() + 1);
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (m_steps.size() > common)
        m_answers->removeRows(common + 1, int(m_steps.size()) - common);
    // New rows look like the first one.
    QList<QTextBlockFormat> blockFormats;
    QList<QTextCharFormat> charFormats;
    for (int column = 0; column < m_answers->columns(); ++column) {
        const QTextCursor cell = m_answers->cellAt(1, column).firstCursorPosition();
        blockFormats.append(cell.blockFormat());
        charFormats.append(cell.charFormat());
    }
    for (int index = common; index < steps.size(); ++index) {
        m_answers->appendRows(1);
        const QStringList row = report::trailRow(index + 1, steps.at(index));
        for (int column = 0; column < row.size() && column < m_answers->columns(); ++column) {
            QTextCursor cell = m_answers->cellAt(index + 1, column).firstCursorPosition();
            cell.setBlockFormat(blockFormats.at(column));
            cell.insertText(row.at(column), charFormats.at(column));
        }
    }
    cursor.insertHtml(report::trailEndHtml(session, left));
    cursor.endEditBlock();
    return true;
}

} // namespace dipo::diagnosis
