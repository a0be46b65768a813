// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/entry.h"

#include "worklog/logic/worklogtexts.h"

#include "diagnosis/logic/knowledgebase.h"

namespace dipo::worklog {

namespace {

// Text the program or the user hands in: no NUL, no other control character but those
// allowed, no half of a surrogate pair. Returns false for text that cannot be kept exactly.
bool isCleanText(const QString &text, bool allowLineBreaks)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
            continue;
        }
        if (c.isLowSurrogate() || c.isNull())
            return false;
        if (c.category() == QChar::Other_Control) {
            if (!allowLineBreaks || (c != QLatin1Char('\n') && c != QLatin1Char('\t')))
                return false;
        }
        if (c.unicode() == 0xfffe || c.unicode() == 0xffff)
            return false;
    }
    return true;
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate())
            ++count;
    }
    return count;
}

} // namespace

QString kindKey(Kind kind)
{
    return kind == Kind::Job ? QStringLiteral("job") : QStringLiteral("diagnosis");
}

Kind kindFromKey(const QString &key)
{
    return key == QLatin1String("job") ? Kind::Job : Kind::Diagnosis;
}

bool Entry::sameContent(const Entry &other) const
{
    return kind == other.kind && locomotive == other.locomotive && technician == other.technician
        && when == other.when && system == other.system && subject == other.subject
        && notDefined == other.notDefined && note == other.note && steps == other.steps
        && repairs == other.repairs && reason == other.reason && task == other.task;
}

QList<Change> changesBetween(const Entry &older, const Entry &newer)
{
    QList<Change> changes;
    const auto compare = [&](const QString &field, const QString &before, const QString &after) {
        if (before != after)
            changes.append({ field, before, after });
    };
    const auto local = [](const QDateTime &moment) {
        return moment.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    };
    const auto answers = [](const QList<Step> &steps) {
        QStringList shown;
        for (const Step &step : steps)
            shown << step.answer;
        return shown.join(QLatin1Char(' '));
    };
    const auto links = [](const QList<RepairLink> &repairs) {
        QStringList shown;
        for (const RepairLink &link : repairs)
            shown << link.caption;
        return shown.join(QStringLiteral(", "));
    };
    compare(texts::fieldDate, local(older.when), local(newer.when));
    compare(texts::fieldLocomotive, older.locomotive, newer.locomotive);
    compare(texts::fieldTechnician, older.technician, newer.technician);
    compare(texts::fieldSystem, older.system, newer.system);
    compare(texts::fieldSubject, older.subject, newer.subject);
    if (older.steps != newer.steps)
        changes.append({ texts::fieldSteps, answers(older.steps), answers(newer.steps) });
    if (older.repairs != newer.repairs)
        changes.append({ texts::fieldRepairs, links(older.repairs), links(newer.repairs) });
    compare(texts::fieldNote, older.note, newer.note);
    return changes;
}

QString tidyLocomotive(const QString &typed)
{
    return typed.simplified();
}

QString locomotiveKey(const QString &number)
{
    QString key;
    for (const QChar c : number) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('-'))
            key += c.toUpper();
    }
    return key;
}

QString shownSubject(Kind kind, const QString &subject)
{
    QStringList lines = subject.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (kind == Kind::Diagnosis && lines.size() > 1
        && lines.constFirst().trimmed().endsWith(QLatin1Char(':')))
        lines.removeFirst();
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join(QLatin1Char(' '));
}

QString faultKey(const Entry &entry)
{
    if (entry.kind != Kind::Diagnosis || entry.notDefined)
        return QString();
    return entry.system.simplified().toLower() + QLatin1Char('|')
        + entry.subject.simplified().toLower();
}

QString checkLocomotive(const QString &number)
{
    if (number.size() < kLocomotiveMin || number.size() > kLocomotiveMax)
        return texts::badLocomotive;
    for (const QChar c : number) {
        const bool allowed = c.isLetter() || c.category() == QChar::Number_DecimalDigit
            || c == QLatin1Char(' ') || c == QLatin1Char('-');
        if (!allowed || c.isSurrogate())
            return texts::badLocomotive;
    }
    if (locomotiveKey(number).isEmpty())
        return texts::badLocomotive;
    return QString();
}

QString checkEntry(const Entry &entry)
{
    if (const QString why = checkLocomotive(entry.locomotive); !why.isEmpty())
        return why;
    if (characterCount(entry.technician) > kTechnicianMax || !isCleanText(entry.technician, false))
        return texts::badTechnician;
    if (characterCount(entry.note) > kNoteMax || !isCleanText(entry.note, true))
        return texts::badNote;
    if (!entry.when.isValid())
        return texts::badDate;
    if (characterCount(entry.reason) > kReasonMax || !isCleanText(entry.reason, true))
        return texts::badReason;
    const auto programText = [](const QString &text) {
        return text.size() <= kProgramTextMax && isCleanText(text, true);
    };
    if (!programText(entry.system))
        return texts::badText.arg(QStringLiteral("sistem"));
    if (!programText(entry.subject))
        return texts::badText.arg(QStringLiteral("hasil"));
    for (const Step &step : entry.steps) {
        if (!programText(step.question))
            return texts::badText.arg(QStringLiteral("pertanyaan"));
        if (!diagnosis::answerFromText(step.answer))
            return texts::badAnswer;
    }
    for (const RepairLink &link : entry.repairs) {
        if (!diagnosis::repairKindFromKey(link.kind))
            return texts::badText.arg(QStringLiteral("langkah perbaikan"));
        if (!programText(link.kind) || !programText(link.key) || !programText(link.caption))
            return texts::badText.arg(QStringLiteral("langkah perbaikan"));
    }
    return QString();
}

} // namespace dipo::worklog
