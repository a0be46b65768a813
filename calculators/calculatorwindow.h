// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calcextras.h"
#include "calculators/logic/calculatortable.h"
#include "common/window.h"

#include <QList>

class QLayout;
class QLabel;
class QPushButton;

namespace dipo {
class RichTextBox;
}

namespace dipo::calc {

// The frame every calculator window shares: the window of its table row (name, caption,
// picture, the dark frames' style, full screen), the title panel "Panel1" across the top,
// the buttons PROSES, REPLACE and CLOSE, the sheet's buttons and notes ("PanelLembar"),
// and the keys: Enter in an input presses PROSES, Esc presses CLOSE, Tab goes through the
// inputs, the buttons and the sheet's buttons. A window file makes its frames and lays
// them out, calling the parts below where its controls stand.
class CalculatorWindow : public dipo::Window
{
    Q_OBJECT

public:
    const Calculator &calculator() const { return m_calculator; }

    // PROSES: reads the inputs, shows the results and the sheet; REPLACE: empties them.
    virtual void proses() = 0;
    virtual void replace() = 0;

protected:
    // The window of the table's row `key`, its title panel made.
    CalculatorWindow(const char *key, QWidget *parent);

    QLabel *titlePanel() const { return m_title; }

    // The three buttons, each with the object name and caption the window gives it.
    struct ButtonText
    {
        const char *name;
        const char *caption;
    };
    void addButtons(ButtonText prosesText, ButtonText replaceText, ButtonText closeText);
    QPushButton *prosesButton() const { return m_buttons[0]; }
    QPushButton *replaceButton() const { return m_buttons[1]; }
    QPushButton *closeButton() const { return m_buttons[2]; }
    // The three side by side, for the window's layout.
    QLayout *buttonRow() const;

    // Grafik, Cetak, Simpan PDF and the sanity notes, named after the calculator.
    CalcExtras *addExtras();
    CalcExtras *extras() const { return m_extras; }

    // The keys: Enter in an input presses PROSES and Esc CLOSE; Tab goes through the
    // inputs, the three buttons, the sheet's buttons, then `after`. The focus starts on
    // the first input.
    void setKeys(const QList<QWidget *> &inputs, const QList<QWidget *> &after = {});

    // The sheet of a PROSES: titled with the calculator's name, its inputs and results
    // the table's rows as these frames show them now.
    Sheet newSheet(const QWidget *inputFrame, const QWidget *resultFrame) const;
    // A PROSES that succeeded: the sheet (and the charts window, when open) takes its
    // results, and the screen reader is told the conclusion and every result.
    void showResult(const Sheet &sheet, QWidget *resultFrame, const RichTextBox *conclusion);

private:
    const Calculator &m_calculator;
    QLabel *m_title = nullptr;
    QPushButton *m_buttons[3] = {};
    CalcExtras *m_extras = nullptr;
};

} // namespace dipo::calc
