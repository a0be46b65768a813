// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator windows as a user drives them: typing, PROSES, REPLACE, CLOSE, the
// thickness dialog and the check box that opens the brake force window.
#include "calculators/calcextras.h"
#include "calculators/dialog1.h"
#include "calculators/dm.h"
#include "calculators/gayrem.h"
#include "calculators/grafik.h"
#include "calculators/umurrem.h"
#include "common/errorreport.h"
#include "common/logic/localenumber.h"
#include "common/richtextbox.h"
#include "tests/testlocale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The error box's texts, read through the report's sink.
struct Errors
{
    QStringList texts;
    Errors()
    {
        dipo::errorreport::setSink([this](const QString &, const QString &text) { texts << text; });
    }
    ~Errors() { dipo::errorreport::setSink({}); }
};

template <typename T = QLineEdit> T *control(QWidget *window, const char *name)
{
    T *child = window->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return child;
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

// Types a number written with a comma in the separator in force.
void type(QWidget *window, const char *field, const char *text)
{
    QString t = QString::fromLatin1(text);
    t.replace(QLatin1Char(','), dipo::number::decimalSeparator());
    QLineEdit *edit = control(window, field);
    edit->clear();
    QTest::keyClicks(edit, t);
}

void typeCombo(QWidget *window, const char *combo, const QString &text)
{
    QComboBox *box = control<QComboBox>(window, combo);
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

QStringList texts(QWidget *window, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result << window->findChild<QLineEdit *>(name)->text();
    return result;
}

// A null separator: the one the system's regional settings give, as at start-up, which
// for a run under a chosen locale must be that locale's.
void useSeparator(QChar separator)
{
    if (!separator.isNull()) {
        dipo::number::setDecimalSeparator(separator);
        return;
    }
    dipo::number::initFromSystem();
    const QChar expected = dipo::test::separatorOfWantedLocale();
    if (!expected.isNull())
        QCOMPARE(dipo::number::decimalSeparator(), expected);
}

QStringList localised(QStringList values)
{
    for (QString &v : values)
        v.replace(QLatin1Char(','), dipo::number::decimalSeparator());
    return values;
}

QString s(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '));
}

// In the order the diesel results are computed.
const QStringList kDieselResults
    = names("Edit2 Edit3 Edit4 Edit5 Edit6 Edit1 Edit7 Edit10 Edit20 Edit15 Edit17 Edit8");
const QStringList kDieselInputs = names("Edit9 edit11 edit12 edit13 edit14 Edit27 edit18 edit19");
const QStringList kLifeResults
    = names("Edit40 Edit39 Edit38 Edit37 Edit36 Edit35 Edit34 Edit33 Edit32 Edit31");
const QStringList kLifeInputs
    = names("Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13");
const QStringList kForceResults = names("Edit14jwb Edit15jwb Edit16jwb Edit17jwb Edit18jwb "
                                        "Edit19jwb Edit20jwb Edit21jwb Edit22jwb Edit23jwb");
const QStringList kForceInputs = names("Edit14 Edit15 Edit16 Edit17 Edit18 Edit19 Edit20 Edit21 "
                                       "Edit23 Edit24 Edit25 Edit26 Edit27 Edit3 Edit1");

// The brake life window with the two windows it opens, as the start-up wires them.
struct BrakeWindows
{
    TDIALOG1 dialog;
    Tgayrem force;
    Tumurrem life;
    BrakeWindows()
    {
        DIALOG1 = &dialog;
        gayrem = &force;
        umurrem = &life;
    }
    ~BrakeWindows()
    {
        DIALOG1 = nullptr;
        gayrem = nullptr;
        umurrem = nullptr;
    }
};

} // namespace

class TestCalculatorWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString problem = dipo::test::localeProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    void init() { dipo::number::setDecimalSeparator(QLatin1Char(',')); }
    void cleanup() { dipo::number::setDecimalSeparator(QLatin1Char(',')); }

    void fixedTexts_data();
    void fixedTexts();
    void nothingClipped();

    void dieselDefaults_data();
    void dieselDefaults();
    void dieselStroke_data();
    void dieselStroke();
    void dieselVerdict_data();
    void dieselVerdict();
    void dieselFailures_data();
    void dieselFailures();
    void dieselReplaceThenProses();
    void dieselCloseKeepsState();

    void lifeDefaults_data();
    void lifeDefaults();
    void lifeFastTrainHalvesLife();
    void lifeFailures_data();
    void lifeFailures();
    void lifeFailureBeforeFirstResultKeepsCover();
    void lifeReplaceThenProses();
    void thicknessCheck_data();
    void thicknessCheck();
    void thicknessDialogCloses_data();
    void thicknessDialogCloses();
    void checkBoxOpensBrakeForceEachTime();

    void forceDefaults_data();
    void forceDefaults();
    void forceFailures_data();
    void forceFailures();
    void forceFailureAfterResultMixesOldAndNew();
    void forceSkidAndStandstill();
    void forceReplaceThenProses();

    void dieselNoInitialPower();
    void resultsReachedOneByOne_data();
    void resultsReachedOneByOne();
    void chartsFollowProsesAndReplace_data();
    void chartsFollowProsesAndReplace();
    void sheetPdfHoldsTheCalculation_data();
    void sheetPdfHoldsTheCalculation();
    void chartSavedAsPng();
};

