// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/errorreport.h"
#include "common/picturebox.h"
#include "common/logic/pictures.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "tuneup/logic/proceduretable.h"
#include "tuneup/tuneup.h"
#include "jpegsamples.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using dipo::tuneup::Procedure;
using dipo::tuneup::ProcedureTable;

namespace {

const QString kStartPrompt1 = QStringLiteral("Silahkan pilih dahulu jenis ");
const QString kStartPrompt2 = QStringLiteral("komponen yang akan di tune-up");
const QString kValvePrompt
    = QStringLiteral("Silahkan pilih jenis dari valve mesin yang akan disetel(tune-up)");
const QString kGovernorPrompt
    = QStringLiteral("Silahkan pilih jenis dari governor yang akan disetel(tune-up)");
const QString kInjectorPrompt
    = QStringLiteral("Silahkan pilih jenis dari injektor yang akan disetel(tune-up)");
const QString kPickedPrompt
    = QStringLiteral("Silahkan tekan tombol \"PROSES\" untuk mengetahui tutorial perawatan. jika "
                     "tidak tekan tombol \"ULANG\" atau \"CLOSE\".");
const QString kResetPrompt
    = QStringLiteral("Silahkan pilih jenis komponen mesin yang akan ditune-up");

const Procedure &procedure(const QString &id)
{
    for (const Procedure &p : ProcedureTable::builtIn().procedures())
        if (p.id == id)
            return p;
    qFatal("no procedure %s", qPrintable(id));
}

// The category button that enables a radio group.
const char *buttonFor(int group)
{
    return group == 1 ? "BitBtn1" : group == 2 ? "BitBtn3" : "BitBtn2";
}

} // namespace

class TestTuneupWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void categoryButton_data();
    void categoryButton();
    void governorPickDisablesOthers_data();
    void governorPickDisablesOthers();
    void markedItemRunsNothing();
    void keyboardPick();
    void proses_data();
    void proses();
    void prosesTwiceWritesOnce();
    void prosesWithNothingSelected();
    void pictureStaysForProcedureWithout_data();
    void pictureStaysForProcedureWithout();
    void reset_data();
    void reset();
    void valveButtonAgainKeepsTutorial();
    void governorButtonClears();
    void missingPictureFolder_data();
    void missingPictureFolder();
    void failedPictureStopsLaterGroups();
    void failedPictureKeepsOldPicture();
    void pictureReadEachTime();
    void unreadablePicture_data();
    void unreadablePicture();
    void tablesAligned_data();
    void tablesAligned();
    void closeKeepsState();
    void contentScrolls();
    void buildPictureFolder();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void pick(int group, int item)
    {
        // on the mark: the middle of a long item may lie beyond a short caption
        QRadioButton *button = m_window->radioGroup(group)->item(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void choose(const Procedure &p)
    {
        click(buttonFor(p.group));
        pick(p.group, p.item);
    }
    QStringList explanation() const { return control<dipo::RichTextBox>("RichEdit1")->lines(); }
    QStringList prompt() const { return control<dipo::RichTextBox>("RichEdit2")->lines(); }
    dipo::PictureBox *pictureBox() const { return control<dipo::PictureBox>("Image3"); }
    void usePictures(const QTemporaryDir &dir)
    {
        qputenv("DIPO_PICTURE_DIR", dir.path().toLocal8Bit());
    }
    void writePicture(const QString &file, QColor colour)
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(m_pictures.filePath(QStringLiteral("gambar/tuneup/") + file), "JPEG"));
    }
    void verifyIdle();

    TTUNEUP *m_window = nullptr;
    QTemporaryDir m_pictures;
    QTemporaryDir m_noPictures;
    QStringList m_errors;
    QByteArray m_buildPictures;
};

void TestTuneupWindow::initTestCase()
{
    m_buildPictures = qgetenv("DIPO_PICTURE_DIR");
    QVERIFY(m_pictures.isValid() && m_noPictures.isValid());
    QVERIFY(QDir(m_pictures.path()).mkpath(QStringLiteral("gambar/tuneup")));
    int hue = 0;
    for (const Procedure &p : ProcedureTable::builtIn().procedures())
        if (p.hasPicture())
            writePicture(p.picture, QColor::fromHsv((hue += 19) % 360, 200, 200));
    dipo::errorreport::setSink([this](const QString &caption, const QString &text) {
        QCOMPARE(caption, dipo::errorreport::caption());
        m_errors << text;
    });
}

