// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/pm.h"

#include "common/errorreport.h"
#include "jpegsamples.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kRepeatPrompt = QStringLiteral("Silahkan pilih jenis kerusakan terlebih dahulu");
const QStringList kStartPrompt { QStringLiteral("Silahkan pilih dahulu jenis "),
    QStringLiteral("maintance (perawatan)") };

struct Report
{
    QString caption;
    QString text;
};

// A folder of small one-colour pictures standing in for the program's picture folder.
class PictureFolder
{
public:
    PictureFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("gambar/maintance"));
        int hue = 0;
        for (const dipo::maintenance::Entry &entry :
            dipo::maintenance::Table::builtIn().entries()) {
            if (entry.hasPicture())
                write(QStringLiteral("gambar/maintance/") + entry.picture,
                    QColor::fromHsv(hue += 11, 255, 230));
        }
        write(QStringLiteral("ker3.jpg"), QColor(Qt::white));
    }

    QString path() const { return m_dir.path(); }
    QColor colourOf(const QString &relativePath) const { return m_colours.value(relativePath); }

    void write(const QString &relativePath, const QColor &colour)
    {
        QImage image(24, 18, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(QDir(m_dir.path()).filePath(relativePath), "JPG", 95));
        m_colours.insert(relativePath, colour);
    }

private:
    QTemporaryDir m_dir;
    QHash<QString, QColor> m_colours;
};

bool sameColour(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12
        && std::abs(a.blue() - b.blue()) < 12;
}

} // namespace

class PmWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWaitingForAChoice();
    void chooseComponent_data();
    void chooseComponent();
    void process_data();
    void process();
    void processWorksOncePerChoice();
    void clickOnTheMarkedComponentRaisesNothing();
    void repeatStartsOverKeepingTheMark();
    void sameComponentAgainNeedsAnotherChoiceFirst();
    void componentWithoutPictureLeavesThePictureBox_data();
    void componentWithoutPictureLeavesThePictureBox();
    void picturesAreReadAnewEachTime();
    void missingPictureFolder();
    void missingPictureKeepsThePreviousOne_data();
    void missingPictureKeepsThePreviousOne();
    void arrowKeysMoveInComponentOrder_data();
    void arrowKeysMoveInComponentOrder();
    void arrowKeysStayPutWhileAComponentIsChosen();
    void tabOrderLeavesTheGroupThroughTheButtons();
    void closeKeepsTheState_data();
    void closeKeepsTheState();

private:
    void click(QAbstractButton *button);
    void choose(int component) { click(m_window->radioButton(component)); }
    int markedComponent() const;
    QList<int> enabledComponents() const;
    void verifyWaiting(int marked);
    QColor shownColour() const;

    std::unique_ptr<PictureFolder> m_pictures;
    std::unique_ptr<TPM> m_window;
    QList<Report> m_reports;
};

void PmWindowTest::initTestCase()
{
    m_pictures = std::make_unique<PictureFolder>();
}

