// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' formulas, choices and conclusions, without windows.
#include "calculators/logic/brakeforce.h"
#include "calculators/logic/brakelife.h"
#include "calculators/logic/conclusions.h"
#include "calculators/logic/curves.h"
#include "calculators/logic/dieselpower.h"
#include "common/logic/fpeval.h"
#include "common/logic/localenumber.h"
#include "tests/testlocale.h"

#include <QTest>

#include <functional>

using namespace dipo::calc;
using dipo::number::formatFixed;
using dipo::number::formatGeneral;

namespace {

DieselInputs defaultDiesel()
{
    DieselInputs in;
    in.D = 22.86;
    in.L = 26.67;
    in.n = 1050;
    in.Prata = 18;
    in.Pi = 18;
    in.Z = 8;
    in.a = 0.5;
    in.Nawal = 1950;
    in.Gf = 0.16;
    in.Qc = 10500;
    return in;
}

BrakeLifeInputs defaultBrakeLife()
{
    BrakeLifeInputs in;
    in.D = 774;
    in.Q = 60;
    in.L = 80;
    in.T = 50;
    in.Tmin = 8;
    in.Da = 226;
    in.speed = QStringLiteral("70");
    in.K = 0.19;
    in.Fm = 0.8;
    in.Fk = 0.8;
    in.Pb = 1661.48;
    in.H = 165;
    in.Frem = 10;
    in.Fj = 4;
    return in;
}

BrakeForceInputs defaultBrakeForce()
{
    BrakeForceInputs in;
    in.a = 475;
    in.b = 355;
    in.ia = 8;
    in.Ae = 730;
    in.Pmaks = 3.8;
    in.Kf = 140;
    in.Emaks = 100;
    in.Qs = 200;
    in.Gk = 35500;
    in.Gp = 39660;
    in.V = 70;
    in.It = 0;
    in.M = 0.19;
    in.Fh = 0.25;
    in.tr = 1;
    return in;
}

// A vehicle whose forces come out as round numbers: i = 1, K = 1000, P = 1000 - Qs,
// Pb = P / 2. Qs moves Pb to the band and limit edges.
BrakeForceInputs roundBrakeForce(double pb)
{
    BrakeForceInputs in = defaultBrakeForce();
    in.a = 1;
    in.b = 1;
    in.ia = 1;
    in.Ae = 1000;
    in.Pmaks = 1;
    in.Kf = 0;
    in.Emaks = 100;
    in.Qs = 1000 - 2 * pb;
    return in;
}

using DieselChange = std::function<void(DieselInputs &)>;
using BrakeLifeChange = std::function<void(BrakeLifeInputs &)>;
using BrakeForceChange = std::function<void(BrakeForceInputs &)>;

} // namespace

Q_DECLARE_METATYPE(DieselChange)
Q_DECLARE_METATYPE(BrakeLifeChange)
Q_DECLARE_METATYPE(BrakeForceChange)

class TestCalculatorLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString problem = dipo::test::localeProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    void init() { dipo::number::setDecimalSeparator(QLatin1Char(',')); }
    void cleanupTestCase() { dipo::number::setDecimalSeparator(QLatin1Char(',')); }

    void dieselDefaults();
    void dieselStrokeFactor_data();
    void dieselStrokeFactor();
    void dieselTwoStrokeDoublesPower();
    void dieselFailures_data();
    void dieselFailures();
    void dieselVerdict_data();
    void dieselVerdict();

    void brakeLifeDefaults();
    void brakeLifeSpeed_data();
    void brakeLifeSpeed();
    void brakeLifeFailures_data();
    void brakeLifeFailures();
    void thicknessCheck_data();
    void thicknessCheck();

    void brakeForceDefaults();
    void brakeWeightBands_data();
    void brakeWeightBands();
    void percentageLimits_data();
    void percentageLimits();
    void skidEdge_data();
    void skidEdge();
    void brakingDistanceAtStandstill();
    void brakeForceFailures_data();
    void brakeForceFailures();

    void fillGap_data();
    void fillGap();
    void conclusionsKeepTheirFixedText();

    void chartPointsFollowTheFormula_data();
    void chartPointsFollowTheFormula();
    void chartsMarkTheFieldsAndDescribeTheirShape();
    void percentageBarsCarryTheirVerdicts();
    void sanityNotes_data();
    void sanityNotes();
};