void TestTuneupWindow::init()
{
    usePictures(m_pictures);
    m_errors.clear();
    m_window = new TTUNEUP;
    m_window->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestTuneupWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestTuneupWindow::startState()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("TUNEUP"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("TUNE-UP"));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("TUNE-UP COMPONEN SYSTEM"));
    QCOMPARE(control<QGroupBox>("GroupBox1")->title(),
        QStringLiteral("TUTORIAL TUNE-UP MESIN LOKOMOTIF"));
    QCOMPARE(control<QGroupBox>("GroupBox3")->title(), QStringLiteral("JENIS-JENIS GOVERNOR"));
    QCOMPARE(control<QGroupBox>("GroupBox4")->title(),
        QStringLiteral("LIMITING SPEED MECHANICAL [ LSM ]"));
    const char *buttons[][2] = { { "BitBtn1", "TUNE UP PADA VALVE" },
        { "BitBtn2", "TUNE UP PADA GOVERNOR" }, { "BitBtn3", "TUNE UP PADA INJEKTOR" },
        { "SpeedButton1", "ULANGI" }, { "SpeedButton2", "PROSES" }, { "Button3", "CLOSE" } };
    for (const auto &b : buttons) {
        QCOMPARE(control<QPushButton>(b[0])->text(), QLatin1String(b[1]));
        QVERIFY(control<QPushButton>(b[0])->isEnabled());
    }
    const char *titles[] = { "VALVE", "INJECTOR", "VARIABLE SPEED MECHANICAL [ VSM ]",
        "CONSTANT SPEED MECHANICAL [ CSM ]", "HYDRAULIC", "LSM SINGLE RANGE", "LSM DOUBLE RANGE" };
    for (int g = 1; g <= 7; ++g) {
        dipo::RadioGroup *group = control<dipo::RadioGroup>(
            QStringLiteral("RadioGroup%1").arg(g).toLatin1().constData());
        QCOMPARE(group, m_window->radioGroup(g));
        QCOMPARE(group->title(), QLatin1String(titles[g - 1]));
        QCOMPARE(group->items(), ProcedureTable::builtIn().captions(g));
        QVERIFY(!group->isEnabled());
        QCOMPARE(group->itemIndex(), -1);
    }
    QCOMPARE(prompt(), (QStringList { kStartPrompt1, kStartPrompt2 }));
    auto *intro = control<QPlainTextEdit>("Memo1");
    QVERIFY(intro->isVisible());
    QVERIFY(!intro->isReadOnly());
    const QStringList introLines = intro->toPlainText().split(u'\n');
    QCOMPARE(introLines.size(), 18);
    QCOMPARE(introLines.at(0), QStringLiteral("       "));
    QCOMPARE(introLines.at(1),
        QStringLiteral("        Pada setiap mesin yang telah diperbaiki atau dipakai, akan "
                       "dilakukan proses tune-up untuk "));
    QCOMPARE(introLines.at(7), QString());
    QCOMPARE(introLines.at(15), QStringLiteral("mempermudah"));
    QCOMPARE(
        introLines.at(16), QStringLiteral("    serta mempercepat proses tune up suatu mesin "));
    QCOMPARE(introLines.at(17), QString());
    QVERIFY(explanation().isEmpty());
    QVERIFY(pictureBox()->isVisible());
    QVERIFY(!pictureBox()->hasPicture());
    auto *defaultPicture = control<dipo::PictureBox>("Image2");
    QVERIFY(defaultPicture->isVisible());
    QCOMPARE(defaultPicture->geometry(), pictureBox()->geometry());
    QCOMPARE(defaultPicture->picture(),
        dipo::pictures::decoration(QStringLiteral("tuneup_default.jpg")));
    QVERIFY(control<dipo::RichTextBox>("RichEdit2")->isReadOnly());
    QVERIFY(!control<dipo::RichTextBox>("RichEdit2")->isEnabled());
    QVERIFY(control<dipo::RichTextBox>("RichEdit1")->isReadOnly());
}

void TestTuneupWindow::categoryButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("enabledGroups");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("valve") << QStringLiteral("BitBtn1") << QList<int> { 1 } << kValvePrompt;
    QTest::newRow("governor") << QStringLiteral("BitBtn2") << QList<int> { 3, 4, 5, 6, 7 }
                              << kGovernorPrompt;
    QTest::newRow("injector") << QStringLiteral("BitBtn3") << QList<int> { 2 } << kInjectorPrompt;
}