void PmWindowTest::init()
{
    qputenv("DIPO_PICTURE_DIR", m_pictures->path().toLocal8Bit());
    m_reports.clear();
    dipo::errorreport::setSink([this](const QString &caption, const QString &text) {
        m_reports.append({ caption, text });
    });
    m_window = std::make_unique<TPM>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void PmWindowTest::cleanup()
{
    m_window.reset();
    dipo::errorreport::setSink({});
    qunsetenv("DIPO_PICTURE_DIR");
}

void PmWindowTest::click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

int PmWindowTest::markedComponent() const
{
    int marked = 0;
    for (int n = 1; n <= 30; ++n) {
        if (m_window->radioButton(n)->isChecked()) {
            if (marked)
                return -1; // two marked: never allowed
            marked = n;
        }
    }
    return marked;
}

QList<int> PmWindowTest::enabledComponents() const
{
    QList<int> enabled;
    for (int n = 1; n <= 30; ++n) {
        if (m_window->radioButton(n)->isEnabled())
            enabled << n;
    }
    return enabled;
}

QColor PmWindowTest::shownColour() const
{
    const QImage &picture = m_window->Image3->picture();
    return picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

// All components open, PROSES and ULANGI shut, the ULANGI texts shown.
void PmWindowTest::verifyWaiting(int marked)
{
    QCOMPARE(markedComponent(), marked);
    QCOMPARE(enabledComponents().size(), 30);
    QVERIFY(!m_window->BitBtn1->isEnabled());
    QVERIFY(!m_window->BitBtn2->isEnabled());
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { kRepeatPrompt });
    QCOMPARE(
        m_window->RichEdit1->lines(), dipo::maintenance::Table::builtIn().repeatIntroduction());
    for (int i = 0; i < m_window->RichEdit1->lineCount(); ++i)
        QCOMPARE(m_window->RichEdit1->firstLineIndentOf(i), 1.0);
}

void PmWindowTest::startsWaitingForAChoice()
{
    TPM &w = *m_window;
    QCOMPARE(w.windowTitle(), QStringLiteral("PM"));
    QCOMPARE(w.Label1->text(), QStringLiteral("COMPONEN MAINTANCE SYSTEM"));
    QCOMPARE(w.GroupBox1->title(), QStringLiteral("JENIS PERAWATAN"));
    QCOMPARE(w.BitBtn2->text(), QStringLiteral("ULANGI "));
    QCOMPARE(w.BitBtn1->text(), QStringLiteral("PROSES"));
    QCOMPARE(w.BitBtn3->text(), QStringLiteral("CLOSE"));
    QCOMPARE(w.radioButton(1)->text(), QStringLiteral("engine oil and oil filter"));
    QCOMPARE(w.radioButton(15)->text(), QStringLiteral("trottle and Clutch control"));
    QCOMPARE(w.radioButton(30)->text(), QStringLiteral("Transmission, Verseneling"));
    for (int n = 1; n <= 30; ++n) {
        QCOMPARE(
            w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(n)), w.radioButton(n));
        QCOMPARE(w.radioButton(n)->parentWidget(), w.GroupBox1);
    }

    QCOMPARE(markedComponent(), 0);
    QCOMPARE(enabledComponents().size(), 30);
    QVERIFY(!w.BitBtn1->isEnabled());
    QVERIFY(!w.BitBtn2->isEnabled());
    QVERIFY(w.BitBtn3->isEnabled());
    QVERIFY(!w.RichEdit2->isEnabled());
    QVERIFY(w.RichEdit2->isReadOnly());
    QVERIFY(w.RichEdit1->isReadOnly());
    QCOMPARE(w.RichEdit2->lines(), kStartPrompt);
    const QStringList intro = w.RichEdit1->lines();
    QCOMPARE(intro.size(), 9);
    QCOMPARE(intro.first(),
        QStringLiteral("Sistem perawatan ini berisi petunjuk mengenai car pemeriharaan dari "));
    QCOMPARE(intro.at(1), QStringLiteral("mesin, misalnya :"));
    QCOMPARE(intro.last(), QStringLiteral("tersebut diatas dengan benar."));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(w.RichEdit1->firstLineIndentOf(i), 0.0);
    QVERIFY(!w.Image3->hasPicture());

    // Pressing the shut buttons changes nothing.
    click(w.BitBtn1);
    click(w.BitBtn2);
    QCOMPARE(w.RichEdit2->lines(), kStartPrompt);
    QCOMPARE(w.RichEdit1->lines(), intro);
    QVERIFY(m_reports.isEmpty());
}

void PmWindowTest::chooseComponent_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("prompt");
    for (int n = 1; n <= 29; ++n)
        QTest::addRow("component %d", n) << n << QStringLiteral("tekan tombol proses");
    QTest::newRow("component 30, the longer prompt")
        << 30 << QStringLiteral("tekan tombol proses untuk memulai perawatan");
}

void PmWindowTest::chooseComponent()
{
    QFETCH(int, component);
    QFETCH(QString, prompt);
    const QStringList intro = m_window->RichEdit1->lines();

    choose(component);

    QCOMPARE(markedComponent(), component);
    QCOMPARE(enabledComponents(), QList<int> { component });
    QVERIFY(m_window->BitBtn1->isEnabled());
    QVERIFY(m_window->BitBtn2->isEnabled());
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { prompt });
    QCOMPARE(m_window->RichEdit1->lines(), intro); // the introduction stays until PROSES
    QVERIFY(!m_window->Image3->hasPicture());

    // The other twenty-nine are shut: a click on one changes nothing.
    click(m_window->radioButton(component == 1 ? 2 : 1));
    QCOMPARE(markedComponent(), component);
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { prompt });
}

