// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/logic/maintenancetable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cstdlib>

namespace dipo::maintenance {
namespace {

constexpr int kMaxLines = 6;

[[noreturn]] void fail(const QString &where, const QString &problem)
{
    throw TableError(QStringLiteral("maintenance table, %1: %2").arg(where, problem));
}

QString quoted(const QString &key)
{
    return QLatin1Char('"') + key + QLatin1Char('"');
}

// A key that is not read is most likely a misspelt one: refuse it.
void requireKeys(const QJsonObject &object, const QStringList &keys, const QString &where)
{
    for (const QString &key : keys) {
        if (!object.contains(key))
            fail(where, quoted(key) + QStringLiteral(" is missing"));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key()))
            fail(where, QStringLiteral("unknown key ") + quoted(it.key()));
    }
}

QJsonObject objectOf(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        fail(where, QStringLiteral("not an object"));
    return value.toObject();
}

// Every text is one paragraph of a box: a line break inside would shift the lines.
QString textOf(const QJsonValue &value, const QString &where)
{
    if (!value.isString())
        fail(where, QStringLiteral("not a text"));
    const QString text = value.toString();
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        fail(where, QStringLiteral("holds a line break"));
    return text;
}

QString nonEmptyText(const QJsonObject &object, const QString &key, const QString &where)
{
    const QString text = textOf(object.value(key), where + QLatin1Char('.') + key);
    if (text.isEmpty())
        fail(where + QLatin1Char('.') + key, QStringLiteral("is empty"));
    return text;
}

QStringList textsOf(
    const QJsonObject &object, const QString &key, const QString &where, int minCount, int maxCount)
{
    const QString at = where + QLatin1Char('.') + key;
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        fail(at, QStringLiteral("not a list of texts"));
    const QJsonArray array = value.toArray();
    if (array.size() < minCount || array.size() > maxCount)
        fail(at,
            QStringLiteral("holds %1 texts, expected %2 to %3")
                .arg(QString::number(array.size()), QString::number(minCount),
                    QString::number(maxCount)));
    QStringList result;
    for (qsizetype i = 0; i < array.size(); ++i)
        result << textOf(array.at(i), QStringLiteral("%1[%2]").arg(at, QString::number(i)));
    return result;
}

FixedTexts readTexts(const QJsonObject &object)
{
    const QString where = QStringLiteral("texts");
    requireKeys(object,
        { QStringLiteral("title"), QStringLiteral("groupTitle"), QStringLiteral("repeatButton"),
            QStringLiteral("processButton"), QStringLiteral("closeButton"),
            QStringLiteral("startPrompt"), QStringLiteral("chosenPrompt"),
            QStringLiteral("chosenLastPrompt"), QStringLiteral("repeatPrompt") },
        where);
    FixedTexts texts;
    texts.title = nonEmptyText(object, QStringLiteral("title"), where);
    texts.groupTitle = nonEmptyText(object, QStringLiteral("groupTitle"), where);
    texts.repeatButton = nonEmptyText(object, QStringLiteral("repeatButton"), where);
    texts.processButton = nonEmptyText(object, QStringLiteral("processButton"), where);
    texts.closeButton = nonEmptyText(object, QStringLiteral("closeButton"), where);
    texts.startPrompt = textsOf(object, QStringLiteral("startPrompt"), where, 1, 100);
    texts.chosenPrompt = nonEmptyText(object, QStringLiteral("chosenPrompt"), where);
    texts.chosenLastPrompt = nonEmptyText(object, QStringLiteral("chosenLastPrompt"), where);
    texts.repeatPrompt = nonEmptyText(object, QStringLiteral("repeatPrompt"), where);
    return texts;
}