void TestCalculatorWindows::fixedTexts_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    enum { Diesel, Life, Force, Dialog };
    QTest::newRow("diesel proses button") << int(Diesel) << s("Button1") << s(" Proses");
    QTest::newRow("diesel input frame") << int(Diesel) << s("GroupBox1") << s(" Variabel Input");
    QTest::newRow("diesel fuel unit") << int(Diesel) << s("edit18Unit") << s("kg/jam)");
    QTest::newRow("diesel difference label")
        << int(Diesel) << s("Edit10Label") << s("selisih peningkatan kinerja ");
    QTest::newRow("life hardness label")
        << int(Life) << s("Edit11Label") << s("Kekerasan Material Blok Rem (H) ");
    QTest::newRow("life check box label") << int(Life) << s("Label_CheckBox2") << s("Clik here");
    QTest::newRow("life result frame")
        << int(Life) << s("GroupBox3") << s("Hasil Prediksi Umur Kampas Rem");
    QTest::newRow("force skid label")
        << int(Force) << s("Edit2Label") << s("Analisis terjadinya skid pada roda ");
    QTest::newRow("force proses button") << int(Force) << s("BitBtn1") << s("PROSES");
    QTest::newRow("dialog button") << int(Dialog) << s("OKBtn") << s("OK");
}

void TestCalculatorWindows::fixedTexts()
{
    QFETCH(int, window);
    QFETCH(QString, name);
    QFETCH(QString, text);
    BrakeWindows brake;
    TDM diesel;
    QWidget *windows[] = { &diesel, &brake.life, &brake.force, &brake.dialog };
    QObject *child = windows[window]->findChild<QObject *>(name);
    QVERIFY(child);
    if (auto *label = qobject_cast<QLabel *>(child))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(child))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QGroupBox *>(child)->title(), text);
}

void TestCalculatorWindows::nothingClipped()
{
    BrakeWindows brake;
    TDM diesel;
    Errors errors;
    for (dipo::Window *window :
        std::initializer_list<dipo::Window *> { &diesel, &brake.life, &brake.force }) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    click(&diesel, "Button1");
    click(&brake.life, "Button1");
    click(&brake.force, "BitBtn1");
    QVERIFY(errors.texts.isEmpty());
    for (QWidget *window : { static_cast<QWidget *>(&diesel), static_cast<QWidget *>(&brake.life),
             static_cast<QWidget *>(&brake.force) }) {
        const QRect client = window->rect();
        for (QLabel *label : window->findChildren<QLabel *>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->objectName()));
        }
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
            QVERIFY2(needed <= edit->width(), qPrintable(edit->objectName()));
            const QRect inWindow(edit->mapTo(window, QPoint(0, 0)), edit->size());
            QVERIFY2(client.contains(inWindow), qPrintable(edit->objectName()));
        }
    }
}

void TestCalculatorWindows::dieselDefaults_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::newRow("comma locale") << QChar(QLatin1Char(','));
    QTest::newRow("dot locale") << QChar(QLatin1Char('.'));
    QTest::newRow("system locale") << QChar(); // as the start-up reads it
}

void TestCalculatorWindows::dieselDefaults()
{
    QFETCH(QChar, separator);
    useSeparator(separator);
    TDM dm;
    Errors errors;
    QVERIFY(control<dipo::RichTextBox>(&dm, "Memo2")->isVisibleTo(&dm));
    QVERIFY(!control<dipo::RichTextBox>(&dm, "Memo1")->isVisibleTo(&dm));
    click(&dm, "Button1");
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(texts(&dm, kDieselResults),
        localised(names("10940,70 9,33 1812,86 1254,35 1813,77 1812,86 682,32 137 681,98 "
                        "0,00008821 1,00 -7,03")));
    auto *conclusion = control<dipo::RichTextBox>(&dm, "Memo1");
    QVERIFY(conclusion->isVisibleTo(&dm));
    QVERIFY(!control<dipo::RichTextBox>(&dm, "Memo2")->isVisibleTo(&dm));
    const QStringList lines = conclusion->lines();
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[0], QStringLiteral("Kesimpulan :"));
    QVERIFY(lines[1].endsWith(QStringLiteral("tersebut sebesar 1813 PK, ")));
    QCOMPARE(lines[2],
        localised(
            { QStringLiteral("*persentase peningkatan kinerjannya adalah -7,03 % yang berarti "
                             "Pada mesin tersebut akan terjadi penurun kinerja") })[0]);
    QVERIFY(lines[4].endsWith(localised({ QStringLiteral("katup sebesar 9,33") })[0]));
    QVERIFY(lines[5].endsWith(localised({ QStringLiteral("adalah 0,00008821") })[0]));
    QVERIFY(lines[6].endsWith(localised({ QStringLiteral("adalah 1,00") })[0]));
}

void TestCalculatorWindows::dieselStroke_data()
{
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<double>("ratio"); // of N, T, Nme and Nmi to the four-stroke values
    QTest::newRow("two-stroke item doubles") << QStringLiteral("2") << 2.0;
    QTest::newRow("typed 3 is the factor itself") << QStringLiteral("3") << 6.0;
    QTest::newRow("typed 4,0 is the factor 4") << QStringLiteral("4,0") << 8.0;
}

void TestCalculatorWindows::dieselStroke()
{
    QFETCH(QString, stroke);
    QFETCH(double, ratio);
    TDM dm;
    Errors errors;
    click(&dm, "Button1");
    const QStringList powers = names("Edit4 Edit5 Edit6 Edit1");
    const QStringList four = texts(&dm, powers);
    if (stroke == QLatin1String("2"))
        control<QComboBox>(&dm, "ComboBox1")->setCurrentIndex(0);
    else
        typeCombo(&dm, "ComboBox1", stroke);
    click(&dm, "Button1");
    QVERIFY(errors.texts.isEmpty());
    const QStringList changed = texts(&dm, powers);
    for (int k = 0; k < powers.size(); ++k) {
        const double expected = dipo::number::toFloat(four[k]) * ratio;
        QVERIFY2(qAbs(dipo::number::toFloat(changed[k]) - expected) <= 0.005 * ratio + 1e-9,
            qPrintable(powers[k] + QLatin1Char(' ') + changed[k]));
    }
    QCOMPARE(control<QComboBox>(&dm, "ComboBox1")->count(), 2);
}

