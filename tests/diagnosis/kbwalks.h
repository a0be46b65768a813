// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/knowledgebase.h"

#include <QList>
#include <QString>
#include <QStringList>

// The shortest way from a system's start question to each of its conclusions: the
// questions shown on the way and the answers given, the last one concluding.
struct KbWalk
{
    QStringList questions;
    QList<dipo::diagnosis::Answer> answers;
    dipo::diagnosis::Conclusion conclusion;
};

QList<KbWalk> walksToEveryConclusion(const dipo::diagnosis::KnowledgeBase &kb, int system);

bool isFault(const dipo::diagnosis::Conclusion &conclusion);
bool isNotice(const dipo::diagnosis::Conclusion &conclusion);
