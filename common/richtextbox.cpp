// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/richtextbox.h"

#include "common/keys.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace dipo {
namespace {

// The indent in points is kept on the block beside the pixels it is drawn with.
constexpr int kIndentPointsProperty = QTextFormat::UserProperty + 1;

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    applyFont();
    keys::showFocusFrame(this);
}

void RichTextBox::clearLines()
{
    document()->clear();
    m_lineCount = 0;
    m_cutLines.clear();
    m_undrawnLines.clear();
    applyFont();
}

void RichTextBox::setLine(const QString &line)
{
    clearLines();
    appendLine(line);
}

// A line from outside data may be megabytes long, or one of hundreds of thousands: the
// text layout's cost grows faster than the text, and nobody reads that much in a box.
void RichTextBox::appendLine(const QString &line)
{
    if (m_lineCount >= kMostShownLines) {
        if (m_undrawnLines.isEmpty())
            insertParagraph(QString()); // the line that will count the undrawn ones
        else
            ++m_lineCount;
        m_undrawnLines.append(line);
        // The last drawn line counts what is kept undrawn, written once the appending is
        // done: each edit of the document costs a layout.
        if (!m_countPending) {
            m_countPending = true;
            QTimer::singleShot(0, this, &RichTextBox::writeUndrawnCount);
        }
        return;
    }
    if (line.size() > kMostShownCharacters) {
        m_cutLines.insert(m_lineCount, line);
        insertParagraph(line.left(kMostShownCharacters) + QChar(0x2026));
        return;
    }
    insertParagraph(line);
}

void RichTextBox::writeUndrawnCount()
{
    m_countPending = false;
    if (m_undrawnLines.isEmpty())
        return;
    QTextCursor last(document());
    last.movePosition(QTextCursor::End);
    last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    last.insertText(QStringLiteral("\u2026dan %1 baris lagi").arg(m_undrawnLines.size()));
}

void RichTextBox::insertParagraph(const QString &line)
{
    const qreal pixels = m_indentPoints * logicalDpiY() / 72.0;
    QTextBlockFormat block;
    block.setTextIndent(pixels);
    block.setProperty(kIndentPointsProperty, m_indentPoints);
    QTextCharFormat chars;
    chars.setFontPointSize(m_fontSize);
    chars.setFontWeight(m_bold ? QFont::Bold : QFont::Normal);

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount == 0)
        cursor.setBlockFormat(block);
    else
        cursor.insertBlock(block, chars);
    cursor.setCharFormat(chars);
    cursor.insertText(line, chars);
    ++m_lineCount;
}

void RichTextBox::setFirstLineIndent(qreal points)
{
    m_indentPoints = points;
}

void RichTextBox::setFontSize(qreal points)
{
    m_fontSize = points;
    applyFont();
}

void RichTextBox::setBold(bool bold)
{
    m_bold = bold;
    applyFont();
}

void RichTextBox::applyFont()
{
    QFont f = font();
    f.setPointSizeF(m_fontSize);
    f.setBold(m_bold);
    setFont(f);
    document()->setDefaultFont(f);
    QTextCharFormat chars;
    chars.setFontPointSize(m_fontSize);
    chars.setFontWeight(m_bold ? QFont::Bold : QFont::Normal);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(chars);
    setCurrentCharFormat(chars);
}

QStringList RichTextBox::lines() const
{
    QStringList result;
    if (m_lineCount == 0)
        return result;
    int number = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next(), ++number)
        result << m_cutLines.value(number, b.text());
    if (!m_undrawnLines.isEmpty()) {
        result.removeLast(); // the count of undrawn lines
        result += m_undrawnLines;
    }
    return result;
}

QString RichTextBox::firstLine() const
{
    return m_lineCount == 0 ? QString() : m_cutLines.value(0, document()->begin().text());
}

qreal RichTextBox::firstLineIndentOf(int line) const
{
    const QTextBlock b = document()->findBlockByNumber(line);
    return b.isValid() ? b.blockFormat().property(kIndentPointsProperty).toReal() : 0.0;
}

} // namespace dipo
