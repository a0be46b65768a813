// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QPainter;
class QRect;
class QWidget;

namespace dipo {

class ClickLabel;

namespace keys {

// The focus frame every custom control draws: a dark and a light line, visible on any
// background, and drawn after the control's own painting so no style sheet hides it.
void paintFocusFrame(QPainter &painter, const QRect &rect);

// Draws the focus frame over a control whose style shows no focus of its own (text
// boxes), after the control has painted itself.
void showFocusFrame(QWidget *control);

// Clickable labels and pictures are announced as buttons, named by their caption (or
// accessible name), with a press action. Installed once, on the first such control.
void announceAsButton();

// Esc in the window does what its close control does (a click on it).
void escapeClicks(QWidget *window, QAbstractButton *closeControl);
void escapeClicks(QWidget *window, ClickLabel *closeControl);

// A click that opens another window (a link) may be the first of a double click, whose
// second lands on whatever the new window puts under the pointer. The rest of that double
// click (its presses and releases within the double-click interval) goes nowhere.
void ignoreRestOfDoubleClick();

// The label names the field for the keyboard and for assistive technology: it becomes
// the field's buddy, its text (without the trailing colon) the field's accessible name,
// and the unit the accessible description. Input fields get the unit and the decimal
// separator in force as their hint (see fieldHint()).
void nameField(QLabel *label, QWidget *field, const QString &unit = QString());

// "kN; gunakan koma sebagai pemisah desimal", with the separator in force.
QString fieldHint(const QString &unit);

// A label's text as a name: mnemonic marks, blanks and a trailing colon taken off.
QString nameFromCaption(const QString &caption);

// Tab goes through the controls in this order.
void setReadingOrder(const QList<QWidget *> &controls);

// The arrow keys move the focus among these controls (buttons laid out in a grid, as on
// a menu): to the nearest one in the arrow's direction, as they are placed on screen.
// At the edge the focus stays.
void arrowsMoveFocus(const QList<QWidget *> &controls);

// A date field that Tab leaves at once, as it leaves every other field; the arrow keys
// move between its day, month, year and time. Qt's own walks its parts first, silently
// when the field shows a special value ("semua tanggal").
template <class DateEdit> class TabLeaves : public DateEdit
{
public:
    using DateEdit::DateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace keys
} // namespace dipo
