// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/kbloader.h"

#include <QString>
#include <QStringList>

// A knowledge base from a folder instead of the compiled-in one, so that an edited
// copy can be tried without rebuilding the program.
namespace dipo::diagnosis {

// The folder the program reads its knowledge base from: the one set here, else the
// environment variable DIPO_KB_DIR, else none (the built-in base). An empty text
// clears what was set. Call it before the diagnosis window is made.
void setKnowledgeBaseDir(const QString &dir);
QString knowledgeBaseDir();

// The six files of the built-in base, by the same names, from the folder; a file is
// named "<prefix><name>" in the findings. A folder or file that cannot be read is a
// finding of its own, and its file is left out.
QList<KbFile> filesInFolder(const QString &dir, const QString &prefix, QList<KbFinding> *problems);

// What the program runs on: the folder's base when it passes every check, else the
// built-in one, with the reasons.
struct KbChoice
{
    KbLoad load;
    QString dir; // empty: the built-in base was asked for
    // Empty: the folder's base is in use. Else what kept it out: the folder's, the
    // loader's or, placed on their lines, the errors of the checks.
    QList<KbFinding> problems;
    qint64 unlisted = 0; // problems the loader counted past its cap, not in the list

    bool fellBack() const { return !problems.isEmpty(); }
};

// Read on first use, again when the folder changes and after every setKnowledgeBaseDir().
const KbChoice &chosenKnowledgeBase();

// The user's message when a folder's base is not used: the folder, as many problems as
// fit, then how many more there are.
QString fallbackMessage(const KbChoice &choice, int shown = 8);

} // namespace dipo::diagnosis
