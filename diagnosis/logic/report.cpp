// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/report.h"

#include "diagnosis/logic/diagnotexts.h"
#include "diagnosis/logic/riwayattexts.h"

#include "diagnosis/logic/repairs.h"

#include <QLocale>
#include <QRegularExpression>

namespace dipo::diagnosis::report {

namespace {

QString labelled(const QString &label, const QString &value)
{
    document::Builder doc { QString() };
    doc.field(label, value);
    return doc.html();
}

void addAnswers(document::Builder &doc, const Session &session)
{
    if (session.steps().isEmpty()) {
        doc.paragraph(texts::noAnswerYet);
        return;
    }
    QList<QStringList> rows;
    int number = 0;
    for (const SessionStep &step : session.steps())
        rows.append(trailRow(++number, step));
    doc.table({ texts::numberColumn, texts::questionColumn, texts::answerColumn }, rows, { 0 });
}

// The result box: the title 2 points in, the rest 12 points in, all bold (rich text
// takes the indent in pixels of 1/96 inch).
void addResultBox(document::Builder &doc, const Conclusion &conclusion)
{
    doc.lines(resultBoxLines(conclusion), 3, 16, true, true);
}

void addRepairs(document::Builder &doc, const Conclusion &conclusion)
{
    if (conclusion.notice || conclusion.repairs.isEmpty())
        return;
    doc.label(texts::repairsLabel);
    doc.lines(repairLines(conclusion), 16, 16);
}

QString dateText(const QDateTime &when)
{
    return QLocale(QLocale::Indonesian, QLocale::Indonesia)
        .toString(when, QStringLiteral("dddd, d MMMM yyyy, HH.mm"));
}

QString answersTable(const Session &session)
{
    document::Builder doc { QString() };
    addAnswers(doc, session);
    return doc.html();
}

QString resultBox(const Conclusion &conclusion)
{
    document::Builder doc { QString() };
    addResultBox(doc, conclusion);
    return doc.html();
}

QString outcome(const Conclusion &conclusion)
{
    return conclusion.notice ? texts::outcomeNotDefined : texts::outcomeFault;
}

} // namespace

QStringList resultBoxLines(const Conclusion &conclusion)
{
    return QStringList { texts::resultTitle, QString() } + conclusion.lines;
}

QStringList repairLines(const Conclusion &conclusion)
{
    QStringList lines;
    int number = 0;
    for (const Repair &repair : conclusion.repairs)
        lines << QStringLiteral("%1. %2").arg(++number).arg(repairs::caption(repair));
    return lines;
}

QString trailHtml(const Session &session, const QuestionsLeft &left)
{
    if (session.system() < 0)
        return QStringLiteral("<p>%1</p>").arg(texts::noSystem.toHtmlEscaped());
    QString html = labelled(texts::systemLabel, session.systemName());
    if (!session.hasBegun())
        return html + QStringLiteral("<p>%1</p>").arg(texts::notBegun.toHtmlEscaped());
    html += QStringLiteral("<p><b>%1:</b></p>").arg(texts::answeredLabel.toHtmlEscaped());
    html += answersTable(session);
    return html + trailEndHtml(session, left);
}

QString trailEndHtml(const Session &session, const QuestionsLeft &left)
{
    if (session.isConcluded()) {
        QString html = labelled(texts::outcomeLabel, outcome(session.conclusion()));
        html += resultBox(session.conclusion());
        document::Builder repairList { QString() };
        addRepairs(repairList, session.conclusion());
        return html + repairList.html();
    }
    QString html = labelled(texts::currentLabel, session.currentQuestion());
    const auto bound = left.constFind(session.currentQuestion());
    if (bound != left.constEnd())
        html += QStringLiteral("<p><i>%1</i></p>").arg(texts::atMostLeft.arg(*bound));
    return html;
}

QStringList trailRow(int number, const SessionStep &step)
{
    return { QStringLiteral("%1.").arg(number), step.question, answerText(step.answer) };
}

document::Builder build(const Session &session, const Stamp &stamp, bool withAppendix)
{
    document::Builder doc(texts::reportTitle);
    doc.heading(texts::reportTitle);
    doc.field(texts::dateLabel, dateText(stamp.when));
    doc.field(texts::systemLabel, session.systemName());
    doc.job(session.recorded());
    doc.label(texts::answeredLabel);
    addAnswers(doc, session);
    if (session.isConcluded()) {
        doc.field(texts::outcomeLabel, outcome(session.conclusion()));
        addResultBox(doc, session.conclusion());
        addRepairs(doc, session.conclusion());
    } else {
        if (!session.currentQuestion().isEmpty())
            doc.field(texts::currentLabel, session.currentQuestion());
        doc.field(texts::outcomeLabel, texts::unfinished);
    }
    doc.note(texts::madeWith.arg(stamp.programName, stamp.programVersion));
    if (withAppendix && hasAppendix(session)) {
        doc.pageBreak();
        doc.heading(texts::appendixTitle);
        for (const Repair &repair : session.conclusion().repairs) {
            if (const auto steps = repairs::instructions(repair))
                doc.procedure(
                    repairs::caption(repair), steps->heading, steps->lines, steps->picture);
        }
    }
    return doc;
}

bool hasAppendix(const Session &session)
{
    if (!session.isConcluded())
        return false;
    for (const Repair &repair : session.conclusion().repairs)
        if (repairs::instructions(repair))
            return true;
    return false;
}

QString html(const Session &session, const Stamp &stamp)
{
    return build(session, stamp, false).html();
}

QString plainText(const Session &session, const Stamp &stamp)
{
    QStringList lines { texts::reportTitle,
        QStringLiteral("%1: %2").arg(texts::dateLabel, dateText(stamp.when)),
        QStringLiteral("%1: %2").arg(texts::systemLabel, session.systemName()), QString(),
        texts::answeredLabel + QLatin1Char(':') };
    int number = 0;
    for (const SessionStep &step : session.steps()) {
        lines << QStringLiteral("%1. %2: %3")
                     .arg(QString::number(++number), step.question, answerText(step.answer));
    }
    if (session.steps().isEmpty())
        lines << texts::noAnswerYet;
    lines << QString();
    if (session.isConcluded()) {
        lines << QStringLiteral("%1: %2").arg(texts::outcomeLabel, outcome(session.conclusion()));
        lines << resultBoxLines(session.conclusion());
        if (!session.conclusion().notice && !session.conclusion().repairs.isEmpty())
            lines << QString() << texts::repairsLabel + QLatin1Char(':')
                  << repairLines(session.conclusion());
    } else {
        if (!session.currentQuestion().isEmpty())
            lines << QStringLiteral("%1: %2").arg(texts::currentLabel, session.currentQuestion());
        lines << QStringLiteral("%1: %2").arg(texts::outcomeLabel, texts::unfinished);
    }
    lines << QString() << texts::madeWith.arg(stamp.programName, stamp.programVersion);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString suggestedFileName(const Session &session, const QDateTime &when)
{
    static const QRegularExpression notWordy(QStringLiteral("[^a-z0-9]+"));
    QString system = session.systemName().toLower().replace(notWordy, QStringLiteral("-"));
    while (system.startsWith(QLatin1Char('-')))
        system.remove(0, 1);
    while (system.endsWith(QLatin1Char('-')))
        system.chop(1);
    return QStringLiteral("diagnosa-%1-%2.pdf")
        .arg(system.isEmpty() ? QStringLiteral("sistem") : system,
            when.toString(QStringLiteral("yyyyMMdd-HHmm")));
}

} // namespace dipo::diagnosis::report
