// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/workcard.h"
#include "common/print.h"

#include "common/accessibility.h"
#include "common/dialogs.h"
#include "common/errorreport.h"
#include "common/logic/document.h"
#include "common/logic/savefile.h"
#include "common/logic/savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>

// DIPO_VERSION: the project's version, from the build.

namespace dipo {

namespace texts {
const QString cardTitle = QStringLiteral("KARTU KERJA");
const QString printCard = QStringLiteral("Cetak kartu kerja\u2026");
const QString savePdf = QStringLiteral("Simpan PDF\u2026");
const QString dateLabel = QStringLiteral("Tanggal");
const QString madeWith = QStringLiteral("Dibuat dengan Dipo versi %1");
const QString blankSignature = QStringLiteral("Tanda tangan");
const QString saveDialogTitle = QStringLiteral("Simpan Kartu Kerja");
const QString printDialogTitle = QStringLiteral("Cetak Kartu Kerja");
const QString pdfFilter = QStringLiteral("Dokumen PDF (*.pdf)");
const QString saved = QStringLiteral("Kartu kerja disimpan: %1");
const QString printed = QStringLiteral("Kartu kerja dikirim ke printer.");
const QString saveFailed = QStringLiteral("Kartu kerja tidak dapat disimpan ke %1: %2");
const QString printFailed = QStringLiteral("Kartu kerja tidak dapat dicetak.");
} // namespace texts

document::Builder workCardDocument(
    const WorkCard &card, const QDateTime &when, const document::Job &job)
{
    document::Builder doc(texts::cardTitle);
    doc.heading(texts::cardTitle);
    doc.field(texts::dateLabel,
        QLocale(QLocale::Indonesian, QLocale::Indonesia)
            .toString(when, QStringLiteral("dddd, d MMMM yyyy, HH.mm")));
    doc.job(job);
    doc.procedure(card.title, card.heading, card.lines, card.picture);
    doc.blanks({ texts::blankSignature });
    doc.note(texts::madeWith.arg(QStringLiteral(DIPO_VERSION)));
    return doc;
}

WorkCardButtons::WorkCardButtons(QWidget *parent)
    : QWidget(parent)
{
    BtnKartuCetak = new QPushButton(texts::printCard, this);
    BtnKartuCetak->setObjectName(QStringLiteral("BtnKartuCetak"));
    BtnKartuPdf = new QPushButton(texts::savePdf, this);
    BtnKartuPdf->setObjectName(QStringLiteral("BtnKartuPdf"));
    BtnKartuPdf->setAccessibleName(QStringLiteral("Simpan PDF kartu kerja"));
    LabelKartu = new QLabel(this);
    LabelKartu->setObjectName(QStringLiteral("LabelKartu"));
    LabelKartu->setWordWrap(true);
    // Room for two lines from the start: a status shown later moves nothing.
    LabelKartu->setMinimumHeight(2 * LabelKartu->fontMetrics().lineSpacing());
    LabelKartu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BtnKartuCetak, 0, 0);
    layout->addWidget(BtnKartuPdf, 0, 1);
    layout->addWidget(LabelKartu, 1, 0, 1, 2);
    connect(BtnKartuCetak, &QPushButton::clicked, this, &WorkCardButtons::BtnKartuCetakClick);
    connect(BtnKartuPdf, &QPushButton::clicked, this, &WorkCardButtons::BtnKartuPdfClick);
    hide();
}

void WorkCardButtons::setCard(const WorkCard &card)
{
    m_card = card;
    m_job = {};
    LabelKartu->clear();
    show();
}

void WorkCardButtons::setJob(const document::Job &job)
{
    m_job = job;
}

void WorkCardButtons::clearCard()
{
    m_card = WorkCard();
    m_job = {};
    LabelKartu->clear();
    hide();
}

void WorkCardButtons::showStatus(const QString &text)
{
    if (text.isEmpty())
        return;
    LabelKartu->setText(text);
    // In a window that scrolls, the line is brought into view.
    for (QWidget *above = parentWidget(); above; above = above->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(above)) {
            area->ensureWidgetVisible(LabelKartu, 0, 8);
            break;
        }
    }
    a11y::announce(this, text);
}

bool WorkCardButtons::saveCard(const QString &path, const QDateTime &when)
{
    LabelKartu->clear();
    const QString why
        = files::saveWhole(path, workCardDocument(m_card, when, m_job).pdf(QStringLiteral("Dipo")));
    if (!why.isEmpty()) {
        errorreport::show(texts::saveFailed.arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    files::rememberSaveFolder(path);
    // The file's name, not its whole path, so that the line fits under the buttons; the
    // path is in its tip.
    showStatus(texts::saved.arg(QFileInfo(path).fileName()));
    LabelKartu->setToolTip(QDir::toNativeSeparators(path));
    return true;
}

QString WorkCardButtons::suggestedFileName(const QDateTime &when) const
{
    static const QRegularExpression notWordy(QStringLiteral("[^a-z0-9]+"));
    QString name = m_card.title.toLower().replace(notWordy, QStringLiteral("-"));
    name.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    return QStringLiteral("kartu-kerja-%1-%2")
        .arg(name.isEmpty() ? QStringLiteral("prosedur") : name,
            when.toString(QStringLiteral("yyyyMMdd-HHmm")));
}

void WorkCardButtons::BtnKartuPdfClick()
{
    const QDateTime when = QDateTime::currentDateTime();
    const QString path = askSavePath(this, texts::saveDialogTitle, texts::pdfFilter,
        suggestedFileName(when) + QStringLiteral(".pdf"));
    if (!path.isEmpty())
        saveCard(path, when);
}

void WorkCardButtons::BtnKartuCetakClick()
{
    // Printed to a file, the card is offered under the name Save offers.
    const auto outcome = document::printWithDialog(this,
        suggestedFileName(QDateTime::currentDateTime()), texts::printDialogTitle,
        [&] { return workCardDocument(m_card, QDateTime::currentDateTime(), m_job); });
    if (outcome == document::PrintOutcome::Failed)
        errorreport::show(texts::printFailed);
    else if (outcome == document::PrintOutcome::Printed)
        showStatus(texts::printed);
}

} // namespace dipo
