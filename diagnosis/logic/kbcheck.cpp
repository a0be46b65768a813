// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbcheck.h"

#include "diagnosis/logic/repairs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <limits>

namespace dipo::diagnosis {

namespace {

// Where things stand in a file: the lines of the top-level keys, of the header
// letters and of each entry of "questions". A light scan of the bytes; the values
// themselves are read by QJsonDocument.
struct LineMap
{
    QHash<QString, int> keyLine;
    QHash<QString, int> headerLine;
    QList<int> entryLine;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

LineMap scanLines(const QByteArray &bytes)
{
    LineMap map;
    int line = 1;
    int depth = 0;
    QString topKey;
    QList<char> open; // the containers around the current position
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\n') {
            ++line;
        } else if (c == '"') {
            QByteArray text;
            for (++i; i < bytes.size() && bytes.at(i) != '"'; ++i) {
                if (bytes.at(i) == '\\')
                    ++i;
                else
                    text.append(bytes.at(i));
            }
            qsizetype next = i + 1;
            while (next < bytes.size() && isBlank(bytes.at(next))) {
                if (bytes.at(next) == '\n')
                    ++line;
                ++next;
            }
            const bool isKey = next < bytes.size() && bytes.at(next) == ':';
            i = next - 1;
            if (!isKey)
                continue;
            const QString key = QString::fromUtf8(text);
            if (depth == 1) {
                topKey = key;
                map.keyLine.insert(key, line);
            } else if (depth == 2 && topKey == QLatin1String("headers")) {
                map.headerLine.insert(key, line);
            }
        } else if (c == '{' || c == '[') {
            if (depth == 2 && topKey == QLatin1String("questions") && open.last() == '[')
                map.entryLine.append(line);
            open.append(c);
            ++depth;
        } else if ((c == '}' || c == ']') && depth > 0) {
            open.removeLast();
            --depth;
        }
    }
    return map;
}

int lineOfOffset(const QByteArray &bytes, qsizetype offset)
{
    return 1 + int(bytes.left(offset).count('\n'));
}

bool samePlace(const SheetAction &a, const SheetAction &b)
{
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case SheetAction::Kind::Missing:
        return false;
    case SheetAction::Kind::Ask:
        return a.askRow == b.askRow;
    case SheetAction::Kind::Fault:
        return a.header == b.header && a.cause == b.cause && a.fontSize == b.fontSize;
    case SheetAction::Kind::Notice:
        return a.notice == b.notice;
    }
    return false;
}

QString placeName(const SheetAction &action)
{
    switch (action.kind) {
    case SheetAction::Kind::Ask:
        return QStringLiteral("row %1").arg(action.askRow);
    case SheetAction::Kind::Fault:
        return QStringLiteral("header %1 with the same cause").arg(excerpt(action.header));
    case SheetAction::Kind::Notice:
        return QStringLiteral("the same notice");
    case SheetAction::Kind::Missing:
        break;
    }
    return QString();
}

// The text a near-duplicate shares: no blanks, one letter case.
QString foldedText(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            folded.append(c.toCaseFolded());
    }
    return folded;
}

