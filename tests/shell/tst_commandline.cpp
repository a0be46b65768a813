// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what each form of it does in-process, and what the real program prints
// and returns for --help, --version and a wrong option.
#include "common/logic/pictures.h"
#include "shell/logic/commandline.h"
#include "common/logic/config.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using dipo::shell::CommandLine;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusesWrongCommandLines_data();
    void refusesWrongCommandLines();
    void acceptsCommandLines_data();
    void acceptsCommandLines();
    void pictureDirWinsOverEnvironment();
    void helpListsEveryOption();
    void program_data();
    void program();
    void noDisplay_data();
    void noDisplay();

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPictureDir;
    QByteArray m_savedKbDir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestCommandLine::init()
{
    m_savedPictureDir = qgetenv("DIPO_PICTURE_DIR");
    m_savedKbDir = qgetenv("DIPO_KB_DIR");
}

void TestCommandLine::cleanup()
{
    qputenv("DIPO_PICTURE_DIR", m_savedPictureDir);
    if (m_savedKbDir.isNull())
        qunsetenv("DIPO_KB_DIR");
    else
        qputenv("DIPO_KB_DIR", m_savedKbDir);
}

void TestCommandLine::refusesWrongCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown long option") << QStringList { "--foo" } << "opsi tidak dikenal: --foo";
    QTest::newRow("unknown single-dash option") << QStringList { "-x" } << "opsi tidak dikenal: -x";
    QTest::newRow("unknown option with a value")
        << QStringList { "--colour=red" } << "opsi tidak dikenal: --colour";
    QTest::newRow("unknown after a good option")
        << QStringList { "--version", "--foo" } << "opsi tidak dikenal: --foo";
    QTest::newRow("folder option without its folder")
        << QStringList { "--kb" } << "nilai tidak ada sesudah --kb";
    QTest::newRow("value given to a flag")
        << QStringList { "--help=yes" } << "nilai tidak diharapkan sesudah --help";
    QTest::newRow("a file name") << QStringList { "berkas.txt" }
                                 << "argumen tidak dikenal: berkas.txt";
    QTest::newRow("picture folder that does not exist")
        << QStringList { "--picture-dir", "/tidak/ada" } << "folder tidak ada: /tidak/ada";
    QTest::newRow("picture folder that is a file")
        << QStringList { "--picture-dir=/etc/hostname" } << "folder tidak ada: /etc/hostname";
    QTest::newRow("empty picture folder name")
        << QStringList { "--picture-dir", "" } << "--picture-dir perlu nama folder";
    QTest::newRow("empty picture folder after =")
        << QStringList { "--picture-dir=" } << "--picture-dir perlu nama folder";
    QTest::newRow("empty knowledge-base folder after =")
        << QStringList { "--kb=" } << "--kb perlu nama folder";
}

void TestCommandLine::refusesWrongCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const CommandLine line = dipo::shell::parseCommandLine(QStringList { "dipo" } + arguments);
    QVERIFY(line.finished);
    QCOMPARE(line.exitCode, 2);
    QVERIFY(line.standardOutput.isEmpty());
    QCOMPARE(line.standardError, "dipo: " + message + "\n\n" + dipo::shell::helpText());
}

void TestCommandLine::acceptsCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("pictureDir"); // "@" stands for the temporary folder
    QTest::addColumn<QString>("knowledgeBaseDir");

    const QString help = dipo::shell::helpText();
    const QString version = "dipo " DIPO_VERSION "\n";
    QTest::newRow("nothing") << QStringList {} << false << "" << "" << "";
    QTest::newRow("--help") << QStringList { "--help" } << true << help << "" << "";
    QTest::newRow("-h") << QStringList { "-h" } << true << help << "" << "";
    QTest::newRow("help before version")
        << QStringList { "--version", "--help" } << true << help << "" << "";
    QTest::newRow("--version") << QStringList { "--version" } << true << version << "" << "";
    QTest::newRow("-v") << QStringList { "-v" } << true << version << "" << "";
    QTest::newRow("picture folder")
        << QStringList { "--picture-dir", "@" } << false << "" << "@" << "";
    QTest::newRow("picture folder with =")
        << QStringList { "--picture-dir=@/" } << false << "" << "@" << "";
    QTest::newRow("knowledge base, one dash")
        << QStringList { "-kb", "@/." } << false << "" << "" << "@";
    QTest::newRow("knowledge base folder still missing, reported by the window")
        << QStringList { "--kb", "@/tidak-ada" } << false << "" << "" << "@/tidak-ada";
    QTest::newRow("both folders")
        << QStringList { "--kb", "@", "--picture-dir", "@" } << false << "" << "@" << "@";
    QTest::newRow("the toolkit's options pass")
        << QStringList { "-platform", "offscreen", "-style", "fusion", "-reverse", "--session=x" }
        << false << "" << "" << "";
}

