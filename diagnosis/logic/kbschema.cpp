// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbschema.h"

#include "diagnosis/logic/kbloader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace dipo::diagnosis {

namespace {

// The way from the value checked down to the one in hand, one link per step on the stack;
// made a list only for a fault.
struct Path
{
    const Path *up = nullptr;
    QString step;

    QStringList list() const
    {
        QStringList steps;
        for (const Path *at = this; at->up; at = at->up)
            steps.prepend(at->step);
        return steps;
    }
};

// Every object of the schema by its pointer, so that a "$ref" costs one look-up.
void index(const QJsonValue &value, const QString &pointer, QHash<QString, QJsonObject> *nodes)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        nodes->insert(pointer, object);
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            QString step = it.key();
            step.replace(QLatin1String("~"), QLatin1String("~0"))
                .replace(QLatin1String("/"), QLatin1String("~1"));
            index(it.value(), pointer + QLatin1Char('/') + step, nodes);
        }
    } else if (value.isArray()) {
        const QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i)
            index(items.at(i), pointer + QLatin1Char('/') + QString::number(i), nodes);
    }
}

// The schema's placeholders filled in one pass, so that a name's value is never read as
// a placeholder itself.
QString fill(const QString &pattern, const KbSchema::Names &names)
{
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const qsizetype close = pattern.indexOf(QLatin1Char('}'), at);
        if (pattern.at(at) == QLatin1Char('{') && close > at) {
            const auto name = names.constFind(pattern.mid(at + 1, close - at - 1));
            if (name != names.constEnd()) {
                text += *name;
                at = close;
                continue;
            }
        }
        text += pattern.at(at);
    }
    return text;
}

qsizetype codePoints(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        count += text.at(i).isLowSurrogate() ? 0 : 1;
    return count;
}

bool hasType(const QString &type, const QJsonValue &value)
{
    if (type == QLatin1String("object"))
        return value.isObject();
    if (type == QLatin1String("array"))
        return value.isArray();
    if (type == QLatin1String("string"))
        return value.isString();
    if (type == QLatin1String("integer"))
        return value.isDouble() && value.toDouble() == std::floor(value.toDouble());
    if (type == QLatin1String("number"))
        return value.isDouble();
    if (type == QLatin1String("boolean"))
        return value.isBool();
    if (type == QLatin1String("null"))
        return value.isNull();
    return false;
}

// The keywords that look at the value itself, not at its parts.
bool unique(const QJsonArray &items)
{
    QSet<QByteArray> seen;
    for (const QJsonValue &item : items) {
        const QByteArray key = QJsonDocument(QJsonArray { item }).toJson(QJsonDocument::Compact);
        if (seen.contains(key))
            return false;
        seen.insert(key);
    }
    return true;
}

bool fitsItself(const QJsonObject &node, const QJsonValue &value)
{
    if (node.contains(QLatin1String("type"))
        && !hasType(node.value(QLatin1String("type")).toString(), value))
        return false;
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (node.contains(QLatin1String("minimum"))
            && number < node.value(QLatin1String("minimum")).toDouble())
            return false;
        if (node.contains(QLatin1String("maximum"))
            && number > node.value(QLatin1String("maximum")).toDouble())
            return false;
    }
    if (value.isString()) {
        const QString text = value.toString();
        if (node.contains(QLatin1String("minLength"))
            && codePoints(text) < node.value(QLatin1String("minLength")).toInteger())
            return false;
        if (node.contains(QLatin1String("pattern"))
            && !QRegularExpression(node.value(QLatin1String("pattern")).toString())
                    .match(text)
                    .hasMatch())
            return false;
    }
    if (value.isArray()) {
        const QJsonArray items = value.toArray();
        if (items.size() < node.value(QLatin1String("minItems")).toInteger(0))
            return false;
    }
    if (node.contains(QLatin1String("enum"))
        && !node.value(QLatin1String("enum")).toArray().contains(value))
        return false;
    return true;
}

