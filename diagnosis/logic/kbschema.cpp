// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbschema.h"

#include "diagnosis/logic/kbloader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <deque>
#include <optional>

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

// One node of the schema, read once: its keywords, its parts and its words. A "$ref" is
// the node it names with the x- keys beside it laid over.
struct Node
{
    QString type; // empty: any
    std::optional<double> minimum;
    std::optional<double> maximum;
    qint64 minLength = 0;
    qint64 minItems = 0;
    std::optional<QRegularExpression> pattern;
    std::optional<QJsonArray> allowed; // "enum"
    bool uniqueItems = false;
    QList<const Node *> oneOf;
    QStringList oneOfKeys; // of each form, its first required key
    const Node *items = nullptr;
    QList<QPair<QString, const Node *>> properties; // the required first, in their order
    QStringList required;
    bool closed = false; // "additionalProperties": false
    const Node *additional = nullptr;
    QString message;
    QString missing;
    QString unknown;
    QString noForm; // x-oneOf
    QString reader;
    bool firstFault = false;
    KbSchema::Names let;
};

QString escaped(QString step)
{
    return step.replace(QLatin1String("~"), QLatin1String("~0"))
        .replace(QLatin1String("/"), QLatin1String("~1"));
}

// Every object of the schema by its pointer, so that a "$ref" is one look-up.
void index(const QJsonValue &value, const QString &pointer, QHash<QString, QJsonObject> *objects)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        objects->insert(pointer, object);
        for (auto it = object.constBegin(); it != object.constEnd(); ++it)
            index(it.value(), pointer + QLatin1Char('/') + escaped(it.key()), objects);
    } else if (value.isArray()) {
        const QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i)
            index(items.at(i), pointer + QLatin1Char('/') + QString::number(i), objects);
    }
}

void layWords(Node *node, const QJsonObject &object)
{
    auto word = [&](const char *key, QString *into) {
        if (object.contains(QLatin1String(key)))
            *into = object.value(QLatin1String(key)).toString();
    };
    word("x-message", &node->message);
    word("x-missing", &node->missing);
    word("x-unknown", &node->unknown);
    word("x-oneOf", &node->noForm);
    word("x-reader", &node->reader);
    if (object.contains(QLatin1String("x-firstFault")))
        node->firstFault = object.value(QLatin1String("x-firstFault")).toBool();
    const QJsonObject let = object.value(QLatin1String("x-let")).toObject();
    for (auto it = let.constBegin(); it != let.constEnd(); ++it)
        node->let.insert(it.key(), it.value().toString());
}

} // namespace

struct KbSchema::Nodes
{
    QHash<QString, QJsonObject> objects;
    std::deque<Node> store;
    QHash<QString, const Node *> byPointer;

    // A pointer that names no object of the schema stands for the empty schema.
    const Node &find(const QString &pointer) const
    {
        static const Node empty;
        return *byPointer.value(pointer, &empty);
    }

    const Node *at(const QString &pointer)
    {
        if (const auto found = byPointer.constFind(pointer); found != byPointer.constEnd())
            return *found;
        Node *node = &store.emplace_back();
        byPointer.insert(pointer, node);
        read(node, objects.value(pointer), pointer);
        return node;
    }