void TestCalculatorWindows::dieselVerdict_data()
{
    QTest::addColumn<bool>("matchPower");
    QTest::addColumn<QString>("nawal");
    QTest::addColumn<QString>("ending");
    QTest::newRow("decline with the defaults")
        << false << s("1950") << s("yang berarti Pada mesin tersebut akan terjadi penurun kinerja");
    QTest::newRow("improvement") << false << s("1000")
                                 << s("81,29 % yang berarti Mesin terjadi peningkatan kinerja");
    QTest::newRow("initial power equal to N")
        << true << QString()
        << s("0,00 % yang berarti Pada mesin tidak terjadi peningkatan maupun penurunan kinerja");
}

void TestCalculatorWindows::dieselVerdict()
{
    QFETCH(bool, matchPower);
    QFETCH(QString, nawal);
    QFETCH(QString, ending);
    TDM dm;
    Errors errors;
    if (matchPower) {
        // The initial power typed to the last bit of the computed N.
        dipo::calc::DieselInputs in;
        in.D = 22.86, in.L = 26.67, in.n = 1050, in.Prata = 18, in.Pi = 18, in.Z = 8;
        in.a = 0.5, in.Nawal = 1950, in.Gf = 0.16, in.Qc = 10500;
        nawal = QString::number(dipo::calc::evaluateDiesel(in).value[dipo::calc::N], 'g', 17)
                    .replace(QLatin1Char('.'), QLatin1Char(','));
    }
    control(&dm, "Edit9")->setText(nawal);
    click(&dm, "Button1");
    QVERIFY(errors.texts.isEmpty());
    QVERIFY2(control<dipo::RichTextBox>(&dm, "Memo1")->lines()[2].endsWith(ending),
        qPrintable(control<dipo::RichTextBox>(&dm, "Memo1")->lines()[2]));
}

void TestCalculatorWindows::dieselFailures_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("shown"); // results computed anew before the failure
    QTest::newRow("empty bore") << s("edit11") << s("")
                                << s("'' is not a valid floating point value.") << 0;
    QTest::newRow("letters in the stroke")
        << s("edit12") << s("abc") << s("'abc' is not a valid floating point value.") << 0;
    QTest::newRow("dot in a comma locale")
        << s("edit12") << s("26.67") << s("'26.67' is not a valid floating point value.") << 0;
    QTest::newRow("blanks only in the heating value")
        << s("edit19") << s("   ") << s("'   ' is not a valid floating point value.") << 0;
    QTest::newRow("huge initial power is read but changes nothing before N")
        << s("Edit9") << s("1e309") << s("'1e309' is not a valid floating point value.") << 0;
    const QString longText = QString(5000, QLatin1Char('7')) + QLatin1Char('x');
    QTest::newRow("very long text")
        << s("edit13") << longText
        << QStringLiteral("'%1' is not a valid floating point value.").arg(longText) << 0;
    const QString tooLarge(400, QLatin1Char('9'));
    QTest::newRow("400 digits are too large")
        << s("edit13") << tooLarge
        << QStringLiteral("'%1' is not a valid floating point value.").arg(tooLarge) << 0;
    QTest::newRow("no fuel used fails at ne")
        << s("edit18") << s("0") << s("Floating point division by zero.") << 6;
    QTest::newRow("no heating value fails at ne")
        << s("edit19") << s("-0") << s("Floating point division by zero.") << 6;
    QTest::newRow("standing engine fails at Be")
        << s("edit13") << s("0") << s("Floating point division by zero.") << 9;
    QTest::newRow("no indicated pressure fails at nm")
        << s("Edit27") << s("0") << s("Floating point division by zero.") << 10;
    QTest::newRow("huge bore overflows at VL")
        << s("edit11") << s("1e308") << s("Floating point overflow.") << 0;
}

void TestCalculatorWindows::dieselFailures()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, shown);
    TDM dm;
    Errors errors;
    click(&dm, "Button1");
    const QStringList before = texts(&dm, kDieselResults);
    const QStringList conclusion = control<dipo::RichTextBox>(&dm, "Memo1")->lines();
    // A changed stroke changes every result, so new and old texts can be told apart.
    if (field != QLatin1String("edit12"))
        control(&dm, "edit12")->setText(QStringLiteral("25"));
    dm.findChild<QLineEdit *>(field)->setText(text);
    click(&dm, "Button1");
    QCOMPARE(errors.texts, QStringList { message });
    const QStringList after = texts(&dm, kDieselResults);
    for (int k = 0; k < kDieselResults.size(); ++k) {
        if (k < shown)
            QVERIFY2(after[k] != before[k], qPrintable(kDieselResults[k]));
        else
            QVERIFY2(after[k] == before[k], qPrintable(kDieselResults[k]));
    }
    QCOMPARE(control<dipo::RichTextBox>(&dm, "Memo1")->lines(), conclusion);
    QVERIFY(control<dipo::RichTextBox>(&dm, "Memo1")->isVisibleTo(&dm));
}

void TestCalculatorWindows::dieselReplaceThenProses()
{
    TDM dm;
    Errors errors;
    click(&dm, "Button1");
    click(&dm, "Button3");
    for (const QString &name : kDieselInputs + kDieselResults)
        QVERIFY2(dm.findChild<QLineEdit *>(name)->text().isEmpty(), qPrintable(name));
    QVERIFY(control<QComboBox>(&dm, "ComboBox1")->currentText().isEmpty());
    QVERIFY(control<QComboBox>(&dm, "ComboBox2")->currentText().isEmpty());
    QCOMPARE(control<QComboBox>(&dm, "ComboBox2")->count(), 3);
    QVERIFY(control<dipo::RichTextBox>(&dm, "Memo2")->isVisibleTo(&dm));
    QVERIFY(!control<dipo::RichTextBox>(&dm, "Memo1")->isVisibleTo(&dm));
    click(&dm, "Button1");
    QCOMPARE(
        errors.texts, QStringList { QStringLiteral("'' is not a valid floating point value.") });
    QVERIFY(control<dipo::RichTextBox>(&dm, "Memo2")->isVisibleTo(&dm));
    for (const QString &name : kDieselResults)
        QVERIFY(dm.findChild<QLineEdit *>(name)->text().isEmpty());
}