class Walk
{
public:
    Walk(const QHash<QString, QJsonObject> &nodes, const KbSchema::Checker *checker)
        : m_nodes(nodes)
        , m_checker(checker)
    { }

    // A local "$ref" stands for the node it names; the x- keys beside it stay.
    QJsonObject resolved(QJsonObject node) const
    {
        for (int depth = 0; depth < 8 && node.contains(QLatin1String("$ref")); ++depth) {
            QJsonObject target = m_nodes.value(node.value(QLatin1String("$ref")).toString());
            if (node.size() == 1) {
                node = target;
                continue;
            }
            for (auto it = node.constBegin(); it != node.constEnd(); ++it) {
                if (it.key().startsWith(QLatin1String("x-")))
                    target.insert(it.key(), it.value());
            }
            node = target;
        }
        return node;
    }

    bool visit(QJsonObject node, const QJsonValue &value, KbSchema::Names names, const Path &path,
        bool firstFault) const
    {
        node = resolved(node);
        const QJsonObject let = node.value(QLatin1String("x-let")).toObject();
        for (auto it = let.constBegin(); it != let.constEnd(); ++it)
            names.insert(it.key(), it.value().toString());
        const bool hasMissing = node.contains(QLatin1String("x-missing"));
        if (value.isUndefined() || (value.isNull() && hasMissing))
            return fail(node, hasMissing ? "x-missing" : "x-message", names, path);
        if (!fitsItself(node, value))
            return fail(node, "x-message", names, path);
        if (node.contains(QLatin1String("oneOf"))) {
            if (!visitOneOf(node, value, names, path))
                return false;
        }
        if (m_checker && node.contains(QLatin1String("x-reader")))
            return m_checker->read(node.value(QLatin1String("x-reader")).toString(), value, names);
        // What an x-reader reads, it also checks: the schema's words for the parts inside
        // would be too few.
        if (node.value(QLatin1String("uniqueItems")).toBool() && !unique(value.toArray()))
            return fail(node, "x-message", names, path);
        firstFault = firstFault || node.value(QLatin1String("x-firstFault")).toBool();
        if (value.isArray() && node.contains(QLatin1String("items")))
            return visitItems(node, value.toArray(), names, path, firstFault);
        if (value.isObject())
            return visitObject(node, value.toObject(), names, path, firstFault);
        return true;
    }

private:
    bool fail(
        const QJsonObject &node, const char *key, KbSchema::Names names, const Path &path) const
    {
        if (!m_checker)
            return false;
        QString pattern = node.value(QLatin1String(key)).toString();
        if (pattern.isEmpty())
            pattern = node.value(QLatin1String("x-message")).toString();
        if (pattern.isEmpty())
            pattern = QStringLiteral("\"%1\" is not of the form kb.schema.json gives")
                          .arg(path.list().join(QLatin1Char('/')));
        for (const char *bound : { "minimum", "maximum" }) {
            if (node.contains(QLatin1String(bound)))
                names.insert(QLatin1String(bound),
                    QString::number(node.value(QLatin1String(bound)).toDouble()));
        }
        m_checker->fault(KbSchema::Fault { path.list(), fill(pattern, names) });
        return false;
    }

    bool visitOneOf(const QJsonObject &node, const QJsonValue &value, const KbSchema::Names &names,
        const Path &path) const
    {
        const QJsonArray options = node.value(QLatin1String("oneOf")).toArray();
        if (!m_checker) {
            int matches = 0;
            for (const QJsonValue &option : options)
                matches += visit(option.toObject(), value, names, path, false) ? 1 : 0;
            return matches == 1;
        }
        for (const QJsonValue &option : options) {
            const QJsonObject form = resolved(option.toObject());
            const QString first = form.value(QLatin1String("required")).toArray().at(0).toString();
            if (!first.isEmpty() && value.toObject().contains(first))
                return visit(form, value, names, path, false);
        }
        return fail(node, "x-oneOf", names, path);
    }

