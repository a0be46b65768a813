// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <clocale>

// A test run registered for one locale (DIPO_TEST_LOCALE, with LC_ALL set to it) runs under
// that locale or fails: glibc falls back to "C" for a locale that is not installed, and a
// run on that fallback would pass without having seen the locale at all.
namespace dipo::test {

inline QByteArray wantedLocale()
{
    return qgetenv("DIPO_TEST_LOCALE");
}

// Empty when the process runs under the wanted locale (or none is wanted); else why not.
// Call it once the application object exists: Qt sets the C library's locale then.
inline QString localeProblem()
{
    const QByteArray wanted = wantedLocale();
    if (wanted.isEmpty())
        return QString();
    const QByteArray numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (numeric == wanted)
        return QString();
    return QStringLiteral("the locale %1 is not installed, the C library runs under \"%2\" "
                          "(scripts/setup.sh generates it; see locale -a)")
        .arg(QString::fromLatin1(wanted), QString::fromLatin1(numeric));
}

// The decimal separator the wanted locale's regional settings give; null for a plain run.
inline QChar separatorOfWantedLocale()
{
    const QByteArray wanted = wantedLocale();
    if (wanted.isEmpty())
        return QChar();
    return wanted.startsWith("id_ID") ? QLatin1Char(',') : QLatin1Char('.');
}

} // namespace dipo::test