// The rows that can lead back to themselves, one list per loop of rows that reach
// each other (Tarjan's strongly connected components).
QList<QList<int>> loops(const KbSheet &sheet)
{
    QHash<int, int> index, low;
    QList<int> stack;
    QSet<int> onStack;
    QList<QList<int>> result;
    int counter = 0;
    auto targets = [&](const SheetRow &row) {
        QList<int> next;
        for (const SheetAction *action : { &row.ya, &row.tidak }) {
            if (action->kind == SheetAction::Kind::Ask && sheet.row(action->askRow))
                next.append(action->askRow);
        }
        return next;
    };
    // Depth first without recursion, so that a chain of any length the loader accepts
    // is walked on the heap: one frame per row on the way, with the next target to try.
    struct Frame
    {
        const SheetRow *row;
        QList<int> next;
        qsizetype tried = 0;
    };
    QList<Frame> frames;
    auto enter = [&](const SheetRow &row) {
        index.insert(row.no, counter);
        low.insert(row.no, counter);
        ++counter;
        stack.append(row.no);
        onStack.insert(row.no);
        frames.append(Frame { &row, targets(row) });
    };
    for (const SheetRow &root : sheet.rows) {
        if (index.contains(root.no))
            continue;
        enter(root);
        while (!frames.isEmpty()) {
            Frame &frame = frames.last();
            const int no = frame.row->no;
            if (frame.tried < frame.next.size()) {
                const int next = frame.next.at(frame.tried++);
                if (!index.contains(next))
                    enter(*sheet.row(next)); // frame may now dangle; not used below
                else if (onStack.contains(next))
                    low[no] = std::min(low.value(no), index.value(next));
                continue;
            }
            const QList<int> own = frame.next;
            frames.removeLast();
            if (!frames.isEmpty()) {
                const int parent = frames.last().row->no;
                low[parent] = std::min(low.value(parent), low.value(no));
            }
            if (low.value(no) != index.value(no))
                continue;
            QList<int> component;
            int member = 0;
            do {
                member = stack.takeLast();
                onStack.remove(member);
                component.append(member);
            } while (member != no);
            if (component.size() > 1 || own.contains(no))
                result.append(component);
        }
    }
    return result;
}

// A shortest way round a loop from the given row back to it.
QList<int> loopFrom(const KbSheet &sheet, int first, const QSet<int> &members)
{
    QHash<int, int> cameFrom;
    QList<int> pending { first };
    for (qsizetype i = 0; i < pending.size(); ++i) {
        const SheetRow *row = sheet.row(pending.at(i));
        for (const SheetAction *action : { &row->ya, &row->tidak }) {
            const int next = action->askRow;
            if (action->kind != SheetAction::Kind::Ask || !members.contains(next)
                || cameFrom.contains(next))
                continue;
            cameFrom.insert(next, row->no);
            if (next == first) {
                QList<int> way { first };
                for (int at = cameFrom.value(first); at != first; at = cameFrom.value(at))
                    way.prepend(at);
                way.prepend(first);
                return way;
            }
            pending.append(next);
        }
    }
    return { first, first };
}

// The line a loader's finding stands on, from the place it names.
int lineOf(const KbFinding &finding, const KbFile &file, const KbSheet &sheet, const LineMap &map)
{
    if (finding.row) {
        const SheetRow *row = sheet.row(*finding.row);
        return row ? row->line : 1;
    }
    if (finding.entry > 0)
        return map.entryLine.value(finding.entry - 1, 1);
    if (finding.offset >= 0)
        return lineOfOffset(file.bytes, finding.offset);
    if (!finding.header.isEmpty())
        return map.headerLine.value(finding.header, 1);
    return map.keyLine.value(finding.key, 1);
}

} // namespace

const SheetRow *KbSheet::row(int no) const
{
    if (!positionOfRow.isEmpty()) {
        const auto found = positionOfRow.constFind(no);
        return found == positionOfRow.constEnd() ? nullptr : &rows.at(*found);
    }
    for (const SheetRow &candidate : rows) {
        if (candidate.no == no)
            return &candidate;
    }
    return nullptr;
}

KbSheet readSheet(const KbFile &file)
{
    KbSheet sheet;
    sheet.fileName = file.name;
    const LineMap map = scanLines(file.bytes);
    sheet.keyLine = map.keyLine;
    sheet.headerLine = map.headerLine;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes);
    if (!document.isObject())
        return sheet;
    sheet.parsed = true;
    const QJsonObject top = document.object();
    sheet.startRow = top.value(QLatin1String("start")).toInt();
    const QJsonObject headers = top.value(QLatin1String("headers")).toObject();
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
        sheet.headers.insert(it.key(), it.value().toString());
    sheet.headerLetters = headers.keys();
    std::sort(sheet.headerLetters.begin(), sheet.headerLetters.end(),
        [&](const QString &a, const QString &b) {
            return map.headerLine.value(a) < map.headerLine.value(b);
        });
    const QJsonArray entries = top.value(QLatin1String("questions")).toArray();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        if (!entry.value(QLatin1String("no")).isDouble())
            continue;
        SheetRow row = readRow(entry);
        row.line = map.entryLine.value(i, 1);
        if (!sheet.positionOfRow.contains(row.no)) {
            sheet.positionOfRow.insert(row.no, sheet.rows.size());
            sheet.rows.append(row);
        }
    }
    return sheet;
}

