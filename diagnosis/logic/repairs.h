// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/calculatortable.h"
#include "diagnosis/logic/knowledgebase.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

// The procedures a fault conclusion leads to: what each link names, how a list shows it,
// and the instructions it stands for. Checked against the program's own tables.
namespace dipo::diagnosis::repairs {

// The calculators a link can name, as the knowledge base writes them: the keys of the
// calculator table (calculators/logic/calculatortable.h), in its order.
inline const QStringList calculatorNames = calc::calculatorKeys();

// One link as a file writes it: {"maintenance": 3}, {"tuneUp": "V-1"} or
// {"calculator": "brakeLife"}; nothing when it has another shape.
std::optional<Repair> fromJson(const QJsonValue &value);

// Empty when the link names something the program has; otherwise what is wrong.
QString whatIsMissing(const Repair &repair);

// The target's own caption: the component's button, the tune-up item (with its group
// where the item's caption alone repeats), the calculator's name.
QString caption(const Repair &repair);

// The instructions a maintenance entry or a tune-up procedure holds; none for a calculator.
struct Instructions
{
    QString heading;
    QStringList lines;
    QString picture; // the program's path of the picture; empty for none
};
std::optional<Instructions> instructions(const Repair &repair);

// The component a fault's cause names, where the program holds a procedure for it
// ("radiator", "turbocharger", "kampas rem"); empty when it names none of them.
QString coveredComponentNamed(const QString &cause);

} // namespace dipo::diagnosis::repairs