void TestCalculatorWindows::resultsReachedOneByOne_data()
{
    QTest::addColumn<bool>("diesel");
    QTest::addColumn<QString>("field"); // typed before PROSES, "" for the defaults
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("diesel") << true << s("") << s("") << 12;
    QTest::newRow("diesel, failing at ne") << true << s("edit18") << s("0") << 6;
    QTest::newRow("brake life") << false << s("") << s("") << 10;
}

// The result frames take no focus: the summary beside them does, and holds each result as
// its frame shows it, in the frame's order, after the sheet's buttons in the Tab chain.
void TestCalculatorWindows::resultsReachedOneByOne()
{
    QFETCH(bool, diesel);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, lines);
    Errors errors;
    BrakeWindows brake;
    TDM dm;
    dipo::Window *window = diesel ? static_cast<dipo::Window *>(&dm) : &brake.life;
    const QStringList results = diesel ? kDieselResults : kLifeResults;
    auto *summary = control<QListWidget>(window, "ListHasil");
    QVERIFY(!summary->isVisibleTo(window));
    window->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (!field.isEmpty())
        window->findChild<QLineEdit *>(field)->setText(text);
    click(window, "Button1");
    QVERIFY(summary->isVisibleTo(window));
    QCOMPARE(summary->count(), lines);
    const QString frame = diesel ? s("GroupBox2") : s("GroupBox3");
    const QList<QLineEdit *> shown
        = control<QWidget>(window, qPrintable(frame))->findChildren<QLineEdit *>();
    int line = 0;
    for (const QLineEdit *result : shown) {
        if (result->text().isEmpty())
            continue;
        QVERIFY(results.contains(result->objectName()));
        const QString unit = result->accessibleDescription();
        QCOMPARE(summary->item(line++)->text(),
            result->accessibleName() + QStringLiteral(": ") + result->text()
                + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit));
    }
    QCOMPARE(line, lines);
    // Tab from CLOSE reaches it, past the sheet's buttons (and the brake force link).
    control<QWidget>(window, "Button2")->setFocus();
    for (int k = 0; k < 6 && !summary->hasFocus(); ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(summary->hasFocus());
    QCOMPARE(summary->currentRow(), 0);
    QTest::keyClick(summary, Qt::Key_Down);
    QCOMPARE(summary->currentRow(), 1);
    click(window, "Button3"); // REPLACE
    QVERIFY(!summary->isVisibleTo(window));
    window->close();
}

void TestCalculatorWindows::dieselCloseKeepsState()
{
    TDM dm;
    dm.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&dm));
    type(&dm, "edit13", "900");
    click(&dm, "Button1");
    click(&dm, "Button2");
    QVERIFY(!dm.isVisible());
    dm.showWindow();
    QCOMPARE(control(&dm, "edit13")->text(), QStringLiteral("900"));
    QCOMPARE(control(&dm, "Edit3")->text(), QStringLiteral("8,00"));
    QVERIFY(control<dipo::RichTextBox>(&dm, "Memo1")->isVisible());
}

void TestCalculatorWindows::lifeDefaults_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::newRow("comma locale") << QChar(QLatin1Char(','));
    QTest::newRow("dot locale") << QChar(QLatin1Char('.'));
    QTest::newRow("system locale") << QChar(); // as the start-up reads it
}

void TestCalculatorWindows::lifeDefaults()
{
    QFETCH(QChar, separator);
    useSeparator(separator);
    BrakeWindows w;
    Errors errors;
    QLabel *cover = control<QLabel>(&w.life, "Panel18");
    QVERIFY(cover->isVisibleTo(&w.life));
    QVERIFY(!control<QGroupBox>(&w.life, "GroupBox3")->isEnabled());
    click(&w.life, "Button1");
    QVERIFY(errors.texts.isEmpty());
    const QStringList shown = texts(&w.life, kLifeResults);
    QCOMPARE(
        shown.mid(0, 6), localised(names("2430,36 405,06 405,06 32404,8 1361001,6 0,04009466")));
    const QStringList approximately = localised(names("808207,377 1234,385 4948,0896 6,876"));
    for (int k = 0; k < 4; ++k)
        QVERIFY2(shown[6 + k].startsWith(approximately[k]), qPrintable(shown[6 + k]));
    QVERIFY(!cover->isVisibleTo(&w.life));
    QCOMPARE(control<dipo::RichTextBox>(&w.life, "Memo1")->lines().value(2),
        QStringLiteral("pengantiannya adalah 7 Hari, atau sekitar 165 jam"));
    QVERIFY(!w.dialog.isVisible());
}

void TestCalculatorWindows::lifeFastTrainHalvesLife()
{
    BrakeWindows w;
    Errors errors;
    click(&w.life, "Button1");
    const double days = dipo::number::toFloat(control(&w.life, "Edit31")->text());
    control<QComboBox>(&w.life, "ComboBox1")->setCurrentIndex(3);
    QCOMPARE(control<QComboBox>(&w.life, "ComboBox1")->currentText(), QStringLiteral("100"));
    click(&w.life, "Button1");
    QVERIFY(errors.texts.isEmpty());
    QVERIFY(qFuzzyCompare(dipo::number::toFloat(control(&w.life, "Edit31")->text()), days / 2));
    QCOMPARE(control<dipo::RichTextBox>(&w.life, "Memo1")->lines().value(2),
        QStringLiteral("pengantiannya adalah 3 Hari, atau sekitar 83 jam"));
}

