// SPDX-License-Identifier: GPL-3.0-or-later
#include "kbtool/commands.h"

#include "diagnosis/logic/repairs.h"

#include "diagnosis/logic/diagnotexts.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dipo::kbtool {

using diagnosis::KbSheet;
using diagnosis::SheetAction;
using diagnosis::SheetRow;

namespace {

QString baseName(const QString &fileName)
{
    return QFileInfo(fileName).completeBaseName();
}

QString figure(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QStringLiteral("-");
}

// A DOT string: quotes and backslashes escaped, long texts broken at blanks.
QString dotText(const QString &text, int width = 40)
{
    QString result;
    int column = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && column >= width) {
            result += QStringLiteral("\\n");
            column = 0;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\');
        result += c;
        ++column;
    }
    return QLatin1Char('"') + result + QLatin1Char('"');
}

// A knowledge-base text in the handbook: quoted, so that its leading, trailing and
// doubled blanks stay visible, with Markdown's marks escaped.
QString mdText(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (QStringLiteral("\\`*_[]<>|#").contains(c))
            result += QLatin1Char('\\');
        result += c;
    }
    return QLatin1Char('"') + result + QLatin1Char('"');
}

// The key of a conclusion: the same key, the same node and the same handbook entry.
// "Radiator (perawatan 3), TIMING FUEL INJECTOR (tune-up INJ-1)"
QString repairList(const QList<diagnosis::Repair> &links)
{
    QStringList named;
    for (const diagnosis::Repair &repair : links) {
        const QString where = repair.kind == diagnosis::Repair::Kind::Maintenance
            ? QStringLiteral("perawatan %1")
            : repair.kind == diagnosis::Repair::Kind::TuneUp ? QStringLiteral("tune-up %1")
                                                             : QStringLiteral("kalkulator %1");
        named << QStringLiteral("%1 (%2)").arg(diagnosis::repairs::caption(repair), where.arg(repair.key));
    }
    return named.join(QStringLiteral(", "));
}

// Each part is written with its length before it, so no character inside a text can
// make two different conclusions meet.
QString conclusionKey(const SheetAction &action)
{
    const QStringList parts = action.kind == SheetAction::Kind::Fault
        ? QStringList { action.header, action.cause }
        : action.notice;
    QString key
        = action.kind == SheetAction::Kind::Fault ? QStringLiteral("F") : QStringLiteral("N");
    for (const QString &part : parts)
        key += QString::number(part.size()) + QLatin1Char(':') + part;
    // The same fault reached with other repairs is another node: its label names them.
    for (const diagnosis::Repair &repair : action.repairs)
        key += QStringLiteral("R%1:%2:").arg(int(repair.kind)).arg(repair.key.size()) + repair.key;
    return key;
}

QString answerName(const SheetAction *action, const SheetRow &row)
{
    return action == &row.ya ? diagnosis::texts::ya : diagnosis::texts::tidak;
}

} // namespace

QString systemCaption(int system)
{
    return diagnosis::texts::systemNames.value(system);
}

