// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/knowledgebase.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

// One thing wrong in a file, as a value: where it is and what it is. It becomes text
// only when shown: describe() as the window and the loader say it ("file: row N: what"),
// formatFinding() once the checks have placed it on a line ("file:line: error: ...").
struct KbFinding
{
    enum class Severity { Error, Warning };
    QString file;
    std::optional<int> row; // the row ("no") it concerns
    int entry = 0; // an entry of "questions" with no valid row number, from 1; 0: none
    qsizetype offset = -1; // where in the bytes the JSON is wrong; -1: not a fault of the JSON
    QString key; // the top-level key it concerns ("start", "headers", "questions")
    QString header; // the header letter it concerns
    int line = 0; // the line of the file it stands on; 0: not placed (the loader counts none)
    Severity severity = Severity::Error;
    QString what;
};

QString describe(const KbFinding &finding);
// "file:line: error: what", the form editors jump to.
QString formatFinding(const KbFinding &finding);
// A placed finding as the checks print it, any other as the loader says it.
QString findingText(const KbFinding &finding);

// A knowledge base that failed a check is empty and says why, one finding per fault.
struct KbLoad
{
    KnowledgeBase knowledgeBase;
    QList<KbFinding> findings; // at most kMaxFindings
    // Findings past kMaxFindings: counted, not listed.
    qint64 omitted = 0;
    bool ok() const { return findings.isEmpty(); }
    // The findings as text, then "…dan N lagi" when some were only counted.
    QStringList errors() const;
};

// One action of a row as the file writes it.
struct SheetAction
{
    enum class Kind { Missing, Ask, Fault, Notice };
    Kind kind = Kind::Missing;
    int askRow = 0;
    QString header; // Fault: the letter
    QString cause;
    int fontSize = 12;
    QStringList notice;
    QList<Repair> repairs; // Fault: the links that read

    bool concludes() const { return kind == Kind::Fault || kind == Kind::Notice; }
};

struct SheetRow
{
    int no = 0;
    QString text;
    SheetAction ya;
    SheetAction tidak;
    int line = 1; // where its entry opens in the file (readSheet() only)
};

// A row's values read leniently: what is not there or not of its form is left out.
// The loader reads a row this way once the schema has passed it.
SheetRow readRow(const QJsonObject &entry);

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