void TestCalculatorLogic::dieselDefaults()
{
    const DieselEvaluation ev = evaluateDiesel(defaultDiesel());
    QVERIFY(ev.succeeded());
    QVERIFY(!ev.failure);
    const QStringList expected
        = { QStringLiteral("10940,70"), QStringLiteral("9,33"), QStringLiteral("1812,86"),
              QStringLiteral("1254,35"), QStringLiteral("1813,77"), QStringLiteral("1812,86"),
              QStringLiteral("682,32"), QStringLiteral("137"), QStringLiteral("681,98"),
              QStringLiteral("0,00008821"), QStringLiteral("1,00"), QStringLiteral("-7,03") };
    for (int step = 0; step < DieselStepCount; ++step)
        QCOMPARE(formatFixed(ev.value[step], kDieselDecimals[step]), expected[step]);
    QCOMPARE(formatFixed(ev.value[N], 0), QStringLiteral("1813"));
}

void TestCalculatorLogic::dieselStrokeFactor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("factor");
    QTest::newRow("two stroke") << QStringLiteral("2") << 2.0 << 1.0;
    QTest::newRow("four stroke") << QStringLiteral("4") << 4.0 << 0.5;
    QTest::newRow("typed 3 is its own factor") << QStringLiteral("3") << 3.0 << 3.0;
    QTest::newRow("4,0 is not the text 4") << QStringLiteral("4,0") << 4.0 << 4.0;
    QTest::newRow("blank before 2 is not the text 2") << QStringLiteral(" 2") << 2.0 << 2.0;
}

void TestCalculatorLogic::dieselStrokeFactor()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(double, factor);
    QCOMPARE(strokeFactor(text, number), factor);
}

void TestCalculatorLogic::dieselTwoStrokeDoublesPower()
{
    DieselInputs in = defaultDiesel();
    const DieselEvaluation four = evaluateDiesel(in);
    in.a = strokeFactor(QStringLiteral("2"), 2);
    const DieselEvaluation two = evaluateDiesel(in);
    for (const DieselStep step : { N, T, Nme, Nmi })
        QVERIFY(qFuzzyCompare(two.value[step], 2 * four.value[step]));
    QCOMPARE(two.value[VL], four.value[VL]);
    QCOMPARE(two.value[C], four.value[C]);
}

void TestCalculatorLogic::dieselFailures_data()
{
    QTest::addColumn<DieselChange>("change");
    QTest::addColumn<int>("completed");
    QTest::addColumn<QString>("message");
    const QString byZero = QString::fromLatin1(dipo::fp::kDivisionByZero);
    QTest::newRow("no fuel used fails at ne")
        << DieselChange([](DieselInputs &in) { in.Gf = 0; }) << int(ne) << byZero;
    QTest::newRow("no heating value fails at ne")
        << DieselChange([](DieselInputs &in) { in.Qc = 0; }) << int(ne) << byZero;
    QTest::newRow("standing engine fails at Be")
        << DieselChange([](DieselInputs &in) { in.n = 0; }) << int(Be) << byZero;
    QTest::newRow("no indicated pressure fails at nm")
        << DieselChange([](DieselInputs &in) { in.Pi = 0; }) << int(nm) << byZero;
    QTest::newRow("no mean pressure fails at Be")
        << DieselChange([](DieselInputs &in) { in.Prata = 0; }) << int(Be) << byZero;
    QTest::newRow("huge bore overflows at VL")
        << DieselChange([](DieselInputs &in) { in.D = 1e308; }) << int(VL)
        << QString::fromLatin1(dipo::fp::kOverflow);
    QTest::newRow("huge mean pressure overflows at N")
        << DieselChange([](DieselInputs &in) { in.Prata = 1e308; }) << int(N)
        << QString::fromLatin1(dipo::fp::kOverflow);
}

void TestCalculatorLogic::dieselFailures()
{
    QFETCH(DieselChange, change);
    QFETCH(int, completed);
    QFETCH(QString, message);
    DieselInputs in = defaultDiesel();
    change(in);
    const DieselEvaluation ev = evaluateDiesel(in);
    QVERIFY(!ev.succeeded());
    QCOMPARE(ev.completed, completed);
    QVERIFY(ev.failure);
    QCOMPARE(ev.failure->message(), message);
}

void TestCalculatorLogic::dieselVerdict_data()
{
    QTest::addColumn<double>("persentase");
    QTest::addColumn<int>("verdict");
    QTest::newRow("below zero") << -0.01 << int(DieselVerdict::Decline);
    QTest::newRow("above zero") << 0.01 << int(DieselVerdict::Improvement);
    QTest::newRow("exactly zero") << 0.0 << int(DieselVerdict::Unchanged);
    QTest::newRow("negative zero") << -0.0 << int(DieselVerdict::Unchanged);
    QTest::newRow("smallest negative") << -5e-324 << int(DieselVerdict::Decline);
}

