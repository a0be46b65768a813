// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QStringList>
#include <QTextEdit>

namespace dipo {

// The rich-text box of the windows, used through a few operations. The box counts
// its lines itself, so an appended empty line is a line of its own.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    void clearLines();                       // the box holds nothing
    void setLine(const QString &line);       // the box holds exactly this text
    void appendLine(const QString &line);    // a new last paragraph
    void setFirstLineIndent(qreal points);   // for the paragraphs appended after this
    void setFontSize(qreal points);          // the whole box and what follows
    void setBold(bool bold);

    // What the box holds, paragraph by paragraph; the first line's text without the
    // line break. An empty box has no lines.
    QStringList lines() const;
    int lineCount() const { return m_lineCount; }
    QString firstLine() const;
    qreal firstLineIndentOf(int line) const; // in points
    qreal fontSize() const { return m_fontSize; }

    // What the box draws of a line longer than this: its start and "…". What lines()
    // and firstLine() give back stays the whole text.
    static constexpr qsizetype kMostShownCharacters = 20000;
    // Lines past this many are kept, not drawn; one last line says how many there are.
    static constexpr int kMostShownLines = 2000;

private:
    void applyFont();
    void insertParagraph(const QString &text);
    void writeUndrawnCount();

    int m_lineCount = 0;
    qreal m_indentPoints = 0;
    qreal m_fontSize = 10;
    bool m_bold = false;
    QHash<int, QString> m_cutLines; // by line number: the whole text of a line drawn cut
    QStringList m_undrawnLines; // the lines past kMostShownLines
    bool m_countPending = false;
};

} // namespace dipo
