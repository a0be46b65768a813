// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbloader.h"

#include "diagnosis/logic/kbschema.h"
#include "diagnosis/logic/repairs.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <cmath>
#include <optional>

namespace dipo::diagnosis {

namespace {

struct RawSystem
{
    int startRow = 0;
    QHash<QString, QString> headers;
    QList<SheetRow> rows;
};

const QString kRow = QStringLiteral("#/definitions/row");

// A part the schema hands to a reader this program does not have: a schema of another
// version. Refused rather than let through unread.
QString noSuchReader(const QString &reader)
{
    return QStringLiteral("kb.schema.json names a reader \"%1\" the program does not have")
        .arg(reader);
}

// Collects the findings of one file into the load: the first kMaxFindings in full, the
// rest only counted, so a hostile file cannot fill the memory with findings.
class Reporter
{
public:
    Reporter(const QString &fileName, KbLoad *load)
        : m_fileName(fileName)
        , m_load(load)
    { }

    void add(KbFinding finding)
    {
        if (m_load->findings.size() >= kMaxFindings) {
            ++m_load->omitted;
            return;
        }
        finding.file = m_fileName;
        m_load->findings.append(std::move(finding));
    }
    void file(const QString &what, const QString &key = QString())
    {
        KbFinding finding;
        finding.key = key;
        finding.what = what;
        add(std::move(finding));
    }
    // A fault the schema found at the top of the file: "start", a header, ...
    void part(const KbSchema::Fault &fault)
    {
        KbFinding finding;
        finding.key = fault.path.value(0);
        if (finding.key == QLatin1String("headers") && fault.path.size() > 1)
            finding.header = fault.path.at(1);
        finding.what = fault.message;
        add(std::move(finding));
    }
    void offset(qsizetype offset, const QString &what)
    {
        KbFinding finding;
        finding.offset = offset;
        finding.what = what;
        add(std::move(finding));
    }
    void row(int row, const QString &what)
    {
        KbFinding finding;
        finding.row = row;
        finding.what = what;
        add(std::move(finding));
    }
    // Rows that lack a valid number are named by their place in the list.
    void entry(int position, const QString &what)
    {
        KbFinding finding;
        finding.entry = position + 1;
        finding.what = what;
        add(std::move(finding));
    }

private:
    QString m_fileName;
    KbLoad *m_load;
};

// "repairs": [ { "maintenance": 3 }, { "tuneUp": "V-1" }, { "calculator": "brakeLife" } ],
// each naming something the program has, none twice. The schema has seen it is a list.
bool checkRepairs(const QJsonArray &links, const QString &name, int row, Reporter &report)
{
    QList<Repair> seen;
    for (int i = 0; i < links.size(); ++i) {
        const QString place = QStringLiteral("%1 repair link %2").arg(name, QString::number(i + 1));
        const std::optional<Repair> read = repairs::fromJson(links.at(i));
        if (!read) {
            report.row(row,
                QStringLiteral("%1 is not one of {\"maintenance\": N}, {\"tuneUp\": \"ID\"}, "
                               "{\"calculator\": \"NAME\"}")
                    .arg(place));
            return false;
        }
        const QString missing = repairs::whatIsMissing(*read);
        if (!missing.isEmpty()) {
            report.row(row, QStringLiteral("%1: %2").arg(place, missing));
            return false;
        }
        if (seen.contains(*read)) {
            report.row(row, QStringLiteral("%1 names the same procedure twice").arg(place));
            return false;
        }
        seen.append(*read);
    }
    return true;
}

// The entries of "questions": each named by its row number, once; then checked against
// the schema's row. Only a sound entry becomes a row.
bool readRows(const QJsonArray &entries, Reporter &report, RawSystem *system)
{
    const KbSchema &schema = KbSchema::builtIn();
    const QString rowNumber = kRow + QStringLiteral("/properties/no");
    QSet<int> seenRows;
    bool sound = true;
    for (int position = 0; position < entries.size(); ++position) {
        const QJsonValue entry = entries.at(position);
        const QJsonValue no = entry.toObject().value(QLatin1String("no"));
        if (!entry.isObject() || !schema.accepts(no, rowNumber)) {
            report.entry(position, schema.message(kRow));
            sound = false;
            continue;
        }
        const int row = no.toInt();
        if (seenRows.contains(row)) {
            report.row(row, QStringLiteral("the row number occurs twice"));
            sound = false;
            continue;
        }
        seenRows.insert(row);
        KbSchema::Checker checker;
        checker.fault = [&](const KbSchema::Fault &fault) { report.row(row, fault.message); };
        checker.read
            = [&](const QString &reader, const QJsonValue &links, const KbSchema::Names &names) {
                  if (reader != QLatin1String("repairs")) {
                      report.row(row, noSuchReader(reader));
                      return false;
                  }
                  return checkRepairs(
                      links.toArray(), names.value(QStringLiteral("answer")), row, report);
              };
        if (!schema.check(entry, kRow, checker)) {
            sound = false;
            continue;
        }
        system->rows.append(readRow(entry.toObject()));
    }
    return sound;
}

// What the JSON reader lets pass: a key twice in one object (the last one would win
// unseen) and a raw control character inside a string. Run on bytes that parse, so
// the brackets match. Returns the offset of the first such place and what it is.
std::optional<QPair<qsizetype, QString>> lexicalProblem(const QByteArray &bytes)
{
    struct Level
    {
        bool object;
        QSet<QByteArray> keys;
    };
    QList<Level> levels;
    const qsizetype size = bytes.size();
    const char *data = bytes.constData();
    for (qsizetype at = 0; at < size; ++at) {
        const char c = data[at];
        if (c == '{' || c == '[') {
            levels.append(Level { c == '{', {} });
        } else if (c == '}' || c == ']') {
            if (!levels.isEmpty())
                levels.removeLast();
        } else if (c == '"') {
            const qsizetype start = at;
            for (++at; at < size && data[at] != '"'; ++at) {
                if (static_cast<unsigned char>(data[at]) < 0x20) {
                    const QString code = QStringLiteral("%1")
                                             .arg(int(static_cast<unsigned char>(data[at])), 4, 16,
                                                 QLatin1Char('0'))
                                             .toUpper();
                    return qMakePair(at,
                        QStringLiteral("a control character (U+%1) inside a string; write it "
                                       "as an escape")
                            .arg(code));
                }
                if (data[at] == '\\')
                    ++at;
            }
            qsizetype next = at + 1;
            while (next < size
                && (data[next] == ' ' || data[next] == '\t' || data[next] == '\r'
                    || data[next] == '\n'))
                ++next;
            if (levels.isEmpty() || !levels.last().object || next >= size || data[next] != ':')
                continue;
            QByteArray key(data + start, at + 1 - start);
            if (key.contains('\\')) // "\u0079a" is "ya" too
                key = QJsonDocument::fromJson('[' + key + ']').array().at(0).toString().toUtf8();
            if (levels.last().keys.contains(key)) {
                return qMakePair(start,
                    QStringLiteral("the key %1 occurs twice in one object")
                        .arg(excerpt(QString::fromUtf8(key))));
            }
            levels.last().keys.insert(key);
        }
    }
    return std::nullopt;
}

std::optional<RawSystem> readFile(const KbFile &file, Reporter &report)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        report.offset(parseError.offset, parseError.errorString());
        return std::nullopt;
    }
    if (const auto problem = lexicalProblem(file.bytes)) {
        report.offset(problem->first, problem->second);
        return std::nullopt;
    }
    RawSystem system;
    KbSchema::Checker checker;
    checker.fault = [&](const KbSchema::Fault &fault) { report.part(fault); };
    checker.read = [&](const QString &reader, const QJsonValue &entries, const KbSchema::Names &) {
        if (reader != QLatin1String("rows")) {
            report.file(noSuchReader(reader));
            return false;
        }
        return readRows(entries.toArray(), report, &system);
    };
    const QJsonValue top
        = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    if (!KbSchema::builtIn().check(top, QStringLiteral("#"), checker))
        return std::nullopt;
    system.startRow = top.toObject().value(QLatin1String("start")).toInt();
    const QJsonObject headers = top.toObject().value(QLatin1String("headers")).toObject();
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
        system.headers.insert(it.key(), it.value().toString());
    return system;
}