void PmWindowTest::process_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QList<int>>("lineLengths"); // blanks included
    QTest::addColumn<QString>("picture");

    auto addRow = [](int n, const char *heading, const QList<int> &lengths, const char *picture) {
        QTest::addRow("component %d", n)
            << n << QString::fromLatin1(heading) << lengths << QString::fromLatin1(picture);
    };
    addRow(1, "Oli Mesin dan Penyaringan Oli", { 63, 94, 115, 99, 140 }, "gbm_1,2.jpg");
    addRow(2, "Air pendingin dan Filter", { 121, 78, 111, 105 }, "gbm_3,4.jpg");
    addRow(3, "Radiator", { 94, 191, 182 }, "gbm_5.jpg");
    addRow(4, "Heat exchanger", { 86, 184, 168 }, "gbm_6.jpg");
    addRow(5, "Pompa Air Laut", { 125, 193 }, "gbm_7.jpg");
    addRow(6, "Saringan Oli dan Filter", { 152 }, "gbm_9.jpg");
    addRow(7, "Saringan Udara", { 114, 124 }, "gbm_10.jpg");
    addRow(8, "Air Box Drain", { 107, 61, 152 }, "gbm_11.jpg");
    addRow(9, "Sistem Ventilasi mesin", { 103, 116 }, "gbm_12.jpg");
    addRow(10, "sudu-sud blower", { 100, 120 }, "gbm_13.jpg");
    addRow(11, "Motor Stater", { 124, 86, 113 }, "gbm_14.jpg");
    addRow(12, "Generator Pengisian Baterai", { 168, 83, 88, 69, 69 }, "gbm_15.jpg");
    addRow(13, "Baterai", { 120, 132 }, "");
    addRow(14, "Tachometer atau alat ukur RPM meter", { 171 }, "gbm_17.jpg");
    addRow(15, "Kontrol Gas dan Kopling", { 190, 39 }, "gbm_18.jpg");
    addRow(16, "Tali Kipas", { 161, 72, 59 }, "gbm_20.jpg");
    addRow(17, "Over Speed Governor", { 89, 47 }, "gbm_21.jpg");
    addRow(18, "Bantalan Kipas", { 106, 52, 149 }, "gbm_22.jpg");
    addRow(19, "Sistem Shutdown", { 161 }, "");
    addRow(20, "Sistem hidrostater", { 212 }, "gbm_24.jpg");
    addRow(21, "Kompresor Udara dan Saringan Udara", { 91, 54, 47, 51 }, "");
    addRow(22, "Turbo Charger", { 70, 230 }, "gbm_26.jpg");
    addRow(23, "Power Generator", { 110, 67, 47, 60, 168 }, "gbm_27.jpg");
    addRow(24, "Kolping", { 191 }, "gbm_28.jpg");
    addRow(25, "Torqmatic Converter", { 82, 106 }, "gbm_29.jpg");
    addRow(26, "Torqmatic Marine Gear", { 164, 104, 58 }, "gbm_30.jpg");
    addRow(27, "Paragon Marine Gear", { 168, 98, 42, 46 }, "gbm_31.jpg");
    addRow(28, "Gigi Reduksi Pada Mesin Tunggal", { 71, 96, 78, 59, 64 }, "gbm_32.jpg");
    addRow(29, "Reduction Gear (Multiple Marine)", { 79, 57, 61, 155, 75 }, "gbm_34.jpg");
    addRow(30, "Verseneling dan Saringan Oli", { 106, 27, 101, 34, 54, 70 }, "gbm_35,36.jpg");
}

void PmWindowTest::process()
{
    QFETCH(int, component);
    QFETCH(QString, heading);
    QFETCH(QList<int>, lineLengths);
    QFETCH(QString, picture);

    choose(component);
    click(m_window->BitBtn1);

    QVERIFY(m_reports.isEmpty());
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { heading });
    const QStringList lines = m_window->RichEdit1->lines();
    QCOMPARE(lines, dipo::maintenance::Table::builtIn().entry(component)->lines);
    QList<int> lengths;
    for (int i = 0; i < lines.size(); ++i) {
        lengths << int(lines.at(i).size());
        QCOMPARE(m_window->RichEdit1->firstLineIndentOf(i), 1.0);
    }
    QCOMPARE(lengths, lineLengths);
    QVERIFY(!lines.contains(heading));

    QVERIFY(!m_window->BitBtn1->isEnabled());
    QVERIFY(m_window->BitBtn2->isEnabled());
    QCOMPARE(enabledComponents(), QList<int> { component });

    if (picture.isEmpty()) {
        QVERIFY(!m_window->Image3->hasPicture());
    } else {
        QCOMPARE(m_window->Image3->picturePath(),
            QStringLiteral("d:\\karya_hasil\\gambar\\maintance\\") + picture);
        QVERIFY(sameColour(
            shownColour(), m_pictures->colourOf(QStringLiteral("gambar/maintance/") + picture)));
    }
}