void TestCalculatorLogic::dieselVerdict()
{
    QFETCH(double, persentase);
    QFETCH(int, verdict);
    QCOMPARE(int(dipo::calc::dieselVerdict(persentase)), verdict);
}

void TestCalculatorLogic::brakeLifeDefaults()
{
    const BrakeLifeResults r = computeBrakeLife(defaultBrakeLife());
    QCOMPARE(formatGeneral(r.Kr), QStringLiteral("2430,36"));
    QCOMPARE(formatGeneral(r.Kj), QStringLiteral("405,06"));
    QCOMPARE(formatGeneral(r.Lp), QStringLiteral("405,06"));
    QCOMPARE(formatGeneral(r.Ak), QStringLiteral("32404,8"));
    QCOMPARE(formatGeneral(r.Vijin), QStringLiteral("1361001,6"));
    QCOMPARE(formatGeneral(r.Ap), QStringLiteral("0,04009466"));
    QVERIFY(formatGeneral(r.Npa).startsWith(QStringLiteral("808207,377")));
    QVERIFY(formatGeneral(r.J).startsWith(QStringLiteral("1234,385")));
    QVERIFY(formatGeneral(r.Vaus).startsWith(QStringLiteral("4948,0896")));
    QVERIFY(formatGeneral(r.Urem).startsWith(QStringLiteral("6,876")));
    QCOMPARE(formatFixed(r.Urem, 0), QStringLiteral("7"));
    QCOMPARE(formatFixed(r.hours, 0), QStringLiteral("165"));
}

void TestCalculatorLogic::brakeLifeSpeed_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<double>("factor");
    QTest::newRow("70") << QStringLiteral("70") << 500.0;
    QTest::newRow("80") << QStringLiteral("80") << 650.0;
    QTest::newRow("90") << QStringLiteral("90") << 700.0;
    QTest::newRow("100") << QStringLiteral("100") << 1000.0;
    QTest::newRow("typed 75") << QStringLiteral("75") << 0.0;
    QTest::newRow("blank before 70") << QStringLiteral(" 70") << 0.0;
    QTest::newRow("plus sign before 70") << QStringLiteral("+70") << 0.0;
}

void TestCalculatorLogic::brakeLifeSpeed()
{
    QFETCH(QString, speed);
    QFETCH(double, factor);
    QCOMPARE(speedFactor(speed), factor);
    if (factor == 0)
        return;
    BrakeLifeInputs in = defaultBrakeLife();
    const BrakeLifeResults at70 = computeBrakeLife(in);
    in.speed = speed;
    const BrakeLifeResults r = computeBrakeLife(in);
    const double ratio = factor / 500;
    QVERIFY(qFuzzyCompare(r.J, at70.J * ratio));
    QVERIFY(qFuzzyCompare(r.Vaus, at70.Vaus * ratio));
    QVERIFY(qFuzzyCompare(r.Urem, at70.Urem / ratio));
}

void TestCalculatorLogic::brakeLifeFailures_data()
{
    QTest::addColumn<BrakeLifeChange>("change");
    QTest::addColumn<QString>("message");
    const QString byZero = QString::fromLatin1(dipo::fp::kDivisionByZero);
    const QString invalid = QString::fromLatin1(dipo::fp::kInvalidOperation);
    QTest::newRow("unlisted speed fails at Urem")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.speed = QStringLiteral("75"); }) << byZero;
    QTest::newRow("unlisted speed with T equal Tmin is 0/0") << BrakeLifeChange(
        [](BrakeLifeInputs &in) {
            in.speed = QStringLiteral("75");
            in.Tmin = in.T;
        }) << invalid;
    QTest::newRow("no particle size fails at Npa")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.Da = 0; }) << byZero;
    QTest::newRow("no arc angle fails at J")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.Q = 0; }) << byZero;
    QTest::newRow("no wheel fails at J")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.D = 0; }) << byZero;
    QTest::newRow("no hardness fails at Vaus")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.H = 0; }) << byZero;
    QTest::newRow("no braking fails at Urem")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.Frem = 0; }) << byZero;
    QTest::newRow("no trips fails at Urem")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.Fj = 0; }) << byZero;
    QTest::newRow("huge wheel overflows")
        << BrakeLifeChange([](BrakeLifeInputs &in) { in.D = 1e308; })
        << QString::fromLatin1(dipo::fp::kOverflow);
}