void TestTuneupWindow::categoryButton()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, enabledGroups);
    QFETCH(QString, prompt);
    click(button.toLatin1().constData());
    for (const char *other : { "BitBtn1", "BitBtn2", "BitBtn3" })
        QCOMPARE(control<QPushButton>(other)->isEnabled(), button == QLatin1String(other));
    for (int g = 1; g <= 7; ++g)
        QCOMPARE(m_window->radioGroup(g)->isEnabled(), enabledGroups.contains(g));
    QCOMPARE(this->prompt(), QStringList { prompt });
    QVERIFY(control<QPlainTextEdit>("Memo1")->isVisible());
    QVERIFY(pictureBox()->isVisible() == (button != QLatin1String("BitBtn2")));
}

void TestTuneupWindow::governorPickDisablesOthers_data()
{
    QTest::addColumn<int>("group");
    for (int g = 3; g <= 7; ++g)
        QTest::addRow("RadioGroup%d", g) << g;
}

void TestTuneupWindow::governorPickDisablesOthers()
{
    QFETCH(int, group);
    click("BitBtn2");
    pick(group, 0);
    QCOMPARE(prompt(), QStringList { kPickedPrompt });
    for (int g = 3; g <= 7; ++g)
        QCOMPARE(m_window->radioGroup(g)->isEnabled(), g == group);
    // Another item of the same group can still be picked.
    pick(group, 1);
    QCOMPARE(m_window->radioGroup(group)->itemIndex(), 1);
    QVERIFY(!control<QPushButton>("BitBtn1")->isEnabled());
    QVERIFY(!control<QPushButton>("BitBtn3")->isEnabled());
}

void TestTuneupWindow::markedItemRunsNothing()
{
    click("BitBtn1");
    pick(1, 0);
    QCOMPARE(prompt(), QStringList { kPickedPrompt });
    click("BitBtn1");
    pick(1, 0); // already marked: no handler, the valve prompt stays
    QCOMPARE(prompt(), QStringList { kValvePrompt });
    QCOMPARE(m_window->radioGroup(1)->itemIndex(), 0);
}

void TestTuneupWindow::keyboardPick()
{
    click("BitBtn2");
    pick(7, 0);
    click("BitBtn2"); // all governor groups again, nothing selected
    QRadioButton *first = m_window->radioGroup(5)->item(0);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    QCOMPARE(m_window->radioGroup(5)->itemIndex(), 0);
    QCOMPARE(prompt(), QStringList { kPickedPrompt });
    QVERIFY(!m_window->radioGroup(7)->isEnabled());
    QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(m_window->radioGroup(5)->itemIndex(), 1);
}

void TestTuneupWindow::proses_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("lineCount");
    const int counts[] = { 27, 31, 41, 17, 7, 22, 11, 11, 8, 20, 14, 45, 13, 38, 25, 12, 41, 9, 32,
        28, 75, 35, 89, 18, 11, 56 };
    int i = 0;
    for (const Procedure &p : ProcedureTable::builtIn().procedures())
        QTest::newRow(qPrintable(p.id)) << p.id << counts[i++];
}

