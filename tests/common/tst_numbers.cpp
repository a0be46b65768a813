// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing numbers, checked arithmetic and the error text rule.
#include "common/errorreport.h"
#include "common/logic/fpeval.h"
#include "common/logic/localenumber.h"
#include "tests/testlocale.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace dipo;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString problem = dipo::test::localeProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    void init() { number::setDecimalSeparator(QLatin1Char(',')); }
    void cleanupTestCase() { number::initFromSystem(); }

    void readsFloat_data();
    void readsFloat();
    void refusesFloat_data();
    void refusesFloat();
    void readsInteger_data();
    void readsInteger();
    void formatsGeneral_data();
    void formatsGeneral();
    void generalReadsBack_data();
    void generalReadsBack();
    void formatsMasks_data();
    void formatsMasks();
    void faultsStopFormulas_data();
    void faultsStopFormulas();
    void extendedIntermediates();
    void appendsFullStop_data();
    void appendsFullStop();
    void separatorFromRegionalSettings();
};

void TestNumbers::readsFloat_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QChar comma = QLatin1Char(','), dot = QLatin1Char('.');
    QTest::newRow("comma default text") << comma << "0,16" << 0.16;
    QTest::newRow("comma blanks around") << comma << "  26,67  " << 26.67;
    QTest::newRow("comma plus sign") << comma << "+3" << 3.0;
    QTest::newRow("comma minus sign") << comma << "-1661,48" << -1661.48;
    QTest::newRow("comma lone separator") << comma << "," << 0.0;
    QTest::newRow("comma signed lone separator") << comma << "-," << 0.0;
    QTest::newRow("comma leading separator") << comma << ",5" << 0.5;
    QTest::newRow("comma trailing separator") << comma << "5," << 5.0;
    QTest::newRow("comma exponent") << comma << "1,5E-2" << 0.015;
    QTest::newRow("comma exponent lower case with plus") << comma << "2e+2" << 200.0;
    QTest::newRow("comma largest double") << comma << "1,7976931348623157e308" << DBL_MAX;
    QTest::newRow("comma underflow reads as zero") << comma << "1e-400" << 0.0;
    QTest::newRow("comma minus zero") << comma << "-0" << 0.0;
    QTest::newRow("dot default text") << dot << "0.16" << 0.16;
    QTest::newRow("dot blanks and sign") << dot << " -2.5 " << -2.5;
    QTest::newRow("dot lone separator") << dot << "." << 0.0;
    QTest::newRow("dot exponent") << dot << "1.5e3" << 1500.0;
}

void TestNumbers::readsFloat()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(double, expected);
    number::setDecimalSeparator(separator);
    QCOMPARE(number::toFloat(text), expected);
}

void TestNumbers::refusesFloat_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    const QChar comma = QLatin1Char(','), dot = QLatin1Char('.');
    QTest::newRow("empty") << comma << "";
    QTest::newRow("blanks only") << comma << "   ";
    QTest::newRow("lone plus") << comma << "+";
    QTest::newRow("lone minus") << comma << "-";
    QTest::newRow("exponent without mantissa") << comma << "e5";
    QTest::newRow("separator and exponent only") << comma << ",e5";
    QTest::newRow("exponent without digits") << comma << "1e";
    QTest::newRow("exponent sign without digits") << comma << "1e+";
    QTest::newRow("dot in comma locale") << comma << "0.16";
    QTest::newRow("thousands separator in comma locale") << comma << "1.000,5";
    QTest::newRow("two separators") << comma << "1,000,5";
    QTest::newRow("inner blank") << comma << "1 000";
    QTest::newRow("letters") << comma << "abc";
    QTest::newRow("trailing letters") << comma << "12abc";
    QTest::newRow("two signs") << comma << "+-1";
    QTest::newRow("too large") << comma << "1e309";
    QTest::newRow("too large negative") << comma << "-2e308";
    QTest::newRow("tab is no blank") << comma << "\t1";
    QTest::newRow("comma in dot locale") << dot << "0,16";
    QTest::newRow("thousands separator in dot locale") << dot << "1,000.5";
}

