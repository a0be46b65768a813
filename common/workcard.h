// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/document.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace dipo {

// A work card: one procedure of the maintenance guide or the tune-up tutorials, to take to
// the engine. Heading, instructions and picture, the date and the program's version, the
// locomotive and the technician (or lines for them), the diagnosis that led to the job
// where there was one, and a line for the signature.
struct WorkCard
{
    QString title; // the component or procedure, as its control names it
    QString heading;
    QStringList lines;
    QString picture; // the program's path; empty for none
};

// The card for a job of which `job` is known (nothing, for a procedure chosen by hand).
document::Builder workCardDocument(
    const WorkCard &card, const QDateTime &when, const document::Job &job = {});

// "Cetak kartu kerja" and "Simpan PDF" for the procedure a window shows, with the status
// of the last save. Hidden until the window has a procedure to put on a card.
class WorkCardButtons : public QWidget
{
    Q_OBJECT

public:
    explicit WorkCardButtons(QWidget *parent = nullptr);

    // The card the buttons print and save; hides them when there is none.
    void setCard(const WorkCard &card);
    void clearCard();
    // Tells what became of the procedure (a card saved, a job recorded) in the line under
    // the buttons, in place of what it said before; an empty text leaves it as it is.
    void showStatus(const QString &text);
    // What is known of the job the shown card is for: a repair link of a diagnosis opened
    // it. The next card (another procedure) is for a job of its own again.
    void setJob(const document::Job &job);
    const WorkCard &card() const { return m_card; }
    const document::Job &job() const { return m_job; }

    // Saves the card to this path; a failure goes to the error report. The save dialog
    // only supplies the path.
    bool saveCard(const QString &path, const QDateTime &when);

public slots:
    void BtnKartuCetakClick();
    void BtnKartuPdfClick();

private:
    // The card's file name without its suffix, for Save and for printing to a file.
    QString suggestedFileName(const QDateTime &when) const;
    WorkCard m_card;
    document::Job m_job;
    QPushButton *BtnKartuCetak;
    QPushButton *BtnKartuPdf;
    QLabel *LabelKartu;
};

} // namespace dipo