void TestCalculatorLogic::brakeLifeFailures()
{
    QFETCH(BrakeLifeChange, change);
    QFETCH(QString, message);
    BrakeLifeInputs in = defaultBrakeLife();
    change(in);
    try {
        computeBrakeLife(in);
        QFAIL("the calculation should have failed");
    } catch (const dipo::MathError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestCalculatorLogic::thicknessCheck_data()
{
    QTest::addColumn<QString>("tmin");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<bool>("warns");
    QTest::newRow("equal") << QStringLiteral("50") << QStringLiteral("50") << true;
    QTest::newRow("above") << QStringLiteral("51") << QStringLiteral("50") << true;
    QTest::newRow("equal with decimals") << QStringLiteral("50,0") << QStringLiteral("50") << true;
    QTest::newRow("below") << QStringLiteral("8") << QStringLiteral("50") << false;
    QTest::newRow("first digit of 50") << QStringLiteral("5") << QStringLiteral("50") << false;
    QTest::newRow("both empty") << QString() << QString() << false;
    QTest::newRow("lone minus") << QStringLiteral("-") << QStringLiteral("50") << false;
    QTest::newRow("thickness empty") << QStringLiteral("60") << QString() << false;
    QTest::newRow("dot in comma locale") << QStringLiteral("60.5") << QStringLiteral("50") << false;
}

void TestCalculatorLogic::thicknessCheck()
{
    QFETCH(QString, tmin);
    QFETCH(QString, thickness);
    QFETCH(bool, warns);
    QCOMPARE(thicknessTooLarge(tmin, thickness), warns);
}

void TestCalculatorLogic::brakeForceDefaults()
{
    const BrakeForceEvaluation ev = evaluateBrakeForce(defaultBrakeForce());
    QVERIFY(ev.succeeded());
    const QStringList expected = { QStringLiteral("10,70"), QStringLiteral("2634,00"),
        QStringLiteral("26594,93"), QStringLiteral("1662,18"), QStringLiteral("33775,56"),
        QStringLiteral("67,06"), QStringLiteral("74,92"), QStringLiteral("95,14"),
        QStringLiteral("85,16"), QStringLiteral("315,71") };
    for (int step = 0; step < BrakeForceStepCount; ++step)
        QCOMPARE(formatFixed(ev.value[step], 2), expected[step]);
    QCOMPARE(brakeWeightFactor(ev.value[Pb]), 1.27);
    QVERIFY(!ev.skid);
    QVERIFY(emptyBlockPressureSatisfies(ev.value[nk]));
    QVERIFY(!fullBlockPressureSatisfies(ev.value[np]));
    QVERIFY(emptyBrakeWeightSatisfies(ev.value[pak]));
    QVERIFY(fullBrakeWeightSatisfies(ev.value[pap]));
}

void TestCalculatorLogic::brakeWeightBands_data()
{
    QTest::addColumn<double>("pb");
    QTest::addColumn<double>("factor");
    QTest::newRow("negative force") << -10.0 << 1.58;
    QTest::newRow("just below 700") << 699.99 << 1.58;
    QTest::newRow("700") << 700.0 << 1.5;
    QTest::newRow("just below 1000") << 999.99 << 1.5;
    QTest::newRow("1000") << 1000.0 << 1.37;
    QTest::newRow("1500") << 1500.0 << 1.27;
    QTest::newRow("2000") << 2000.0 << 1.19;
    QTest::newRow("2500") << 2500.0 << 1.13;
    QTest::newRow("just below 3000") << 2999.99 << 1.13;
    QTest::newRow("3000") << 3000.0 << 1.1;
    QTest::newRow("3500") << 3500.0 << 1.1;
    QTest::newRow("just above 3500") << 3500.01 << 1.05;
}

void TestCalculatorLogic::brakeWeightBands()
{
    QFETCH(double, pb);
    QFETCH(double, factor);
    QCOMPARE(brakeWeightFactor(pb), factor);
    // The factor weighs the total force P, not the force per block.
    const BrakeForceEvaluation ev = evaluateBrakeForce(roundBrakeForce(pb));
    QVERIFY(qFuzzyCompare(ev.value[Pb], pb));
    QCOMPARE(ev.value[B], dipo::fp::store(dipo::fp::Ext(ev.value[P]) * factor));
}

void TestCalculatorLogic::percentageLimits_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("satisfies");
    QTest::newRow("np 80") << int(np) << 80.0 << true;
    QTest::newRow("np just below 80") << int(np) << 79.99 << false;
    QTest::newRow("nk 100") << int(nk) << 100.0 << true;
    QTest::newRow("nk just above 100") << int(nk) << 100.01 << false;
    QTest::newRow("pak 120") << int(pak) << 120.0 << true;
    QTest::newRow("pak just above 120") << int(pak) << 120.01 << false;
    QTest::newRow("pap 50") << int(pap) << 50.0 << true;
    QTest::newRow("pap just below 50") << int(pap) << 49.99 << false;
}

void TestCalculatorLogic::percentageLimits()
{
    QFETCH(int, which);
    QFETCH(double, value);
    QFETCH(bool, satisfies);
    switch (which) {
    case np:
        QCOMPARE(fullBlockPressureSatisfies(value), satisfies);
        break;
    case nk:
        QCOMPARE(emptyBlockPressureSatisfies(value), satisfies);
        break;
    case pak:
        QCOMPARE(emptyBrakeWeightSatisfies(value), satisfies);
        break;
    default:
        QCOMPARE(fullBrakeWeightSatisfies(value), satisfies);
    }
}

void TestCalculatorLogic::skidEdge_data()
{
    QTest::addColumn<double>("fh");
    QTest::addColumn<bool>("skid");
    // Pb = 500, W = 1000, M = 0.5: the adhesion limit is Fh * 2000.
    QTest::newRow("limit equal to Pb") << 0.25 << false;
    QTest::newRow("limit above Pb") << 0.5 << false;
    QTest::newRow("limit below Pb") << 0.125 << true;
}

void TestCalculatorLogic::skidEdge()
{
    QFETCH(double, fh);
    QFETCH(bool, skid);
    BrakeForceInputs in = roundBrakeForce(500);
    in.Gk = 500;
    in.Gp = 500;
    in.M = 0.5;
    in.Fh = fh;
    const BrakeForceEvaluation ev = evaluateBrakeForce(in);
    QVERIFY(ev.succeeded());
    QCOMPARE(ev.value[Pb], 500.0);
    QCOMPARE(ev.skid, skid);
}

void TestCalculatorLogic::brakingDistanceAtStandstill()
{
    BrakeForceInputs in = defaultBrakeForce();
    in.V = 0;
    const BrakeForceEvaluation ev = evaluateBrakeForce(in);
    QVERIFY(ev.succeeded());
    QCOMPARE(ev.value[Sa], 0.0);
}

void TestCalculatorLogic::brakeForceFailures_data()
{
    QTest::addColumn<BrakeForceChange>("change");
    QTest::addColumn<int>("completed");
    QTest::addColumn<QString>("message");
    const QString byZero = QString::fromLatin1(dipo::fp::kDivisionByZero);
    QTest::newRow("no lower lever fails at i")
        << BrakeForceChange([](BrakeForceInputs &in) { in.b = 0; }) << int(i) << byZero;
    QTest::newRow("no wheels is 0/0 at Pb")
        << BrakeForceChange([](BrakeForceInputs &in) { in.ia = 0; }) << int(Pb)
        << QString::fromLatin1(dipo::fp::kInvalidOperation);
    QTest::newRow("no full load fails at np")
        << BrakeForceChange([](BrakeForceInputs &in) { in.Gp = 0; }) << int(np) << byZero;
    QTest::newRow("no empty load fails at nk")
        << BrakeForceChange([](BrakeForceInputs &in) { in.Gk = 0; }) << int(nk) << byZero;
    QTest::newRow("no friction fails at Sa")
        << BrakeForceChange([](BrakeForceInputs &in) { in.M = 0; }) << int(Sa) << byZero;
    QTest::newRow("huge piston overflows at K")
        << BrakeForceChange([](BrakeForceInputs &in) { in.Ae = 1e308; }) << int(K)
        << QString::fromLatin1(dipo::fp::kOverflow);
}

void TestCalculatorLogic::brakeForceFailures()
{
    QFETCH(BrakeForceChange, change);
    QFETCH(int, completed);
    QFETCH(QString, message);
    BrakeForceInputs in = defaultBrakeForce();
    change(in);
    const BrakeForceEvaluation ev = evaluateBrakeForce(in);
    QVERIFY(!ev.succeeded());
    QCOMPARE(ev.completed, completed);
    QVERIFY(ev.failure);
    QCOMPARE(ev.failure->message(), message);
}

void TestCalculatorLogic::fillGap_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("filled");
    QTest::newRow("gap inside the line")
        << QStringLiteral("sebesar                PK, ") << QStringLiteral("sebesar")
        << QStringLiteral("1813") << QStringLiteral("sebesar 1813 PK, ");
    QTest::newRow("anchor at the end")
        << QStringLiteral("  katup sebesar") << QStringLiteral("sebesar") << QStringLiteral("9,33")
        << QStringLiteral("  katup sebesar 9,33");
    QTest::newRow("trailing gap") << QStringLiteral("   = 1 %, yang berarti          ")
                                  << QStringLiteral("yang berarti") << QStringLiteral("memuaskan")
                                  << QStringLiteral("   = 1 %, yang berarti memuaskan");
    QTest::newRow("verdict ending with a blank")
        << QStringLiteral("x adalah") << QStringLiteral("adalah")
        << QStringLiteral("tidak terjadi skid ") << QStringLiteral("x adalah tidak terjadi skid ");
    QTest::newRow("empty value keeps the line")
        << QStringLiteral("adalah      Hari,") << QStringLiteral("adalah") << QString()
        << QStringLiteral("adalah      Hari,");
    QTest::newRow("negative number")
        << QStringLiteral("adalah   % yang") << QStringLiteral("adalah") << QStringLiteral("-1,37")
        << QStringLiteral("adalah -1,37 % yang");
}