void TestCalculatorWindows::lifeFailures_data()
{
    QTest::addColumn<QString>("field"); // ComboBox1 for the speed
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("typed speed 75")
        << s("ComboBox1") << s("75") << s("Floating point division by zero.");
    QTest::newRow("decimal speed")
        << s("ComboBox1") << s("70,5") << s("'70,5' is not a valid integer value.");
    QTest::newRow("empty speed") << s("ComboBox1") << s("")
                                 << s("'' is not a valid integer value.");
    QTest::newRow("speed beyond an integer")
        << s("ComboBox1") << s("99999999999") << s("'99999999999' is not a valid integer value.");
    QTest::newRow("letters in the wheel")
        << s("Edit1") << s("77a") << s("'77a' is not a valid floating point value.");
    QTest::newRow("comma twice") << s("Edit7") << s("0,1,9")
                                 << s("'0,1,9' is not a valid floating point value.");
    QTest::newRow("no particle size")
        << s("Edit6") << s("0") << s("Floating point division by zero.");
    QTest::newRow("no arc angle") << s("Edit2") << s("0") << s("Floating point division by zero.");
    QTest::newRow("no hardness") << s("Edit11") << s("0") << s("Floating point division by zero.");
    QTest::newRow("no braking") << s("Edit12") << s("0") << s("Floating point division by zero.");
    QTest::newRow("no trips") << s("Edit13") << s("0") << s("Floating point division by zero.");
    QTest::newRow("huge wheel") << s("Edit1") << s("1e308") << s("Floating point overflow.");
}

void TestCalculatorWindows::lifeFailures()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    BrakeWindows w;
    Errors errors;
    click(&w.life, "Button1");
    control(&w.life, "Edit1")->setText(QStringLiteral("800"));
    const QStringList results = texts(&w.life, kLifeResults);
    const QStringList conclusion = control<dipo::RichTextBox>(&w.life, "Memo1")->lines();
    if (field == QLatin1String("ComboBox1"))
        control<QComboBox>(&w.life, "ComboBox1")->setEditText(text);
    else
        w.life.findChild<QLineEdit *>(field)->setText(text);
    click(&w.life, "Button1");
    QCOMPARE(errors.texts, QStringList { message });
    // Nothing is shown unless every step succeeded.
    QCOMPARE(texts(&w.life, kLifeResults), results);
    QCOMPARE(control<dipo::RichTextBox>(&w.life, "Memo1")->lines(), conclusion);
    QVERIFY(!control<QLabel>(&w.life, "Panel18")->isVisibleTo(&w.life));
}

void TestCalculatorWindows::lifeFailureBeforeFirstResultKeepsCover()
{
    BrakeWindows w;
    Errors errors;
    typeCombo(&w.life, "ComboBox1", QStringLiteral("75"));
    click(&w.life, "Button1");
    QCOMPARE(errors.texts, QStringList { QStringLiteral("Floating point division by zero.") });
    QVERIFY(control<QLabel>(&w.life, "Panel18")->isVisibleTo(&w.life));
    for (const QString &name : kLifeResults)
        QVERIFY(w.life.findChild<QLineEdit *>(name)->text().isEmpty());
}

void TestCalculatorWindows::lifeReplaceThenProses()
{
    BrakeWindows w;
    Errors errors;
    click(&w.life, "Button1");
    click(&w.life, "Button3");
    QVERIFY(control<QLabel>(&w.life, "Panel18")->isVisibleTo(&w.life));
    for (const QString &name : kLifeInputs + kLifeResults)
        QVERIFY2(w.life.findChild<QLineEdit *>(name)->text().isEmpty(), qPrintable(name));
    QVERIFY(control<QComboBox>(&w.life, "ComboBox1")->currentText().isEmpty());
    QCOMPARE(control<QComboBox>(&w.life, "ComboBox1")->count(), 4);
    QVERIFY(!w.dialog.isVisible());
    click(&w.life, "Button1");
    QCOMPARE(
        errors.texts, QStringList { QStringLiteral("'' is not a valid floating point value.") });
    QVERIFY(!w.dialog.isVisible());
}

void TestCalculatorWindows::thicknessCheck_data()
{
    QTest::addColumn<QString>("thickness"); // Edit4
    QTest::addColumn<QString>("keys"); // typed into an emptied Edit5
    QTest::addColumn<QString>("shownAfter"); // 1 where the dialog is visible after that key
    QTest::newRow("50 against 50 shows at the 0") << s("50") << s("50") << s("01");
    QTest::newRow("8 against 50 shows none") << s("50") << s("8") << s("0");
    QTest::newRow("60 against 50 shows at the 0") << s("50") << s("60") << s("01");
    QTest::newRow("lone minus is no number") << s("50") << s("-") << s("0");
    QTest::newRow("half typed decimal") << s("5") << s("4,") << s("00");
    QTest::newRow("empty thickness never warns") << s("") << s("99") << s("00");
    QTest::newRow("negative thickness") << s("-1") << s("0") << s("1");
}

void TestCalculatorWindows::thicknessCheck()
{
    QFETCH(QString, thickness);
    QFETCH(QString, keys);
    QFETCH(QString, shownAfter);
    BrakeWindows w;
    Errors errors;
    control(&w.life, "Edit4")->setText(thickness);
    QLineEdit *tmin = control(&w.life, "Edit5");
    tmin->clear();
    QVERIFY(!w.dialog.isVisible());
    for (int k = 0; k < keys.size(); ++k) {
        QTest::keyClick(tmin, keys.at(k).toLatin1());
        QCOMPARE(w.dialog.isVisible(), shownAfter.at(k) == QLatin1Char('1'));
    }
    QVERIFY(errors.texts.isEmpty());
}

void TestCalculatorWindows::thicknessDialogCloses_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("OK clicked") << false;
    QTest::newRow("Enter pressed") << true;
}

void TestCalculatorWindows::thicknessDialogCloses()
{
    QFETCH(bool, byEnter);
    BrakeWindows w;
    w.life.showWindow();
    control(&w.life, "Edit5")->setText(QStringLiteral("50"));
    QVERIFY(w.dialog.isVisible());
    QCOMPARE(control<dipo::RichTextBox>(&w.dialog, "RichEdit1")->lines().value(3),
        QStringLiteral("dengan  tebal  blok rem ."));
    // Already shown: a new warning only brings it to the front.
    control(&w.life, "Edit5")->setText(QStringLiteral("51"));
    QVERIFY(w.dialog.isVisible());
    if (byEnter)
        QTest::keyClick(&w.dialog, Qt::Key_Return);
    else
        click(&w.dialog, "OKBtn");
    QVERIFY(!w.dialog.isVisible());
    // The life window was never blocked: PROSES still computes.
    Errors errors;
    click(&w.life, "Button1");
    QCOMPARE(errors.texts, QStringList {}); // Tmin above T gives a life below zero, no error
    QVERIFY(control(&w.life, "Edit31")->text().startsWith(QLatin1Char('-')));
}

