// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/kbloader.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The knowledge engineer's view of the knowledge base: the files as written (row
// numbers, header letters, the lines they stand on), the checks beyond the loader's,
// and the figures of each system. The program itself needs none of it.
namespace dipo::diagnosis {

// One system's file, read leniently: what cannot be read is left out (the loader
// reports it).
struct KbSheet
{
    QString fileName;
    int startRow = 0;
    QStringList headerLetters; // in the file's order
    QHash<QString, QString> headers;
    QHash<QString, int> headerLine;
    QList<SheetRow> rows; // each with its line
    QHash<QString, int> keyLine; // lines of the top-level keys
    bool parsed = false;
    QHash<int, qsizetype> positionOfRow; // filled by readSheet(): row() in constant time

    const SheetRow *row(int no) const;
};

KbSheet readSheet(const KbFile &file);

// Every check of the loader, its findings placed on their files' lines, and these besides: a
// question that can lead back to itself (error), a row whose YA and TIDAK lead to the same place, a
// header letter no conclusion uses, a question text that differs from another only in blanks or
// letter case (warnings). In file order, then line order. The loader's findings past its cap are
// not listed: their number goes to omittedErrors.
QList<KbFinding> checkKnowledgeBase(const QList<KbFile> &files, qint64 *omittedErrors = nullptr);

// The figures of one system. Walks run from the start row to a conclusion; their
// length counts the questions asked. A system with a cycle has no longest walk and
// no count of walks.
struct KbStats
{
    int questions = 0;
    int conclusions = 0; // answers that conclude
    int faults = 0;
    int linkedFaults = 0; // faults that name a repair
    int notices = 0;
    int distinctCauses = 0;
    int headersUsed = 0;
    int headersDefined = 0;
    std::optional<int> shortestWalk;
    std::optional<int> longestWalk;
    std::optional<quint64> walks; // saturates at the largest value
    bool cyclic = false;
};

KbStats sheetStats(const KbSheet &sheet);

} // namespace dipo::diagnosis
