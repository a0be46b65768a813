// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class Tdiagno;

// The diagnosis session beside the window: the record of a walk, the back step, the
// trail window and the report.
class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questionsLeftByHand_data();
    void questionsLeftByHand();
    void questionsLeftBuiltIn_data();
    void questionsLeftBuiltIn();

    void sessionFollowsEveryWalk_data();
    void sessionFollowsEveryWalk();
    void backRestoresWindow_data();
    void backRestoresWindow();
    void backWalksToFirstQuestion();
    void backDisabledWithoutAnswers();
    void answeringAfterBackGoesOn();

    void trailFollowsTheWalk();
    void trailWritesOnlyWhatChanged();
    void pdfHoldsTheWalk();
    void saveDialogOffersNameInDocuments();
    void typicalWalkFitsOnePage();
    void failedSaveLeavesNoFile_data();
    void failedSaveLeavesNoFile();
    void fullDiskKeepsOldReport_data();
    void fullDiskKeepsOldReport();
    void copiedTextHoldsTheWalk();
    void suggestedFileName_data();
    void suggestedFileName();

private:
    void click(const char *name);
    void chooseSystem(int index);
    void walk(int system, const QList<int> &answers);
    QStringList everyControl() const;
    QWidget *trail() const;

    Tdiagno *m_window = nullptr;
    QStringList m_errors;
};