void TestCalculatorWindows::checkBoxOpensBrakeForceEachTime()
{
    BrakeWindows w;
    w.life.showWindow();
    QCheckBox *box = control<QCheckBox>(&w.life, "CheckBox2");
    for (int time = 0; time < 2; ++time) {
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(w.force.isVisible());
        QVERIFY(!box->isChecked());
        click(&w.force, "Button2");
        QVERIFY(!w.force.isVisible());
    }
}

void TestCalculatorWindows::forceDefaults_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::newRow("comma locale") << QChar(QLatin1Char(','));
    QTest::newRow("dot locale") << QChar(QLatin1Char('.'));
    QTest::newRow("system locale") << QChar(); // as the start-up reads it
}

void TestCalculatorWindows::forceDefaults()
{
    QFETCH(QChar, separator);
    useSeparator(separator);
    Tgayrem g;
    Errors errors;
    auto *conclusion = control<dipo::RichTextBox>(&g, "RichEdit1");
    QVERIFY(!conclusion->isVisibleTo(&g));
    click(&g, "BitBtn1");
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(texts(&g, kForceResults),
        localised(names("10,70 2634,00 26594,93 1662,18 33775,56 67,06 74,92 95,14 "
                        "85,16 315,71")));
    QCOMPARE(control(&g, "Edit2")->text(), QStringLiteral("tidak terjadi skid "));
    QVERIFY(conclusion->isVisibleTo(&g));
    QVERIFY(!control<dipo::RichTextBox>(&g, "Memo2")->isVisibleTo(&g));
    const QString indent(23, QLatin1Char(' '));
    const QStringList lines = conclusion->lines();
    QCOMPARE(lines.size(), 8);
    const auto line = [&](const char *state, const char *number, const char *verdict) {
        return indent
            + QStringLiteral("pada keadaan kereta %1= %2 %, yang berarti %3")
                  .arg(s(state), localised({ s(number) })[0], s(verdict));
    };
    QCOMPARE(lines[2], line("kosong ", "74,92", "memuaskan"));
    QCOMPARE(lines[3], line("penuh   ", "67,06", "kurang memuaskan"));
    QCOMPARE(lines[5], line("kosong ", "95,14", "memuaskan"));
    QCOMPARE(lines[6], line("penuh   ", "85,16", "memuaskan"));
}

void TestCalculatorWindows::forceFailures_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("shown");
    QTest::newRow("letters in the upper lever")
        << s("Edit14") << s("x") << s("'x' is not a valid floating point value.") << 0;
    QTest::newRow("empty reaction time")
        << s("Edit1") << s("") << s("'' is not a valid floating point value.") << 0;
    QTest::newRow("no lower lever fails at i")
        << s("Edit15") << s("0") << s("Floating point division by zero.") << 0;
    QTest::newRow("no wheels fails at Pb")
        << s("Edit16") << s("0") << s("Invalid floating point operation.") << 3;
    QTest::newRow("no full load fails at np")
        << s("Edit24") << s("0") << s("Floating point division by zero.") << 5;
    QTest::newRow("no empty load fails at nk")
        << s("Edit23") << s("0") << s("Floating point division by zero.") << 6;
    QTest::newRow("no friction fails at Sa")
        << s("Edit27") << s("0") << s("Floating point division by zero.") << 9;
}

void TestCalculatorWindows::forceFailures()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, shown);
    Tgayrem g;
    Errors errors;
    g.findChild<QLineEdit *>(field)->setText(text);
    click(&g, "BitBtn1");
    QCOMPARE(errors.texts, QStringList { message });
    const QStringList results = texts(&g, kForceResults);
    for (int k = 0; k < results.size(); ++k)
        QCOMPARE(results[k].isEmpty(), k >= shown);
    QVERIFY(control(&g, "Edit2")->text().isEmpty());
    // The conclusion is neither shown nor hidden by a failed PROSES.
    QVERIFY(!control<dipo::RichTextBox>(&g, "RichEdit1")->isVisibleTo(&g));
    QVERIFY(control<dipo::RichTextBox>(&g, "Memo2")->isVisibleTo(&g));
    // Its numbers are those computed before the failure.
    const QString conclusion
        = control<dipo::RichTextBox>(&g, "RichEdit1")->lines().join(QLatin1Char('\n'));
    const int filled = shown > 8 ? 4 : (shown > 5 ? 1 : 0);
    QCOMPARE(conclusion.count(QRegularExpression(QStringLiteral("= \\d"))), filled);
    QCOMPARE(conclusion.count(QRegularExpression(QStringLiteral("berarti \\w"))), filled);
}

void TestCalculatorWindows::forceFailureAfterResultMixesOldAndNew()
{
    Tgayrem g;
    Errors errors;
    click(&g, "BitBtn1");
    const QStringList before = texts(&g, kForceResults);
    control(&g, "Edit14")->setText(QStringLiteral("400"));
    control(&g, "Edit17")->setText(QStringLiteral("700"));
    control(&g, "Edit27")->setText(QStringLiteral("0"));
    click(&g, "BitBtn1");
    QCOMPARE(errors.texts, QStringList { QStringLiteral("Floating point division by zero.") });
    const QStringList after = texts(&g, kForceResults);
    for (int k = 0; k < 9; ++k)
        QVERIFY2(after[k] != before[k], qPrintable(kForceResults[k]));
    QCOMPARE(after[9], before[9]);
    QCOMPARE(control(&g, "Edit2")->text(), QStringLiteral("tidak terjadi skid "));
    auto *conclusion = control<dipo::RichTextBox>(&g, "RichEdit1");
    QVERIFY(conclusion->isVisibleTo(&g));
    QVERIFY(conclusion->lines().value(2).contains(
        QStringLiteral("= ") + after[6] + QStringLiteral(" %, yang berarti")));
}