// Checks the links of one file and turns its rows into questions.
std::optional<System> resolve(const KbFile &file, const RawSystem &raw, Reporter &report)
{
    QHash<int, int> positionOfRow;
    for (int i = 0; i < raw.rows.size(); ++i)
        positionOfRow.insert(raw.rows.at(i).no, i);

    bool sound = true;
    if (!positionOfRow.contains(raw.startRow)) {
        report.file(QStringLiteral("the start row %1 does not exist").arg(raw.startRow),
            QStringLiteral("start"));
        return std::nullopt;
    }

    auto resolveAction = [&](const SheetAction &rawAction, const QString &name, int row) {
        Action action;
        switch (rawAction.kind) {
        case SheetAction::Kind::Missing: // the schema lets none through
            sound = false;
            break;
        case SheetAction::Kind::Ask:
            if (!positionOfRow.contains(rawAction.askRow)) {
                report.row(row,
                    QStringLiteral("%1 asks row %2, which does not exist")
                        .arg(name, QString::number(rawAction.askRow)));
                sound = false;
                break;
            }
            action.kind = Action::Kind::Ask;
            action.question = raw.rows.at(positionOfRow.value(rawAction.askRow)).text;
            break;
        case SheetAction::Kind::Fault:
            if (!raw.headers.contains(rawAction.header)) {
                report.row(row,
                    QStringLiteral("%1 names header %2, which does not exist")
                        .arg(name, excerpt(rawAction.header)));
                sound = false;
                break;
            }
            action.kind = Action::Kind::Conclude;
            action.conclusion.lines
                = QStringList { raw.headers.value(rawAction.header), rawAction.cause };
            action.conclusion.fontSize = rawAction.fontSize;
            action.conclusion.repairs = rawAction.repairs;
            break;
        case SheetAction::Kind::Notice:
            action.kind = Action::Kind::Conclude;
            action.conclusion.lines = rawAction.notice;
            action.conclusion.notice = true;
            break;
        }
        return action;
    };

    System system;
    system.fileName = file.name;
    system.startQuestion = raw.rows.at(positionOfRow.value(raw.startRow)).text;
    for (const SheetRow &row : raw.rows) {
        system.questions.append(
            Question { row.no, row.text, resolveAction(row.ya, QStringLiteral("YA"), row.no),
                resolveAction(row.tidak, QStringLiteral("TIDAK"), row.no) });
    }
    if (!sound)
        return std::nullopt;

    // A row no answer leads to is a question no user ever sees: most likely a wrong link.
    QSet<int> reached { raw.startRow };
    QList<int> pending { raw.startRow };
    while (!pending.isEmpty()) {
        const SheetRow &row = raw.rows.at(positionOfRow.value(pending.takeLast()));
        for (const SheetAction *action : { &row.ya, &row.tidak }) {
            if (action->kind == SheetAction::Kind::Ask && !reached.contains(action->askRow)) {
                reached.insert(action->askRow);
                pending.append(action->askRow);
            }
        }
    }
    for (const SheetRow &row : raw.rows) {
        if (!reached.contains(row.no)) {
            report.row(
                row.no, QStringLiteral("not reachable from the start row %1").arg(raw.startRow));
            sound = false;
        }
    }
    if (!sound)
        return std::nullopt;
    return system;
}

} // namespace

