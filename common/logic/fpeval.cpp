// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/fpeval.h"

#include <QString>

#include <cfloat>
#include <cmath>

namespace dipo::fp {

const char *const kDivisionByZero = "Floating point division by zero";
const char *const kInvalidOperation = "Invalid floating point operation";
const char *const kOverflow = "Floating point overflow";

namespace {

[[noreturn]] void fail(const char *message)
{
    throw MathError(QString::fromLatin1(message));
}

} // namespace

Ext checked(long double value)
{
    if (std::isnan(value))
        fail(kInvalidOperation);
    if (std::isinf(value))
        fail(kOverflow);
    return Ext(value);
}

Ext operator+(Ext a, Ext b)
{
    return checked(a.m_value + b.m_value);
}

Ext operator-(Ext a, Ext b)
{
    return checked(a.m_value - b.m_value);
}

Ext operator*(Ext a, Ext b)
{
    return checked(a.m_value * b.m_value);
}

Ext operator/(Ext a, Ext b)
{
    if (b.m_value == 0.0L)
        fail(a.m_value == 0.0L ? kInvalidOperation : kDivisionByZero);
    return checked(a.m_value / b.m_value);
}

Ext operator-(Ext a)
{
    return Ext(-a.m_value);
}

double store(Ext value)
{
    const long double v = checked(value.value()).value();
    if (std::fabs(v) > static_cast<long double>(DBL_MAX))
        fail(kOverflow);
    return static_cast<double>(v);
}

Ext sqrt(Ext value)
{
    if (value.value() < 0.0L)
        fail(kInvalidOperation);
    return checked(std::sqrt(value.value()));
}

} // namespace dipo::fp