void TestCalculatorLogic::fillGap()
{
    QFETCH(QString, line);
    QFETCH(QString, anchor);
    QFETCH(QString, value);
    QFETCH(QString, filled);
    QCOMPARE(dipo::calc::fillGap(line, anchor, value), filled);
}

void TestCalculatorLogic::conclusionsKeepTheirFixedText()
{
    DieselConclusion d;
    d.power = QStringLiteral("1813");
    d.percentage = QStringLiteral("-1,37");
    d.verdict = QStringLiteral("V");
    d.pistonSpeed = QStringLiteral("9,33");
    d.fuelRate = QStringLiteral("0,00008821");
    d.mechanicalEfficiency = QStringLiteral("1,00");
    const QStringList diesel = dieselConclusionLines(d);
    QCOMPARE(diesel.size(), 9);
    QCOMPARE(diesel[1],
        QStringLiteral("*Dari masukan data tersebut diperkirakan daya yang dihasilkan oleh "
                       "mesin/motor diesel tersebut sebesar 1813 PK, "));
    QCOMPARE(diesel[2],
        QStringLiteral("*persentase peningkatan kinerjannya adalah -1,37 % yang berarti V"));
    QCOMPARE(diesel[4], QStringLiteral("  maksimum pada proses pengerak katup sebesar 9,33"));
    QCOMPARE(diesel[7], QStringLiteral("           "));
    QCOMPARE(diesel[8], QString());

    const QStringList life = brakeLifeConclusionLines(QStringLiteral("7"), QStringLiteral("165"));
    QCOMPARE(life[2], QStringLiteral("pengantiannya adalah 7 Hari, atau sekitar 165 jam"));

    BrakeForceConclusion b;
    b.emptyPressure = QStringLiteral("74,92");
    b.emptyPressureVerdict = QStringLiteral("memuaskan");
    b.fullWeight = QStringLiteral("85,16");
    b.fullWeightVerdict = QStringLiteral("memuaskan");
    const QStringList force = brakeForceConclusionLines(b);
    QCOMPARE(force[2],
        QString(QString(23, QLatin1Char(' '))
            + QStringLiteral("pada keadaan kereta kosong = 74,92 %, yang berarti "
                             "memuaskan")));
    // Lines whose values are not there yet keep their gaps.
    QVERIFY(force[3].contains(QString(25, QLatin1Char(' ')) + QStringLiteral("%, yang berarti")));
    QCOMPARE(force[6],
        QString(QString(23, QLatin1Char(' '))
            + QStringLiteral("pada keadaan kereta penuh   = 85,16 %, yang "
                             "berarti memuaskan")));
}

