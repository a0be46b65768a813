// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// Numbers as the user types them and as the windows show them, with the decimal
// separator of the system's regional settings.
namespace dipo::number {

// The decimal separator in force. It is read once from the system's regional settings
// (LC_ALL, LC_NUMERIC, LANG) by initFromSystem(), which the start-up calls; tests set
// it directly.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
void initFromSystem();

// Optional leading blanks, an optional sign, digits with at most one decimal separator,
// an optional exponent (E or e, optional sign, digits), optional trailing blanks.
// A lone separator reads as 0. Anything else, or a value too large for a double,
// throws ConversionError "'<text>' is not a valid floating point value".
double toFloat(const QString &text);
bool tryToFloat(const QString &text, double *value);

// Optional leading blanks, an optional sign and decimal digits that fit a 32-bit
// integer; otherwise ConversionError "'<text>' is not a valid integer value".
int toInteger(const QString &text);
bool tryToInteger(const QString &text, int *value);

// The general format: at most 15 significant digits, trailing zeros dropped, fixed
// notation from 0.0001 up to 15 integer digits, scientific notation outside.
QString formatGeneral(double value);

// The masks "0" (decimals = 0), "0.00" (2) and "0.00000000" (8): exactly that many
// decimals, at least one integer digit, halves rounded away from zero. Decimals outside
// 0 ... kMaxFixedDecimals are a programming error: an assertion in debug builds, clamped
// into that range otherwise.
constexpr int kMaxFixedDecimals = 18;
QString formatFixed(double value, int decimals);

} // namespace dipo::number
