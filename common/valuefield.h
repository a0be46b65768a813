// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;

namespace dipo {

// A field that shows a value. A written value field is wide enough for the longest
// general-format value ("-1,23456789012345E-308"); an input field has room for ten
// digits and grows up to that width. A longer text shows its start, and the whole text
// is in the tooltip.
enum class ValueFieldWidth { Value, Input };
QString longestValue();
void makeValueField(QLineEdit *field, ValueFieldWidth width = ValueFieldWidth::Value);
// The width such a field needs in its font.
int valueFieldWidth(const QLineEdit *field);

} // namespace dipo
