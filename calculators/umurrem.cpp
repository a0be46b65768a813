// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/umurrem.h"

#include "common/accessibility.h"

#include "calculators/calcextras.h"
#include "calculators/calcform.h"
#include "calculators/dialog1.h"
#include "calculators/gayrem.h"
#include "calculators/logic/brakelife.h"
#include "calculators/logic/conclusions.h"
#include "calculators/logic/curves.h"
#include "calculators/logic/sheettexts.h"
#include "common/logic/localenumber.h"
#include "common/logic/pictures.h"
#include "common/richtextbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Tumurrem *umurrem = nullptr;

using namespace dipo::calc;
namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;
using dipo::number::formatFixed;
using dipo::number::formatGeneral;
using dipo::number::toFloat;

namespace {

// The cover of the conclusion, with its picture made when the window is first shown.
class CoverLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent *event) override
    {
        if (!m_pictured) {
            m_pictured = true;
            const QImage picture = dipo::pictures::decoration(QStringLiteral("umurrem_panel.jpg"));
            if (!picture.isNull())
                setPixmap(QPixmap::fromImage(
                    picture.scaled(160, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
        QLabel::showEvent(event);
    }

private:
    bool m_pictured = false;
};

} // namespace

Tumurrem::Tumurrem(QWidget *parent)
    : CalculatorWindow("brakeLife", parent)
{
    QWidget *page = sheet();

    GroupBox1 = new QGroupBox(form::text(texts::kBrakeLifeInputFrame), page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    form::Rows in(GroupBox1);
    const auto &rows = texts::kBrakeLifeInputs;
    Edit1 = in.addEdit(rows[0]);
    Edit2 = in.addEdit(rows[1]);
    Edit3 = in.addEdit(rows[2]);
    Edit4 = in.addEdit(rows[3]);
    Edit5 = in.addEdit(rows[4]);
    Edit6 = in.addEdit(rows[5]);
    ComboBox1 = in.addCombo(rows[6], form::lines(texts::kSpeedItems));
    Edit7 = in.addEdit(rows[7]);
    Edit8 = in.addEdit(rows[8]);
    Edit9 = in.addEdit(rows[9]);
    Edit10 = in.addEdit(rows[10]);
    Edit11 = in.addEdit(rows[11]);
    Edit12 = in.addEdit(rows[12]);
    Edit13 = in.addEdit(rows[13]);

    addButtons({ "Button1", texts::kProses }, { "Button3", texts::kReplace },
        { "Button2", texts::kClose });
    Button1 = prosesButton();
    Button3 = replaceButton();
    Button2 = closeButton();
    PanelLembar = addExtras();

    CheckBox2 = new QCheckBox(page);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    auto *clickHere = new QLabel(form::text(texts::kBrakeForceLink), page);
    clickHere->setObjectName(QStringLiteral("Label_CheckBox2"));
    clickHere->setStyleSheet(QStringLiteral(
        "QLabel { background-color: black; color: white; font-weight: bold; padding: 2px 4px; }"));
    clickHere->setBuddy(CheckBox2);
    CheckBox2->setAccessibleName(clickHere->text());
    CheckBox2->setAccessibleDescription(QStringLiteral("Membuka perhitungan gaya rem"));

    Memo3 = form::addTextBox(page, QStringLiteral("Memo3"), false);
    form::setLines(Memo3, form::lines(texts::kBrakeForceExplanation));
    Memo3->setEnabled(false);
    Memo3->setMinimumHeight(80);
    Memo3->setAccessibleName(sheet_texts::brakeForceNoteName);

    GroupBox3 = new QGroupBox(form::text(texts::kBrakeLifeResultFrame), page);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    form::Rows out(GroupBox3);
    QLineEdit **results[] = { &Edit40, &Edit39, &Edit38, &Edit37, &Edit36, &Edit35, &Edit34,
        &Edit33, &Edit32, &Edit31 };
    int row = 0;
    for (QLineEdit **result : results)
        *result = out.addValue(texts::kBrakeLifeResults[row++]);

    // The picture lies over the conclusion until the first result.
    Memo1 = form::addTextBox(GroupBox3, QStringLiteral("Memo1"), true);
    Memo1->setStyleSheet(QStringLiteral("QTextEdit { color: #0000b0; }"));
    form::setLines(Memo1, brakeLifeConclusionLines(form::text(texts::kDaysPlaceholder), QString()));
    Memo1->setMinimumHeight(112);
    Memo1->setAccessibleName(sheet_texts::conclusionName);
    Panel18 = new CoverLabel(GroupBox3);
    Panel18->setObjectName(QStringLiteral("Panel18"));
    Panel18->setAutoFillBackground(true);
    Panel18->setStyleSheet(QStringLiteral("QLabel { background-color: white; }"));
    Panel18->setAlignment(Qt::AlignCenter);
    Panel18->setMinimumSize(1, 1);
    const int conclusionRow = out.rowCount();
    out.grid()->addWidget(Memo1, conclusionRow, 0, 1, 3);
    out.grid()->addWidget(Panel18, conclusionRow, 0, 1, 3);
    out.grid()->setRowStretch(conclusionRow, 1);
    out.grid()->addWidget(PanelLembar->notesLabel(), conclusionRow + 1, 0, 1, 3);

    // The results again, where the keyboard reaches them: the frame takes no focus.
    ListHasil = form::addResultSummary(page, GroupBox3);

    auto *link = new QHBoxLayout;
    link->addWidget(CheckBox2);
    link->addWidget(clickHere);
    link->addStretch(1);
    link->addWidget(PanelLembar);
    auto *left = new QVBoxLayout;
    left->addWidget(GroupBox1);
    left->addLayout(buttonRow());
    left->addLayout(link);
    left->addWidget(ListHasil);
    left->addWidget(Memo3, 1);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 8);
    grid->setSpacing(6);
    grid->addWidget(titlePanel(), 0, 0, 1, 2);
    grid->addLayout(left, 1, 0);
    grid->addWidget(GroupBox3, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(CheckBox2, &QCheckBox::clicked, this, &Tumurrem::CheckBox2Click);
    connect(Edit5, &QLineEdit::textChanged, this, &Tumurrem::Edit5Change);

    // The inputs, the buttons, the link to the brake force window, then the results.
    setKeys(in.inputs(), { CheckBox2, ListHasil });
    // The results show values but take no input or focus.
    GroupBox3->setEnabled(false);
}

void Tumurrem::proses()
{
    form::guard([&] {
        BrakeLifeInputs in;
        in.D = toFloat(form::read(Edit1));
        in.Q = toFloat(form::read(Edit2));
        in.L = toFloat(form::read(Edit3));
        in.T = toFloat(form::read(Edit4));
        in.Tmin = toFloat(form::read(Edit5));
        in.Da = toFloat(form::read(Edit6));
        in.speed = form::read(ComboBox1);
        dipo::number::toInteger(in.speed); // only a whole number is a speed
        in.K = toFloat(form::read(Edit7));
        in.Fm = toFloat(form::read(Edit8));
        in.Fk = toFloat(form::read(Edit9));
        in.Pb = toFloat(form::read(Edit10));
        in.H = toFloat(form::read(Edit11));
        in.Frem = toFloat(form::read(Edit12));
        in.Fj = toFloat(form::read(Edit13));

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

        Sheet sheet = newSheet(GroupBox1, GroupBox3);
        sheet.conclusion = Memo1->lines();
        sheet.notes = brakeLifeNotes(in, r);
        sheet.charts = { thicknessChart(in, r), lifeByTripsChart(in, r) };
        showResult(sheet, GroupBox3, Memo1);
    });
}

void Tumurrem::replace()
{
    Panel18->show();
    for (QLineEdit *edit : { Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10,
             Edit11, Edit12, Edit13 })
        edit->clear();
    ComboBox1->setEditText(QString());
    for (QLineEdit *edit :
        { Edit31, Edit32, Edit33, Edit34, Edit35, Edit36, Edit37, Edit38, Edit40, Edit39 })
        edit->clear();
    PanelLembar->clear();
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
    if (thicknessTooLarge(Edit5->text(), Edit4->text()) && DIALOG1) {
        // In front, while the typing goes on in the field; a screen reader says it.
        DIALOG1->showInFrontOf(this);
        dipo::a11y::announce(this,
            dipo::a11y::windowName(DIALOG1->objectName()) + QStringLiteral(": ")
                + DIALOG1->accessibleDescription());
    }
}