void TestNumbers::refusesFloat()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    number::setDecimalSeparator(separator);
    try {
        number::toFloat(text);
        QFAIL("the text converted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumbers::readsInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << "100" << true << 100;
    QTest::newRow("leading blanks") << "  75" << true << 75;
    QTest::newRow("signs") << "-5" << true << -5;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("decimal") << "1,5" << false << 0;
    QTest::newRow("exponent") << "1e2" << false << 0;
    QTest::newRow("trailing blank") << "75 " << false << 0;
    QTest::newRow("lone sign") << "-" << false << 0;
}

void TestNumbers::readsInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    if (valid) {
        QCOMPARE(number::toInteger(text), expected);
        return;
    }
    try {
        number::toInteger(text);
        QFAIL("the text converted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumbers::formatsGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("dot");

    QTest::newRow("zero") << 0.0 << "0" << "0";
    QTest::newRow("minus zero") << -0.0 << "0" << "0";
    QTest::newRow("whole") << 100.0 << "100" << "100";
    QTest::newRow("decimals") << 0.16 << "0,16" << "0.16";
    QTest::newRow("negative") << -2.5 << "-2,5" << "-2.5";
    QTest::newRow("a third to 15 digits") << 1.0 / 3 << "0,333333333333333" << "0.333333333333333";
    QTest::newRow("two thirds rounded") << 2.0 / 3 << "0,666666666666667" << "0.666666666666667";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0,3" << "0.3";
    QTest::newRow("15 integer digits stay fixed") << 123456789012345.0 << "123456789012345" << "123456789012345";
    QTest::newRow("16 integer digits go scientific") << 1234567890123456.0 << "1,23456789012346E15" << "1.23456789012346E15";
    QTest::newRow("rounding up to 16 digits") << 999999999999999.9 << "1E15" << "1E15";
    QTest::newRow("smallest fixed") << 0.0001 << "0,0001" << "0.0001";
    QTest::newRow("below 0.0001") << 0.00009 << "9E-5" << "9E-5";
    QTest::newRow("negative small") << -0.000015 << "-1,5E-5" << "-1.5E-5";
    QTest::newRow("large exponent") << 1.5e300 << "1,5E300" << "1.5E300";
    QTest::newRow("tiny") << 1e-10 << "1E-10" << "1E-10";
}

void TestNumbers::formatsGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, comma);
    QFETCH(QString, dot);
    QCOMPARE(number::formatGeneral(value), comma);
    number::setDecimalSeparator(QLatin1Char('.'));
    QCOMPARE(number::formatGeneral(value), dot);
}

void TestNumbers::generalReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("comma");

    const double largest = DBL_MAX;
    const double below = std::nextafter(largest, 0.0);
    QTest::newRow("largest double") << largest << "1,79769313486231E308";
    QTest::newRow("one below the largest") << below << "1,79769313486231E308";
    QTest::newRow("three below the largest")
        << std::nextafter(std::nextafter(below, 0.0), 0.0) << "1,79769313486231E308";
    QTest::newRow("largest negative") << -largest << "-1,79769313486231E308";
    QTest::newRow("rounds up below the cut") << 1.7976931348623149e308 << "1,79769313486231E308";
    QTest::newRow("smallest normal") << DBL_MIN << "2,2250738585072E-308";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min()
                                        << "4,94065645841247E-324";
}

void TestNumbers::generalReadsBack()
{
    QFETCH(double, value);
    QFETCH(QString, comma);
    for (const QChar separator : { QLatin1Char(','), QLatin1Char('.') }) {
        number::setDecimalSeparator(separator);
        const QString written = number::formatGeneral(value);
        QCOMPARE(written, QString(comma).replace(QLatin1Char(','), separator));
        double read = 0;
        QVERIFY2(number::tryToFloat(written, &read), qPrintable(written));
        QCOMPARE(number::formatGeneral(read), written);
    }
}

void TestNumbers::formatsMasks_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals padded") << 0.5 << 2 << "0,50";
    QTest::newRow("two decimals zero") << 0.0 << 2 << "0,00";
    QTest::newRow("exact half rounds away from zero") << 0.125 << 2 << "0,13";
    QTest::newRow("negative exact half") << -0.125 << 2 << "-0,13";
    QTest::newRow("below half in binary") << 1.005 << 2 << "1,00";
    QTest::newRow("carry into integer") << 9.999 << 2 << "10,00";
    QTest::newRow("small negative shows no minus") << -0.001 << 2 << "0,00";
    QTest::newRow("large value keeps every digit") << 1e20 << 2 << "100000000000000000000,00";
    QTest::newRow("negative large") << -123456.789 << 2 << "-123456,79";
    QTest::newRow("eight decimals") << 0.16 << 8 << "0,16000000";
    QTest::newRow("eight decimals of a third") << 1.0 / 3 << 8 << "0,33333333";
    QTest::newRow("eight decimals rounded") << 2.0 / 3 << 8 << "0,66666667";
    QTest::newRow("eight decimals beyond 18 digits") << 123456789.123456789 << 8 << "123456789,12345679";
    QTest::newRow("no decimals") << 1661.48 << 0 << "1661";
    QTest::newRow("no decimals half") << 2.5 << 0 << "3";
    QTest::newRow("no decimals negative half") << -2.5 << 0 << "-3";
    QTest::newRow("no decimals below one") << 0.4 << 0 << "0";
}

