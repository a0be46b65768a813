// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class Tdiagno;

class DiagnoWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initialControls_data();
    void initialControls();
    void explanationBoxHoldsTenLines();
    void choosingSystem_data();
    void choosingSystem();
    void startPutsStartQuestion_data();
    void startPutsStartQuestion();
    void answersDisabledBeforeStart();
    void ulangiMidDiagnosisLeavesAnswersEnabledButIdle();
    void concludedState();
    void resultKeptUntilNextChoice();
    void ulangiBeforeAnyChoiceOnlyWritesPrompt();
    void ulangiThenSameSystemStartsAfresh();
    void tutupMidDiagnosisKeepsQuestion();
    void engineDriveExampleWalk();
    void brakeExampleWalk();
    void conclusionAtFontSize10();
    void infoKuDoesNothing();
    void longestQuestionShowsWhole();
    void walksToEveryConclusion_data();
    void walksToEveryConclusion();
    void brokenKnowledgeBaseIsReportedAndInert();

private:
    void click(const char *name);
    void chooseSystem(int index);
    QString question() const;
    QStringList result() const;

    Tdiagno *m_window = nullptr;
    QStringList m_errors;
};
