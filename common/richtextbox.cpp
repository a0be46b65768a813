#include "common/richtextbox.h"

#include "common/keys.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    applyFont();
}

void RichTextBox::setLine(const QString &line)
{
    clearLines();
    appendLine(line);
}

void RichTextBox::appendLine(const QString &line)
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
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        result << b.text();
    return result;
}

QString RichTextBox::firstLine() const
{
    return m_lineCount == 0 ? QString() : document()->begin().text();
}

qreal RichTextBox::firstLineIndentOf(int line) const
{
    const QTextBlock b = document()->findBlockByNumber(line);
    return b.isValid() ? b.blockFormat().property(kIndentPointsProperty).toReal() : 0.0;
}

} // namespace dipo
