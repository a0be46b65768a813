// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuneup/logic/proceduretable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QtDebug>

#include <algorithm>

namespace dipo::tuneup {
namespace {

[[noreturn]] void fail(const QString &message)
{
    throw TableError(QStringLiteral("Tune-up procedure table: %1").arg(message));
}

QString where(int index, const QJsonObject &entry)
{
    const QString id = entry.value(QLatin1String("id")).toString();
    return id.isEmpty() ? QStringLiteral("entry %1").arg(index)
                        : QStringLiteral("entry %1 (%2)").arg(QString::number(index), id);
}

QString text(const QJsonObject &entry, const char *field, const QString &at)
{
    const QJsonValue value = entry.value(QLatin1String(field));
    if (!value.isString())
        fail(QStringLiteral("%1: \"%2\" must be a text").arg(at, QLatin1String(field)));
    return value.toString();
}

int whole(const QJsonObject &entry, const char *field, const QString &at)
{
    const QJsonValue value = entry.value(QLatin1String(field));
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > 1000 || number != int(number))
        fail(QStringLiteral("%1: \"%2\" must be a whole number").arg(at, QLatin1String(field)));
    return int(number);
}

Procedure readEntry(int index, const QJsonValue &value)
{
    if (!value.isObject())
        fail(QStringLiteral("entry %1 is not an object").arg(index));
    const QJsonObject entry = value.toObject();
    const QString at = where(index, entry);

    Procedure p;
    p.id = entry.value(QLatin1String("id")).toString();
    p.group = whole(entry, "group", at);
    if (p.group < 1 || p.group > ProcedureTable::groupCount)
        fail(QStringLiteral("%1: group %2 is not 1 to %3")
                 .arg(at, QString::number(p.group), QString::number(ProcedureTable::groupCount)));
    p.item = whole(entry, "item", at);
    p.caption = text(entry, "caption", at);
    p.heading = text(entry, "heading", at);

    const QJsonValue body = entry.value(QLatin1String("body"));
    if (!body.isArray())
        fail(QStringLiteral("%1: \"body\" must be a list of texts").arg(at));
    const QJsonArray lines = body.toArray();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].isString())
            fail(QStringLiteral("%1: body line %2 is not a text").arg(at, QString::number(i + 1)));
        p.body << lines[i].toString();
    }

    // null stands for a procedure without a picture
    const QJsonValue picture = entry.value(QLatin1String("picture"));
    if (picture.isString() && !picture.toString().isEmpty())
        p.picture = picture.toString();
    else if (!picture.isNull())
        fail(QStringLiteral("%1: \"picture\" must be a file name or null").arg(at));
    if (p.picture.contains(QLatin1Char('\\')) || p.picture.contains(QLatin1Char('/'))
        || p.picture.contains(QLatin1String("..")))
        fail(QStringLiteral("%1: picture \"%2\" must be a plain file name").arg(at, p.picture));
    return p;
}

} // namespace

QString Procedure::picturePath() const
{
    return QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\") + picture;
}

ProcedureTable ProcedureTable::fromJson(const QByteArray &json)
{
    if (json.size() > kMaxFileBytes)
        fail(QStringLiteral("berkas lebih dari 4 MB, tidak dibaca"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("%1 at offset %2")
                 .arg(error.errorString(), QString::number(error.offset)));
    const QJsonValue list = document.object().value(QLatin1String("procedures"));
    if (!document.isObject() || !list.isArray())
        fail(QStringLiteral("no \"procedures\" list"));

    ProcedureTable table;
    const QJsonArray entries = list.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Procedure p = readEntry(int(i + 1), entries[i]);
        // the radio items are built from the captions, so each group counts 0, 1, 2, ...
        const int expected = int(table.captions(p.group).size());
        if (p.item != expected)
            fail(QStringLiteral("%1: group %2 item %3 where item %4 comes next")
                     .arg(where(int(i + 1), entries[i].toObject()), QString::number(p.group),
                         QString::number(p.item), QString::number(expected)));
        table.m_procedures << p;
    }
    return table;
}

const ProcedureTable &ProcedureTable::builtIn()
{
    static const ProcedureTable table = [] {
        QFile file(QStringLiteral(":/tuneup/procedures.json"));
        try {
            if (!file.open(QIODevice::ReadOnly))
                fail(QStringLiteral("the compiled-in table is missing"));
            return fromJson(file.readAll());
        } catch (const TableError &e) {
            // checked by the tests; an empty table leaves the window usable
            qCritical("%s", e.what());
            return ProcedureTable();
        }
    }();
    return table;
}

const Procedure *ProcedureTable::find(int group, int item) const
{
    const auto it = std::find_if(m_procedures.cbegin(), m_procedures.cend(),
        [&](const Procedure &p) { return p.group == group && p.item == item; });
    return it == m_procedures.cend() ? nullptr : &*it;
}

QStringList ProcedureTable::captions(int group) const
{
    QStringList result;
    for (const Procedure &p : m_procedures)
        if (p.group == group)
            result << p.caption;
    return result;
}

} // namespace dipo::tuneup
