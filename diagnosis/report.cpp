#include "diagnosis/report.h"

#include "diagnosis/diagnotexts.h"
#include "diagnosis/riwayattexts.h"

#include <QLocale>
#include <QRegularExpression>

namespace dipo::diagnosis::report {

namespace {

QString answerText(Answer answer)
{
    return answer == Answer::Ya ? texts::ya : texts::tidak;
}

// Blanks count in the knowledge base's texts: keep them in rich text too.
QString kept(const QString &text)
{
    return QStringLiteral("<span style=\"white-space: pre-wrap\">%1</span>")
        .arg(text.toHtmlEscaped());
}

QString labelled(const QString &label, const QString &value)
{
    return QStringLiteral("<p><b>%1:</b> %2</p>").arg(label.toHtmlEscaped(), kept(value));
}

QString dateText(const QDateTime &when)
{
    return QLocale(QLocale::Indonesian, QLocale::Indonesia)
        .toString(when, QStringLiteral("dddd, d MMMM yyyy, HH.mm"));
}

QString answersTable(const Session &session)
{
    if (session.steps().isEmpty())
        return QStringLiteral("<p>%1</p>").arg(texts::noAnswerYet.toHtmlEscaped());
    QString rows;
    int number = 0;
    for (const SessionStep &step : session.steps()) {
        rows += QStringLiteral("<tr><td align=\"right\">%1.</td><td>%2</td><td>%3</td></tr>")
                    .arg(QString::number(++number), kept(step.question), answerText(step.answer));
    }
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                          "width=\"100%\" style=\"border-collapse: collapse\">"
                          "<tr><th align=\"right\">%1</th><th align=\"left\">%2</th>"
                          "<th align=\"left\">%3</th></tr>%4</table>")
        .arg(texts::numberColumn.toHtmlEscaped(), texts::questionColumn.toHtmlEscaped(),
            texts::answerColumn.toHtmlEscaped(), rows);
}

// The result box: the title 2 points in, the rest 12 points in, all bold (rich text
// takes the indent in pixels of 1/96 inch).
QString resultBox(const Conclusion &conclusion)
{
    const QStringList lines = resultBoxLines(conclusion);
    QString html;
    for (int i = 0; i < lines.size(); ++i) {
        html += QStringLiteral("<p style=\"margin: 0; text-indent: %1px\"><b>%2</b></p>")
                    .arg(i == 0 ? 3 : 16)
                    .arg(lines.at(i).isEmpty() ? QStringLiteral("&nbsp;") : kept(lines.at(i)));
    }
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
                          "width=\"100%\"><tr><td>%1</td></tr></table>")
        .arg(html);
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

QString trailHtml(const Session &session, const QuestionsLeft &left)
{
    if (session.system() < 0)
        return QStringLiteral("<p>%1</p>").arg(texts::noSystem.toHtmlEscaped());
    QString html = labelled(texts::systemLabel, session.systemName());
    if (!session.hasBegun())
        return html + QStringLiteral("<p>%1</p>").arg(texts::notBegun.toHtmlEscaped());
    html += QStringLiteral("<p><b>%1:</b></p>").arg(texts::answeredLabel.toHtmlEscaped());
    html += answersTable(session);
    if (session.isConcluded()) {
        html += labelled(texts::outcomeLabel, outcome(session.conclusion()));
        html += resultBox(session.conclusion());
        return html;
    }
    html += labelled(texts::currentLabel, session.currentQuestion());
    const auto bound = left.constFind(session.currentQuestion());
    if (bound != left.constEnd())
        html += QStringLiteral("<p><i>%1</i></p>").arg(texts::atMostLeft.arg(*bound));
    return html;
}

QString html(const Session &session, const Stamp &stamp)
{
    QString html
        = QStringLiteral("<h2 align=\"center\">%1</h2>").arg(texts::reportTitle.toHtmlEscaped());
    html += labelled(texts::dateLabel, dateText(stamp.when));
    html += labelled(texts::systemLabel, session.systemName());
    html += QStringLiteral("<p><b>%1:</b></p>").arg(texts::answeredLabel.toHtmlEscaped());
    html += answersTable(session);
    if (session.isConcluded()) {
        html += labelled(texts::outcomeLabel, outcome(session.conclusion()));
        html += resultBox(session.conclusion());
    } else {
        if (!session.currentQuestion().isEmpty())
            html += labelled(texts::currentLabel, session.currentQuestion());
        html += labelled(texts::outcomeLabel, texts::unfinished);
    }
    html += QStringLiteral("<p style=\"color: #555555\"><small>%1</small></p>")
                .arg(texts::madeWith.arg(stamp.programName, stamp.programVersion).toHtmlEscaped());
    return html;
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