namespace {

// The chart's y at this x, or NaN when it has no point there.
double pointAt(const Chart &chart, int line, double x)
{
    for (const QPointF &p : chart.lines.at(line).points) {
        if (qFuzzyCompare(p.x() + 1, x + 1))
            return p.y();
    }
    return qQNaN();
}

enum ChartKind { Distance, Thickness, Trips, Power, Torque };

} // namespace

void TestCalculatorLogic::chartPointsFollowTheFormula_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("x");
    QTest::newRow("distance standing") << int(Distance) << 0.0;
    QTest::newRow("distance at 70 km/h") << int(Distance) << 70.0;
    QTest::newRow("distance at 100 km/h") << int(Distance) << 100.0;
    QTest::newRow("distance at 120 km/h, the end") << int(Distance) << 120.0;
    QTest::newRow("thickness new") << int(Thickness) << 0.0;
    QTest::newRow("life at one trip") << int(Trips) << 1.0;
    QTest::newRow("life at five trips") << int(Trips) << 5.0;
    QTest::newRow("life at ten trips") << int(Trips) << 10.0;
    QTest::newRow("power at 40 %") << int(Power) << 420.0;
    QTest::newRow("power at 120 %") << int(Power) << 1260.0;
    QTest::newRow("torque at 80 %") << int(Torque) << 840.0;
}

