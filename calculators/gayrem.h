// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calculatorwindow.h"
#include "calculators/logic/brakeforce.h"
#include "calculators/logic/conclusions.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

// The brake force, brake percentage, braking distance and skid calculator.
class Tgayrem : public dipo::calc::CalculatorWindow
{
    Q_OBJECT

public:
    explicit Tgayrem(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit14 = nullptr;
    QLineEdit *Edit15 = nullptr;
    QLineEdit *Edit16 = nullptr;
    QLineEdit *Edit17 = nullptr;
    QLineEdit *Edit18 = nullptr;
    QLineEdit *Edit19 = nullptr;
    QLineEdit *Edit20 = nullptr;
    QLineEdit *Edit21 = nullptr;
    QLineEdit *Edit23 = nullptr;
    QLineEdit *Edit24 = nullptr;
    QLineEdit *Edit25 = nullptr;
    QLineEdit *Edit26 = nullptr;
    QLineEdit *Edit27 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit1 = nullptr;

    QGroupBox *GroupBox2 = nullptr;
    QLineEdit *Edit2 = nullptr; // the skid verdict
    QPushButton *BitBtn1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    dipo::RichTextBox *Memo2 = nullptr;
    dipo::RichTextBox *RichEdit1 = nullptr; // the conclusion, values in its text
    // Grafik, Cetak, Simpan PDF and the sanity notes.
    dipo::calc::CalcExtras *PanelLembar = nullptr;

    void proses() override;
    void replace() override;

private:
    void showPercentages(const dipo::calc::BrakeForceEvaluation &ev);
    void showExtras(
        const dipo::calc::BrakeForceInputs &in, const dipo::calc::BrakeForceEvaluation &ev);

    // Edit14jwb .. Edit23jwb in the order their values are computed.
    std::array<QLineEdit *, dipo::calc::BrakeForceStepCount> m_results {};
    // What the conclusion shows; each percentage keeps its last value until computed anew.
    dipo::calc::BrakeForceConclusion m_conclusion;
};

extern Tgayrem *gayrem;
