// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbloader.h"

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

// An action as written in the file, before its row and header are resolved.
struct RawAction
{
    enum class Kind { Ask, Fault, Notice };
    Kind kind = Kind::Ask;
    int askRow = 0;
    QString header;
    QString cause;
    int fontSize = 12;
    QStringList notice;
    QList<Repair> repairs;
};

struct RawRow
{
    int row = 0;
    QString text;
    RawAction ya;
    RawAction tidak;
};

struct RawSystem
{
    int startRow = 0;
    QHash<QString, QString> headers;
    QList<RawRow> rows;
};

constexpr int MaxRow = 100000;
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 36;

QString answerName(Answer answer)
{
    return answer == Answer::Ya ? QStringLiteral("YA") : QStringLiteral("TIDAK");
}

// The messages of a load: the first kMaxFindings in full, the rest only counted, so a
// hostile file cannot fill the memory with messages.
class Findings
{
public:
    explicit Findings(KbLoad *load)
        : m_errors(&load->errors)
        , m_omitted(&load->omitted)
    { }
    bool full() const { return m_errors->size() >= kMaxFindings; }
    void add(const QString &message)
    {
        if (full())
            ++m_more;
        else
            m_errors->append(message);
    }
    void count() { ++m_more; }
    // Adds the line that says how many were left out.
    void finish()
    {
        *m_omitted = m_more;
        if (m_more > 0)
            m_errors->append(QStringLiteral("\u2026dan %1 lagi").arg(m_more));
    }

private:
    QStringList *m_errors;
    qint64 *m_omitted;
    qint64 m_more = 0;
};

// Collects the messages of one file, each prefixed with the file and the row. Data
// goes in as arguments of one arg() call, never into the pattern.
class Reporter
{
public:
    Reporter(const QString &fileName, Findings *findings)
        : m_fileName(fileName)
        , m_findings(findings)
    { }

    void file(const QString &problem)
    {
        if (m_findings->full())
            return m_findings->count();
        m_findings->add(QStringLiteral("%1: %2").arg(m_fileName, problem));
    }
    void row(int row, const QString &problem)
    {
        if (m_findings->full())
            return m_findings->count();
        m_findings->add(
            QStringLiteral("%1: row %2: %3").arg(m_fileName, QString::number(row), problem));
    }
    // Rows that lack a valid number are named by their place in the list.
    void entry(int position, const QString &problem)
    {
        if (m_findings->full())
            return m_findings->count();
        m_findings->add(QStringLiteral("%1: entry %2 of \"questions\": %3")
                            .arg(m_fileName, QString::number(position + 1), problem));
    }

private:
    QString m_fileName;
    Findings *m_findings;
};

std::optional<int> wholeNumber(const QJsonValue &value, int min, int max)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < min || number > max)
        return std::nullopt;
    return int(number);
}

bool hasOnlyKeys(const QJsonObject &object, const QStringList &allowed, QString *unknown)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!allowed.contains(it.key())) {
            *unknown = it.key();
            return false;
        }
    }
    return true;
}

// "repairs": [ { "maintenance": 3 }, { "tuneUp": "V-1" }, { "calculator": "brakeLife" } ],
// each naming something the program has, none twice.
bool readRepairs(const QJsonValue &value, const QString &name, int row, Reporter &report,
    QList<Repair> *repairs)
{
    if (!value.isArray()) {
        report.row(row, QStringLiteral("%1 \"repairs\" is not a list of links").arg(name));
        return false;
    }
    const QJsonArray links = value.toArray();
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
        const Repair repair = *read;
        const QString missing = repairs::whatIsMissing(repair);
        if (!missing.isEmpty()) {
            report.row(row, QStringLiteral("%1: %2").arg(place, missing));
            return false;
        }
        if (repairs->contains(repair)) {
            report.row(row, QStringLiteral("%1 names the same procedure twice").arg(place));
            return false;
        }
        repairs->append(repair);
    }
    return true;
}

