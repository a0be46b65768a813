// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding, the picture folder and the picture box.
#include "common/logic/error.h"
#include "common/logic/jpeg.h"
#include "common/picturebox.h"
#include "common/logic/pictures.h"
#include "jpegsamples.h"

#include <QtTest>

using namespace dipo;

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void decodesValidPicture();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void decodesEncodings_data();
    void decodesEncodings();
    void refusesHostileFiles_data();
    void refusesHostileFiles();
    void refusesLargeFileUnread();
    void missingFileNamesFullPath();
    void mapsProgramPaths_data();
    void mapsProgramPaths();
    void pictureBoxKeepsPictureOnFailure();
    void pictureBoxReadsFileAnew();

private:
    void write(const QString &relative, const QByteArray &bytes);

    QTemporaryDir m_dir;
    QByteArray m_savedFolder;
};

void TestPictures::init()
{
    m_savedFolder = qgetenv("DIPO_PICTURE_DIR");
    qputenv("DIPO_PICTURE_DIR", m_dir.path().toLocal8Bit());
}

void TestPictures::cleanup()
{
    qputenv("DIPO_PICTURE_DIR", m_savedFolder);
}

void TestPictures::write(const QString &relative, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestPictures::decodesValidPicture()
{
    const QImage image = jpeg::decode(samples::jpegOf(64, 48, QColor(200, 40, 40)), QStringLiteral("red"));
    QCOMPARE(image.size(), QSize(64, 48));
    const QColor pixel = image.pixelColor(10, 10);
    QVERIFY(qAbs(pixel.red() - 200) < 8);
    QVERIFY(qAbs(pixel.green() - 40) < 8);
    QVERIFY(qAbs(pixel.blue() - 40) < 8);
}

void TestPictures::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray valid = samples::jpegOf(64, 64, Qt::blue);
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << "";
    QTest::newRow("header only") << valid.left(20) << "";
    QTest::newRow("garbage") << QByteArray(500, 'x') << "";
    QTest::newRow("a PNG signature") << QByteArray("\x89PNG\r\n\x1a\n0000", 12) << "";
    QTest::newRow("absurd size") << samples::withAnnouncedSize(valid, 65000, 65000) << "too large";
}

void TestPictures::refusesBadFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    write(QStringLiteral("bad.jpg"), bytes);
    const QString path = m_dir.filePath(QStringLiteral("bad.jpg"));
    try {
        jpeg::loadFile(path);
        QFAIL("the file decoded");
    } catch (const PictureError &error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
}

void TestPictures::decodesEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    using samples::Encoding;
    Encoding progressive;
    progressive.progressive = true;
    progressive.noise = true;
    Encoding gray = progressive;
    gray.grayscale = true;
    Encoding arithmetic;
    arithmetic.arithmetic = true;
    arithmetic.noise = true;
    Encoding progressiveArithmetic = progressive;
    progressiveArithmetic.arithmetic = true;
    Encoding restarts = arithmetic;
    restarts.restartRows = 1;
    Encoding flatArithmetic;
    flatArithmetic.arithmetic = true;
    flatArithmetic.progressive = true;

    QTest::newRow("progressive") << samples::encode(96, 64, progressive);
    QTest::newRow("progressive grayscale") << samples::encode(96, 64, gray);
    QTest::newRow("arithmetic") << samples::encode(96, 64, arithmetic);
    QTest::newRow("progressive arithmetic") << samples::encode(96, 64, progressiveArithmetic);
    QTest::newRow("arithmetic with restarts") << samples::encode(96, 64, restarts);
    // The data of a flat picture ends long before its last row: legal, and kept.
    QTest::newRow("flat arithmetic, one row of blocks")
        << samples::encode(96, 16, flatArithmetic);
}

void TestPictures::decodesEncodings()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(jpeg::decode(bytes, QStringLiteral("x")).isNull(), false);
}

void TestPictures::refusesHostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    using samples::Encoding;
    Encoding fullScans;
    fullScans.progressive = true;
    fullScans.fullPrecisionScans = true;
    Encoding grayScans = fullScans;
    grayScans.grayscale = true;
    Encoding bomb;
    bomb.progressive = true;
    bomb.arithmetic = true;
    Encoding wide;
    wide.progressive = true;
    wide.fullChroma = true;
    Encoding arithmetic;
    arithmetic.arithmetic = true;
    arithmetic.noise = true;
    Encoding progressiveArithmetic = arithmetic;
    progressiveArithmetic.progressive = true;

    // An identical full-precision scan may legally follow itself: libjpeg gives no warning.
    QTest::newRow("scan flood") << samples::withLastScanRepeated(samples::encode(64, 48, fullScans), 150)
                                << "lebih dari 100 scan";
    QTest::newRow("scan flood within the scan count")
        << samples::withLastScanRepeated(samples::encode(512, 512, grayScans), 60)
        << "scan terlalu banyak untuk ukuran gambarnya";
    QTest::newRow("bomb") << samples::withAnnouncedSize(samples::encode(64, 64, bomb), 6324, 6324)
                          << "picture too large (6324 x 6324 pixels)";
    QTest::newRow("progressive beyond the memory limit") << samples::encode(2100, 2100, wide)
                                                         << "memori dekode melebihi batas 24 MB";
    QTest::newRow("arithmetic data cut") << samples::withScanDataCut(samples::encode(320, 240, arithmetic), 25)
                                         << "data gambar terpotong";
    QTest::newRow("arithmetic data removed")
        << samples::withScanDataCut(samples::encode(320, 240, arithmetic), 0) << "data gambar terpotong";
    QTest::newRow("progressive arithmetic data removed")
        << samples::withScanDataCut(samples::encode(320, 240, progressiveArithmetic), 0)
        << "data gambar terpotong";
}

