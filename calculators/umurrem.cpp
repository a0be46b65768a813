#include "calculators/umurrem.h"

#include "calculators/brakelife.h"
#include "calculators/calcform.h"
#include "calculators/conclusions.h"
#include "calculators/dialog1.h"
#include "calculators/gayrem.h"
#include "common/errorreport.h"
#include "common/localenumber.h"
#include "common/pictures.h"
#include "common/richtextbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tumurrem *umurrem = nullptr;

using namespace dipo::calc;
namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;
using dipo::number::formatFixed;
using dipo::number::formatGeneral;
using dipo::number::toFloat;

Tumurrem::Tumurrem(QWidget *parent)
    : dipo::Window(QStringLiteral("umurrem"), form::text(texts::kBrakeLifeCaption), parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("umurrem_background.jpg"));
    form::applyCalculatorStyle(this);

    form::addTitle(
        this, QStringLiteral("Panel1"), form::text(texts::kBrakeTitle), QRect(16, 8, 996, 40));

    GroupBox1 = new QGroupBox(form::text(texts::kBrakeLifeInputFrame), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 56, 444, 484);
    form::RowLayout in;
    in.gap = 4;
    in.labelWidth = 276;
    in.fieldWidth = 76;
    in.unitWidth = 64;
    const auto &rows = texts::kBrakeLifeInputs;
    Edit1 = form::addEditRow(GroupBox1, rows[0], in, 0);
    Edit2 = form::addEditRow(GroupBox1, rows[1], in, 1);
    Edit3 = form::addEditRow(GroupBox1, rows[2], in, 2);
    Edit4 = form::addEditRow(GroupBox1, rows[3], in, 3);
    Edit5 = form::addEditRow(GroupBox1, rows[4], in, 4);
    Edit6 = form::addEditRow(GroupBox1, rows[5], in, 5);
    ComboBox1 = form::addComboRow(GroupBox1, rows[6], form::lines(texts::kSpeedItems), in, 6);
    Edit7 = form::addEditRow(GroupBox1, rows[7], in, 7);
    Edit8 = form::addEditRow(GroupBox1, rows[8], in, 8);
    Edit9 = form::addEditRow(GroupBox1, rows[9], in, 9);
    Edit10 = form::addEditRow(GroupBox1, rows[10], in, 10);
    Edit11 = form::addEditRow(GroupBox1, rows[11], in, 11);
    Edit12 = form::addEditRow(GroupBox1, rows[12], in, 12);
    Edit13 = form::addEditRow(GroupBox1, rows[13], in, 13);

    Button1 = form::addButton(
        this, QStringLiteral("Button1"), form::text(texts::kProses), QRect(16, 552, 140, 36));
    Button3 = form::addButton(
        this, QStringLiteral("Button3"), form::text(texts::kReplace), QRect(168, 552, 140, 36));
    Button2 = form::addButton(
        this, QStringLiteral("Button2"), form::text(texts::kClose), QRect(320, 552, 140, 36));

    CheckBox2 = new QCheckBox(this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(20, 604, 20, 24);
    auto *clickHere = new QLabel(form::text(texts::kBrakeForceLink), this);
    clickHere->setObjectName(QStringLiteral("Label_CheckBox2"));
    clickHere->setGeometry(44, 604, 120, 24);
    clickHere->setStyleSheet(QStringLiteral(
        "QLabel { background-color: black; color: white; font-weight: bold; padding: 0 4px; }"));
    Memo3 = form::addTextBox(this, QStringLiteral("Memo3"), QRect(16, 636, 444, 80), false);
    form::setLines(Memo3, form::lines(texts::kBrakeForceExplanation));
    Memo3->setEnabled(false);

    GroupBox3 = new QGroupBox(form::text(texts::kBrakeLifeResultFrame), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(468, 56, 544, 500);
    form::RowLayout out = in;
    out.labelWidth = 332;
    out.fieldWidth = 150;
    out.unitWidth = 40;
    QLineEdit **results[] = { &Edit40, &Edit39, &Edit38, &Edit37, &Edit36, &Edit35, &Edit34,
        &Edit33, &Edit32, &Edit31 };
    int row = 0;
    for (QLineEdit **result : results) {
        *result = form::addEditRow(GroupBox3, texts::kBrakeLifeResults[row], out, row);
        ++row;
    }

    const QRect conclusion(12, 372, 520, 112);
    Memo1 = form::addTextBox(GroupBox3, QStringLiteral("Memo1"), conclusion, true);
    Memo1->setStyleSheet(QStringLiteral("QTextEdit { color: #0000b0; }"));
    form::setLines(Memo1, brakeLifeConclusionLines(form::text(texts::kDaysPlaceholder), QString()));
    Panel18 = new QLabel(GroupBox3);
    Panel18->setObjectName(QStringLiteral("Panel18"));
    Panel18->setGeometry(conclusion);
    Panel18->setAutoFillBackground(true);
    Panel18->setStyleSheet(QStringLiteral("QLabel { background-color: white; }"));
    Panel18->setAlignment(Qt::AlignCenter);
    const QImage picture = dipo::pictures::decoration(QStringLiteral("umurrem_panel.jpg"));
    if (!picture.isNull())
        Panel18->setPixmap(QPixmap::fromImage(
            picture.scaled(160, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    connect(Button1, &QPushButton::clicked, this, &Tumurrem::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &Tumurrem::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &Tumurrem::Button2Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &Tumurrem::CheckBox2Click);
    connect(Edit5, &QLineEdit::textChanged, this, &Tumurrem::Edit5Change);
    FormCreate();
}

void Tumurrem::FormCreate()
{
    // The results show values but take no input or focus.
    GroupBox3->setEnabled(false);
}

void Tumurrem::Button1Click()
{
    dipo::errorreport::guard([&] {
        BrakeLifeInputs in;
        in.D = toFloat(Edit1->text());
        in.Q = toFloat(Edit2->text());
        in.L = toFloat(Edit3->text());
        in.T = toFloat(Edit4->text());
        in.Tmin = toFloat(Edit5->text());
        in.Da = toFloat(Edit6->text());
        in.speed = ComboBox1->currentText();
        dipo::number::toInteger(in.speed); // only a whole number is a speed
        in.K = toFloat(Edit7->text());
        in.Fm = toFloat(Edit8->text());
        in.Fk = toFloat(Edit9->text());
        in.Pb = toFloat(Edit10->text());
        in.H = toFloat(Edit11->text());
        in.Frem = toFloat(Edit12->text());
        in.Fj = toFloat(Edit13->text());

        const BrakeLifeResults r = computeBrakeLife(in);
        Edit40->setText(formatGeneral(r.Kr));
        Edit39->setText(formatGeneral(r.Kj));
        Edit38->setText(formatGeneral(r.Lp));
        Edit37->setText(formatGeneral(r.Ak));
        Edit36->setText(formatGeneral(r.Vijin));
        Edit35->setText(formatGeneral(r.Ap));
        Edit34->setText(formatGeneral(r.Npa));
        Edit33->setText(formatGeneral(r.J));
        Edit32->setText(formatGeneral(r.Vaus));
        Edit31->setText(formatGeneral(r.Urem));
        form::setLines(
            Memo1, brakeLifeConclusionLines(formatFixed(r.Urem, 0), formatFixed(r.hours, 0)));
        Panel18->hide();
    });
}

void Tumurrem::Button3Click()
{
    Panel18->show();
    for (QLineEdit *edit : { Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10,
             Edit11, Edit12, Edit13 })
        edit->clear();
    ComboBox1->setEditText(QString());
    for (QLineEdit *edit :
        { Edit31, Edit32, Edit33, Edit34, Edit35, Edit36, Edit37, Edit38, Edit40, Edit39 })
        edit->clear();
}

void Tumurrem::Button2Click()
{
    close();
}

void Tumurrem::CheckBox2Click()
{
    // The box only opens the brake force window; it never stays ticked.
    if (CheckBox2->isChecked() && gayrem)
        gayrem->showWindow();
    CheckBox2->setChecked(false);
}

void Tumurrem::Edit5Change()
{
    if (thicknessTooLarge(Edit5->text(), Edit4->text()) && DIALOG1)
        DIALOG1->showWindow();
}