QString excerpt(const QString &text)
{
    if (text.size() <= kMaxQuoted)
        return text;
    return text.left(kMaxQuoted) + QChar(0x2026);
}

namespace {

// The place a finding names before what it says, as the loader has always put it.
QString place(const KbFinding &finding)
{
    if (finding.row)
        return QStringLiteral("row %1: ").arg(*finding.row);
    if (finding.entry > 0)
        return QStringLiteral("entry %1 of \"questions\": ").arg(finding.entry);
    if (finding.offset >= 0)
        return QStringLiteral("not valid JSON at offset %1: ").arg(finding.offset);
    return QString();
}

} // namespace

QString describe(const KbFinding &finding)
{
    return finding.file + QStringLiteral(": ") + place(finding) + finding.what;
}

QString formatFinding(const KbFinding &finding)
{
    return QStringLiteral("%1:%2: %3: ")
               .arg(finding.file, QString::number(finding.line),
                   finding.severity == KbFinding::Severity::Error ? QStringLiteral("error")
                                                                  : QStringLiteral("warning"))
        + place(finding) + finding.what;
}

QString findingText(const KbFinding &finding)
{
    return finding.line > 0 ? formatFinding(finding) : describe(finding);
}

QStringList KbLoad::errors() const
{
    QStringList lines;
    for (const KbFinding &finding : findings)
        lines.append(describe(finding));
    if (omitted > 0)
        lines.append(QStringLiteral("\u2026dan %1 lagi").arg(omitted));
    return lines;
}

