// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a window's controls by their object names, the tests' contract with the windows.

#include <QAbstractButton>
#include <QObject>
#include <QTest>

namespace dipo::test {

// The named control; a missing one ends the test run, naming it.
template <typename T> T *control(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void press(QWidget *window, const char *name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

} // namespace dipo::test