void TestTuneupWindow::proses()
{
    QFETCH(QString, id);
    QFETCH(int, lineCount);
    const Procedure &p = procedure(id);
    choose(p);
    const bool shownBefore = pictureBox()->isVisible();
    click("SpeedButton2");

    QVERIFY(m_errors.isEmpty());
    QVERIFY(!control<QPlainTextEdit>("Memo1")->isVisible());
    const QStringList written = explanation();
    QCOMPARE(written.size(), lineCount);
    const QStringList expected = QStringList { p.heading } + p.body;
    for (int n = 0; n < lineCount; ++n)
        QVERIFY2(written.at(n) == expected.at(n),
            qPrintable(QStringLiteral("line %1: \"%2\"").arg(n + 1).arg(written.at(n))));
    auto *box = control<dipo::RichTextBox>("RichEdit1");
    QCOMPARE(box->fontSize(), 12.0);
    QCOMPARE(box->firstLineIndentOf(0), 1.0);
    for (int n = 1; n < lineCount; ++n)
        QCOMPARE(box->firstLineIndentOf(n), 10.0);

    if (p.hasPicture()) {
        QVERIFY(pictureBox()->isVisible());
        QCOMPARE(pictureBox()->picturePath(),
            QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\") + p.picture);
        QCOMPARE(pictureBox()->picture().size(), QSize(32, 24));
    } else {
        QCOMPARE(pictureBox()->isVisible(), shownBefore);
        QVERIFY(!pictureBox()->hasPicture());
    }
    // enabled states, selection and prompt stay as they were
    QCOMPARE(prompt(), QStringList { kPickedPrompt });
    QCOMPARE(m_window->radioGroup(p.group)->itemIndex(), p.item);
    QVERIFY(m_window->radioGroup(p.group)->isEnabled());
}

void TestTuneupWindow::prosesTwiceWritesOnce()
{
    choose(procedure(QStringLiteral("V-2")));
    click("SpeedButton2");
    const QStringList first = explanation();
    click("SpeedButton2");
    QCOMPARE(explanation(), first);
    QCOMPARE(first.size(), 31);
}

void TestTuneupWindow::prosesWithNothingSelected()
{
    click("SpeedButton2");
    QVERIFY(!control<QPlainTextEdit>("Memo1")->isVisible());
    QVERIFY(explanation().isEmpty());
    QVERIFY(pictureBox()->isVisible());
    QCOMPARE(prompt(), (QStringList { kStartPrompt1, kStartPrompt2 }));
    // after a tutorial the governor button empties the box: PROSES shows it empty
    choose(procedure(QStringLiteral("HYD-3")));
    click("SpeedButton2");
    click("BitBtn2");
    click("SpeedButton2");
    QVERIFY(explanation().isEmpty());
    QVERIFY(!pictureBox()->isVisible());
    QVERIFY(m_errors.isEmpty());
}

void TestTuneupWindow::pictureStaysForProcedureWithout_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("then ULANGI") << QStringLiteral("SpeedButton1");
    QTest::newRow("then the governor button") << QStringLiteral("BitBtn2");
}

void TestTuneupWindow::pictureStaysForProcedureWithout()
{
    QFETCH(QString, then);
    choose(procedure(QStringLiteral("VSM-5")));
    click("SpeedButton2");
    pick(3, 5);
    click("SpeedButton2");
    QCOMPARE(explanation().size(), 8);
    QCOMPARE(explanation().at(2),
        QStringLiteral("Menyetel Buffer Screw pada governor variable speed mechanical"));
    QVERIFY(pictureBox()->isVisible());
    QCOMPARE(pictureBox()->picturePath(),
        QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\gbt_hlm27.jpg"));
    click(then.toLatin1().constData());
    QVERIFY(!pictureBox()->isVisible());
}

void TestTuneupWindow::verifyIdle()
{
    for (const char *b : { "BitBtn1", "BitBtn2", "BitBtn3" })
        QVERIFY2(control<QPushButton>(b)->isEnabled(), b);
    for (int g = 1; g <= 7; ++g) {
        QVERIFY(!m_window->radioGroup(g)->isEnabled());
        QCOMPARE(m_window->radioGroup(g)->itemIndex(), -1);
    }
    QCOMPARE(prompt(), QStringList { kResetPrompt });
    QVERIFY(explanation().isEmpty());
    QVERIFY(control<QPlainTextEdit>("Memo1")->isVisible());
    QVERIFY(!pictureBox()->isVisible());
}

void TestTuneupWindow::reset_data()
{
    QTest::addColumn<QString>("steps"); // b<group> category button, p<group><item>, P PROSES
    QTest::newRow("start") << QString();
    QTest::newRow("valve choosing") << QStringLiteral("b1");
    QTest::newRow("valve tutorial") << QStringLiteral("b1 p11 P");
    QTest::newRow("injector tutorial") << QStringLiteral("b2 p20 P");
    QTest::newRow("governor choosing") << QStringLiteral("b3");
    QTest::newRow("governor picked") << QStringLiteral("b3 p74");
    QTest::newRow("governor tutorial") << QStringLiteral("b3 p61 P");
    QTest::newRow("reset twice") << QStringLiteral("b3 p50 P R");
}

void TestTuneupWindow::reset()
{
    QFETCH(QString, steps);
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step.startsWith(u'b'))
            click(buttonFor(step.mid(1).toInt()));
        else if (step.startsWith(u'p'))
            pick(step.mid(1, 1).toInt(), step.mid(2).toInt());
        else
            click(step == QLatin1String("P") ? "SpeedButton2" : "SpeedButton1");
    }
    click("SpeedButton1");
    verifyIdle();
}

