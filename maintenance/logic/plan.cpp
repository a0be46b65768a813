// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/logic/plan.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace dipo::maintenance {

namespace {

// Where each element of the array "tasks" begins, as a line number: the parser keeps no
// positions, so the text is walked once, strings skipped, braces and brackets counted.
QList<int> taskLines(const QByteArray &bytes)
{
    QList<int> lines;
    int line = 1;
    int depth = 0;
    int tasksDepth = -1; // the depth inside the array "tasks"
    bool inString = false;
    QByteArray lastKey;
    QByteArray string;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\n')
            ++line;
        if (inString) {
            if (c == '\\') {
                ++i;
                continue;
            }
            if (c == '"') {
                inString = false;
                lastKey = string;
            } else {
                string += c;
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            string.clear();
            break;
        case '[':
            ++depth;
            if (tasksDepth < 0 && depth == 2 && lastKey == "tasks")
                tasksDepth = depth;
            break;
        case '{':
            if (depth == tasksDepth)
                lines << line;
            ++depth;
            break;
        case ']':
        case '}':
            if (depth == tasksDepth && c == ']')
                tasksDepth = -2; // read; a second "tasks" is not counted
            --depth;
            break;
        default:
            break;
        }
    }
    return lines;
}

int lineOfOffset(const QByteArray &bytes, qsizetype offset)
{
    return int(bytes.left(offset).count('\n')) + 1;
}

} // namespace

QString guideText(const Entry &entry)
{
    QStringList lines;
    for (const QString &line : entry.lines)
        lines << line.trimmed();
    return lines.join(QLatin1Char(' '));
}

Plan Plan::fromJson(const QByteArray &bytes, const QString &fileName, const Table &guide)
{
    const auto fail = [&](int line, const QString &what) {
        throw PlanError(QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what));
    };
    if (bytes.size() > kMaxFileBytes)
        fail(1, QStringLiteral("berkas lebih dari 1 MB, tidak dibaca"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        fail(lineOfOffset(bytes, parseError.offset), parseError.errorString());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("version")).toInt() != 1
        || !root.value(QLatin1String("tasks")).isArray())
        fail(1,
            QStringLiteral("bukan rencana perawatan versi 1 (\"version\": 1, \"tasks\": [...])"));
    const QJsonArray tasks = root.value(QLatin1String("tasks")).toArray();
    const QList<int> lines = taskLines(bytes);

    static const QSet<QString> known { QStringLiteral("id"), QStringLiteral("component"),
        QStringLiteral("task"), QStringLiteral("sentence"), QStringLiteral("hours"),
        QStringLiteral("km"), QStringLiteral("days"), QStringLiteral("once"),
        QStringLiteral("safetyCritical"), QStringLiteral("note") };
    Plan plan;
    QSet<QString> ids;
    QSet<QString> sentences;
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        const int line = lines.value(i, 1);
        if (!tasks.at(i).isObject())
            fail(line, QStringLiteral("tugas harus berupa objek"));
        const QJsonObject object = tasks.at(i).toObject();
        for (auto key = object.begin(); key != object.end(); ++key) {
            if (!known.contains(key.key()))
                fail(line, QStringLiteral("kunci \"%1\" tidak dikenal").arg(key.key()));
        }
        const auto text = [&](const char *key, bool required) {
            const QJsonValue value = object.value(QLatin1String(key));
            if ((required && !value.isString()) || (!value.isUndefined() && !value.isString())
                || (value.isString() && value.toString().trimmed().isEmpty()))
                fail(line,
                    QStringLiteral("\"%1\" harus berupa teks yang tidak kosong")
                        .arg(QLatin1String(key)));
            return value.toString();
        };
        const auto interval = [&](const char *key) -> std::optional<double> {
            const QJsonValue value = object.value(QLatin1String(key));
            if (value.isUndefined())
                return std::nullopt;
            if (!value.isDouble() || !(value.toDouble() > 0) || !std::isfinite(value.toDouble()))
                fail(line,
                    QStringLiteral("selang \"%1\" harus bilangan lebih dari 0")
                        .arg(QLatin1String(key)));
            return value.toDouble();
        };
        PlanTask task;
        task.line = line;
        task.id = text("id", true);
        task.task = text("task", true);
        task.sentence = text("sentence", true);
        task.note = text("note", false);
        task.safetyCritical = text("safetyCritical", false);
        const QJsonValue component = object.value(QLatin1String("component"));
        task.component = component.isDouble() ? component.toInt() : 0;
        const Entry *entry = guide.entry(task.component);
        if (!entry || component.toDouble() != task.component)
            fail(line,
                QStringLiteral("komponen %1 tidak ada di panduan")
                    .arg(component.toVariant().toString()));
        task.hours = interval("hours");
        task.km = interval("km");
        if (const std::optional<double> days = interval("days")) {
            if (*days != std::floor(*days))
                fail(line, QStringLiteral("selang \"days\" harus bilangan bulat"));
            task.days = int(*days);
        }
        if (!task.hours && !task.km && !task.days)
            fail(line, QStringLiteral("tugas tanpa selang (hours, km atau days)"));
        const QJsonValue once = object.value(QLatin1String("once"));
        if (!once.isUndefined() && !once.isBool())
            fail(line, QStringLiteral("\"once\" harus true atau false"));
        task.once = once.toBool();
        if (!guideText(*entry).contains(task.sentence))
            fail(line,
                QStringLiteral("kalimat tidak ada di panduan komponen %1: \"%2\"")
                    .arg(task.component)
                    .arg(task.sentence));
        if (ids.contains(task.id))
            fail(line, QStringLiteral("id \"%1\" ganda").arg(task.id));
        const QString sentenceKey = QString::number(task.component) + QLatin1Char('|')
            + task.sentence + QLatin1Char('|') + task.task;
        if (sentences.contains(sentenceKey))
            fail(line, QStringLiteral("tugas ganda: \"%1\"").arg(task.task));
        ids.insert(task.id);
        sentences.insert(sentenceKey);
        plan.m_tasks.append(task);
    }
    return plan;
}

const Plan &Plan::builtIn()
{
    static const Plan plan = [] {
        QFile file(QStringLiteral(":/maintenance/plan.json"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The service plan is not compiled into the program");
        try {
            return fromJson(file.readAll(), QStringLiteral("plan.json"), Table::builtIn());
        } catch (const PlanError &error) {
            qFatal("%s", error.what());
        }
        std::abort(); // qFatal does not return
    }();
    return plan;
}

const PlanTask *Plan::task(const QString &id) const
{
    for (const PlanTask &task : m_tasks) {
        if (task.id == id)
            return &task;
    }
    return nullptr;
}

QList<const PlanTask *> Plan::tasksOf(int component) const
{
    QList<const PlanTask *> found;
    for (const PlanTask &task : m_tasks) {
        if (task.component == component)
            found << &task;
    }
    return found;
}

} // namespace dipo::maintenance
