// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/logic/calculatortable.h"

#include <QtGlobal>

namespace dipo::calc {

QStringList calculatorKeys()
{
    QStringList keys;
    for (const Calculator &calculator : kCalculators)
        keys << tableText(calculator.key);
    return keys;
}

const Calculator *calculatorByKey(const QString &key)
{
    for (const Calculator &calculator : kCalculators) {
        if (key == QLatin1String(calculator.key))
            return &calculator;
    }
    return nullptr;
}

const Calculator &calculatorRow(const char *key)
{
    const Calculator *row = calculatorByKey(QLatin1String(key));
    if (!row)
        qFatal("calculator \"%s\" is not in the calculator table", key);
    return *row;
}

QStringList chartNames(const Calculator &calculator)
{
    QStringList names;
    for (const char *chart : calculator.charts) {
        if (chart)
            names << tableText(chart);
    }
    return names;
}

} // namespace dipo::calc
