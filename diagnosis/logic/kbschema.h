// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace dipo::diagnosis {

// The form of a knowledge-base file as diagnosis/kb/kb.schema.json gives it, checked by a
// small validator of the part of JSON Schema (draft 07) that file uses: type, required,
// properties, additionalProperties, items, minItems, uniqueItems, minimum, maximum,
// minLength, pattern, enum, oneOf and "$ref" within the file.
//
// accepts() is plain JSON Schema. check() also reads the schema's x- keys, which say in
// the loader's words what is wrong and where the program's own reading takes over:
//   x-message     a value not of this form (or missing, without x-missing)
//   x-missing     a value that is missing or null
//   x-unknown     a key no property names, "{key}" quoting it
//   x-oneOf       an object that is none of the forms
//   x-let         names for the messages below, as { "answer": "YA" }
//   x-firstFault  an object read as one thing: only its first fault is told, its unknown
//                 keys last
//   x-reader      the content is read by the program, with checks beyond the schema's
// Of a "oneOf" of objects, check() takes the first form whose first required key the
// object holds; with the forms' keys apart and no others allowed, as kb.schema.json has
// them, that is the one form the object can match.
class KbSchema
{
public:
    using Names = QHash<QString, QString>;
    struct Fault
    {
        QStringList path; // the keys and indexes from the value checked down to the fault
        QString message;
    };
    struct Checker
    {
        std::function<void(const Fault &)> fault;
        // A part marked x-reader, of the right type: returns whether it is sound.
        std::function<bool(const QString &reader, const QJsonValue &value, const Names &names)>
            read;
    };

    explicit KbSchema(const QJsonObject &root);
    // kb.schema.json as compiled into the program.
    static const KbSchema &builtIn();

    // Pointers are "#" or "#/definitions/row" and the like; one that names no object of
    // the schema stands for the empty schema.
    bool accepts(const QJsonValue &value, const QString &pointer = QStringLiteral("#")) const;
    bool check(const QJsonValue &value, const QString &pointer, const Checker &checker) const;
    QString message(const QString &pointer) const;

    struct Nodes;

private:
    std::shared_ptr<Nodes> m_nodes; // read once, by pointer: "#", "#/definitions/row", ...
};

} // namespace dipo::diagnosis