void TestPictures::refusesHostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    try {
        jpeg::decode(bytes, QStringLiteral("crafted.jpg"));
        QFAIL("the file decoded");
    } catch (const PictureError &error) {
        QCOMPARE(error.message(), QStringLiteral("'crafted.jpg' is not a valid JPEG picture: ") + reason);
    }
}

void TestPictures::refusesLargeFileUnread()
{
    // A valid picture padded far beyond the limit: refused by its size alone.
    QByteArray bytes = samples::jpegOf(16, 16, Qt::red);
    bytes += QByteArray(int(jpeg::kMaxFileBytes), '\0');
    write(QStringLiteral("large.jpg"), bytes);
    const QString path = m_dir.filePath(QStringLiteral("large.jpg"));
    QVERIFY_THROWS_EXCEPTION(PictureError, jpeg::loadFile(path));
    QVERIFY_THROWS_EXCEPTION(PictureError, jpeg::decode(bytes, path));
}

void TestPictures::missingFileNamesFullPath()
{
    try {
        pictures::load(QStringLiteral("d:\\karya_hasil\\gambar\\maintance\\gbm_1,2.jpg"));
        QFAIL("a missing file loaded");
    } catch (const PictureError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file %1/gambar/maintance/gbm_1,2.jpg")
                                      .arg(QDir(m_dir.path()).absolutePath()));
    }
}

void TestPictures::mapsProgramPaths_data()
{
    QTest::addColumn<QString>("programPath");
    QTest::addColumn<QString>("relative");

    QTest::newRow("picture at the root") << "d:\\karya_hasil\\ker3.jpg" << "ker3.jpg";
    QTest::newRow("comma in the name") << "d:\\karya_hasil\\gambar\\maintance\\gbm_35,36.jpg"
                                       << "gambar/maintance/gbm_35,36.jpg";
    QTest::newRow("blank in the name") << "d:\\karya_hasil\\gambar\\tuneup\\gbt_lsg 2.jpg"
                                       << "gambar/tuneup/gbt_lsg 2.jpg";
    QTest::newRow("two dots in the name") << "d:\\karya_hasil\\gambar\\tuneup\\gbt_hlm25.2.jpg"
                                          << "gambar/tuneup/gbt_hlm25.2.jpg";
}

void TestPictures::mapsProgramPaths()
{
    QFETCH(QString, programPath);
    QFETCH(QString, relative);
    QCOMPARE(pictures::localPath(programPath), QDir(m_dir.path()).absolutePath() + QLatin1Char('/') + relative);
}

void TestPictures::pictureBoxKeepsPictureOnFailure()
{
    write(QStringLiteral("gambar/tuneup/good.jpg"), samples::jpegOf(32, 16, Qt::green));
    write(QStringLiteral("gambar/tuneup/broken.jpg"), QByteArray("not a picture"));
    PictureBox box;
    box.loadPicture(QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\good.jpg"));
    QCOMPARE(box.picture().size(), QSize(32, 16));
    for (const char *name : {"broken.jpg", "missing.jpg"}) {
        QVERIFY_THROWS_EXCEPTION(PictureError,
            box.loadPicture(QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\") + QLatin1String(name)));
        QCOMPARE(box.picture().size(), QSize(32, 16));
        QCOMPARE(box.picturePath(), QStringLiteral("d:\\karya_hasil\\gambar\\tuneup\\good.jpg"));
    }
}

void TestPictures::pictureBoxReadsFileAnew()
{
    const QString programPath = QStringLiteral("d:\\karya_hasil\\ker3.jpg");
    write(QStringLiteral("ker3.jpg"), samples::jpegOf(10, 10, Qt::red));
    PictureBox box;
    box.loadPicture(programPath);
    write(QStringLiteral("ker3.jpg"), samples::jpegOf(20, 10, Qt::red));
    box.loadPicture(programPath);
    QCOMPARE(box.picture().size(), QSize(20, 10));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