void TestCommandLine::acceptsCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, finished);
    QFETCH(QString, output);
    QFETCH(QString, pictureDir);
    QFETCH(QString, knowledgeBaseDir);

    for (QString &argument : arguments)
        argument.replace("@", m_dir.path());
    const CommandLine line = dipo::shell::parseCommandLine(QStringList { "dipo" } + arguments);
    QCOMPARE(line.finished, finished);
    QCOMPARE(line.exitCode, 0);
    QCOMPARE(line.standardOutput, output);
    QVERIFY(line.standardError.isEmpty());
    QCOMPARE(line.pictureDir, pictureDir.replace("@", m_dir.path()));
    QCOMPARE(line.knowledgeBaseDir, knowledgeBaseDir.replace("@", m_dir.path()));
}

void TestCommandLine::pictureDirWinsOverEnvironment()
{
    qputenv("DIPO_PICTURE_DIR", "/elsewhere");
    qunsetenv("DIPO_KB_DIR");
    const QString relative = QDir::current().relativeFilePath(m_dir.path());
    dipo::shell::apply(dipo::shell::parseCommandLine({ "dipo", "--picture-dir", relative, "--kb",
        m_dir.path() }));
    QCOMPARE(dipo::pictures::root(), m_dir.path());
    QCOMPARE(dipo::config::current().knowledgeBaseDir, m_dir.path());
    // The options reach the parts without passing through the environment.
    QCOMPARE(qEnvironmentVariable("DIPO_PICTURE_DIR"), "/elsewhere");
    QCOMPARE(qEnvironmentVariable("DIPO_KB_DIR"), QString());

    // Without the options the environment's choice holds.
    qputenv("DIPO_DB", "/var/run/postgresql");
    dipo::shell::apply(dipo::shell::parseCommandLine({ "dipo" }));
    QCOMPARE(dipo::config::current().pictureDir, "/elsewhere");
    QCOMPARE(dipo::config::current().database, "/var/run/postgresql");
    qunsetenv("DIPO_DB");
    dipo::config::forget();
}

void TestCommandLine::helpListsEveryOption()
{
    const QStringList lines = dipo::shell::helpText().split('\n');
    QCOMPARE(lines.value(0), "Pemakaian: dipo [opsi]");
    for (const char *option : { "  -h, --help ", "  -v, --version ", "  --picture-dir <folder> ",
             "  --kb <folder> " }) {
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                     [&](const QString &line) { return line.startsWith(option); }),
            option);
    }
    QVERIFY(!dipo::shell::helpText().contains("platform"));
}

void TestCommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");

    const QString help = dipo::shell::helpText();
    QTest::newRow("--help") << QStringList { "--help" } << 0 << help << "";
    QTest::newRow("--version") << QStringList { "--version" } << 0 << "dipo " DIPO_VERSION "\n"
                               << "";
    QTest::newRow("unknown option") << QStringList { "--foo" } << 2 << ""
                                    << "dipo: opsi tidak dikenal: --foo\n\n" + help;
}

// The program runs with no display at all: had it made its application object, let alone a
// window, it would have stopped on the missing display instead.
void TestCommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.start(DIPO_PROGRAM, arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), errors);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), output);
    QCOMPARE(process.exitCode(), exitCode);
}

void TestCommandLine::noDisplay_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("folderName"); // raw bytes for --picture-dir, below a new folder
    QTest::newRow("empty environment") << QStringList {} << QString();
    QTest::newRow("a display nobody answers")
        << QStringList { "DISPLAY=:4711", "QT_QPA_PLATFORM=xcb" } << QString();
    // A name that is not UTF-8 but exists is taken, so the program gets as far as the display.
    QTest::newRow("picture folder named in Latin-1")
        << QStringList {} << QStringLiteral("gambar\\351");
}

// Without a screen the program says so in one line and ends with status 1: no abort,
// no core dump.
void TestCommandLine::noDisplay()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, folderName);
    QTemporaryDir dir;
    QStringList arguments { "-i" };
    arguments += environment;
    QString script = QStringLiteral("exec \"$0\"");
    if (!folderName.isEmpty()) {
        script = QStringLiteral("d=\"$1/$(printf '%1')\"; mkdir \"$d\" && \"$0\" --picture-dir "
                                "\"$d\"; s=$?; rmdir \"$d\"; exit $s")
                     .arg(folderName);
    }
    arguments += QStringList { "/bin/sh", "-c", script, DIPO_PROGRAM, dir.path() };
    QProcess process;
    process.start(QStringLiteral("env"), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()),
        "dipo: tidak ada layar untuk jendela program (DISPLAY atau WAYLAND_DISPLAY tidak ada, "
        "atau layar menolak sambungan)\n");
    QCOMPARE(process.exitCode(), 1);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