QList<KbFinding> checkKnowledgeBase(const QList<KbFile> &files, qint64 *omittedErrors)
{
    QList<KbSheet> sheets;
    QList<LineMap> maps;
    for (const KbFile &file : files) {
        sheets.append(readSheet(file));
        maps.append(scanLines(file.bytes));
    }

    QList<KbFinding> findings;
    const KbLoad load = loadKnowledgeBase(files);
    for (KbFinding finding : load.findings) {
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (files.at(i).name == finding.file) {
                finding.line = lineOf(finding, files.at(i), sheets.at(i), maps.at(i));
                break;
            }
        }
        finding.line = qMax(finding.line, 1);
        findings.append(finding);
    }
    if (omittedErrors)
        *omittedErrors = load.omitted;

    auto add = [&](const KbSheet &sheet, KbFinding::Severity severity, int line,
                   std::optional<int> row, const QString &what) {
        KbFinding finding;
        finding.file = sheet.fileName;
        finding.row = row;
        finding.line = line;
        finding.severity = severity;
        finding.what = what;
        findings.append(finding);
    };
    auto warn = [&](const KbSheet &sheet, int line, std::optional<int> row, const QString &what) {
        add(sheet, KbFinding::Severity::Warning, line, row, what);
    };
    // Folded text -> the file and row where it was first seen.
    QHash<QString, QPair<const KbSheet *, const SheetRow *>> folded;
    for (const KbSheet &sheet : sheets) {
        for (const QList<int> &loop : loops(sheet)) {
            const SheetRow *first = nullptr;
            for (const SheetRow &row : sheet.rows) {
                if (loop.contains(row.no)) {
                    first = &row;
                    break;
                }
            }
            const QSet<int> members(loop.begin(), loop.end());
            QStringList way;
            for (const int no : loopFrom(sheet, first->no, members))
                way.append(QString::number(no));
            add(sheet, KbFinding::Severity::Error, first->line, first->no,
                QStringLiteral("can lead back to itself (%1)")
                    .arg(way.join(QStringLiteral(" -> "))));
        }

        QSet<QString> usedHeaders;
        for (const SheetRow &row : sheet.rows) {
            for (const SheetAction *action : { &row.ya, &row.tidak }) {
                if (action->kind == SheetAction::Kind::Fault)
                    usedHeaders.insert(action->header);
            }
            for (const auto &[answer, action] : { std::pair { QStringLiteral("YA"), &row.ya },
                     std::pair { QStringLiteral("TIDAK"), &row.tidak } }) {
                const QString component = repairs::coveredComponentNamed(action->cause);
                if (action->kind == SheetAction::Kind::Fault && action->repairs.isEmpty()
                    && !component.isEmpty())
                    warn(sheet, row.line, row.no,
                        QStringLiteral("the %1 fault names \"%2\", which the program has "
                                       "a procedure for, but links no repair")
                            .arg(answer, component));
            }
            if (samePlace(row.ya, row.tidak)) {
                warn(sheet, row.line, row.no,
                    QStringLiteral("YA and TIDAK both lead to %1").arg(placeName(row.ya)));
            }
            if (row.text.isEmpty())
                continue;
            const QString key = foldedText(row.text);
            const auto seen = folded.constFind(key);
            if (seen == folded.constEnd()) {
                folded.insert(key, { &sheet, &row });
            } else if (seen->second->text != row.text) {
                warn(sheet, row.line, row.no,
                    QStringLiteral("the question text differs from row %1 of %2 "
                                   "only in blanks or letter case")
                        .arg(QString::number(seen->second->no), seen->first->fileName));
            }
        }
        for (const QString &letter : sheet.headerLetters) {
            if (!usedHeaders.contains(letter))
                warn(sheet, sheet.headerLine.value(letter, 1), std::nullopt,
                    QStringLiteral("header %1 is used by no conclusion").arg(excerpt(letter)));
        }
    }

    std::stable_sort(findings.begin(), findings.end(), [&](const KbFinding &a, const KbFinding &b) {
        auto order = [&](const QString &file) {
            for (int i = 0; i < files.size(); ++i) {
                if (files.at(i).name == file)
                    return i;
            }
            return int(files.size());
        };
        if (order(a.file) != order(b.file))
            return order(a.file) < order(b.file);
        return a.line < b.line;
    });
    return findings;
}