void TestTuneupWindow::valveButtonAgainKeepsTutorial()
{
    choose(procedure(QStringLiteral("V-1")));
    click("SpeedButton2");
    click("BitBtn1");
    QCOMPARE(m_window->radioGroup(1)->itemIndex(), 0);
    QCOMPARE(explanation().size(), 27);
    QVERIFY(pictureBox()->isVisible());
    QCOMPARE(prompt(), QStringList { kValvePrompt });
}

void TestTuneupWindow::governorButtonClears()
{
    choose(procedure(QStringLiteral("LSM-D-2")));
    click("SpeedButton2");
    click("BitBtn2");
    for (int g = 1; g <= 7; ++g) {
        QCOMPARE(m_window->radioGroup(g)->itemIndex(), -1);
        QCOMPARE(m_window->radioGroup(g)->isEnabled(), g >= 3);
    }
    QVERIFY(explanation().isEmpty());
    QVERIFY(!pictureBox()->isVisible());
    QVERIFY(!control<QPlainTextEdit>("Memo1")->isVisible()); // the introduction stays hidden
    QCOMPARE(prompt(), QStringList { kGovernorPrompt });
}

void TestTuneupWindow::missingPictureFolder_data()
{
    QTest::addColumn<QString>("id");
    for (const Procedure &p : ProcedureTable::builtIn().procedures())
        QTest::newRow(qPrintable(p.id)) << p.id;
}

void TestTuneupWindow::missingPictureFolder()
{
    QFETCH(QString, id);
    const Procedure &p = procedure(id);
    usePictures(m_noPictures);
    choose(p);
    const bool shownBefore = pictureBox()->isVisible();
    click("SpeedButton2");

    QCOMPARE(explanation(), QStringList { p.heading } + p.body);
    QCOMPARE(pictureBox()->isVisible(), shownBefore);
    QVERIFY(!pictureBox()->hasPicture());
    if (p.hasPicture())
        QCOMPARE(m_errors,
            QStringList { QStringLiteral("Cannot open file %1/gambar/tuneup/%2.")
                              .arg(m_noPictures.path(), p.picture) });
    else
        QVERIFY(m_errors.isEmpty());
    // the window stays usable
    click("SpeedButton1");
    verifyIdle();
}

void TestTuneupWindow::failedPictureStopsLaterGroups()
{
    // The window never lets two groups hold a selection; set them directly to see the
    // order in which PROSES looks at the groups.
    m_window->radioGroup(1)->setItemIndex(0);
    m_window->radioGroup(3)->setItemIndex(5); // no picture
    click("SpeedButton2");
    QCOMPARE(explanation().size(), 8); // the later group's tutorial is the one left
    QVERIFY(m_errors.isEmpty());

    usePictures(m_noPictures);
    click("SpeedButton2");
    QCOMPARE(explanation().size(), 27); // V-1's picture failed: group 3 was not reached
    QCOMPARE(explanation().first(), procedure(QStringLiteral("V-1")).heading);
    QCOMPARE(m_errors.size(), 1);
}

void TestTuneupWindow::failedPictureKeepsOldPicture()
{
    choose(procedure(QStringLiteral("V-1")));
    click("SpeedButton2");
    const QImage shown = pictureBox()->picture();
    usePictures(m_noPictures); // looked up again on the next load
    pick(1, 1);
    click("SpeedButton2");
    QCOMPARE(explanation().size(), 31);
    QVERIFY(pictureBox()->isVisible());
    QCOMPARE(pictureBox()->picture(), shown);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY(m_errors.first().endsWith(QStringLiteral("/gambar/tuneup/gbt_4 valve.jpg.")));
}

void TestTuneupWindow::pictureReadEachTime()
{
    choose(procedure(QStringLiteral("INJ-1")));
    click("SpeedButton2");
    const QRgb before = pictureBox()->picture().pixel(5, 5);
    writePicture(QStringLiteral("gbt_tfi.jpg"), Qt::black);
    click("SpeedButton2");
    QVERIFY(pictureBox()->picture().pixel(5, 5) != before);
    QVERIFY(qGray(pictureBox()->picture().pixel(5, 5)) < 20);
    writePicture(QStringLiteral("gbt_tfi.jpg"), Qt::red);
}

void TestTuneupWindow::unreadablePicture_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no JPEG") << QByteArray("no picture here");
    samples::Encoding scans;
    scans.progressive = true;
    scans.fullPrecisionScans = true;
    QTest::newRow("scan flood") << samples::withLastScanRepeated(samples::encode(64, 48, scans), 150);
    samples::Encoding arithmetic;
    arithmetic.arithmetic = true;
    arithmetic.noise = true;
    QTest::newRow("arithmetic data cut")
        << samples::withScanDataCut(samples::encode(320, 240, arithmetic), 25);
}