void PmWindowTest::processWorksOncePerChoice()
{
    choose(4);
    click(m_window->BitBtn1);
    QVERIFY(!m_window->BitBtn1->isEnabled());
    // Even a programmatic second press (the button is shut for the user) repeats
    // the same entry without doubling the lines.
    m_window->BitBtn1Click();
    QCOMPARE(m_window->RichEdit1->lines().size(), 3);
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { QStringLiteral("Heat exchanger") });
}

void PmWindowTest::clickOnTheMarkedComponentRaisesNothing()
{
    choose(5);
    click(m_window->BitBtn1);
    const QStringList lines = m_window->RichEdit1->lines();
    choose(5);
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { QStringLiteral("Pompa Air Laut") });
    QCOMPARE(m_window->RichEdit1->lines(), lines);
    QVERIFY(!m_window->BitBtn1->isEnabled());
    QCOMPARE(enabledComponents(), QList<int> { 5 });
}

void PmWindowTest::repeatStartsOverKeepingTheMark()
{
    choose(7);
    click(m_window->BitBtn1);
    click(m_window->BitBtn2);

    verifyWaiting(7);
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(m_window->Image3->picturePath(), QStringLiteral("d:\\karya_hasil\\ker3.jpg"));
    QVERIFY(sameColour(shownColour(), m_pictures->colourOf(QStringLiteral("ker3.jpg"))));

    // ULANGI straight after a choice, without PROSES, starts over as well.
    choose(8);
    QCOMPARE(markedComponent(), 8);
    click(m_window->BitBtn2);
    verifyWaiting(8);
}

void PmWindowTest::sameComponentAgainNeedsAnotherChoiceFirst()
{
    choose(7);
    click(m_window->BitBtn1);
    click(m_window->BitBtn2);

    choose(7); // still marked: nothing happens
    verifyWaiting(7);

    choose(9);
    click(m_window->BitBtn2);
    choose(7);
    QCOMPARE(enabledComponents(), QList<int> { 7 });
    click(m_window->BitBtn1);
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { QStringLiteral("Saringan Udara") });
}

void PmWindowTest::componentWithoutPictureLeavesThePictureBox_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<bool>("afterRepeat");
    for (int n : { 13, 19, 21 }) {
        QTest::addRow("component %d on the empty box", n) << n << false;
        QTest::addRow("component %d after ULANGI", n) << n << true;
    }
}

void PmWindowTest::componentWithoutPictureLeavesThePictureBox()
{
    QFETCH(int, component);
    QFETCH(bool, afterRepeat);
    if (afterRepeat) {
        choose(22);
        click(m_window->BitBtn1);
        click(m_window->BitBtn2);
    }
    const QString pathBefore = m_window->Image3->picturePath();
    const bool hadPicture = m_window->Image3->hasPicture();

    choose(component);
    click(m_window->BitBtn1);

    QVERIFY(m_reports.isEmpty());
    QCOMPARE(m_window->RichEdit2->lines(),
        QStringList { dipo::maintenance::Table::builtIn().entry(component)->heading });
    QCOMPARE(m_window->Image3->hasPicture(), hadPicture);
    QCOMPARE(m_window->Image3->picturePath(), pathBefore);
    if (afterRepeat)
        QVERIFY(sameColour(shownColour(), m_pictures->colourOf(QStringLiteral("ker3.jpg"))));
}

void PmWindowTest::picturesAreReadAnewEachTime()
{
    const QString oil = QStringLiteral("gambar/maintance/gbm_1,2.jpg");
    const QColor original = m_pictures->colourOf(oil);
    choose(1);
    click(m_window->BitBtn1);
    QVERIFY(sameColour(shownColour(), original));

    m_pictures->write(oil, QColor(Qt::darkBlue));
    m_pictures->write(QStringLiteral("ker3.jpg"), QColor(Qt::darkGreen));
    click(m_window->BitBtn2);
    QVERIFY(sameColour(shownColour(), QColor(Qt::darkGreen)));
    choose(2);
    click(m_window->BitBtn2);
    choose(1);
    click(m_window->BitBtn1);
    QVERIFY(sameColour(shownColour(), QColor(Qt::darkBlue)));

    m_pictures->write(oil, original);
    m_pictures->write(QStringLiteral("ker3.jpg"), QColor(Qt::white));
}