    void read(Node *node, const QJsonObject &object, const QString &pointer)
    {
        if (object.contains(QLatin1String("$ref"))) {
            // A schema that names itself would find its node half read: kb.schema.json has
            // no such loop.
            *node = *at(object.value(QLatin1String("$ref")).toString());
            layWords(node, object);
            return;
        }
        node->type = object.value(QLatin1String("type")).toString();
        if (object.contains(QLatin1String("minimum")))
            node->minimum = object.value(QLatin1String("minimum")).toDouble();
        if (object.contains(QLatin1String("maximum")))
            node->maximum = object.value(QLatin1String("maximum")).toDouble();
        node->minLength = object.value(QLatin1String("minLength")).toInteger();
        node->minItems = object.value(QLatin1String("minItems")).toInteger();
        if (object.contains(QLatin1String("pattern")))
            node->pattern = QRegularExpression(object.value(QLatin1String("pattern")).toString());
        if (object.contains(QLatin1String("enum")))
            node->allowed = object.value(QLatin1String("enum")).toArray();
        node->uniqueItems = object.value(QLatin1String("uniqueItems")).toBool();
        const QJsonArray forms = object.value(QLatin1String("oneOf")).toArray();
        for (qsizetype i = 0; i < forms.size(); ++i) {
            const Node *form = at(pointer + QStringLiteral("/oneOf/") + QString::number(i));
            node->oneOf.append(form);
            node->oneOfKeys.append(form->required.value(0));
        }
        if (object.value(QLatin1String("items")).isObject())
            node->items = at(pointer + QStringLiteral("/items"));
        for (const QJsonValue &key : object.value(QLatin1String("required")).toArray())
            node->required.append(key.toString());
        const QJsonObject properties = object.value(QLatin1String("properties")).toObject();
        QStringList order = node->required;
        for (auto it = properties.constBegin(); it != properties.constEnd(); ++it) {
            if (!order.contains(it.key()))
                order.append(it.key());
        }
        for (const QString &key : order) {
            node->properties.append({ key,
                properties.contains(key)
                    ? at(pointer + QStringLiteral("/properties/") + escaped(key))
                    : at(QStringLiteral("#/nothing")) });
        }
        const QJsonValue additional = object.value(QLatin1String("additionalProperties"));
        node->closed = additional.isBool() && !additional.toBool();
        if (additional.isObject())
            node->additional = at(pointer + QStringLiteral("/additionalProperties"));
        layWords(node, object);
    }
};

