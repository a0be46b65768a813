// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class KnowledgeBaseTest : public QObject
{
    Q_OBJECT

private slots:
    void builtInLoadsClean();
    void questionsPerSystem_data();
    void questionsPerSystem();
    void totals();
    void everyAnswerHasItsKindOfAction();
    void conclusions_data();
    void conclusions();
    void links_data();
    void links();
    void builtInRepairsResolve();
    void onlyExactTextMatches_data();
    void onlyExactTextMatches();
    void walksReachEveryQuestionAndNotice_data();
    void walksReachEveryQuestionAndNotice();
    void brokenData_data();
    void brokenData();
    void findingPlaces_data();
    void findingPlaces();
    void brokenFileLeavesNoHalfKnowledgeBase();
    void findingsAreCapped();
    void largeFileRefusedUnread();
};
