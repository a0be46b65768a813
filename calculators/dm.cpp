#include "calculators/dm.h"

#include "calculators/calcform.h"
#include "calculators/conclusions.h"
#include "calculators/dieselpower.h"
#include "common/errorreport.h"
#include "common/localenumber.h"
#include "common/richtextbox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

TDM *DM = nullptr;

using namespace dipo::calc;
namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;
using dipo::number::formatFixed;
using dipo::number::toFloat;

namespace {

// The result fields in the order their values are computed.
constexpr const char *kResultFields[DieselStepCount] = { "Edit2", "Edit3", "Edit4", "Edit5",
    "Edit6", "Edit1", "Edit7", "Edit10", "Edit20", "Edit15", "Edit17", "Edit8" };

QString verdictText(DieselVerdict verdict)
{
    return form::text(texts::kDieselVerdicts[int(verdict)]);
}

} // namespace

TDM::TDM(QWidget *parent)
    : dipo::Window(QStringLiteral("DM"), form::text(texts::kDieselCaption), parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("dm_background.jpg"));
    form::applyCalculatorStyle(this);

    form::addTitle(
        this, QStringLiteral("Panel1"), form::text(texts::kDieselTitle), QRect(16, 8, 992, 40));

    GroupBox1 = new QGroupBox(form::text(texts::kDieselInputFrame), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 56, 496, 368);
    form::RowLayout in;
    in.labelWidth = 262;
    in.fieldWidth = 110;
    in.unitWidth = 88;
    const auto &rows = texts::kDieselInputs;
    Edit9 = form::addEditRow(GroupBox1, rows[0], in, 0);
    edit11 = form::addEditRow(GroupBox1, rows[1], in, 1);
    edit12 = form::addEditRow(GroupBox1, rows[2], in, 2);
    edit13 = form::addEditRow(GroupBox1, rows[3], in, 3);
    edit14 = form::addEditRow(GroupBox1, rows[4], in, 4);
    Edit27 = form::addEditRow(GroupBox1, rows[5], in, 5);
    ComboBox1 = form::addComboRow(GroupBox1, rows[6], form::lines(texts::kStrokeItems), in, 6);
    ComboBox2 = form::addComboRow(GroupBox1, rows[7], form::lines(texts::kCylinderItems), in, 7);
    edit18 = form::addEditRow(GroupBox1, rows[8], in, 8);
    edit19 = form::addEditRow(GroupBox1, rows[9], in, 9);

    GroupBox2 = new QGroupBox(form::text(texts::kDieselResultFrame), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(520, 56, 488, 432);
    form::RowLayout out = in;
    out.labelWidth = 258;
    out.fieldWidth = 110;
    out.unitWidth = 92;
    int row = 0;
    for (const texts::FieldText &field : texts::kDieselResults) {
        QLineEdit *edit = form::addEditRow(GroupBox2, field, out, row++);
        for (int step = 0; step < DieselStepCount; ++step) {
            if (edit->objectName() == QLatin1String(kResultFields[step]))
                m_results[step] = edit;
        }
    }
    // The results show values but take no input or focus.
    GroupBox2->setEnabled(false);

    Button1 = form::addButton(
        this, QStringLiteral("Button1"), form::text(texts::kDieselProses), QRect(16, 436, 150, 36));
    Button3 = form::addButton(this, QStringLiteral("Button3"), form::text(texts::kDieselReplace),
        QRect(189, 436, 150, 36));
    Button2 = form::addButton(
        this, QStringLiteral("Button2"), form::text(texts::kDieselClose), QRect(362, 436, 150, 36));

    // The introduction and the conclusion share the text panel across the bottom.
    const QRect textPanel(16, 500, 992, 256);
    Memo1 = form::addTextBox(this, QStringLiteral("Memo1"), textPanel, true);
    form::setLines(Memo1, dieselConclusionLines({}));
    Memo1->hide();
    Memo2 = form::addTextBox(this, QStringLiteral("Memo2"), textPanel, false);
    form::setLines(Memo2, form::lines(texts::kDieselIntroduction));
    Memo2->setEnabled(false);

    connect(Button1, &QPushButton::clicked, this, &TDM::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TDM::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TDM::Button2Click);
    FormCreate();
}

void TDM::FormCreate()
{ }

void TDM::Button1Click()
{
    dipo::errorreport::guard([&] {
        DieselInputs in;
        in.D = toFloat(edit11->text());
        in.L = toFloat(edit12->text());
        in.n = toFloat(edit13->text());
        in.Prata = toFloat(edit14->text());
        in.Pi = toFloat(Edit27->text());
        in.Z = toFloat(ComboBox2->currentText());
        const double strokeNumber = toFloat(ComboBox1->currentText());
        in.Nawal = toFloat(Edit9->text());
        in.Gf = toFloat(edit18->text());
        in.Qc = toFloat(edit19->text());
        in.a = strokeFactor(ComboBox1->currentText(), strokeNumber);

        const DieselEvaluation ev = evaluateDiesel(in);
        for (int step = 0; step < ev.completed; ++step)
            m_results[step]->setText(formatFixed(ev.value[step], kDieselDecimals[step]));
        if (ev.failure)
            throw *ev.failure;
        showConclusion(ev.value);
    });
}

void TDM::showConclusion(const DieselValues &value)
{
    DieselConclusion c;
    c.power = formatFixed(value[N], 0);
    c.percentage = formatFixed(value[persentase], 2);
    c.verdict = verdictText(dieselVerdict(value[persentase]));
    c.pistonSpeed = formatFixed(value[C], 2);
    c.fuelRate = formatFixed(value[Be], 8);
    c.mechanicalEfficiency = formatFixed(value[nm], 2);
    form::setLines(Memo1, dieselConclusionLines(c));
    Memo2->hide();
    Memo1->show();
}

void TDM::Button3Click()
{
    for (QLineEdit *edit : { Edit9, edit11, edit12, edit13, edit14 })
        edit->clear();
    ComboBox1->setEditText(QString());
    ComboBox2->setEditText(QString());
    for (QLineEdit *edit : { edit18, edit19, Edit27 })
        edit->clear();
    for (QLineEdit *result : m_results)
        result->clear();
    Memo1->hide();
    Memo2->show();
}

void TDM::Button2Click()
{
    close();
}
