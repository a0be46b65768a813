// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/dm.h"

#include "calculators/calcextras.h"
#include "calculators/calcform.h"
#include "calculators/logic/conclusions.h"
#include "calculators/logic/curves.h"
#include "calculators/logic/dieselpower.h"
#include "calculators/logic/sheettexts.h"
#include "common/logic/localenumber.h"
#include "common/richtextbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
    : CalculatorWindow("dieselPower", parent)
{
    QWidget *page = sheet();

    GroupBox1 = new QGroupBox(form::text(texts::kDieselInputFrame), page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    form::Rows in(GroupBox1);
    const auto &rows = texts::kDieselInputs;
    Edit9 = in.addEdit(rows[0]);
    edit11 = in.addEdit(rows[1]);
    edit12 = in.addEdit(rows[2]);
    edit13 = in.addEdit(rows[3]);
    edit14 = in.addEdit(rows[4]);
    Edit27 = in.addEdit(rows[5]);
    ComboBox1 = in.addCombo(rows[6], form::lines(texts::kStrokeItems));
    ComboBox2 = in.addCombo(rows[7], form::lines(texts::kCylinderItems));
    edit18 = in.addEdit(rows[8]);
    edit19 = in.addEdit(rows[9]);

    GroupBox2 = new QGroupBox(form::text(texts::kDieselResultFrame), page);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    form::Rows out(GroupBox2);
    for (const texts::FieldText &field : texts::kDieselResults) {
        QLineEdit *edit = out.addValue(field);
        for (int step = 0; step < DieselStepCount; ++step) {
            if (edit->objectName() == QLatin1String(kResultFields[step]))
                m_results[step] = edit;
        }
    }
    // The results show values but take no input or focus.
    GroupBox2->setEnabled(false);

    addButtons({ "Button1", texts::kDieselProses }, { "Button3", texts::kDieselReplace },
        { "Button2", texts::kDieselClose });
    Button1 = prosesButton();
    Button3 = replaceButton();
    Button2 = closeButton();

    // The introduction and the conclusion share the text panel across the bottom.
    Memo1 = form::addTextBox(page, QStringLiteral("Memo1"), true);
    form::setLines(Memo1, dieselConclusionLines({}));
    Memo1->hide();
    Memo2 = form::addTextBox(page, QStringLiteral("Memo2"), false);
    form::setLines(Memo2, form::lines(texts::kDieselIntroduction));
    Memo2->setEnabled(false);

    PanelLembar = addExtras();

    // The results again, where the keyboard reaches them: the frame takes no focus.
    ListHasil = form::addResultSummary(page, GroupBox2);

    auto *buttonRows = new QVBoxLayout;
    buttonRows->addLayout(buttonRow());
    buttonRows->addWidget(PanelLembar);
    buttonRows->addWidget(ListHasil);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 8);
    grid->setSpacing(6);
    grid->addWidget(titlePanel(), 0, 0, 1, 2);
    grid->addWidget(GroupBox1, 1, 0);
    grid->addLayout(buttonRows, 2, 0);
    grid->addWidget(GroupBox2, 1, 1, 2, 1);
    grid->addWidget(Memo1, 3, 0, 1, 2);
    grid->addWidget(Memo2, 3, 0, 1, 2);
    grid->addWidget(PanelLembar->notesLabel(), 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // The inputs, the buttons, the conclusion, then the results one by one.
    Memo1->setAccessibleName(sheet_texts::conclusionName);
    Memo2->setAccessibleName(sheet_texts::introductionName);
    setKeys(in.inputs(), { Memo1, ListHasil });
}

void TDM::proses()
{
    form::guard([&] {
        DieselInputs in;
        in.D = toFloat(form::read(edit11));
        in.L = toFloat(form::read(edit12));
        in.n = toFloat(form::read(edit13));
        in.Prata = toFloat(form::read(edit14));
        in.Pi = toFloat(form::read(Edit27));
        in.Z = toFloat(form::read(ComboBox2));
        const double strokeNumber = toFloat(form::read(ComboBox1));
        in.Nawal = toFloat(form::read(Edit9));
        in.Gf = toFloat(form::read(edit18));
        in.Qc = toFloat(form::read(edit19));
        in.a = strokeFactor(ComboBox1->currentText(), strokeNumber);

        const DieselEvaluation ev = evaluateDiesel(in);
        for (int step = 0; step < ev.completed; ++step)
            m_results[step]->setText(formatFixed(ev.value[step], kDieselDecimals[step]));
        if (ev.failure)
            throw *ev.failure;
        showConclusion(ev.value);
        showExtras(in, ev);
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

void TDM::showExtras(const DieselInputs &in, const DieselEvaluation &ev)
{
    Sheet sheet = newSheet(GroupBox1, GroupBox2);
    sheet.conclusion = Memo1->lines();
    sheet.notes = dieselNotes(ev);
    sheet.charts = { dieselChart(in, ev) };
    showResult(sheet, GroupBox2, Memo1);
}

void TDM::replace()
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
    PanelLembar->clear();
}
