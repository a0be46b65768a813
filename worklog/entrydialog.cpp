// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/entrydialog.h"

#include "common/dialogs.h"
#include "common/keys.h"
#include "worklog/logic/store.h"
#include "worklog/logic/worklogtexts.h"
#include "worklog/programlog.h"
#include "worklog/worklogwindowtexts.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace dipo::worklog {

namespace wtexts = window_texts;

EntryDialog::EntryDialog(const Entry &draft, QWidget *parent)
    : QDialog(parent)
    , m_draft(draft)
{
    setObjectName(QStringLiteral("CatatDialog"));
    if (draft.corrects > 0)
        setWindowTitle(wtexts::correctTitle.arg(draft.corrects));
    else
        setWindowTitle(
            draft.kind == Kind::Job ? wtexts::recordJobTitle : wtexts::recordDiagnosisTitle);

    auto *what = new QLabel(this);
    what->setObjectName(QStringLiteral("LabelIsi"));
    what->setWordWrap(true);
    what->setTextFormat(Qt::PlainText);
    what->setText(draft.system + QStringLiteral(": ")
        + QString(draft.subject).replace(QLatin1Char('\n'), QLatin1Char(' ')));

    ComboLokomotif = new QComboBox(this);
    ComboLokomotif->setObjectName(QStringLiteral("ComboLokomotif"));
    ComboLokomotif->setEditable(true);
    ComboLokomotif->setInsertPolicy(QComboBox::NoInsert);
    ComboLokomotif->lineEdit()->setMaxLength(kLocomotiveMax);
    ComboLokomotif->lineEdit()->setPlaceholderText(wtexts::locomotiveExample);
    ComboLokomotif->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\p{L}\\p{Nd} -]{0,20}")), ComboLokomotif));
    QString why;
    if (Store *log = programLog(&why); log && log->open(Store::Purpose::Read))
        ComboLokomotif->addItems(log->recentLocomotives(10));
    ComboLokomotif->setCurrentText(draft.locomotive);

    EditTeknisi = new QLineEdit(draft.technician, this);
    EditTeknisi->setObjectName(QStringLiteral("EditTeknisi"));
    EditTeknisi->setMaxLength(kTechnicianMax);
    EditTanggal = new dipo::keys::TabLeaves<QDateTimeEdit>(
        draft.when.isValid() ? draft.when.toLocalTime() : QDateTime::currentDateTime(), this);
    EditTanggal->setObjectName(QStringLiteral("EditTanggal"));
    EditTanggal->setDisplayFormat(QStringLiteral("dd-MM-yyyy HH:mm"));
    EditTanggal->setCalendarPopup(true);
    EditCatatan = new QPlainTextEdit(draft.note, this);
    EditCatatan->setObjectName(QStringLiteral("EditCatatan"));
    EditCatatan->setTabChangesFocus(true);
    EditCatatan->setMinimumHeight(90);
    if (draft.corrects > 0) {
        EditAlasan = new QLineEdit(this);
        EditAlasan->setObjectName(QStringLiteral("EditAlasan"));
        EditAlasan->setMaxLength(kReasonMax);
        EditAlasan->setPlaceholderText(wtexts::reasonHint);
    }
    LabelSisa = new QLabel(this);
    LabelSisa->setObjectName(QStringLiteral("LabelSisa"));

    LabelPesan = new QLabel(this);
    LabelPesan->setObjectName(QStringLiteral("LabelPesan"));
    LabelPesan->setWordWrap(true);
    LabelPesan->setTextFormat(Qt::PlainText);
    LabelPesan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelPesan->setStyleSheet(QStringLiteral("color: #a40000;"));
    LabelPesan->hide();

    auto *buttons = new QDialogButtonBox(this);
    BtnSimpan = buttons->addButton(wtexts::simpan, QDialogButtonBox::AcceptRole);
    BtnSimpan->setObjectName(QStringLiteral("BtnSimpan"));
    BtnBatal = buttons->addButton(wtexts::batal, QDialogButtonBox::RejectRole);
    BtnBatal->setObjectName(QStringLiteral("BtnBatal"));

    auto *form = new QFormLayout;
    form->addRow(wtexts::locomotiveLabel, ComboLokomotif);
    form->addRow(wtexts::technicianLabel, EditTeknisi);
    form->addRow(wtexts::dateLabel, EditTanggal);
    form->addRow(wtexts::noteLabel, EditCatatan);
    form->addRow(QString(), LabelSisa);
    if (EditAlasan)
        form->addRow(wtexts::reasonLabel, EditAlasan);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(form);
    layout->addWidget(LabelPesan);
    layout->addWidget(buttons);

    connect(BtnSimpan, &QPushButton::clicked, this, &EntryDialog::BtnSimpanClick);
    connect(BtnBatal, &QPushButton::clicked, this, &QDialog::reject);
    connect(EditCatatan, &QPlainTextEdit::textChanged, this, &EntryDialog::noteChanged);
    noteChanged();
    resize(480, sizeHint().height());
    ComboLokomotif->setFocus();
}

