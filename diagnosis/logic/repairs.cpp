// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/repairs.h"

#include "maintenance/logic/maintenancetable.h"
#include "tuneup/logic/proceduretable.h"
#include "tuneup/logic/tuneuptexts.h"

#include <QJsonObject>

#include <cmath>

namespace dipo::diagnosis::repairs {

namespace {

const maintenance::Entry *maintenanceEntry(const Repair &repair)
{
    bool ok = false;
    const int component = repair.key.toInt(&ok);
    return ok ? maintenance::Table::builtIn().entry(component) : nullptr;
}

const tuneup::Procedure *tuneUpProcedure(const Repair &repair)
{
    for (const tuneup::Procedure &procedure : tuneup::ProcedureTable::builtIn().procedures())
        if (procedure.id == repair.key)
            return &procedure;
    return nullptr;
}

} // namespace

std::optional<Repair> fromJson(const QJsonValue &value)
{
    const QJsonObject link = value.toObject();
    if (!value.isObject() || link.size() != 1)
        return std::nullopt;
    const std::optional<Repair::Kind> kind = repairKindFromKey(link.constBegin().key());
    const QJsonValue target = link.constBegin().value();
    if (kind == Repair::Kind::Maintenance) {
        const double component = target.toDouble(-1);
        if (!target.isDouble() || component != std::floor(component) || component < 1
            || component > 1e6)
            return std::nullopt;
        return Repair { Repair::Kind::Maintenance, QString::number(int(component)) };
    }
    if (!kind || !target.isString())
        return std::nullopt;
    return Repair { *kind, target.toString() };
}

QString whatIsMissing(const Repair &repair)
{
    switch (repair.kind) {
    case Repair::Kind::Maintenance:
        if (!maintenanceEntry(repair))
            return QStringLiteral("maintenance component %1 does not exist (1 to %2)")
                .arg(repair.key, QString::number(maintenance::kComponentCount));
        break;
    case Repair::Kind::TuneUp:
        if (!tuneUpProcedure(repair))
            return QStringLiteral("tune-up procedure \"%1\" does not exist").arg(repair.key);
        break;
    case Repair::Kind::Calculator:
        if (!calc::calculatorByKey(repair.key))
            return QStringLiteral("calculator \"%1\" does not exist (%2)")
                .arg(repair.key, calculatorNames.join(QStringLiteral(", ")));
        break;
    }
    return QString();
}

QString caption(const Repair &repair)
{
    switch (repair.kind) {
    case Repair::Kind::Maintenance:
        if (const maintenance::Entry *entry = maintenanceEntry(repair))
            return entry->button;
        break;
    case Repair::Kind::TuneUp:
        if (const tuneup::Procedure *procedure = tuneUpProcedure(repair)) {
            int alike = 0;
            for (const tuneup::Procedure &other : tuneup::ProcedureTable::builtIn().procedures())
                alike += other.caption == procedure->caption ? 1 : 0;
            if (alike < 2)
                return procedure->caption;
            return QStringLiteral("%1 (%2)").arg(
                procedure->caption, tuneup::text::groupTitles[procedure->group - 1]);
        }
        break;
    case Repair::Kind::Calculator:
        if (const calc::Calculator *calculator = calc::calculatorByKey(repair.key))
            return calc::tableText(calculator->caption);
        break;
    }
    return repair.key;
}

std::optional<Instructions> instructions(const Repair &repair)
{
    if (repair.kind == Repair::Kind::Maintenance) {
        if (const maintenance::Entry *entry = maintenanceEntry(repair)) {
            const maintenance::Table &table = maintenance::Table::builtIn();
            return Instructions { entry->heading, entry->lines,
                entry->hasPicture() ? table.picturePath(*entry) : QString() };
        }
    }
    if (repair.kind == Repair::Kind::TuneUp) {
        if (const tuneup::Procedure *procedure = tuneUpProcedure(repair))
            return Instructions { procedure->heading, procedure->body,
                procedure->hasPicture() ? procedure->picturePath() : QString() };
    }
    return std::nullopt;
}

QString coveredComponentNamed(const QString &cause)
{
    // A word in the cause, and what the program holds for it.
    static const QStringList named = { QStringLiteral("radiator"), QStringLiteral("baterai"),
        QStringLiteral("accu"), QStringLiteral("turbocharger"), QStringLiteral("turbo charger"),
        QStringLiteral("tali kipas"), QStringLiteral("kampas rem"), QStringLiteral("virodo"),
        QStringLiteral("valve clearance"), QStringLiteral("speling klep"),
        QStringLiteral("timing injeksi"), QStringLiteral("setelan governor"),
        QStringLiteral("saringan oli"), QStringLiteral("pengisian oli") };
    for (const QString &word : named)
        if (cause.contains(word, Qt::CaseInsensitive))
            return word;
    return QString();
}

} // namespace dipo::diagnosis::repairs