Entry readEntry(const QJsonValue &value, int expectedComponent)
{
    QString where = QStringLiteral("entries[%1]").arg(expectedComponent - 1);
    const QJsonObject object = objectOf(value, where);
    requireKeys(object,
        { QStringLiteral("component"), QStringLiteral("button"), QStringLiteral("heading"),
            QStringLiteral("picture"), QStringLiteral("lines") },
        where);
    Entry entry;
    const QJsonValue number = object.value(QStringLiteral("component"));
    entry.component = number.toInt(0);
    if (!number.isDouble() || entry.component != expectedComponent)
        fail(where, QStringLiteral("component number must be %1, in order").arg(expectedComponent));
    where += QStringLiteral(" (component %1)").arg(expectedComponent);

    entry.button = nonEmptyText(object, QStringLiteral("button"), where);
    entry.heading = nonEmptyText(object, QStringLiteral("heading"), where);
    entry.lines = textsOf(object, QStringLiteral("lines"), where, 1, kMaxLines);

    const QJsonValue picture = object.value(QStringLiteral("picture"));
    if (!picture.isNull()) {
        entry.picture = nonEmptyText(object, QStringLiteral("picture"), where);
        // A bare file name: the picture folder is the program's, not the data's.
        if (entry.picture.contains(QLatin1Char('\\')) || entry.picture.contains(QLatin1Char('/'))
            || entry.picture.contains(QLatin1Char(':'))
            || entry.picture.startsWith(QLatin1Char('.')))
            fail(where + QStringLiteral(".picture"),
                QStringLiteral("must be a plain file name, not ") + quoted(entry.picture));
    }
    return entry;
}

} // namespace

Table Table::fromJson(const QByteArray &bytes)
{
    if (bytes.size() > kMaxFileBytes)
        fail(QStringLiteral("top level"), QStringLiteral("berkas lebih dari 4 MB, tidak dibaca"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        fail(QStringLiteral("offset %1").arg(parseError.offset), parseError.errorString());
    if (!document.isObject())
        fail(QStringLiteral("top level"), QStringLiteral("not an object"));
    const QJsonObject root = document.object();
    requireKeys(root,
        { QStringLiteral("texts"), QStringLiteral("introduction"), QStringLiteral("pictureFolder"),
            QStringLiteral("repeatPicture"), QStringLiteral("entries") },
        QStringLiteral("top level"));

    Table table;
    table.m_texts
        = readTexts(objectOf(root.value(QStringLiteral("texts")), QStringLiteral("texts")));

    const QString introWhere = QStringLiteral("introduction");
    const QJsonObject intro = objectOf(root.value(introWhere), introWhere);
    requireKeys(intro, { QStringLiteral("start"), QStringLiteral("repeat") }, introWhere);
    table.m_startIntroduction = textsOf(intro, QStringLiteral("start"), introWhere, 1, 100);
    table.m_repeatIntroduction = textsOf(intro, QStringLiteral("repeat"), introWhere, 1, 100);
    // The two wordings differ in blanks only, never in their number of lines.
    if (table.m_startIntroduction.size() != table.m_repeatIntroduction.size())
        fail(introWhere, QStringLiteral("the two wordings differ in their number of lines"));

    table.m_pictureFolder
        = nonEmptyText(root, QStringLiteral("pictureFolder"), QStringLiteral("top level"));
    if (!table.m_pictureFolder.endsWith(QLatin1Char('\\')))
        fail(QStringLiteral("pictureFolder"), QStringLiteral("must end with a backslash"));
    table.m_repeatPicture
        = nonEmptyText(root, QStringLiteral("repeatPicture"), QStringLiteral("top level"));

    const QJsonValue entries = root.value(QStringLiteral("entries"));
    if (!entries.isArray() || entries.toArray().size() != kComponentCount)
        fail(QStringLiteral("entries"),
            QStringLiteral("must be a list of %1 entries").arg(kComponentCount));
    const QJsonArray array = entries.toArray();
    for (int i = 0; i < kComponentCount; ++i)
        table.m_entries.append(readEntry(array.at(i), i + 1));
    return table;
}

const Table &Table::builtIn()
{
    static const Table table = [] {
        QFile file(QStringLiteral(":/maintenance/maintenance.json"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The maintenance table is not compiled into the program");
        try {
            return fromJson(file.readAll());
        } catch (const TableError &error) {
            qFatal("%s", error.what());
        }
        std::abort(); // qFatal does not return
    }();
    return table;
}

const Entry *Table::entry(int component) const
{
    if (component < 1 || component > m_entries.size())
        return nullptr;
    return &m_entries[component - 1];
}

const QString &Table::chosenPrompt(int component) const
{
    return component == kComponentCount ? m_texts.chosenLastPrompt : m_texts.chosenPrompt;
}

} // namespace dipo::maintenance
