// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace dipo::tuneup {

// One adjustment procedure, keyed by its radio group (1..7) and item index.
struct Procedure
{
    QString id; // "V-1", "LSM-D-2": for the reader of the data and of test output
    int group = 0;
    int item = 0;
    QString caption; // the radio item's text
    QString heading;
    QStringList body; // an empty string is an empty line
    QString picture; // file name in the tune-up picture folder; empty for none

    bool hasPicture() const { return !picture.isEmpty(); }
    // The picture as the program names it, below "d:\karya_hasil\gambar\tuneup\".
    QString picturePath() const;
};

// The data of the table does not read; the message says where.
class TableError : public Error
{
public:
    using Error::Error;
};

class ProcedureTable
{
public:
    static constexpr int groupCount = 7;
    // A table larger than this is refused unread.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    // Reads the table from its JSON text; throws TableError naming the entry and field
    // at fault. Within a group the items must run 0, 1, 2, ... without gaps.
    static ProcedureTable fromJson(const QByteArray &json);

    // The table compiled into the program (":/tuneup/procedures.json"), read once.
    static const ProcedureTable &builtIn();

    const Procedure *find(int group, int item) const;
    QStringList captions(int group) const; // in item order
    const QList<Procedure> &procedures() const { return m_procedures; }

private:
    QList<Procedure> m_procedures;
};

} // namespace dipo::tuneup