KbStats sheetStats(const KbSheet &sheet)
{
    KbStats stats;
    stats.questions = int(sheet.rows.size());
    stats.headersDefined = int(sheet.headerLetters.size());
    QSet<QString> causes, headers;
    for (const SheetRow &row : sheet.rows) {
        for (const SheetAction *action : { &row.ya, &row.tidak }) {
            if (action->kind == SheetAction::Kind::Fault) {
                ++stats.faults;
                stats.linkedFaults += action->repairs.isEmpty() ? 0 : 1;
                causes.insert(action->cause);
                headers.insert(action->header);
            } else if (action->kind == SheetAction::Kind::Notice) {
                ++stats.notices;
            }
        }
    }
    stats.conclusions = stats.faults + stats.notices;
    stats.distinctCauses = int(causes.size());
    stats.headersUsed = int(headers.size());
    const SheetRow *start = sheet.row(sheet.startRow);
    if (!start)
        return stats;

    // Shortest: breadth first over the questions, counting the one that concludes.
    QHash<int, int> depth { { start->no, 1 } };
    QList<const SheetRow *> pending { start };
    for (qsizetype i = 0; i < pending.size() && !stats.shortestWalk; ++i) {
        const SheetRow *row = pending.at(i);
        for (const SheetAction *action : { &row->ya, &row->tidak }) {
            if (action->concludes()) {
                stats.shortestWalk = depth.value(row->no);
                break;
            }
            const SheetRow *next
                = action->kind == SheetAction::Kind::Ask ? sheet.row(action->askRow) : nullptr;
            if (next && !depth.contains(next->no)) {
                depth.insert(next->no, depth.value(row->no) + 1);
                pending.append(next);
            }
        }
    }

    // Longest and the count: depth first, each row once; a row met again while it is
    // still being walked closes a loop.
    struct Figures
    {
        int longest = 0; // 0: no conclusion can be reached from here
        quint64 walks = 0;
    };
    QHash<int, Figures> done;
    QSet<int> walking;
    constexpr quint64 most = std::numeric_limits<quint64>::max();
    auto add = [&](Figures *into, const Figures &next) {
        if (next.walks == 0)
            return;
        into->longest = std::max(into->longest, next.longest + 1);
        into->walks = into->walks > most - next.walks ? most : into->walks + next.walks;
    };
    // Without recursion, as loops() above: one frame per row on the way.
    struct Frame
    {
        const SheetRow *row;
        int action = 0; // 0: ya next, 1: tidak next, 2: both done
        Figures figures {};
    };
    QList<Frame> frames { Frame { start } };
    walking.insert(start->no);
    Figures figures;
    while (!frames.isEmpty()) {
        Frame &frame = frames.last();
        if (frame.action < 2) {
            const SheetAction &action = frame.action++ == 0 ? frame.row->ya : frame.row->tidak;
            if (action.concludes()) {
                add(&frame.figures, Figures { 0, 1 });
                continue;
            }
            const SheetRow *target
                = action.kind == SheetAction::Kind::Ask ? sheet.row(action.askRow) : nullptr;
            if (!target)
                continue;
            if (const auto found = done.constFind(target->no); found != done.constEnd()) {
                add(&frame.figures, *found);
            } else if (walking.contains(target->no)) {
                stats.cyclic = true;
            } else {
                walking.insert(target->no);
                frames.append(Frame { target }); // frame may now dangle; not used below
            }
            continue;
        }
        const Frame finished = frame;
        frames.removeLast();
        walking.remove(finished.row->no);
        done.insert(finished.row->no, finished.figures);
        if (frames.isEmpty())
            figures = finished.figures;
        else
            add(&frames.last().figures, finished.figures);
    }
    if (!stats.cyclic && figures.walks > 0) {
        stats.longestWalk = figures.longest;
        stats.walks = figures.walks;
    }
    return stats;
}

} // namespace dipo::diagnosis
