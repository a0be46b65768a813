// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/knowledgebase.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace dipo::diagnosis {

// One system's file of the knowledge base: its name (for the messages) and its bytes.
struct KbFile
{
    QString name;
    QByteArray bytes;
};

// A file larger than this is refused unread.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
// Messages beyond this many are counted in one last line "…dan N lagi".
constexpr int kMaxFindings = 100;

// A knowledge base that failed a check is empty and says why, one message per fault,
// each naming the file and, where there is one, the row.
struct KbLoad
{
    KnowledgeBase knowledgeBase;
    QStringList errors;
    // Findings past kMaxFindings: counted, not listed; the last line of errors says how many.
    qint64 omitted = 0;
    bool ok() const { return errors.isEmpty(); }
};

// Reads the systems in the given order and checks them: every "ask" names a row of
// the same file, every header named exists, every question text occurs once in the
// whole knowledge base and every row can be reached from the file's start row.
// Outside text as a message quotes it: at most kMaxQuoted characters, then "…", so
// that a huge key or header gives a short message.
constexpr qsizetype kMaxQuoted = 200;
QString excerpt(const QString &text);

KbLoad loadKnowledgeBase(const QList<KbFile> &files);

// The files compiled into the program, in the order of the window's system list.
QList<KbFile> builtInFiles();

// The compiled-in knowledge base, read and checked on first use and kept.
const KbLoad &builtInKnowledgeBase();

} // namespace dipo::diagnosis