SheetRow readRow(const QJsonObject &entry)
{
    auto readAction = [](const QJsonValue &value) {
        SheetAction action;
        const QJsonObject object = value.toObject();
        if (object.value(QLatin1String("ask")).isDouble()) {
            action.kind = SheetAction::Kind::Ask;
            action.askRow = object.value(QLatin1String("ask")).toInt();
        } else if (object.value(QLatin1String("notice")).isArray()) {
            action.kind = SheetAction::Kind::Notice;
            for (const QJsonValue &line : object.value(QLatin1String("notice")).toArray())
                action.notice.append(line.toString());
        } else if (object.value(QLatin1String("header")).isString()) {
            action.kind = SheetAction::Kind::Fault;
            action.header = object.value(QLatin1String("header")).toString();
            action.cause = object.value(QLatin1String("cause")).toString();
            action.fontSize = object.value(QLatin1String("fontSize")).toInt(action.fontSize);
            for (const QJsonValue &link : object.value(QLatin1String("repairs")).toArray())
                if (const std::optional<Repair> repair = repairs::fromJson(link))
                    action.repairs.append(*repair);
        }
        return action;
    };
    SheetRow row;
    row.no = entry.value(QLatin1String("no")).toInt();
    row.text = entry.value(QLatin1String("text")).toString();
    row.ya = readAction(entry.value(QLatin1String("ya")));
    row.tidak = readAction(entry.value(QLatin1String("tidak")));
    return row;
}

KbLoad loadKnowledgeBase(const QList<KbFile> &files)
{
    KbLoad load;
    QList<System> systems;
    // Where each question text was first seen: file and row.
    QHash<QString, QPair<QString, int>> firstSeen;
    for (const KbFile &file : files) {
        Reporter report(file.name, &load);
        if (file.bytes.size() > kMaxFileBytes) {
            report.file(QStringLiteral("berkas lebih dari 4 MB, tidak dibaca"));
            continue;
        }
        const auto raw = readFile(file, report);
        if (!raw)
            continue;
        for (const SheetRow &row : raw->rows) {
            const auto seen = firstSeen.constFind(row.text);
            if (seen != firstSeen.constEnd()) {
                report.row(row.no,
                    QStringLiteral("the question text is also row %1 of %2")
                        .arg(QString::number(seen->second), seen->first));
                continue;
            }
            firstSeen.insert(row.text, { file.name, row.no });
        }
        if (auto system = resolve(file, *raw, report))
            systems.append(*system);
    }
    if (load.ok())
        load.knowledgeBase = KnowledgeBase(systems);
    return load;
}

QList<KbFile> builtInFiles()
{
    static const QStringList names = {
        QStringLiteral("engine_drive.json"),
        QStringLiteral("cooling.json"),
        QStringLiteral("lubrication.json"),
        QStringLiteral("fuel.json"),
        QStringLiteral("exhaust.json"),
        QStringLiteral("brakes.json"),
    };
    QList<KbFile> files;
    for (const QString &name : names) {
        QFile resource(QStringLiteral(":/diagnosis/kb/") + name);
        // A missing resource reads as no bytes, which the loader reports as bad JSON.
        const QByteArray bytes
            = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
        files.append(KbFile { name, bytes });
    }
    return files;
}

const KbLoad &builtInKnowledgeBase()
{
    static const KbLoad load = loadKnowledgeBase(builtInFiles());
    return load;
}

} // namespace dipo::diagnosis
