// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/calctexts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace dipo {
class RichTextBox;
class Window;
} // namespace dipo

// Building blocks the calculator windows share: rows of label, field and unit in a
// frame, buttons, text boxes and the common look.
namespace dipo::calc::form {

inline QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// The defaults are written with a comma; they are shown with the separator in force
// so that they read back as numbers on any system.
QString defaultText(const char *latin1);

// A frame's rows: label, field and unit in three columns, so fields and units line up.
// The fields grow with the frame up to a sensible width.
class Rows
{
public:
    explicit Rows(QWidget *frame);

    QLineEdit *addEdit(const texts::FieldText &row);
    // A field the program writes: wide enough for any value (see dipo::makeValueField).
    QLineEdit *addValue(const texts::FieldText &row);
    QComboBox *addCombo(const texts::FieldText &row, const QStringList &items);
    QGridLayout *grid() const { return m_grid; }
    int rowCount() const { return m_row; }
    // The fields the user types into, in reading order.
    const QList<QWidget *> &inputs() const { return m_inputs; }

private:
    // A result's caption may wrap on a narrow screen.
    enum class Caption { OneLine, WrapsWhenNarrow };
    void addRow(const texts::FieldText &row, QWidget *field, Caption caption = Caption::OneLine);

    QWidget *m_frame;
    QList<QWidget *> m_inputs;
    QGridLayout *m_grid;
    int m_row = 0;
};

QLabel *addTitle(QWidget *window, const QString &name, const QString &caption);
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption);

// A text box that shows lines and takes no input.
RichTextBox *addTextBox(QWidget *parent, const QString &name, bool bold);
void setLines(RichTextBox *box, const QStringList &lines);

// The results of a frame whose fields take no focus, one "name: value unit" line each, in a
// read-only list the keyboard reaches ("ListHasil"): a screen reader reads them one by one.
// It follows the fields as the program writes them, and is hidden while all are empty.
QListWidget *addResultSummary(QWidget *parent, QWidget *resultFrame);

// After PROSES the screen reader speaks the conclusion and every result: the result
// frames take no focus, so the words are told where the focus is.
// The sanity notes, if any, follow the conclusion.
void tellResults(QWidget *window, QWidget *resultFrame, const RichTextBox *conclusion,
    const QStringList &notes = {});

template <std::size_t N> QStringList lines(const char *const (&texts)[N])
{
    QStringList result;
    for (const char *line : texts)
        result << text(line);
    return result;
}

// A field's text as a handler reads it. The field is remembered, so that guard() can
// take the user to it when its text is refused.
QString read(QLineEdit *field);
QString read(QComboBox *field);

// Runs a calculator's handler like dipo::errorreport::guard; after the report of a text
// that is no number, the focus is on the field that holds it, its text selected.
void guard(const std::function<void()> &handler);

// Enter in any of the fields presses the button (PROSES).
void enterPresses(const QList<QWidget *> &fields, QPushButton *button);

// A disabled control keeps the colours of an enabled one, so its text stays readable.
void keepColoursWhenDisabled(QWidget *widget);

// Dark frames with white bold labels and blue bold inputs, readable over any background.
// Set when the window is first shown.
void applyCalculatorStyle(Window *window);

} // namespace dipo::calc::form
