// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

// Checked floating-point arithmetic for the calculators. A formula is written with
// Ext values, evaluated in the order written in extended precision; each named result
// is stored as a double with store(). A fault throws MathError at the operation that
// causes it, whatever the compiler flags or the hardware's trap settings:
//   non-zero / 0            "Floating point division by zero"
//   0 / 0, a NaN result     "Invalid floating point operation"
//   too large a result      "Floating point overflow"
// Underflow passes silently.
namespace dipo::fp {

extern const char *const kDivisionByZero;
extern const char *const kInvalidOperation;
extern const char *const kOverflow;

class Ext
{
public:
    constexpr Ext() = default;
    constexpr Ext(long double value) : m_value(value) {} // NOLINT: implicit on purpose
    constexpr Ext(double value) : m_value(value) {}      // NOLINT
    constexpr Ext(int value) : m_value(value) {}         // NOLINT
    constexpr long double value() const { return m_value; }

    friend Ext operator+(Ext a, Ext b);
    friend Ext operator-(Ext a, Ext b);
    friend Ext operator*(Ext a, Ext b);
    friend Ext operator/(Ext a, Ext b);
    friend Ext operator-(Ext a);

private:
    long double m_value = 0.0L;
};

// Checks a value computed outside the operators (a library function's result).
Ext checked(long double value);

// Stores an intermediate value as a named double result: too large for a double is an
// overflow, too small becomes zero or subnormal without complaint.
double store(Ext value);

Ext sqrt(Ext value);

} // namespace dipo::fp
