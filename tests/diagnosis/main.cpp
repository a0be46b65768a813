// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_diagno.h"
#include "tst_knowledgebase.h"
#include "tst_session.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        KnowledgeBaseTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        DiagnoWindowTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        SessionTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
