#pragma once

#include "calculators/calctexts.h"

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dipo {
class RichTextBox;
}

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

// Where the rows of a frame go: label, field and unit side by side, one row a pitch.
struct RowLayout
{
    int left = 12;
    int top = 30;
    int pitch = 32;
    int height = 24;
    int labelWidth = 270;
    int fieldWidth = 110;
    int unitWidth = 80;
    int gap = 6;

    QRect label(int row) const;
    QRect field(int row) const;
    QRect unit(int row) const;
};

// A row's label and unit, named after the field ("Edit9Label", "Edit9Unit").
void addRowLabels(QWidget *frame, const texts::FieldText &row, const RowLayout &layout, int index);
QLineEdit *addEditRow(
    QWidget *frame, const texts::FieldText &row, const RowLayout &layout, int index);
QComboBox *addComboRow(QWidget *frame, const texts::FieldText &row, const QStringList &items,
    const RowLayout &layout, int index);

QLabel *addTitle(
    QWidget *window, const QString &name, const QString &caption, const QRect &geometry);
QPushButton *addButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);

// A text box that shows lines and takes no input.
RichTextBox *addTextBox(QWidget *parent, const QString &name, const QRect &geometry, bool bold);
void setLines(RichTextBox *box, const QStringList &lines);

template <std::size_t N> QStringList lines(const char *const (&texts)[N])
{
    QStringList result;
    for (const char *line : texts)
        result << text(line);
    return result;
}

// A disabled control keeps the colours of an enabled one, so its text stays readable.
void keepColoursWhenDisabled(QWidget *widget);

// Dark frames with white bold labels and blue bold inputs, readable over any background.
void applyCalculatorStyle(QWidget *window);

} // namespace dipo::calc::form
