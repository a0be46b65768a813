// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/document.h"
#include "diagnosis/logic/session.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace dipo::diagnosis::report {

// What a report says besides the session: when it was made and by which program.
struct Stamp
{
    QDateTime when;
    QString programName;
    QString programVersion;
};

// The result box's lines for a conclusion, as the window writes them.
QStringList resultBoxLines(const Conclusion &conclusion);
// The procedures a fault leads to, numbered, by their captions.
QStringList repairLines(const Conclusion &conclusion);

// The trail window's view of a session, as rich text.
QString trailHtml(const Session &session, const QuestionsLeft &left);
// What follows the answers' table in that view once a walk has answers: the question
// now asked, or the end reached.
QString trailEndHtml(const Session &session, const QuestionsLeft &left);
// One row of the answers' table: number, question, answer.
QStringList trailRow(int number, const SessionStep &step);

// The report to keep: title, date, system, the locomotive and the technician (or lines for
// them) and the log's entry once it was kept, every answer, the end reached, the
// program. As rich text for the PDF and the printer, as plain text for the clipboard.
// With the appendix, each linked procedure follows in full: heading, instructions, picture.
document::Builder build(const Session &session, const Stamp &stamp, bool withAppendix);
QString html(const Session &session, const Stamp &stamp);
// Whether a linked procedure has instructions for the appendix.
bool hasAppendix(const Session &session);
QString plainText(const Session &session, const Stamp &stamp);

// The name the save dialog offers: diagnosa-<system>-<yyyyMMdd-HHmm>.pdf.
QString suggestedFileName(const Session &session, const QDateTime &when);

} // namespace dipo::diagnosis::report
