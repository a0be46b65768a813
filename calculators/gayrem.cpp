// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/gayrem.h"

#include "calculators/calcextras.h"
#include "calculators/calcform.h"
#include "calculators/logic/curves.h"
#include "calculators/logic/sheettexts.h"
#include "common/logic/localenumber.h"
#include "common/richtextbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tgayrem *gayrem = nullptr;

using namespace dipo::calc;
namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;
using dipo::number::formatFixed;
using dipo::number::toFloat;

namespace {

QString verdict(bool satisfies)
{
    return form::text(satisfies ? texts::kSatisfying : texts::kUnsatisfying);
}

} // namespace

Tgayrem::Tgayrem(QWidget *parent)
    : CalculatorWindow("brakeForce", parent)
{
    QWidget *page = sheet();

    GroupBox1 = new QGroupBox(form::text(texts::kBrakeForceInputFrame), page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    form::Rows in(GroupBox1);
    QLineEdit **inputs[] = { &Edit14, &Edit15, &Edit16, &Edit17, &Edit18, &Edit19, &Edit20, &Edit21,
        &Edit23, &Edit24, &Edit25, &Edit26, &Edit27, &Edit3, &Edit1 };
    int row = 0;
    for (QLineEdit **input : inputs)
        *input = in.addEdit(texts::kBrakeForceInputs[row++]);

    GroupBox2 = new QGroupBox(form::text(texts::kBrakeForceResultFrame), page);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    form::Rows out(GroupBox2);
    row = 0;
    QList<QWidget *> results;
    for (const texts::FieldText &field : texts::kBrakeForceResults) {
        QLineEdit *edit = out.addValue(field);
        results << edit;
        edit->setReadOnly(true);
        if (row < BrakeForceStepCount)
            m_results[row] = edit;
        else
            Edit2 = edit;
        ++row;
    }

    addButtons({ "BitBtn1", texts::kProses }, { "Button1", texts::kReplace },
        { "Button2", texts::kClose });
    BitBtn1 = prosesButton();
    Button1 = replaceButton();
    Button2 = closeButton();

    // The introduction lies in front of the conclusion in the text panel.
    RichEdit1 = form::addTextBox(page, QStringLiteral("RichEdit1"), true);
    form::setLines(RichEdit1, brakeForceConclusionLines(m_conclusion));
    RichEdit1->hide();
    Memo2 = form::addTextBox(page, QStringLiteral("Memo2"), false);
    form::setLines(Memo2, form::lines(texts::kBrakeForceIntroduction));
    Memo2->setEnabled(false);

    PanelLembar = addExtras();

    auto *right = new QVBoxLayout;
    right->addWidget(GroupBox2);
    right->addLayout(buttonRow());
    right->addWidget(PanelLembar);
    right->addStretch(1);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 8);
    grid->setSpacing(6);
    grid->addWidget(titlePanel(), 0, 0, 1, 2);
    grid->addWidget(GroupBox1, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->addWidget(RichEdit1, 2, 0, 1, 2);
    grid->addWidget(Memo2, 2, 0, 1, 2);
    grid->addWidget(PanelLembar->notesLabel(), 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // The inputs, the buttons, then the results, which can be selected and copied.
    RichEdit1->setAccessibleName(sheet_texts::conclusionName);
    Memo2->setAccessibleName(sheet_texts::introductionName);
    setKeys(in.inputs(), results);
}

void Tgayrem::proses()
{
    form::guard([&] {
        BrakeForceInputs in;
        in.a = toFloat(form::read(Edit14));
        in.b = toFloat(form::read(Edit15));
        in.ia = toFloat(form::read(Edit16));
        in.Ae = toFloat(form::read(Edit17));
        in.Pmaks = toFloat(form::read(Edit18));
        in.Kf = toFloat(form::read(Edit19));
        in.Emaks = toFloat(form::read(Edit20));
        in.Qs = toFloat(form::read(Edit21));
        in.Gk = toFloat(form::read(Edit23));
        in.Gp = toFloat(form::read(Edit24));
        in.V = toFloat(form::read(Edit25));
        in.It = toFloat(form::read(Edit26));
        in.M = toFloat(form::read(Edit27));
        in.Fh = toFloat(form::read(Edit3));
        in.tr = toFloat(form::read(Edit1));

        const BrakeForceEvaluation ev = evaluateBrakeForce(in);
        for (int step = 0; step < ev.completed; ++step)
            m_results[step]->setText(formatFixed(ev.value[step], 2));
        showPercentages(ev);
        if (ev.failure)
            throw *ev.failure;
        Edit2->setText(form::text(ev.skid ? texts::kSkid : texts::kNoSkid));
        RichEdit1->show();
        Memo2->hide();
        showExtras(in, ev);
    });
}

void Tgayrem::showExtras(const BrakeForceInputs &in, const BrakeForceEvaluation &ev)
{
    Sheet sheet = newSheet(GroupBox1, GroupBox2);
    sheet.conclusion = RichEdit1->lines();
    sheet.notes = brakeForceNotes(ev);
    sheet.charts = { brakeDistanceChart(in, ev), brakePercentChart(ev) };
    showResult(sheet, GroupBox2, RichEdit1);
}

void Tgayrem::showPercentages(const BrakeForceEvaluation &ev)
{
    const auto &v = ev.value;
    auto &c = m_conclusion;
    if (ev.completed > np) {
        c.fullPressure = formatFixed(v[np], 2);
        c.fullPressureVerdict = verdict(fullBlockPressureSatisfies(v[np]));
    }
    if (ev.completed > nk) {
        c.emptyPressure = formatFixed(v[nk], 2);
        c.emptyPressureVerdict = verdict(emptyBlockPressureSatisfies(v[nk]));
    }
    if (ev.completed > pak) {
        c.emptyWeight = formatFixed(v[pak], 2);
        c.emptyWeightVerdict = verdict(emptyBrakeWeightSatisfies(v[pak]));
    }
    if (ev.completed > pap) {
        c.fullWeight = formatFixed(v[pap], 2);
        c.fullWeightVerdict = verdict(fullBrakeWeightSatisfies(v[pap]));
    }
    if (ev.completed > np)
        form::setLines(RichEdit1, brakeForceConclusionLines(c));
}

void Tgayrem::replace()
{
    Memo2->show();
    Memo2->raise();
    for (QLineEdit *edit : { Edit1, Edit2, Edit3, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19,
             Edit20, Edit21, Edit23, Edit24, Edit25, Edit26, Edit27 })
        edit->clear();
    for (QLineEdit *result : m_results)
        result->clear();
    PanelLembar->clear();
}