int systemByName(const Base &base, const QString &name)
{
    for (int i = 0; i < base.sheets.size(); ++i) {
        const QString fileName = QFileInfo(base.sheets.at(i).fileName).fileName();
        if (name == baseName(fileName) || name == fileName
            || name.compare(systemCaption(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int stats(const Base &base, bool json, QTextStream &out, QTextStream &err)
{
    int code = 0;
    QJsonArray systems;
    if (!json) {
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                   .arg(QStringLiteral("sistem"), -22)
                   .arg(QStringLiteral("pertanyaan"), 10)
                   .arg(QStringLiteral("kesimpulan"), 10)
                   .arg(QStringLiteral("tertaut"), 7)
                   .arg(QStringLiteral("penyebab"), 8)
                   .arg(QStringLiteral("header"), 6)
                   .arg(QStringLiteral("terpendek"), 9)
                   .arg(QStringLiteral("terpanjang"), 10)
                   .arg(QStringLiteral("jalur"), 8)
                   .arg(QStringLiteral("berkas"));
    }
    for (int i = 0; i < base.sheets.size(); ++i) {
        const KbSheet &sheet = base.sheets.at(i);
        const diagnosis::KbStats s = diagnosis::sheetStats(sheet);
        if (s.cyclic) {
            err << QStringLiteral("%1: a question can lead back to itself: no longest walk "
                                  "and no count of walks (see dipo-kb check)\n")
                       .arg(sheet.fileName);
            code = 1;
        }
        if (json) {
            QJsonObject system {
                { QStringLiteral("system"), systemCaption(i) },
                { QStringLiteral("file"), sheet.fileName },
                { QStringLiteral("questions"), s.questions },
                { QStringLiteral("conclusions"), s.conclusions },
                { QStringLiteral("faults"), s.faults },
                { QStringLiteral("linkedFaults"), s.linkedFaults },
                { QStringLiteral("notices"), s.notices },
                { QStringLiteral("distinctCauses"), s.distinctCauses },
                { QStringLiteral("headersUsed"), s.headersUsed },
                { QStringLiteral("headersDefined"), s.headersDefined },
                { QStringLiteral("cyclic"), s.cyclic },
            };
            system.insert(QStringLiteral("shortestWalk"),
                s.shortestWalk ? QJsonValue(*s.shortestWalk) : QJsonValue());
            system.insert(QStringLiteral("longestWalk"),
                s.longestWalk ? QJsonValue(*s.longestWalk) : QJsonValue());
            system.insert(
                QStringLiteral("walks"), s.walks ? QJsonValue(double(*s.walks)) : QJsonValue());
            systems.append(system);
            continue;
        }
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                   .arg(systemCaption(i), -22)
                   .arg(s.questions, 10)
                   .arg(s.conclusions, 10)
                   .arg(s.linkedFaults, 7)
                   .arg(s.distinctCauses, 8)
                   .arg(QStringLiteral("%1/%2").arg(s.headersUsed).arg(s.headersDefined), 6)
                   .arg(figure(s.shortestWalk), 9)
                   .arg(figure(s.longestWalk), 10)
                   .arg(s.walks ? QString::number(*s.walks) : QStringLiteral("-"), 8)
                   .arg(sheet.fileName);
    }
    if (json)
        out << QJsonDocument(systems).toJson(QJsonDocument::Indented);
    return code;
}

int dot(const Base &base, int system, QTextStream &out)
{
    const KbSheet &sheet = base.sheets.at(system);
    out << "digraph " << dotText(baseName(sheet.fileName)) << " {\n"
        << "  label=" << dotText(systemCaption(system))
        << "; labelloc=t; fontname=\"DejaVu Sans\";\n"
        << "  node [fontname=\"DejaVu Sans\", fontsize=10];\n"
        << "  edge [fontname=\"DejaVu Sans\", fontsize=9];\n";
    QHash<QString, QString> conclusionNode;
    for (const SheetRow &row : sheet.rows) {
        out << "  q" << row.no
            << " [shape=box, label=" << dotText(QStringLiteral("%1: %2").arg(row.no).arg(row.text))
            << "];\n";
    }
    for (const SheetRow &row : sheet.rows) {
        for (const SheetAction *action : { &row.ya, &row.tidak }) {
            if (!action->concludes() || conclusionNode.contains(conclusionKey(*action)))
                continue;
            const QString node = QStringLiteral("c%1").arg(conclusionNode.size() + 1);
            conclusionNode.insert(conclusionKey(*action), node);
            if (action->kind == SheetAction::Kind::Fault) {
                out << "  " << node
                    << " [shape=ellipse, style=filled, fillcolor=\"#fde9c9\", label="
                    << dotText(action->repairs.isEmpty()
                               ? QStringLiteral("%1: %2").arg(action->header, action->cause)
                               : QStringLiteral("%1: %2; perbaikan: %3")
                                     .arg(action->header, action->cause, repairList(action->repairs)))
                    << ", tooltip=" << dotText(sheet.headers.value(action->header), 1000) << "];\n";
            } else {
                out << "  " << node << " [shape=note, style=filled, fillcolor=\"#e4ecf7\", label="
                    << dotText(action->notice.join(QLatin1Char(' '))) << "];\n";
            }
        }
    }
    for (const SheetRow &row : sheet.rows) {
        for (const SheetAction *action : { &row.ya, &row.tidak }) {
            QString target;
            if (action->kind == SheetAction::Kind::Ask)
                target = QStringLiteral("q%1").arg(action->askRow);
            else if (action->concludes())
                target = conclusionNode.value(conclusionKey(*action));
            else
                continue;
            out << "  q" << row.no << " -> " << target
                << " [label=" << dotText(answerName(action, row)) << "];\n";
        }
    }
    out << "}\n";
    return 0;
}

int exportMarkdown(const Base &base, QTextStream &out)
{
    out << "# Basis pengetahuan diagnosa\n\n";
    for (int i = 0; i < base.sheets.size(); ++i) {
        const KbSheet &sheet = base.sheets.at(i);
        out << "## " << systemCaption(i) << " (`" << QFileInfo(sheet.fileName).fileName()
            << "`)\n\n"
            << sheet.rows.size() << " pertanyaan; diagnosa dimulai di baris " << sheet.startRow
            << ".\n\n### Pertanyaan\n\n";
        for (const SheetRow &row : sheet.rows) {
            out << "**" << row.no << ".** " << mdText(row.text) << "\n\n";
            for (const SheetAction *action : { &row.ya, &row.tidak }) {
                out << "- " << answerName(action, row) << ": ";
                switch (action->kind) {
                case SheetAction::Kind::Ask:
                    out << "ke baris " << action->askRow;
                    if (const SheetRow *next = sheet.row(action->askRow))
                        out << ", " << mdText(next->text);
                    break;
                case SheetAction::Kind::Fault:
                    out << "kesimpulan " << action->header << ", " << mdText(action->cause);
                    if (!action->repairs.isEmpty())
                        out << "; perbaikan: " << repairList(action->repairs);
                    break;
                case SheetAction::Kind::Notice:
                    out << "gangguan belum terdefinisi";
                    break;
                case SheetAction::Kind::Missing:
                    out << "tidak ada tindakan";
                    break;
                }
                out << "\n";
            }
            out << "\n";
        }

        // Each conclusion once, with the rows and answers that reach it.
        QStringList order;
        QHash<QString, const SheetAction *> action;
        QHash<QString, QStringList> reachedBy;
        for (const SheetRow &row : sheet.rows) {
            for (const SheetAction *a : { &row.ya, &row.tidak }) {
                if (!a->concludes())
                    continue;
                const QString key = conclusionKey(*a);
                if (!action.contains(key)) {
                    order.append(key);
                    action.insert(key, a);
                }
                reachedBy[key].append(
                    QStringLiteral("%1 (%2)").arg(row.no).arg(answerName(a, row)));
            }
        }
        out << "### Kesimpulan\n\n";
        for (const QString &letter : sheet.headerLetters) {
            out << "**Header " << letter << "**: " << mdText(sheet.headers.value(letter)) << "\n\n";
            for (const QString &key : order) {
                const SheetAction *a = action.value(key);
                if (a->kind == SheetAction::Kind::Fault && a->header == letter) {
                    out << "- " << mdText(a->cause) << ": dari baris "
                        << reachedBy.value(key).join(QStringLiteral(", ")) << "\n";
                }
            }
            out << "\n";
        }
        for (const QString &key : order) {
            const SheetAction *a = action.value(key);
            if (a->kind != SheetAction::Kind::Notice)
                continue;
            out << "**Gangguan belum terdefinisi**, dari baris "
                << reachedBy.value(key).join(QStringLiteral(", ")) << ":\n\n";
            for (const QString &line : a->notice)
                out << "> " << mdText(line) << "\n>\n";
            out << "\n";
        }
    }
    return 0;
}

int walk(const Base &base, int system, const QString *answers, QTextStream &in, QTextStream &out,
    QTextStream &err)
{
    using diagnosis::Action;
    using diagnosis::Answer;
    const KbSheet &sheet = base.sheets.at(system);
    auto rowOf = [&](const QString &text) {
        for (const SheetRow &row : sheet.rows) {
            if (row.text == text)
                return row.no;
        }
        return 0;
    };
    auto showQuestion
        = [&](const QString &text) { return QStringLiteral("[%1] %2").arg(rowOf(text)).arg(text); };
    auto showConclusion = [&](const diagnosis::Conclusion &conclusion) {
        out << diagnosis::texts::resultTitle << "\n\n";
        for (const QString &line : conclusion.lines)
            out << line << "\n";
    };

    if (answers) {
        for (const QChar c : *answers) {
            if (!QStringLiteral("YyTt").contains(c)) {
                err << QStringLiteral("dipo-kb: jawaban \"%1\" tidak dikenal: pakai Y (YA) atau "
                                      "T (TIDAK)\n")
                           .arg(c);
                return 2;
            }
        }
    }

    QStringList shown { base.knowledgeBase.startQuestion(system) };
    if (!answers)
        out << systemCaption(system) << "\n";
    int given = 0;
    while (true) {
        const QString question = shown.last();
        Answer answer = Answer::Ya;
        if (answers) {
            if (given == answers->size()) {
                out << showQuestion(question) << "\n";
                err << QStringLiteral("dipo-kb: jawaban habis sebelum kesimpulan\n");
                return 1;
            }
            answer
                = answers->at(given++).toUpper() == QLatin1Char('Y') ? Answer::Ya : Answer::Tidak;
        } else {
            out << showQuestion(question) << "\n"
                << QStringLiteral("y = YA, t = TIDAK, b = kembali, q = keluar: ");
            out.flush();
            const QString line = in.readLine();
            if (line.isNull())
                return 0;
            const QString typed = line.trimmed().toLower();
            if (typed == QLatin1String("q"))
                return 0;
            if (typed == QLatin1String("b")) {
                if (shown.size() > 1)
                    shown.removeLast();
                else
                    out << QStringLiteral("(ini pertanyaan pertama)\n");
                continue;
            }
            if (typed != QLatin1String("y") && typed != QLatin1String("t")) {
                out << QStringLiteral("(ketik y, t, b atau q)\n");
                continue;
            }
            answer = typed == QLatin1String("y") ? Answer::Ya : Answer::Tidak;
        }
        const QString name = answer == Answer::Ya ? diagnosis::texts::ya : diagnosis::texts::tidak;
        const Action action = base.knowledgeBase.answer(answer, question);
        if (answers)
            out << showQuestion(question) << " -> " << name << "\n";
        switch (action.kind) {
        case Action::Kind::Ask:
            shown.append(action.question);
            break;
        case Action::Kind::Conclude:
            out << "\n";
            showConclusion(action.conclusion);
            if (answers && given < answers->size()) {
                err << QStringLiteral("dipo-kb: %1 jawaban berlebih setelah kesimpulan\n")
                           .arg(answers->size() - given);
                return 2;
            }
            return 0;
        case Action::Kind::Nothing:
            // As in the window: no action for this answer, the question stays.
            out << QStringLiteral("(tidak ada tindakan untuk %1; pertanyaan tetap)\n").arg(name);
            break;
        }
    }
}

} // namespace dipo::kbtool