    bool visitItems(const QJsonObject &node, const QJsonArray &items, const KbSchema::Names &names,
        const Path &path, bool firstFault) const
    {
        const QJsonObject itemNode = node.value(QLatin1String("items")).toObject();
        bool sound = true;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (!visit(
                    itemNode, items.at(i), names, Path { &path, QString::number(i) }, firstFault)) {
                sound = false;
                if (firstFault || !m_checker)
                    return false;
            }
        }
        return sound;
    }

    bool visitObject(const QJsonObject &node, const QJsonObject &object, KbSchema::Names names,
        const Path &path, bool firstFault) const
    {
        const QJsonObject properties = node.value(QLatin1String("properties")).toObject();
        const QJsonArray required = node.value(QLatin1String("required")).toArray();
        const QJsonValue additional = node.value(QLatin1String("additionalProperties"));
        QString unknown;
        if (additional.isBool() && !additional.toBool()) {
            for (auto it = object.constBegin(); it != object.constEnd() && unknown.isNull(); ++it) {
                if (!properties.contains(it.key()))
                    unknown = it.key();
            }
        }
        auto unknownFault = [&] {
            KbSchema::Names withKey = names;
            withKey.insert(QStringLiteral("key"), excerpt(unknown));
            return fail(node, "x-unknown", withKey, Path { &path, unknown });
        };
        bool sound = true;
        if (!unknown.isNull() && !firstFault) {
            sound = unknownFault();
            if (!m_checker)
                return false;
        }
        // The required keys in their order, then the other properties.
        QStringList order;
        for (const QJsonValue &key : required)
            order.append(key.toString());
        for (auto it = properties.constBegin(); it != properties.constEnd(); ++it) {
            if (!order.contains(it.key()))
                order.append(it.key());
        }
        for (const QString &key : order) {
            const bool present = object.contains(key);
            if (!present && !required.contains(key))
                continue;
            if (!visit(properties.value(key).toObject(), object.value(key), names,
                    Path { &path, key }, firstFault)) {
                sound = false;
                if (firstFault || !m_checker)
                    return false;
            }
        }
        if (additional.isObject()) {
            for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
                if (properties.contains(it.key()))
                    continue;
                KbSchema::Names withKey = names;
                withKey.insert(QStringLiteral("key"), excerpt(it.key()));
                if (!visit(additional.toObject(), it.value(), withKey, Path { &path, it.key() },
                        firstFault)) {
                    sound = false;
                    if (firstFault || !m_checker)
                        return false;
                }
            }
        }
        if (!unknown.isNull() && firstFault)
            return unknownFault();
        return sound;
    }

    const QHash<QString, QJsonObject> &m_nodes;
    const KbSchema::Checker *m_checker; // none: plain JSON Schema, no messages
};

} // namespace

KbSchema::KbSchema(const QJsonObject &root)
{
    index(root, QStringLiteral("#"), &m_nodes);
}

const KbSchema &KbSchema::builtIn()
{
    static const KbSchema schema = [] {
        QFile file(QStringLiteral(":/diagnosis/kb/kb.schema.json"));
        const QJsonObject root = file.open(QIODevice::ReadOnly)
            ? QJsonDocument::fromJson(file.readAll()).object()
            : QJsonObject();
        // Without it no file passes, rather than every file.
        if (root.isEmpty())
            return KbSchema(QJsonObject { { QStringLiteral("type"), QStringLiteral("none") },
                { QStringLiteral("x-message"),
                    QStringLiteral("kb.schema.json is missing from the program") } });
        return KbSchema(root);
    }();
    return schema;
}

bool KbSchema::accepts(const QJsonValue &value, const QString &pointer) const
{
    return Walk(m_nodes, nullptr).visit(m_nodes.value(pointer), value, {}, Path {}, false);
}

bool KbSchema::check(const QJsonValue &value, const QString &pointer, const Checker &checker) const
{
    return Walk(m_nodes, &checker).visit(m_nodes.value(pointer), value, {}, Path {}, false);
}

QString KbSchema::message(const QString &pointer) const
{
    return fill(m_nodes.value(pointer).value(QLatin1String("x-message")).toString(), {});
}

} // namespace dipo::diagnosis
