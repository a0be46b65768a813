// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calculatorwindow.h"
#include "calculators/logic/dieselpower.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The diesel engine power calculator.
class TDM : public dipo::calc::CalculatorWindow
{
    Q_OBJECT

public:
    explicit TDM(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QLineEdit *edit11 = nullptr;
    QLineEdit *edit12 = nullptr;
    QLineEdit *edit13 = nullptr;
    QLineEdit *edit14 = nullptr;
    QLineEdit *Edit27 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *edit18 = nullptr;
    QLineEdit *edit19 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button2 = nullptr;
    dipo::RichTextBox *Memo2 = nullptr;
    dipo::RichTextBox *Memo1 = nullptr;
    QListWidget *ListHasil = nullptr; // the results, one per line, for the keyboard
    // Grafik, Cetak, Simpan PDF and the sanity notes.
    dipo::calc::CalcExtras *PanelLembar = nullptr;

    void proses() override;
    void replace() override;

private:
    using DieselValues = std::array<double, dipo::calc::DieselStepCount>;
    void showConclusion(const DieselValues &value);
    void showExtras(const dipo::calc::DieselInputs &in, const dipo::calc::DieselEvaluation &ev);

    // The result fields in the order their values are computed.
    std::array<QLineEdit *, dipo::calc::DieselStepCount> m_results {};
};

extern TDM *DM;