void TestCalculatorLogic::chartPointsFollowTheFormula()
{
    QFETCH(int, kind);
    QFETCH(double, x);
    double expected = 0;
    double drawn = 0;
    if (kind == Distance) {
        BrakeForceInputs in = defaultBrakeForce();
        const Chart chart = brakeDistanceChart(in, evaluateBrakeForce(in));
        drawn = pointAt(chart, 0, x);
        in.V = x;
        expected = evaluateBrakeForce(in).value[Sa];
    } else if (kind == Thickness || kind == Trips) {
        BrakeLifeInputs in = defaultBrakeLife();
        const BrakeLifeResults r = computeBrakeLife(in);
        if (kind == Thickness) {
            drawn = pointAt(thicknessChart(in, r), 0, x);
            expected = in.T;
        } else {
            drawn = pointAt(lifeByTripsChart(in, r), 0, x);
            in.Fj = x;
            expected = computeBrakeLife(in).Urem;
        }
    } else {
        DieselInputs in = defaultDiesel();
        const Chart chart = dieselChart(in, evaluateDiesel(in));
        drawn = pointAt(chart, kind == Power ? 0 : 1, x);
        in.n = x;
        expected = evaluateDiesel(in).value[kind == Power ? N : T];
    }
    QCOMPARE(drawn, expected);
}

void TestCalculatorLogic::chartsMarkTheFieldsAndDescribeTheirShape()
{
    const BrakeForceInputs force = defaultBrakeForce();
    const BrakeForceEvaluation ev = evaluateBrakeForce(force);
    const Chart distance = brakeDistanceChart(force, ev);
    QCOMPARE(distance.marks.constFirst().at, QPointF(70, ev.value[Sa]));
    QCOMPARE(distance.lines.constFirst().points.constLast().x(), 120.0);
    QCOMPARE(distance.description,
        QStringLiteral("jarak pengereman naik dari 0 m pada 0 km/jam sampai %1 m pada 120 km/jam; "
                       "pada 70 km/jam %2 m")
            .arg(formatFixed(distance.lines.constFirst().points.constLast().y(), 0),
                formatFixed(ev.value[Sa], 2)));
    QCOMPARE(distance.tableRows.size(), distance.lines.constFirst().points.size());
    // A fast train: the speeds run to half as much again as its own.
    BrakeForceInputs fast = force;
    fast.V = 150;
    QCOMPARE(brakeDistanceChart(fast, evaluateBrakeForce(fast))
                 .lines.constFirst()
                 .points.constLast()
                 .x(),
        230.0);

    const BrakeLifeInputs life = defaultBrakeLife();
    const BrakeLifeResults r = computeBrakeLife(life);
    const Chart thickness = thicknessChart(life, r);
    // Worn to the minimum on the replacement day, where the mark is.
    QCOMPARE(thickness.lines.constFirst().points.constLast(), QPointF(r.Urem, life.Tmin));
    QCOMPARE(thickness.marks.constFirst().at, QPointF(r.Urem, life.Tmin));
    QVERIFY2(thickness.description.startsWith(
                 QStringLiteral("tebal blok rem turun dari 50 mm pada hari 0 sampai 8 mm")),
        qPrintable(thickness.description));
    QCOMPARE(lifeByTripsChart(life, r).marks.constFirst().at, QPointF(4, r.Urem));

    const DieselInputs diesel = defaultDiesel();
    const DieselEvaluation dev = evaluateDiesel(diesel);
    const Chart power = dieselChart(diesel, dev);
    QCOMPARE(power.marks.constFirst().at, QPointF(1050, dev.value[N]));
    QCOMPARE(power.lines.at(2).points.constFirst().y(), 1950.0); // Nawal
    QVERIFY2(power.description.contains(QStringLiteral("pada 1050 rpm 1812,86 PK")),
        qPrintable(power.description));

    // The chart's numbers follow the separator in force.
    dipo::number::setDecimalSeparator(QLatin1Char('.'));
    QVERIFY(dieselChart(diesel, dev).description.contains(QStringLiteral("1812.86 PK")));
    QCOMPARE(dieselChart(diesel, dev).decimalSeparator, QLatin1Char('.'));
}

