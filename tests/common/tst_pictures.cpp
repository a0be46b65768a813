// JPEG decoding, the picture folder and the picture box.
#include "common/error.h"
#include "common/jpeg.h"
#include "common/picturebox.h"
#include "common/pictures.h"
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
