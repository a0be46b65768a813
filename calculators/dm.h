// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/dieselpower.h"
#include "common/window.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dipo::calc {
class CalcExtras;
}

namespace dipo {
class RichTextBox;
}

// The diesel engine power calculator.
class TDM : public dipo::Window
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
    // Grafik, Cetak, Simpan PDF and the sanity notes.
    dipo::calc::CalcExtras *PanelLembar = nullptr;

public slots:
    void Button1Click();
    void Button3Click();
    void Button2Click();

private:
    void FormCreate();
    using DieselValues = std::array<double, dipo::calc::DieselStepCount>;
    void showConclusion(const DieselValues &value);
    void showExtras(const dipo::calc::DieselInputs &in, const dipo::calc::DieselEvaluation &ev);

    // The result fields in the order their values are computed.
    std::array<QLineEdit *, dipo::calc::DieselStepCount> m_results {};
};

extern TDM *DM;
