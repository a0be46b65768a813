// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/localenumber.h"

#include "common/logic/error.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace dipo::number {
namespace {

QChar g_separator;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the text against the reading rules and writes it in the C locale's form
// ("-12.5e3") for the conversion. A lone separator gives "0".
bool normalise(const QString &text, QChar separator, QByteArray *out)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && isBlank(text[i]))
        ++i;
    QByteArray result;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            result += '-';
        ++i;
    }
    int digits = 0;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            result += char(text[i].unicode());
            ++digits;
        } else if (text[i] == separator && !separatorSeen) {
            separatorSeen = true;
            result += '.';
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0 && !separatorSeen)
        return false; // empty, a lone sign, or an exponent without a mantissa
    if (digits == 0)
        result = result.startsWith('-') ? QByteArray("-0") : QByteArray("0");
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        if (digits == 0)
            return false;
        ++i;
        result += 'e';
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            result += char(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            result += char(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return false;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return false;
    *out = result;
    return true;
}

// The power of ten of the first significant digit of a normalised text ("-0.012e5" is
// 3); a very large exponent is cut off, and a zero mantissa gives a large negative power.
long long leadingPower(const QByteArray &normalised)
{
    const int e = normalised.indexOf('e');
    QByteArray mantissa = e < 0 ? normalised : normalised.left(e);
    if (mantissa.startsWith('-'))
        mantissa.remove(0, 1);
    const int point = mantissa.indexOf('.');
    QByteArray whole = point < 0 ? mantissa : mantissa.left(point);
    const QByteArray fraction = point < 0 ? QByteArray() : mantissa.mid(point + 1);
    while (whole.startsWith('0'))
        whole.remove(0, 1);
    long long power = 0;
    if (!whole.isEmpty()) {
        power = whole.size() - 1;
    } else {
        int zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == '0')
            ++zeros;
        if (zeros == fraction.size())
            return std::numeric_limits<int>::min();
        power = -(zeros + 1);
    }
    long long exponent = 0;
    if (e >= 0) {
        int i = e + 1;
        const bool negative = normalised[i] == '-';
        if (normalised[i] == '+' || normalised[i] == '-')
            ++i;
        for (; i < normalised.size() && exponent < 1000000000LL; ++i)
            exponent = exponent * 10 + (normalised[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    return power + exponent;
}

// Locale-free on every path: Qt sets the C library's locale from the environment, so
// neither strtod nor printf may see the digits.
bool convert(const QByteArray &normalised, double *value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(QLatin1String(normalised), &ok);
    if (ok && std::isfinite(v)) {
        *value = v;
        return true;
    }
    // Qt refuses what underflows as well as what overflows; underflow reads as zero
    // or a subnormal value, only a value too large for a double is refused.
    const char *first = normalised.constData();
    const char *last = first + normalised.size();
    long double wide = 0;
    const std::from_chars_result read = std::from_chars(first, last, wide);
    if (read.ec == std::errc() && read.ptr == last) {
        if (std::fabs(wide) > std::numeric_limits<double>::max())
            return false;
        *value = double(wide);
        return true;
    }
    if (read.ec == std::errc::result_out_of_range && leadingPower(normalised) < 0) {
        *value = normalised.startsWith('-') ? -0.0 : 0.0;
        return true;
    }
    return false;
}

} // namespace

QChar decimalSeparator()
{
    if (g_separator.isNull())
        initFromSystem();
    return g_separator;
}

void setDecimalSeparator(QChar separator)
{
    g_separator = separator;
}

void initFromSystem()
{
    const QString point = QLocale::system().decimalPoint();
    g_separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

bool tryToFloat(const QString &text, double *value)
{
    QByteArray normalised;
    return normalise(text, decimalSeparator(), &normalised) && convert(normalised, value);
}

double toFloat(const QString &text)
{
    double value = 0;
    if (!tryToFloat(text, &value))
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

bool tryToInteger(const QString &text, int *value)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return false;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        if (!isDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max())
        return false;
    *value = int(signedValue);
    return true;
}

int toInteger(const QString &text)
{
    int value = 0;
    if (!tryToInteger(text, &value))
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

namespace {

// The decimal digits of |value| rounded to `significant` digits, and the decimal
// exponent of the first one: value ~ 0.d1d2d3... * 10^(exponent + 1).
struct Digits
{
    QByteArray digits; // no leading zero unless the value is zero
    int exponent = 0;  // power of ten of the first digit
};

Digits decimalDigits(double value, int significant)
{
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer,
        std::fabs(value), std::chars_format::scientific, significant - 1);
    // "d.ddddde+XX", whatever the C library's locale
    Digits d;
    const char *p = buffer;
    const char *end = written.ptr;
    d.digits += *p++;
    if (p != end && *p == '.') {
        ++p;
        while (p != end && *p >= '0' && *p <= '9')
            d.digits += *p++;
    }
    if (p != end && *p == 'e') {
        ++p;
        if (p != end && *p == '+')
            ++p;
        std::from_chars(p, end, d.exponent);
    }
    return d;
}

QString withSeparator(QByteArray intPart, QByteArray fraction)
{
    QString s = QString::fromLatin1(intPart);
    if (!fraction.isEmpty())
        s += decimalSeparator() + QString::fromLatin1(fraction);
    return s;
}

} // namespace

QString formatGeneral(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    Digits d = decimalDigits(value, 15);
    // The largest doubles round up past the largest double (1.7976931348623157E308) at
    // 15 digits and would no longer read back; they are cut off at the 15th digit.
    if (d.exponent == 308 && d.digits > QByteArray("179769313486231"))
        d.digits = "179769313486231";
    while (d.digits.size() > 1 && d.digits.endsWith('0'))
        d.digits.chop(1);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent >= -4 && d.exponent < 15) {
        QByteArray intPart, fraction;
        if (d.exponent < 0) {
            intPart = "0";
            fraction = QByteArray(-d.exponent - 1, '0') + d.digits;
        } else {
            const int intDigits = d.exponent + 1;
            if (d.digits.size() <= intDigits) {
                intPart = d.digits + QByteArray(intDigits - d.digits.size(), '0');
            } else {
                intPart = d.digits.left(intDigits);
                fraction = d.digits.mid(intDigits);
            }
        }
        return sign + withSeparator(intPart, fraction);
    }
    return sign + withSeparator(d.digits.left(1), d.digits.mid(1)) + QLatin1Char('E')
        + QString::number(d.exponent);
}

QString formatFixed(double value, int decimals)
{
    Q_ASSERT_X(
        decimals >= 0 && decimals <= kMaxFixedDecimals, "formatFixed", "decimals outside 0 to 18");
    decimals = std::clamp(decimals, 0, kMaxFixedDecimals);
    if (!std::isfinite(value))
        value = 0;
    // 18 significant decimal digits of the value, then rounded half away from zero at
    // the last shown decimal.
    Digits d = decimalDigits(value, 18);
    if (value == 0)
        d.exponent = 0;
    // Place the digits against a fixed point: position p is 10^(exponent - p).
    const int intDigits = std::max(d.exponent + 1, 1);
    const int leadingZeros = std::max(-(d.exponent + 1), 0); // fraction zeros before digits
    QByteArray all; // integer digits then `decimals` fraction digits, plus one guard digit
    if (d.exponent >= 0) {
        all = d.digits;
    } else {
        all = QByteArray(1, '0') + QByteArray(leadingZeros, '0') + d.digits;
    }
    const int wanted = intDigits + decimals;
    if (all.size() < wanted + 1)
        all += QByteArray(wanted + 1 - all.size(), '0');
    const bool roundUp = all.at(wanted) >= '5';
    QByteArray shown = all.left(wanted);
    if (roundUp) {
        int k = wanted - 1;
        while (k >= 0) {
            if (shown[k] == '9') {
                shown[k] = '0';
                --k;
            } else {
                shown[k] = char(shown[k] + 1);
                break;
            }
        }
        if (k < 0)
            shown.prepend('1');
    }
    const int shownInt = int(shown.size()) - decimals;
    QByteArray intPart = shown.left(shownInt);
    while (intPart.size() > 1 && intPart.startsWith('0'))
        intPart.remove(0, 1);
    const QByteArray fraction = shown.mid(shownInt);
    const bool allZero = shown.count('0') == shown.size();
    const QString sign = (value < 0 && !allZero) ? QStringLiteral("-") : QString();
    return sign + withSeparator(intPart, fraction);
}

} // namespace dipo::number