void TestCalculatorLogic::percentageBarsCarryTheirVerdicts()
{
    const Chart bars = brakePercentChart(evaluateBrakeForce(defaultBrakeForce()));
    QCOMPARE(bars.bars.size(), 4);
    const QList<double> limits { 100, 120, 80, 50 };
    for (int k = 0; k < 4; ++k)
        QCOMPARE(bars.bars.at(k).limit, limits.at(k));
    const BrakeForceEvaluation ev = evaluateBrakeForce(defaultBrakeForce());
    QCOMPARE(bars.bars.at(0).value, ev.value[nk]);
    QCOMPARE(bars.bars.at(0).satisfies, emptyBlockPressureSatisfies(ev.value[nk]));
    QCOMPARE(bars.bars.at(2).satisfies, fullBlockPressureSatisfies(ev.value[np]));
    QCOMPARE(bars.tableRows.at(2).last(),
        QString::fromLatin1(fullBlockPressureSatisfies(ev.value[np]) ? "memuaskan"
                                                                     : "kurang memuaskan"));
}

void TestCalculatorLogic::sanityNotes_data()
{
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QStringList>("expected");
    const QString efficiency = QStringLiteral(
        "efisiensi lebih dari 100 %: periksa Gf, pemakaian bahan bakar seluruh mesin dalam kg/jam");
    DieselInputs diesel = defaultDiesel();
    QTest::newRow("diesel defaults: Gf is specific")
        << dieselNotes(evaluateDiesel(diesel)) << QStringList { efficiency };
    // A realistic engine: 320 kg of fuel an hour, indicated pressure above the effective.
    diesel.Gf = 320;
    diesel.Pi = 21;
    QTest::newRow("diesel realistic") << dieselNotes(evaluateDiesel(diesel)) << QStringList();
    diesel.Pi = 15;
    QTest::newRow("diesel indicated below effective")
        << dieselNotes(evaluateDiesel(diesel))
        << QStringList { QStringLiteral(
               "efisiensi mekanik lebih dari 100 %: periksa Pi-rata, harus lebih besar dari Prata") };

    BrakeLifeInputs life = defaultBrakeLife();
    QTest::newRow("brake life defaults")
        << brakeLifeNotes(life, computeBrakeLife(life)) << QStringList();
    life.Fj = 40;
    QTest::newRow("brake life worn within a day")
        << brakeLifeNotes(life, computeBrakeLife(life))
        << QStringList { QStringLiteral("umur rem kurang dari sehari: periksa Pb, H, Frem dan Fj") };
    life = defaultBrakeLife();
    life.Tmin = life.T + 5; // no wear allowed: a negative life, whatever the load
    QTest::newRow("brake life, minimum above the thickness")
        << brakeLifeNotes(life, computeBrakeLife(life))
        << QStringList { QStringLiteral(
               "tebal minimum tidak kurang dari tebal kampas: periksa T dan Tmin") };

    BrakeForceInputs force = defaultBrakeForce();
    QTest::newRow("brake force defaults")
        << brakeForceNotes(evaluateBrakeForce(force)) << QStringList();
    force.Kf = 5000; // the spring beats the piston
    QTest::newRow("brake force negative")
        << brakeForceNotes(evaluateBrakeForce(force))
        << QStringList { QStringLiteral("gaya efektif negatif: periksa Ae, Pmaks dan Kf"),
               QStringLiteral("gaya tekan negatif: periksa Emaks, Qs dan ia"),
               QStringLiteral("jarak pengereman negatif: periksa M, V dan gaya tekan") };
}

void TestCalculatorLogic::sanityNotes()
{
    QFETCH(QStringList, notes);
    QFETCH(QStringList, expected);
    QCOMPARE(notes, expected);
}

QTEST_GUILESS_MAIN(TestCalculatorLogic)
#include "tst_calclogic.moc"