// Every effect but the picture takes place; the missing file is reported by its full path.
void PmWindowTest::missingPictureFolder()
{
    QTemporaryDir empty;
    qputenv("DIPO_PICTURE_DIR", empty.path().toLocal8Bit());
    const dipo::maintenance::Entry &oil = *dipo::maintenance::Table::builtIn().entry(1);

    choose(1);
    click(m_window->BitBtn1);

    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(m_reports.at(0).caption, dipo::errorreport::caption());
    QCOMPARE(m_reports.at(0).text,
        QStringLiteral("Cannot open file ") + empty.path()
            + QStringLiteral("/gambar/maintance/gbm_1,2.jpg."));
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { oil.heading });
    QCOMPARE(m_window->RichEdit1->lines(), oil.lines);
    QVERIFY(!m_window->BitBtn1->isEnabled());
    QVERIFY(m_window->BitBtn2->isEnabled());
    QVERIFY(!m_window->Image3->hasPicture());

    click(m_window->BitBtn2);

    QCOMPARE(m_reports.size(), 2);
    QCOMPARE(m_reports.at(1).text,
        QStringLiteral("Cannot open file ") + empty.path() + QStringLiteral("/ker3.jpg."));
    verifyWaiting(1);
    QVERIFY(!m_window->Image3->hasPicture());

    // A component without a picture reads nothing, so reports nothing.
    choose(13);
    click(m_window->BitBtn1);
    QCOMPARE(m_reports.size(), 2);
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { QStringLiteral("Baterai") });
}

void PmWindowTest::missingPictureKeepsThePreviousOne_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("reported");
    QTest::newRow("file missing") << QByteArray() << QStringLiteral("Cannot open file ");
    QTest::newRow("file no JPEG") << QByteArray("GIF89a, not a JPEG")
                                  << QStringLiteral("not a valid JPEG");
    QTest::newRow("file empty") << QByteArray("\0", 0) << QStringLiteral("Cannot open file ");
    samples::Encoding scans;
    scans.progressive = true;
    scans.fullPrecisionScans = true;
    QTest::newRow("scan flood")
        << samples::withLastScanRepeated(samples::encode(64, 48, scans), 150)
        << QStringLiteral("not a valid JPEG picture: lebih dari 100 scan");
    samples::Encoding arithmetic;
    arithmetic.arithmetic = true;
    arithmetic.noise = true;
    QTest::newRow("arithmetic data cut")
        << samples::withScanDataCut(samples::encode(320, 240, arithmetic), 25)
        << QStringLiteral("not a valid JPEG picture: data gambar terpotong");
    QTest::newRow("bomb") << samples::withAnnouncedSize(samples::encode(64, 64, arithmetic), 6324, 6324)
                          << QStringLiteral("not a valid JPEG picture: picture too large");
}