std::optional<RawAction> readAction(
    const QJsonValue &value, Answer answer, int row, Reporter &report)
{
    const QString name = answerName(answer);
    if (value.isUndefined() || value.isNull()) {
        report.row(row, QStringLiteral("no %1 action").arg(name));
        return std::nullopt;
    }
    if (!value.isObject()) {
        report.row(row, QStringLiteral("%1 action is not an object").arg(name));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    RawAction action;
    QString unknown;
    if (object.contains(QLatin1String("ask"))) {
        action.kind = RawAction::Kind::Ask;
        const auto target = wholeNumber(object.value(QLatin1String("ask")), 1, MaxRow);
        if (!target) {
            report.row(row, QStringLiteral("%1 \"ask\" is not a row number").arg(name));
            return std::nullopt;
        }
        action.askRow = *target;
        if (!hasOnlyKeys(object, { QStringLiteral("ask") }, &unknown)) {
            report.row(row,
                QStringLiteral("%1 action has an unknown key \"%2\"").arg(name, excerpt(unknown)));
            return std::nullopt;
        }
        return action;
    }
    if (object.contains(QLatin1String("notice"))) {
        action.kind = RawAction::Kind::Notice;
        const QJsonValue notice = object.value(QLatin1String("notice"));
        const QJsonArray lines = notice.toArray();
        if (!notice.isArray() || lines.isEmpty()) {
            report.row(row, QStringLiteral("%1 \"notice\" is not a list of lines").arg(name));
            return std::nullopt;
        }
        for (const QJsonValue &line : lines) {
            if (!line.isString()) {
                report.row(
                    row, QStringLiteral("%1 \"notice\" holds a line that is not a text").arg(name));
                return std::nullopt;
            }
            action.notice.append(line.toString());
        }
        if (!hasOnlyKeys(object, { QStringLiteral("notice") }, &unknown)) {
            report.row(row,
                QStringLiteral("%1 action has an unknown key \"%2\"").arg(name, excerpt(unknown)));
            return std::nullopt;
        }
        return action;
    }
    if (object.contains(QLatin1String("header"))) {
        action.kind = RawAction::Kind::Fault;
        const QJsonValue header = object.value(QLatin1String("header"));
        const QJsonValue cause = object.value(QLatin1String("cause"));
        if (!header.isString()) {
            report.row(row, QStringLiteral("%1 \"header\" is not a text").arg(name));
            return std::nullopt;
        }
        if (!cause.isString()) {
            report.row(row, QStringLiteral("%1 fault has no \"cause\" text").arg(name));
            return std::nullopt;
        }
        action.header = header.toString();
        action.cause = cause.toString();
        if (object.contains(QLatin1String("fontSize"))) {
            const auto size
                = wholeNumber(object.value(QLatin1String("fontSize")), MinFontSize, MaxFontSize);
            if (!size) {
                report.row(row,
                    QStringLiteral("%1 \"fontSize\" is not a size from %2 to %3")
                        .arg(name, QString::number(MinFontSize), QString::number(MaxFontSize)));
                return std::nullopt;
            }
            action.fontSize = *size;
        }
        if (object.contains(QLatin1String("repairs"))
            && !readRepairs(object.value(QLatin1String("repairs")), name, row, report, &action.repairs))
            return std::nullopt;
        if (!hasOnlyKeys(object,
                { QStringLiteral("header"), QStringLiteral("cause"), QStringLiteral("fontSize"),
                    QStringLiteral("repairs") },
                &unknown)) {
            report.row(row,
                QStringLiteral("%1 action has an unknown key \"%2\"").arg(name, excerpt(unknown)));
            return std::nullopt;
        }
        return action;
    }
    report.row(row,
        QStringLiteral("%1 action is neither \"ask\", a fault (\"header\", \"cause\") "
                       "nor a \"notice\"")
            .arg(name));
    return std::nullopt;
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
        report.file(QStringLiteral("not valid JSON at offset %1: %2")
                        .arg(QString::number(parseError.offset), parseError.errorString()));
        return std::nullopt;
    }
    if (const auto problem = lexicalProblem(file.bytes)) {
        report.file(QStringLiteral("not valid JSON at offset %1: %2")
                        .arg(QString::number(problem->first), problem->second));
        return std::nullopt;
    }
    if (!document.isObject()) {
        report.file(QStringLiteral("the file does not hold an object"));
        return std::nullopt;
    }
    const QJsonObject top = document.object();
    RawSystem system;
    bool sound = true;

    const auto start = wholeNumber(top.value(QLatin1String("start")), 1, MaxRow);
    if (!start) {
        report.file(QStringLiteral("\"start\" is not a row number"));
        sound = false;
    } else {
        system.startRow = *start;
    }

    const QJsonValue headers = top.value(QLatin1String("headers"));
    if (!headers.isObject()) {
        report.file(QStringLiteral("\"headers\" is not an object of texts by letter"));
        sound = false;
    }
    const QJsonObject headerObject = headers.toObject();
    for (auto it = headerObject.constBegin(); it != headerObject.constEnd(); ++it) {
        if (!it.value().isString()) {
            report.file(QStringLiteral("header %1 is not a text").arg(excerpt(it.key())));
            sound = false;
            continue;
        }
        system.headers.insert(it.key(), it.value().toString());
    }

    const QJsonValue questions = top.value(QLatin1String("questions"));
    if (!questions.isArray() || questions.toArray().isEmpty()) {
        report.file(QStringLiteral("\"questions\" is not a list of rows"));
        return std::nullopt;
    }
    const QJsonArray rows = questions.toArray();
    QSet<int> seenRows;
    for (int position = 0; position < rows.size(); ++position) {
        const QJsonObject entry = rows.at(position).toObject();
        const auto row = wholeNumber(entry.value(QLatin1String("no")), 1, MaxRow);
        if (!rows.at(position).isObject() || !row) {
            report.entry(position, QStringLiteral("no valid row number \"no\""));
            sound = false;
            continue;
        }
        if (seenRows.contains(*row)) {
            report.row(*row, QStringLiteral("the row number occurs twice"));
            sound = false;
            continue;
        }
        seenRows.insert(*row);
        QString unknown;
        if (!hasOnlyKeys(entry,
                { QStringLiteral("no"), QStringLiteral("text"), QStringLiteral("ya"),
                    QStringLiteral("tidak") },
                &unknown)) {
            report.row(*row, QStringLiteral("unknown key \"%1\"").arg(excerpt(unknown)));
            sound = false;
        }
        const QJsonValue text = entry.value(QLatin1String("text"));
        if (!text.isString() || text.toString().isEmpty()) {
            report.row(*row, QStringLiteral("no question \"text\""));
            sound = false;
        }
        const auto ya = readAction(entry.value(QLatin1String("ya")), Answer::Ya, *row, report);
        const auto tidak
            = readAction(entry.value(QLatin1String("tidak")), Answer::Tidak, *row, report);
        if (!ya || !tidak) {
            sound = false;
            continue;
        }
        system.rows.append(RawRow { *row, text.toString(), *ya, *tidak });
    }
    if (!sound)
        return std::nullopt;
    return system;
}

