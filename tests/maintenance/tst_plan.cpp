// SPDX-License-Identifier: GPL-3.0-or-later
// The service plan against the maintenance guide it is read from.

#include "diagnosis/logic/kbschema.h"
#include "maintenance/logic/plan.h"
#include "maintenance/logic/schedule.h"

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
    void whicheverFirst_data();
    void whicheverFirst();
    void meterReadings();
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

using Status = Due::Status;
using Unit = Due::Unit;
using Readings = QList<Reading>;
Q_DECLARE_METATYPE(Readings)
Q_DECLARE_METATYPE(std::optional<QDate>)

void TestPlan::whicheverFirst_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<std::optional<QDate>>("last");
    QTest::addColumn<Readings>("hours");
    QTest::addColumn<Readings>("km");
    QTest::addColumn<Status>("status");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<double>("left");
    QTest::addColumn<QDate>("date"); // null: not known
    QTest::addColumn<bool>("projected");
    const QDate done(2026, 11, 1);
    const QDate read(2026, 11, 20);
    const auto meter = [&](double then, double now) {
        return Readings { { done, then }, { read, now } };
    };
    // The fuel filter element: 300 h or 14,484 km, done at 1,000 h and 120,000 km.
    QTest::newRow("hours first, due soon")
        << "filter-bahan-bakar" << std::optional(done) << meter(1000, 1250) << meter(120000, 123000)
        << Status::Soon << Unit::Hours << 50.0 << QDate(2026, 11, 24) << true;
    QTest::newRow("hours first, overdue")
        << "filter-bahan-bakar" << std::optional(done) << meter(1000, 1310) << meter(120000, 123000)
        << Status::Overdue << Unit::Hours << -10.0 << read << false;
    QTest::newRow("km first, due soon")
        << "filter-bahan-bakar" << std::optional(done) << meter(1000, 1100) << meter(120000, 134000)
        << Status::Soon << Unit::Km << 484.0 << QDate(2026, 11, 21) << true;
    QTest::newRow("km first, overdue")
        << "filter-bahan-bakar" << std::optional(done) << meter(1000, 1100) << meter(120000, 134600)
        << Status::Overdue << Unit::Km << -116.0 << read << false;
    QTest::newRow("scheduled") << "filter-bahan-bakar" << std::optional(done) << meter(1000, 1100)
                               << meter(120000, 121000) << Status::Scheduled << Unit::Hours << 200.0
                               << QDate(2026, 12, 28) << true;
    // The shutdown system: 300 h or every month.
    QTest::newRow("calendar first, overdue")
        << "sistem-shutdown" << std::optional(QDate(2026, 10, 15)) << meter(1000, 1050)
        << Readings {} << Status::Overdue << Unit::Days << -6.0 << QDate(2026, 11, 14) << false;
    QTest::newRow("never done: from the service date")
        << "sistem-shutdown" << std::optional<QDate>() << Readings {} << Readings {}
        << Status::Scheduled << Unit::Days << 20.0 << QDate(2026, 12, 10) << false;
    QTest::newRow("one reading: no projection")
        << "filter-bahan-bakar" << std::optional(done) << Readings { { done, 1000 } } << Readings {}
        << Status::Scheduled << Unit::Hours << 300.0 << QDate() << false;
}

void TestPlan::whicheverFirst()
{
    QFETCH(QString, task);
    QFETCH(std::optional<QDate>, last);
    QFETCH(Readings, hours);
    QFETCH(Readings, km);
    QFETCH(Status, status);
    QFETCH(Unit, unit);
    QFETCH(double, left);
    QFETCH(QDate, date);
    QFETCH(bool, projected);
    const std::optional<Due> due = dueState(*Plan::builtIn().task(task), last, QDate(2026, 11, 10),
        MeterLine(hours), MeterLine(km), QDate(2026, 11, 20));
    QVERIFY(due);
    QCOMPARE(due->status, status);
    QCOMPARE(due->unit, unit);
    QCOMPARE(due->left, left);
    QCOMPARE(due->date.value_or(QDate()), date);
    QCOMPARE(due->projected, projected);
    QCOMPARE(due->neverDone, !last);
}

void TestPlan::meterReadings()
{
    // A replaced meter counts from its own start; the plan carries over.
    const MeterLine line({ { QDate(2026, 11, 1), 1000 }, { QDate(2026, 11, 10), 1200 },
        { QDate(2026, 11, 12), 5, true }, { QDate(2026, 11, 20), 55 } });
    QCOMPARE(*line.latest(), 1255.0);
    const auto due = dueState(*Plan::builtIn().task(QStringLiteral("filter-bahan-bakar")),
        QDate(2026, 11, 1), QDate(2026, 1, 1), line, MeterLine(), QDate(2026, 11, 20));
    QCOMPARE(due->left, 45.0);
    QCOMPARE(due->status, Status::Soon);
    const QDate next(2026, 11, 21);
    QCOMPARE(line.check({ next, 50 }, 24), MeterLine::Check::Backwards);
    QCOMPARE(line.check({ next, 30, true }, 24), MeterLine::Check::Fine);
    QCOMPARE(line.check({ next, 79 }, 24), MeterLine::Check::Fine);
    QCOMPARE(line.check({ next, 80 }, 24), MeterLine::Check::TooFast);
    QCOMPARE(line.check({ QDate(2026, 11, 19), 60 }, 24), MeterLine::Check::Backwards);
    // A task done once is not due again.
    QVERIFY(!dueState(*Plan::builtIn().task(QStringLiteral("oli-mesin-baru")), QDate(2026, 2, 1),
        QDate(2026, 1, 1), line, MeterLine(), QDate(2026, 11, 20)));
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