void TestNumbers::formatsMasks()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(number::formatFixed(value, decimals), expected);
    number::setDecimalSeparator(QLatin1Char('.'));
    QCOMPARE(number::formatFixed(value, decimals), QString(expected).replace(QLatin1Char(','), QLatin1Char('.')));
}

void TestNumbers::faultsStopFormulas_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<QString>("message");

    QTest::newRow("non-zero over zero") << 0 << "Floating point division by zero";
    QTest::newRow("negative over zero") << 1 << "Floating point division by zero";
    QTest::newRow("zero over zero") << 2 << "Invalid floating point operation";
    QTest::newRow("root of a negative") << 3 << "Invalid floating point operation";
    QTest::newRow("stored result too large for a double") << 4 << "Floating point overflow";
    QTest::newRow("extended result too large") << 5 << "Floating point overflow";
}

void TestNumbers::faultsStopFormulas()
{
    QFETCH(int, formula);
    QFETCH(QString, message);
    using fp::Ext;
    int stepsDone = 0;
    try {
        switch (formula) {
        case 0: fp::store(Ext(5.0) / Ext(0.0)); break;
        case 1: fp::store(Ext(-5.0) / Ext(0.0)); break;
        case 2: fp::store(Ext(0.0) / Ext(0.0)); break;
        case 3: fp::store(fp::sqrt(Ext(-1.0))); break;
        case 4: fp::store(Ext(1e308) * Ext(10.0)); break;
        case 5: fp::store(Ext(1e4000L) * Ext(1e4000L)); break;
        }
        ++stepsDone;
        QFAIL("no fault raised");
    } catch (const MathError &error) {
        QCOMPARE(error.message(), message);
        QCOMPARE(stepsDone, 0);
    }
}

void TestNumbers::extendedIntermediates()
{
    using fp::Ext;
    // Inside one formula the intermediate may exceed a double's range...
    QCOMPARE(fp::store(Ext(1e308) * Ext(10.0) / Ext(100.0)), 1e307);
    // ...and underflow passes silently.
    QCOMPARE(fp::store(Ext(1e-308) * Ext(1e-308)), 0.0);
    QVERIFY(!std::signbit(fp::store(Ext(2.0) - Ext(2.0))));
}

void TestNumbers::appendsFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << "Floating point overflow" << "Floating point overflow.";
    QTest::newRow("digit") << "value 5" << "value 5.";
    QTest::newRow("quote sorts before the stop") << "'x' is not a valid floating point value"
                                                  << "'x' is not a valid floating point value.";
    QTest::newRow("closing quote") << "'a'" << "'a'";
    QTest::newRow("full stop already") << "done." << "done.";
    QTest::newRow("exclamation mark") << "stop!" << "stop!";
    QTest::newRow("parenthesis") << "(x)" << "(x)";
    QTest::newRow("slash sorts after the stop") << "a/" << "a/.";
    QTest::newRow("path") << "Cannot open file /x/ker3.jpg" << "Cannot open file /x/ker3.jpg.";
    QTest::newRow("empty") << "" << "";
}

void TestNumbers::appendsFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorreport::displayText(message), shown);

    QString caption, text;
    errorreport::setSink([&](const QString &c, const QString &t) { caption = c, text = t; });
    int after = 0;
    errorreport::guard([&] {
        throw Error(message);
        ++after; // never reached: the handler ends at the failing step
    });
    errorreport::setSink({});
    QCOMPARE(text, shown);
    QVERIFY(!caption.isEmpty());
    QCOMPARE(after, 0);
}

void TestNumbers::separatorFromRegionalSettings()
{
    QLocale::setDefault(QLocale::c());
    number::initFromSystem();
    const QChar fromSystem = number::decimalSeparator();
    QCOMPARE(fromSystem, QLocale::system().decimalPoint().at(0));
    if (!test::separatorOfWantedLocale().isNull())
        QCOMPARE(fromSystem, test::separatorOfWantedLocale());
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
