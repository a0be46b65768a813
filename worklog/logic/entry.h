// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace dipo::worklog {

// One answered question of a diagnosis, as the trail shows it.
struct Step
{
    QString question;
    QString answer; // diagnosis::answerText(): "YA" or "TIDAK"
    bool operator==(const Step &other) const
    {
        return question == other.question && answer == other.answer;
    }
};

// A repair procedure linked to a conclusion: what kind of target, its key in that
// target (a component number, a tune-up procedure id, a calculator), and its caption.
struct RepairLink
{
    QString kind; // diagnosis::repairKindKey()
    QString key;
    QString caption;
    bool operator==(const RepairLink &other) const
    {
        return kind == other.kind && key == other.key && caption == other.caption;
    }
};

enum class Kind { Diagnosis, Job };
// The kind as the log stores it and CSV writes it: "diagnosis" or "job".
QString kindKey(Kind kind);
Kind kindFromKey(const QString &key);

// One record of the workshop log. An entry is never changed once saved: a correction
// is a new entry that names the one it corrects.
struct Entry
{
    qint64 id = 0; // given by the store
    Kind kind = Kind::Diagnosis;
    QString locomotive;
    QString technician;
    QDateTime when; // kept to the second
    QString system; // a diagnosis: its system; a job: the window it was done from
    QString subject; // a diagnosis: the result box's text; a job: the component or procedure
    bool notDefined = false; // a diagnosis that found no defined fault
    QString note;
    QList<Step> steps;
    QList<RepairLink> repairs;
    qint64 corrects = 0; // the entry this one corrects, 0 for none
    QString reason; // a correction: why it was made
    QString task; // a job: the id of the service plan's task it did; empty for none
    // When the entry was written into the log, to the second; invalid where the log does
    // not know (entries from before it kept that). Given by the store when a save leaves
    // it invalid.
    QDateTime recordedAt;

    bool sameContent(const Entry &other) const;
};

// What a correction changed, field by field, for the history of an entry.
struct Change
{
    QString field; // the field's name as the log window shows it
    QString before;
    QString after;
};
QList<Change> changesBetween(const Entry &older, const Entry &newer);

// Limits of what a user types.
constexpr int kLocomotiveMin = 2;
constexpr int kLocomotiveMax = 20;
constexpr int kTechnicianMax = 100;
constexpr int kNoteMax = 2000;
constexpr int kReasonMax = 500;
constexpr int kProgramTextMax = 20000;

// A locomotive number as typed: blanks at either end and runs of blanks made one.
QString tidyLocomotive(const QString &typed);
// The form two numbers are compared in: capitals, without blanks and dashes.
QString locomotiveKey(const QString &number);
// What a list shows of an entry's subject, on one line: for a diagnosis whose result
// opens with a heading line ending in a colon ("... disebabkan oleh :"), the cause
// below it; otherwise the whole subject.
QString shownSubject(Kind kind, const QString &subject);
// The text that makes two conclusions "the same cause" for the recurrence mark.
QString faultKey(const Entry &entry);

// Why an entry cannot be stored, as a message for the user; empty when it can.
QString checkEntry(const Entry &entry);
QString checkLocomotive(const QString &number);

} // namespace dipo::worklog