void TestTuneupWindow::unreadablePicture()
{
    QFETCH(QByteArray, content);
    const QString path = m_pictures.filePath(QStringLiteral("gambar/tuneup/gbt_hlm35.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    choose(procedure(QStringLiteral("HYD-3")));
    click("SpeedButton2");
    QCOMPARE(explanation().size(), 12);
    QVERIFY(!pictureBox()->isVisible());
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.first().contains(path), qPrintable(m_errors.first()));
    writePicture(QStringLiteral("gbt_hlm35.jpg"), Qt::blue);
}

void TestTuneupWindow::tablesAligned_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<int>("lastLine");
    QTest::addColumn<QString>("column"); // where the column starts in each line

    QTest::newRow("INJ-1 timing gauges")
        << QStringLiteral("INJ-1") << 23 << 41 << QStringLiteral("Timing gage|J1\\d{3}");
    QTest::newRow("INJ-1 timing dimensions")
        << QStringLiteral("INJ-1") << 24 << 41 << QStringLiteral("\\d\\.\\d{3}");
    QTest::newRow("VSM-7 stops") << QStringLiteral("VSM-7") << 5 << 8
                                 << QStringLiteral("(?<=\\t)\\S");
    QTest::newRow("VSM-7 shims") << QStringLiteral("VSM-7") << 5 << 7
                                 << QStringLiteral("Shim|Naik");
    QTest::newRow("HYD-4 no-load column")
        << QStringLiteral("HYD-4") << 34 << 37 << QStringLiteral("(?<=\\t)\\S");
}

void TestTuneupWindow::tablesAligned()
{
    QFETCH(QString, id);
    QFETCH(int, firstLine);
    QFETCH(int, lastLine);
    QFETCH(QString, column);
    choose(procedure(id));
    click("SpeedButton2");
    QTextDocument *document = control<dipo::RichTextBox>("RichEdit1")->document();
    document->adjustSize();
    const QRegularExpression start(column);
    QList<qreal> xs;
    for (int n = firstLine; n <= lastLine; ++n) {
        const QTextBlock block = document->findBlockByNumber(n - 1);
        const int at = int(start.match(block.text()).capturedStart());
        QVERIFY2(at > 0, qPrintable(block.text()));
        QTextLayout *layout = block.layout();
        QVERIFY(layout && layout->lineCount() == 1);
        xs << layout->lineAt(0).cursorToX(at);
    }
    for (qreal x : std::as_const(xs))
        QVERIFY2(qAbs(x - xs.first()) < 0.5, qPrintable(QStringLiteral("columns at %1").arg([&] {
            QStringList s;
            for (qreal v : xs)
                s << QString::number(v);
            return s.join(u' ');
        }())));
}

void TestTuneupWindow::closeKeepsState()
{
    choose(procedure(QStringLiteral("CSM-2")));
    click("SpeedButton2");
    click("Button3");
    QVERIFY(!m_window->isVisible());
    m_window->showWindow();
    QVERIFY(m_window->isVisible());
    QCOMPARE(explanation().size(), 45);
    QCOMPARE(m_window->radioGroup(4)->itemIndex(), 1);
    QVERIFY(m_window->radioGroup(4)->isEnabled());
    QVERIFY(!m_window->radioGroup(3)->isEnabled());
    QVERIFY(pictureBox()->isVisible());
    QCOMPARE(prompt(), QStringList { kPickedPrompt });
}

void TestTuneupWindow::contentScrolls()
{
    auto *scroll = control<QScrollArea>("ScrollBox");
    QVERIFY(scroll->widget()->height() > scroll->viewport()->height());
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
}

void TestTuneupWindow::buildPictureFolder()
{
    // The program's own pictures, as the build puts them beside it: every file the
    // table names must be there and read.
    if (m_buildPictures.isEmpty())
        QSKIP("no picture folder given");
    qputenv("DIPO_PICTURE_DIR", m_buildPictures);
    for (const Procedure &p : ProcedureTable::builtIn().procedures()) {
        click("SpeedButton1");
        choose(p);
        click("SpeedButton2");
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(u'\n')));
        QCOMPARE(pictureBox()->isVisible(), p.hasPicture());
        if (p.hasPicture())
            QVERIFY(pictureBox()->hasPicture());
    }
}

QTEST_MAIN(TestTuneupWindow)
#include "tst_tuneupwindow.moc"