void TestCalculatorWindows::forceSkidAndStandstill()
{
    Tgayrem g;
    Errors errors;
    type(&g, "Edit3", "0,001");
    type(&g, "Edit25", "0");
    click(&g, "BitBtn1");
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(control(&g, "Edit2")->text(), QStringLiteral("Terjadi skid"));
    QCOMPARE(control(&g, "Edit23jwb")->text(), QStringLiteral("0,00"));
}

void TestCalculatorWindows::forceReplaceThenProses()
{
    Tgayrem g;
    Errors errors;
    click(&g, "BitBtn1");
    const QStringList conclusion = control<dipo::RichTextBox>(&g, "RichEdit1")->lines();
    click(&g, "Button1");
    auto *intro = control<dipo::RichTextBox>(&g, "Memo2");
    auto *box = control<dipo::RichTextBox>(&g, "RichEdit1");
    QVERIFY(intro->isVisibleTo(&g));
    QVERIFY(box->isVisibleTo(&g));
    // The introduction lies in front of the conclusion.
    const QObjectList order = intro->parentWidget()->children();
    QVERIFY(order.indexOf(intro) > order.indexOf(box));
    QCOMPARE(box->lines(), conclusion);
    for (const QString &name :
        kForceInputs + kForceResults + QStringList { QStringLiteral("Edit2") })
        QVERIFY2(g.findChild<QLineEdit *>(name)->text().isEmpty(), qPrintable(name));
    click(&g, "BitBtn1");
    QCOMPARE(
        errors.texts, QStringList { QStringLiteral("'' is not a valid floating point value.") });
    QVERIFY(intro->isVisibleTo(&g));
}

void TestCalculatorWindows::dieselNoInitialPower()
{
    TDM dm;
    Errors errors;
    click(&dm, "Button1");
    const QStringList conclusion = control<dipo::RichTextBox>(&dm, "Memo1")->lines();
    type(&dm, "Edit9", "0");
    click(&dm, "Button1");
    // As any division by zero: the general report, the results computed so far shown.
    QCOMPARE(errors.texts, QStringList { QStringLiteral("Floating point division by zero.") });
    QCOMPARE(control(&dm, "Edit10")->text(), QStringLiteral("1813"));
    QCOMPARE(control(&dm, "Edit8")->text(), QStringLiteral("-7,03"));
    QCOMPARE(control<dipo::RichTextBox>(&dm, "Memo1")->lines(), conclusion);
}

namespace {

struct Calculator
{
    const char *proses, *replace, *badField, *markedField, *newValue;
    int chart; // whose mark shows the field
    bool markIsX; // the field is the mark's x (the replacement day), else its y
    int decimals; // as the field shows it; -1 for the general format
};

} // namespace
Q_DECLARE_METATYPE(Calculator)

void TestCalculatorWindows::chartsFollowProsesAndReplace_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Calculator>("calculator");
    QTest::newRow("diesel power") << s("DM") << Calculator { "Button1", "Button3", "edit11", "Edit4", "20", 0, false, 2 };
    QTest::newRow("brake life") << s("umurrem") << Calculator { "Button1", "Button3", "Edit4", "Edit31", "40", 0, true, -1 };
    QTest::newRow("brake force") << s("gayrem") << Calculator { "BitBtn1", "Button1", "Edit14", "Edit23jwb", "400", 0, false, 2 };
}

void TestCalculatorWindows::chartsFollowProsesAndReplace()
{
    QFETCH(QString, window);
    QFETCH(Calculator, calculator);
    BrakeWindows brake;
    TDM diesel;
    dipo::Window *w = window == QLatin1String("DM") ? static_cast<dipo::Window *>(&diesel)
        : window == QLatin1String("umurrem")        ? static_cast<dipo::Window *>(&brake.life)
                                                    : static_cast<dipo::Window *>(&brake.force);
    Errors errors;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *extras = w->findChild<dipo::calc::CalcExtras *>();
    QVERIFY(extras);
    QVERIFY(!control<QPushButton>(w, "BtnCetak")->isEnabled());
    QVERIFY(!control<QPushButton>(w, "BtnSimpanPdf")->isEnabled());
    click(w, "BtnGrafik");
    TGrafik *grafik = extras->grafik();
    QVERIFY(QTest::qWaitForWindowExposed(grafik));
    QCOMPARE(grafik->parentWidget(), w); // belongs to its calculator, non-modal
    QVERIFY(!grafik->isModal());
    QVERIFY(grafik->charts().isEmpty());

    click(w, calculator.proses);
    QVERIFY(errors.texts.isEmpty());
    QVERIFY(control<QPushButton>(w, "BtnCetak")->isEnabled());
    const QList<dipo::calc::Chart> charts = grafik->charts();
    QVERIFY(!charts.isEmpty());
    // Drawn in the open window, a tab a chart, each view named and described for a
    // reader, with a table of its points when asked for.
    QCOMPARE(grafik->TabGrafik->count(), charts.size());
    for (int k = 0; k < charts.size(); ++k) {
        const dipo::calc::Chart &chart = charts.at(k);
        grafik->TabGrafik->setCurrentIndex(k);
        QWidget *view = grafik->findChild<QWidget *>(chart.objectName);
        QVERIFY2(view, qPrintable(chart.objectName));
        QCOMPARE(view->accessibleName(), chart.accessibleName);
        QCOMPARE(view->accessibleDescription(), chart.description);
    }
    QTest::mouseClick(grafik->BtnTabel, Qt::LeftButton);
    for (const dipo::calc::Chart &chart : charts) {
        auto *table = grafik->findChild<QAbstractItemView *>(QStringLiteral("Tabel") + chart.objectName);
        QVERIFY2(table, qPrintable(chart.objectName));
        QCOMPARE(table->model()->rowCount(), chart.tableRows.size());
    }
    QTest::mouseClick(grafik->BtnTabel, Qt::LeftButton);
    const QPointF mark = charts.at(calculator.chart).marks.constFirst().at;
    const double marked = calculator.markIsX ? mark.x() : mark.y();
    QCOMPARE(calculator.decimals < 0 ? dipo::number::formatGeneral(marked)
                                     : dipo::number::formatFixed(marked, calculator.decimals),
        control(w, calculator.markedField)->text());

    // A PROSES that stops on a bad field leaves the charts as they were.
    type(w, calculator.badField, "x");
    click(w, calculator.proses);
    QCOMPARE(errors.texts.size(), 1);
    QCOMPARE(grafik->charts().constFirst().description, charts.constFirst().description);
    QCOMPARE(grafik->charts().constFirst().lines.constFirst().points,
        charts.constFirst().lines.constFirst().points);

    // New numbers: the shown chart follows, its description with it.
    grafik->TabGrafik->setCurrentIndex(0);
    type(w, calculator.badField, calculator.newValue);
    click(w, calculator.proses);
    QCOMPARE(errors.texts.size(), 1);
    const QString described = grafik->charts().constFirst().description;
    QVERIFY(described != charts.constFirst().description);
    QCOMPARE(grafik->findChild<QWidget *>(charts.constFirst().objectName)->accessibleDescription(),
        described);

    click(w, calculator.replace);
    QVERIFY(grafik->charts().isEmpty());
    QVERIFY(!grafik->findChild<QWidget *>(charts.constFirst().objectName));
    QVERIFY(!control<QPushButton>(w, "BtnCetak")->isEnabled());
    QVERIFY(!control<QLabel>(w, "LabelCatatan")->isVisibleTo(w));
    // The charts window goes with its calculator.
    w->close();
    QVERIFY(!grafik->isVisible());
}