void EntryDialog::noteChanged()
{
    const qsizetype used = EditCatatan->toPlainText().toUcs4().size();
    LabelSisa->setText(wtexts::charactersLeft.arg(kNoteMax - used));
}

void EntryDialog::BtnSimpanClick()
{
    Entry entry = m_draft;
    entry.locomotive = tidyLocomotive(ComboLokomotif->currentText());
    entry.technician = EditTeknisi->text().trimmed();
    entry.when = EditTanggal->dateTime();
    entry.note = EditCatatan->toPlainText();
    // A correction is written now, whatever day the work was.
    entry.recordedAt = QDateTime();
    if (EditAlasan)
        entry.reason = EditAlasan->text().trimmed();
    QString why = checkEntry(entry);
    if (why.isEmpty() && EditAlasan && entry.reason.isEmpty()) {
        why = texts::noReason;
        EditAlasan->setFocus();
    }
    if (why.isEmpty() && entry.corrects == 0 && !confirmSecondRecord(entry))
        return;
    std::optional<qint64> id;
    if (why.isEmpty()) {
        if (Store *log = programLog(&why)) {
            id = log->save(entry);
            if (!id)
                why = log->errorString();
        }
    }
    if (!id) {
        LabelPesan->setText(why);
        LabelPesan->show();
        return;
    }
    m_savedId = *id;
    accept();
}

bool EntryDialog::confirmSecondRecord(const Entry &entry)
{
    QString why;
    Store *log = programLog(&why);
    if (!log || !log->open(Store::Purpose::Read))
        return true; // the save says what is wrong
    const std::optional<Row> same = log->sameRecord(entry);
    if (!same)
        return true;
    QMessageBox question(QMessageBox::Question, wtexts::sameRecordTitle,
        wtexts::sameRecordQuestion.arg(
            entry.kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis, same->locomotive,
            QString::number(same->id),
            QDateTime::fromSecsSinceEpoch(same->madeAt)
                .toString(QStringLiteral("dd-MM-yyyy HH:mm"))),
        QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("TanyaSimpanLagi"));
    QPushButton *again = question.addButton(wtexts::simpanLagi, QMessageBox::AcceptRole);
    again->setObjectName(QStringLiteral("BtnSimpanLagi"));
    QPushButton *cancel = question.addButton(wtexts::batal, QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BtnBatalSimpan"));
    question.setDefaultButton(cancel);
    dipo::execDialog(question);
    return question.clickedButton() == again;
}

qint64 EntryDialog::record(const Entry &draft, QWidget *parent)
{
    EntryDialog dialog(draft, parent);
    dipo::execDialog(dialog);
    return dialog.savedId();
}

} // namespace dipo::worklog