namespace {

bool hasType(const QString &type, const QJsonValue &value)
{
    if (type.isEmpty())
        return true;
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

// The keywords that look at the value itself, not at its parts.
bool fitsItself(const Node &node, const QJsonValue &value)
{
    if (!hasType(node.type, value))
        return false;
    if (value.isDouble()) {
        const double number = value.toDouble();
        if ((node.minimum && number < *node.minimum) || (node.maximum && number > *node.maximum))
            return false;
    }
    if (value.isString()) {
        const QString text = value.toString();
        if (node.minLength > 0 && codePoints(text) < node.minLength)
            return false;
        if (node.pattern && !node.pattern->match(text).hasMatch())
            return false;
    }
    if (value.isArray() && value.toArray().size() < node.minItems)
        return false;
    return !node.allowed || node.allowed->contains(value);
}

class Walk
{
public:
    explicit Walk(const KbSchema::Checker *checker)
        : m_checker(checker)
    { }

    bool visit(const Node &node, const QJsonValue &value, const KbSchema::Names &outer,
        const Path &path, bool firstFault) const
    {
        KbSchema::Names names = outer;
        for (auto it = node.let.constBegin(); it != node.let.constEnd(); ++it)
            names.insert(it.key(), it.value());
        const bool hasMissing = !node.missing.isEmpty();
        if (value.isUndefined() || (value.isNull() && hasMissing))
            return fail(node, hasMissing ? node.missing : node.message, names, path);
        if (!fitsItself(node, value))
            return fail(node, node.message, names, path);
        if (!node.oneOf.isEmpty() && !visitOneOf(node, value, names, path))
            return false;
        if (m_checker && !node.reader.isEmpty())
            return m_checker->read(node.reader, value, names);
        // What an x-reader reads, it also checks: the schema's words for the parts inside
        // would be too few.
        if (node.uniqueItems && !unique(value.toArray()))
            return fail(node, node.message, names, path);
        firstFault = firstFault || node.firstFault;
        if (value.isArray() && node.items)
            return visitItems(node, value.toArray(), names, path, firstFault);
        if (value.isObject())
            return visitObject(node, value.toObject(), names, path, firstFault);
        return true;
    }

private:
    bool fail(
        const Node &node, const QString &word, const KbSchema::Names &outer, const Path &path) const
    {
        if (!m_checker)
            return false;
        QString pattern = word.isEmpty() ? node.message : word;
        if (pattern.isEmpty())
            pattern = QStringLiteral("\"%1\" is not of the form kb.schema.json gives")
                          .arg(path.list().join(QLatin1Char('/')));
        KbSchema::Names names = outer;
        if (node.minimum)
            names.insert(QStringLiteral("minimum"), QString::number(*node.minimum));
        if (node.maximum)
            names.insert(QStringLiteral("maximum"), QString::number(*node.maximum));
        m_checker->fault(KbSchema::Fault { path.list(), fill(pattern, names) });
        return false;
    }

    bool visitOneOf(const Node &node, const QJsonValue &value, const KbSchema::Names &names,
        const Path &path) const
    {
        if (!m_checker) {
            int matches = 0;
            for (const Node *form : node.oneOf)
                matches += visit(*form, value, names, path, false) ? 1 : 0;
            return matches == 1;
        }
        const QJsonObject object = value.toObject();
        for (qsizetype i = 0; i < node.oneOf.size(); ++i) {
            const QString &first = node.oneOfKeys.at(i);
            if (!first.isEmpty() && object.contains(first))
                return visit(*node.oneOf.at(i), value, names, path, false);
        }
        return fail(node, node.noForm, names, path);
    }

    bool visitItems(const Node &node, const QJsonArray &items, const KbSchema::Names &names,
        const Path &path, bool firstFault) const
    {
        bool sound = true;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (!visit(*node.items, items.at(i), names, Path { &path, QString::number(i) },
                    firstFault)) {
                sound = false;
                if (firstFault || !m_checker)
                    return false;
            }
        }
        return sound;
    }

    bool visitObject(const Node &node, const QJsonObject &object, const KbSchema::Names &names,
        const Path &path, bool firstFault) const
    {
        auto known = [&](const QString &key) {
            for (const auto &property : node.properties) {
                if (property.first == key)
                    return true;
            }
            return false;
        };
        QString unknown;
        if (node.closed) {
            for (auto it = object.constBegin(); it != object.constEnd() && unknown.isNull(); ++it) {
                if (!known(it.key()))
                    unknown = it.key();
            }
        }
        auto unknownFault = [&] {
            KbSchema::Names withKey = names;
            withKey.insert(QStringLiteral("key"), excerpt(unknown));
            return fail(node, node.unknown, withKey, Path { &path, unknown });
        };
        bool sound = true;
        if (!unknown.isNull() && !firstFault) {
            sound = unknownFault();
            if (!m_checker)
                return false;
        }
        for (const auto &[key, property] : node.properties) {
            const auto found = object.constFind(key);
            if (found == object.constEnd() && !node.required.contains(key))
                continue;
            const QJsonValue value
                = found == object.constEnd() ? QJsonValue(QJsonValue::Undefined) : found.value();
            if (!visit(*property, value, names, Path { &path, key }, firstFault)) {
                sound = false;
                if (firstFault || !m_checker)
                    return false;
            }
        }
        if (node.additional) {
            for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
                if (known(it.key()))
                    continue;
                KbSchema::Names withKey = names;
                withKey.insert(QStringLiteral("key"), excerpt(it.key()));
                if (!visit(*node.additional, it.value(), withKey, Path { &path, it.key() },
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

    const KbSchema::Checker *m_checker; // none: plain JSON Schema, no messages
};

} // namespace

KbSchema::KbSchema(const QJsonObject &root)
    : m_nodes(std::make_shared<Nodes>())
{
    index(root, QStringLiteral("#"), &m_nodes->objects);
    const QStringList pointers = m_nodes->objects.keys();
    for (const QString &pointer : pointers)
        m_nodes->at(pointer);
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
    return Walk(nullptr).visit(m_nodes->find(pointer), value, {}, Path {}, false);
}

bool KbSchema::check(const QJsonValue &value, const QString &pointer, const Checker &checker) const
{
    return Walk(&checker).visit(m_nodes->find(pointer), value, {}, Path {}, false);
}

QString KbSchema::message(const QString &pointer) const
{
    return fill(m_nodes->find(pointer).message, {});
}

} // namespace dipo::diagnosis