void TestCalculatorWindows::sheetPdfHoldsTheCalculation_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("pictures");
    QTest::newRow("diesel power")
        << s("DM")
        << QStringList { s("Daya motor diesel"), s("Daya Awal Motor Diesel (Nawal)"), s("1950 PK"),
               s("Daya Motor (N)"), s("1812,86 PK"), s("-7,03 %"), s("Kesimpulan :"),
               s("Pada mesin tersebut akan terjadi penurun kinerja"),
               s("lebih dari 100 %: periksa Gf"),
               s("daya naik dari 725,14 PK pada 420 rpm sampai 2175,43 PK pada 1260 rpm") }
        << 1;
    QTest::newRow("brake life")
        << s("umurrem")
        << QStringList { s("Umur kampas rem"), s("Diameter Roda (D) 774 mm"), s("Umur rem (Urem)"),
               s("pengantiannya adalah 7 Hari, atau sekitar 165 jam") }
        << 2;
    QTest::newRow("brake force")
        << s("gayrem")
        << QStringList { s("Gaya rem dan jarak pengereman"), s("Jarak pengereman (Sa)"),
               s("315,71 meter"), s("tidak terjadi skid"),
               s("jarak pengereman naik dari 0 m pada 0 km/jam sampai 862 m pada 120 km/jam; pada "
                 "70 km/jam 315,71 m") }
        << 2;
}

void TestCalculatorWindows::sheetPdfHoldsTheCalculation()
{
    QFETCH(QString, window);
    QFETCH(QStringList, expected);
    QFETCH(int, pictures);
    BrakeWindows brake;
    TDM diesel;
    dipo::Window *w = window == QLatin1String("DM") ? static_cast<dipo::Window *>(&diesel)
        : window == QLatin1String("umurrem")        ? static_cast<dipo::Window *>(&brake.life)
                                                    : static_cast<dipo::Window *>(&brake.force);
    Errors errors;
    click(w, window == QLatin1String("gayrem") ? "BitBtn1" : "Button1");
    auto *extras = w->findChild<dipo::calc::CalcExtras *>();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lembar.pdf"));
    QVERIFY(extras->saveSheet(path, QDateTime(QDate(2026, 3, 2), QTime(8, 15))));
    QVERIFY(errors.texts.isEmpty());
    QVERIFY(control<QLabel>(w, "LabelLembar")->text().endsWith(path));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
    QVERIFY(text.waitForFinished(20000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    expected << s("LEMBAR PERHITUNGAN") << s("Senin, 2 Maret 2026") << s("Dipo versi");
    for (const QString &part : expected)
        QVERIFY2(words.contains(part), qPrintable(part + QStringLiteral(" in ") + words));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), { QStringLiteral("-list"), path });
    QVERIFY(images.waitForFinished(20000));
    // Two header lines, then one line per image: the charts.
    QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(),
        2 + pictures);
    // A folder that is not there: the error report, no status.
    QVERIFY(!extras->saveSheet(folder.filePath(QStringLiteral("no/such/lembar.pdf")), QDateTime::currentDateTime()));
    QCOMPARE(errors.texts.size(), 1);
    QVERIFY(errors.texts.constFirst().startsWith(QStringLiteral("Lembar perhitungan tidak dapat disimpan")));
}

void TestCalculatorWindows::chartSavedAsPng()
{
    TDM dm;
    Errors errors;
    click(&dm, "Button1");
    TGrafik *grafik = dm.findChild<dipo::calc::CalcExtras *>()->grafik();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("grafik.png"));
    QVERIFY(grafik->savePicture(0, path));
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(1200, 750));
    QVERIFY(grafik->LabelStatus->text().endsWith(path));
    QVERIFY(!grafik->savePicture(0, folder.filePath(QStringLiteral("no/such/grafik.png"))));
    QCOMPARE(errors.texts.size(), 1);
}

QTEST_MAIN(TestCalculatorWindows)
#include "tst_calcwindows.moc"