// Checks the links of one file and turns its rows into questions.
std::optional<System> resolve(const KbFile &file, const RawSystem &raw, Reporter &report)
{
    QHash<int, int> positionOfRow;
    for (int i = 0; i < raw.rows.size(); ++i)
        positionOfRow.insert(raw.rows.at(i).row, i);

    bool sound = true;
    if (!positionOfRow.contains(raw.startRow)) {
        report.file(QStringLiteral("the start row %1 does not exist").arg(raw.startRow));
        return std::nullopt;
    }

    auto resolveAction = [&](const RawAction &rawAction, Answer answer, int row) {
        Action action;
        const QString name = answerName(answer);
        switch (rawAction.kind) {
        case RawAction::Kind::Ask:
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
        case RawAction::Kind::Fault:
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
        case RawAction::Kind::Notice:
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
    for (const RawRow &row : raw.rows) {
        system.questions.append(
            Question { row.row, row.text, resolveAction(row.ya, Answer::Ya, row.row),
                resolveAction(row.tidak, Answer::Tidak, row.row) });
    }
    if (!sound)
        return std::nullopt;

    // A row no answer leads to is a question no user ever sees: most likely a wrong link.
    QSet<int> reached { raw.startRow };
    QList<int> pending { raw.startRow };
    while (!pending.isEmpty()) {
        const RawRow &row = raw.rows.at(positionOfRow.value(pending.takeLast()));
        for (const RawAction *action : { &row.ya, &row.tidak }) {
            if (action->kind == RawAction::Kind::Ask && !reached.contains(action->askRow)) {
                reached.insert(action->askRow);
                pending.append(action->askRow);
            }
        }
    }
    for (const RawRow &row : raw.rows) {
        if (!reached.contains(row.row)) {
            report.row(
                row.row, QStringLiteral("not reachable from the start row %1").arg(raw.startRow));
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

KbLoad loadKnowledgeBase(const QList<KbFile> &files)
{
    KbLoad load;
    QList<System> systems;
    // Where each question text was first seen: file and row.
    QHash<QString, QPair<QString, int>> firstSeen;
    Findings findings(&load);
    for (const KbFile &file : files) {
        Reporter report(file.name, &findings);
        if (file.bytes.size() > kMaxFileBytes) {
            report.file(QStringLiteral("berkas lebih dari 4 MB, tidak dibaca"));
            continue;
        }
        const auto raw = readFile(file, report);
        if (!raw)
            continue;
        for (const RawRow &row : raw->rows) {
            const auto seen = firstSeen.constFind(row.text);
            if (seen != firstSeen.constEnd()) {
                report.row(row.row,
                    QStringLiteral("the question text is also row %1 of %2")
                        .arg(QString::number(seen->second), seen->first));
                continue;
            }
            firstSeen.insert(row.text, { file.name, row.row });
        }
        if (auto system = resolve(file, *raw, report))
            systems.append(*system);
    }
    findings.finish();
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
