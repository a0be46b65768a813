// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calculatorwindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The brake block wear-life predictor; its check box opens the brake force window.
class Tumurrem : public dipo::calc::CalculatorWindow
{
    Q_OBJECT

public:
    explicit Tumurrem(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QLineEdit *Edit10 = nullptr;
    QLineEdit *Edit11 = nullptr;
    QLineEdit *Edit12 = nullptr;
    QLineEdit *Edit13 = nullptr;

    QGroupBox *GroupBox3 = nullptr;
    QLineEdit *Edit40 = nullptr;
    QLineEdit *Edit39 = nullptr;
    QLineEdit *Edit38 = nullptr;
    QLineEdit *Edit37 = nullptr;
    QLineEdit *Edit36 = nullptr;
    QLineEdit *Edit35 = nullptr;
    QLineEdit *Edit34 = nullptr;
    QLineEdit *Edit33 = nullptr;
    QLineEdit *Edit32 = nullptr;
    QLineEdit *Edit31 = nullptr;
    dipo::RichTextBox *Memo1 = nullptr; // the conclusion, with days and hours in its text
    QLabel *Panel18 = nullptr; // covers the conclusion until a result is there

    QCheckBox *CheckBox2 = nullptr;
    dipo::RichTextBox *Memo3 = nullptr;
    QListWidget *ListHasil = nullptr; // the results, one per line, for the keyboard
    QPushButton *Button1 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button2 = nullptr;
    // Grafik, Cetak, Simpan PDF and the sanity notes.
    dipo::calc::CalcExtras *PanelLembar = nullptr;

    void proses() override;
    void replace() override;

public slots:
    void CheckBox2Click();
    void Edit5Change();
};

extern Tumurrem *umurrem;
