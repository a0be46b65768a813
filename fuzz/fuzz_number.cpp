// SPDX-License-Identifier: GPL-3.0-or-later
// The number reader and writer under both decimal separators. Whatever reads as a
// number must be written in a form that reads back: the general format to the same
// text again, the masks to within half of their last decimal. The C library's locale is
// taken from the environment, as the program's start-up does, so a run under a locale
// with a decimal comma (scripts/fuzz.sh uses id_ID.UTF-8) shows any conversion that
// goes through it.
#include "common/logic/localenumber.h"

#include <QString>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace dipo;

namespace {

[[noreturn]] void fault(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s: '%s'\n", what, qPrintable(text));
    std::abort();
}

void checkWritten(double value)
{
    if (!std::isfinite(value))
        return;
    const QString general = number::formatGeneral(value);
    double read = 0;
    if (!number::tryToFloat(general, &read))
        fault("the general format does not read back", general);
    if (number::formatGeneral(read) != general)
        fault("the general format changes on a second round", general);
    const double tolerance = std::max(std::fabs(value) * 1e-14, 5e-324);
    if (std::fabs(read - value) > tolerance)
        fault("the general format is too far from the value", general);
    for (int decimals : { 0, 2, 8 }) {
        const QString fixed = number::formatFixed(value, decimals);
        if (!number::tryToFloat(fixed, &read))
            fault("a mask does not read back", fixed);
        const double half = 0.5 * std::pow(10.0, -decimals);
        if (std::fabs(read - value) > half * (1 + 1e-9) + std::fabs(value) * 1e-15)
            fault("a mask is too far from the value", fixed);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::setlocale(LC_ALL, "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    number::setDecimalSeparator((data[0] & 1) ? QLatin1Char(',') : QLatin1Char('.'));
    ++data;
    --size;
    if (size == sizeof(double)) { // the bytes of a double
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkWritten(value);
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    double value = 0;
    if (number::tryToFloat(text, &value))
        checkWritten(value);
    int whole = 0;
    if (number::tryToInteger(text, &whole)) {
        int again = 0;
        if (!number::tryToInteger(QString::number(whole), &again) || again != whole)
            fault("a whole number does not read back", text);
    }
    return 0;
}
