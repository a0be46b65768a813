// SPDX-License-Identifier: GPL-3.0-or-later
// The service plan against the maintenance guide it is read from.

#include "diagnosis/logic/kbschema.h"
#include "maintenance/logic/plan.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace dipo::maintenance;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void tasksPerComponent_data();
    void tasksPerComponent();
    void planFollowsItsSchema();
    void brokenPlanRefused_data();
    void brokenPlanRefused();
};

void TestPlan::tasksPerComponent_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<int>("tasks");
    // Every interval statement of the guide, and none from the five components without one.
    const int counts[] = { 2, 4, 1, 2, 0, 1, 1, 1, 1, 1, 0, 3, 1, 1, 1, 0, 1, 2, 1, 0, 1, 0, 3, 1,
        1, 2, 2, 5, 3, 3 };
    for (int c = 1; c <= kComponentCount; ++c)
        QTest::addRow("%d", c) << c << counts[c - 1];
}

void TestPlan::tasksPerComponent()
{
    QFETCH(int, component);
    QFETCH(int, tasks);
    const QList<const PlanTask *> found = Plan::builtIn().tasksOf(component);
    QCOMPARE(found.size(), tasks);
    const Entry *entry = Table::builtIn().entry(component);
    for (const PlanTask *task : found) {
        QVERIFY2(guideText(*entry).contains(task->sentence), qPrintable(task->sentence));
        QVERIFY(task->hours || task->km || task->days);
    }
}

void TestPlan::planFollowsItsSchema()
{
    const QJsonDocument schema = QJsonDocument::fromJson(
        fileBytes(QStringLiteral(DIPO_SOURCE_DIR "/maintenance/plan.schema.json")));
    QVERIFY(schema.isObject());
    const QJsonDocument plan = QJsonDocument::fromJson(
        fileBytes(QStringLiteral(DIPO_SOURCE_DIR "/maintenance/plan.json")));
    QVERIFY(dipo::diagnosis::KbSchema(schema.object()).accepts(plan.object()));
    // The guide's own example of whichever first: the fuel filter element.
    const PlanTask *filter = Plan::builtIn().task(QStringLiteral("filter-bahan-bakar"));
    QVERIFY(filter);
    QCOMPARE(filter->component, 6);
    QCOMPARE(*filter->hours, 300.0);
    QCOMPARE(*filter->km, 14484.0);
    QVERIFY(!filter->days);
    QVERIFY(Plan::builtIn().task(QStringLiteral("sistem-shutdown"))->isSafetyCritical());
}

void TestPlan::brokenPlanRefused_data()
{
    QTest::addColumn<QByteArray>("task");
    QTest::addColumn<QString>("message");
    const QByteArray sentence = "\"sentence\": \"bersihkan comutator setiap 2000 jam\"";
    QTest::newRow("unknown component") << QByteArray(
        "{\"id\": \"a\", \"component\": 31, \"task\": \"x\", " + sentence + ", \"hours\": 1}")
                                       << "rencana.json:4: komponen 31 tidak ada di panduan";
    QTest::newRow("zero interval") << QByteArray(
        "{\"id\": \"a\", \"component\": 12, \"task\": \"x\", " + sentence
        + ", \"hours\": 0}") << "rencana.json:4: selang \"hours\" harus bilangan lebih dari 0";
    QTest::newRow("no interval") << QByteArray(
        "{\"id\": \"a\", \"component\": 12, \"task\": \"x\", " + sentence + "}")
                                 << "rencana.json:4: tugas tanpa selang";
    QTest::newRow("not the guide's words") << QByteArray(
        "{\"id\": \"a\", \"component\": 13, \"task\": \"x\", " + sentence
        + ", \"hours\": 1}") << "rencana.json:4: kalimat tidak ada di panduan komponen 13";
    QTest::newRow("duplicate id") << QByteArray(
        "{\"id\": \"satu\", \"component\": 12, \"task\": \"y\", " + sentence + ", \"days\": 2}")
                                  << "rencana.json:4: id \"satu\" ganda";
    QTest::newRow("duplicate task") << QByteArray(
        "{\"id\": \"dua\", \"component\": 12, \"task\": \"x\", " + sentence + ", \"days\": 2}")
                                    << "rencana.json:4: tugas ganda";
}

void TestPlan::brokenPlanRefused()
{
    QFETCH(QByteArray, task);
    QFETCH(QString, message);
    const QByteArray bytes
        = "{\"version\": 1, \"tasks\": [\n"
          "  {\"id\": \"satu\", \"component\": 12, \"task\": \"x\",\n"
          "   \"sentence\": \"bersihkan comutator setiap 2000 jam\", \"hours\": 2000},\n  "
        + task + "\n]}\n";
    try {
        Plan::fromJson(bytes, QStringLiteral("rencana.json"), Table::builtIn());
        QFAIL("accepted");
    } catch (const PlanError &error) {
        QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