void PmWindowTest::missingPictureKeepsThePreviousOne()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reported);
    choose(3);
    click(m_window->BitBtn1);
    click(m_window->BitBtn2); // ker3.jpg shown
    choose(4);

    QTemporaryDir broken;
    QDir(broken.path()).mkpath(QStringLiteral("gambar/maintance"));
    if (!content.isEmpty()) {
        QFile file(broken.filePath(QStringLiteral("gambar/maintance/gbm_6.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    qputenv("DIPO_PICTURE_DIR", broken.path().toLocal8Bit());
    click(m_window->BitBtn1);

    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.at(0).text.contains(reported), qPrintable(m_reports.at(0).text));
    QVERIFY2(m_reports.at(0).text.contains(QStringLiteral("gbm_6.jpg")),
        qPrintable(m_reports.at(0).text));
    QCOMPARE(m_window->RichEdit2->lines(), QStringList { QStringLiteral("Heat exchanger") });
    QVERIFY(!m_window->BitBtn1->isEnabled());
    QCOMPARE(m_window->Image3->picturePath(), QStringLiteral("d:\\karya_hasil\\ker3.jpg"));
    QVERIFY(sameColour(shownColour(), m_pictures->colourOf(QStringLiteral("ker3.jpg"))));
}

void PmWindowTest::arrowKeysMoveInComponentOrder_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("marked"); // is `from` marked from an earlier choice
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("down from the foot of the first column") << 9 << true << int(Qt::Key_Down) << 10;
    QTest::newRow("right from the foot of the second column")
        << 17 << true << int(Qt::Key_Right) << 18;
    QTest::newRow("left from the head of the last column") << 25 << true << int(Qt::Key_Left) << 24;
    QTest::newRow("up within a column") << 20 << true << int(Qt::Key_Up) << 19;
    QTest::newRow("up from the first wraps to the last") << 1 << true << int(Qt::Key_Up) << 30;
    QTest::newRow("down from the last wraps to the first") << 30 << true << int(Qt::Key_Down) << 1;
    QTest::newRow("down with nothing marked yet") << 9 << false << int(Qt::Key_Down) << 10;
}

void PmWindowTest::arrowKeysMoveInComponentOrder()
{
    QFETCH(int, from);
    QFETCH(bool, marked);
    QFETCH(int, key);
    QFETCH(int, to);
    if (marked) {
        choose(from);
        click(m_window->BitBtn2);
    }
    m_window->radioButton(from)->setFocus();

    QTest::keyClick(m_window->radioButton(from), Qt::Key(key));

    QCOMPARE(m_window->focusWidget(), m_window->radioButton(to));
    QCOMPARE(markedComponent(), to);
    QCOMPARE(enabledComponents(), QList<int> { to }); // the choice's handler ran
    QVERIFY(m_window->BitBtn1->isEnabled());
    QCOMPARE(m_window->RichEdit2->lines(),
        QStringList { dipo::maintenance::Table::builtIn().chosenPrompt(to) });
}

void PmWindowTest::arrowKeysStayPutWhileAComponentIsChosen()
{
    choose(12);
    click(m_window->BitBtn1);
    for (Qt::Key key : { Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right })
        QTest::keyClick(m_window->radioButton(12), key);
    QCOMPARE(markedComponent(), 12);
    QCOMPARE(enabledComponents(), QList<int> { 12 });
    QCOMPARE(m_window->RichEdit2->lines(),
        QStringList { QStringLiteral("Generator Pengisian Baterai") });
}

// Tab leaves the group from its marked button (the arrows move within it) and goes
// on through ULANGI, PROSES and CLOSE; back-tab returns to the marked button.
void PmWindowTest::tabOrderLeavesTheGroupThroughTheButtons()
{
    choose(14);
    m_window->radioButton(14)->setFocus();
    const QList<QWidget *> forward { m_window->BitBtn2, m_window->BitBtn1, m_window->BitBtn3 };
    for (QWidget *expected : forward) {
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_window->focusWidget(), expected);
    }
    const QList<QWidget *> back { m_window->BitBtn1, m_window->BitBtn2, m_window->radioButton(14) };
    for (QWidget *expected : back) {
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(m_window->focusWidget(), expected);
    }
    QCOMPARE(enabledComponents(), QList<int> { 14 });
}

void PmWindowTest::closeKeepsTheState_data()
{
    QTest::addColumn<int>("steps"); // 0 start, 1 chosen, 2 instructions shown, 3 after ULANGI
    QTest::newRow("waiting at start") << 0;
    QTest::newRow("component chosen") << 1;
    QTest::newRow("instructions shown") << 2;
    QTest::newRow("waiting after ULANGI") << 3;
}

void PmWindowTest::closeKeepsTheState()
{
    QFETCH(int, steps);
    if (steps >= 1)
        choose(16);
    if (steps >= 2)
        click(m_window->BitBtn1);
    if (steps >= 3)
        click(m_window->BitBtn2);
    auto snapshot = [this] {
        return QStringList { m_window->RichEdit2->lines().join(QLatin1Char('|')),
            m_window->RichEdit1->lines().join(QLatin1Char('|')), QString::number(markedComponent()),
            QString::number(enabledComponents().size()),
            QString::number(m_window->BitBtn1->isEnabled()),
            QString::number(m_window->BitBtn2->isEnabled()), m_window->Image3->picturePath() };
    };
    const QStringList before = snapshot();

    click(m_window->BitBtn3);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(snapshot(), before);
    m_window->showWindow();
    QVERIFY(m_window->isVisible());
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(PmWindowTest)
#include "tst_pmwindow.moc"
