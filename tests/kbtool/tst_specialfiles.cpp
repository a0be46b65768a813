// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what their names promise, in the picture folder and in a --kb
// folder: each is refused with its reason at once, unread, by every reader, and the
// program goes on (the built-in knowledge base where the folder fails).

#include "common/logic/error.h"
#include "common/errorreport.h"
#include "common/logic/jpeg.h"
#include "common/radiogroup.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbfolder.h"

#include <QDir>
#include <QElapsedTimer>

#include <limits>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace dipo::diagnosis;

namespace {

#ifdef __SANITIZE_ADDRESS__
// The sanitizers' build runs unoptimised with shadow memory: time is still bounded, and
// memory is measured by the plain build's run of this test.
constexpr qint64 kMostMilliseconds = 20000;
constexpr long kMostKilobytes = std::numeric_limits<long>::max();
#else
constexpr qint64 kMostMilliseconds = 2000;
constexpr long kMostKilobytes = 100 * 1024;
#endif

enum class Special { Fifo, DevZero, Folder, Socket, Sparse, Dangling };

// Puts the special file at path; false when this machine cannot make it.
bool make(Special kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Special::Fifo:
        return ::mkfifo(name.constData(), 0644) == 0;
    case Special::DevZero:
        return ::symlink("/dev/zero", name.constData()) == 0;
    case Special::Folder:
        return QDir().mkpath(path);
    case Special::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        if (fd < 0 || size_t(name.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd); // the socket file stays
        return bound;
    }
    case Special::Sparse: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(5LL * 1024 * 1024 * 1024);
    }
    case Special::Dangling:
        return ::symlink("/nonexistent/brakes.json", name.constData()) == 0;
    }
    return false;
}

void addKinds()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << int(Special::Fifo) << "bukan berkas biasa (FIFO)";
    QTest::newRow("symlink to /dev/zero")
        << int(Special::DevZero) << "bukan berkas biasa (perangkat)";
    QTest::newRow("folder") << int(Special::Folder) << "bukan berkas biasa (folder)";
    QTest::newRow("socket") << int(Special::Socket) << "bukan berkas biasa (socket)";
    QTest::newRow("5 GB sparse file")
        << int(Special::Sparse) << "berkas lebih dari 4 MB, tidak dibaca";
    QTest::newRow("dangling symlink") << int(Special::Dangling) << "berkas tidak ada";
}

// The built-in base in dir, brakes.json left out.
void writeBaseWithoutBrakes(const QString &dir)
{
    for (const KbFile &file : builtInFiles()) {
        if (file.name == QLatin1String("brakes.json"))
            continue;
        QFile out(dir + QLatin1Char('/') + file.name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
    }
}

struct Run
{
    int exitCode = -1;
    QString standardError;
    qint64 milliseconds = 0;
};

Run runKbTool(const QStringList &arguments, const QString &asUser = QString())
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    if (asUser.isEmpty())
        process.start(QStringLiteral(DIPO_KB_EXE), arguments);
    else
        process.start(QStringLiteral("runuser"),
            QStringList {
                QStringLiteral("-u"), asUser, QStringLiteral("--"), QStringLiteral(DIPO_KB_EXE) }
                + arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardError()), clock.elapsed() };
}

long childrenPeakKilobytes()
{
    rusage usage = {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

} // namespace

class SpecialFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pictureFolder_data() { addKinds(); }
    void pictureFolder();
    void knowledgeBaseWindow_data() { addKinds(); }
    void knowledgeBaseWindow();
    void knowledgeBaseTool_data() { addKinds(); }
    void knowledgeBaseTool();
    void unreadableForAnUnprivilegedUser();

private:
    QStringList m_messages;
};

void SpecialFilesTest::init()
{
    m_messages.clear();
    dipo::errorreport::setSink(
        [this](const QString &, const QString &text) { m_messages.append(text); });
}

void SpecialFilesTest::cleanup()
{
    dipo::errorreport::setSink({});
    setKnowledgeBaseDir(QString());
}

void SpecialFilesTest::pictureFolder()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gbm_1,2.jpg"));
    QVERIFY(make(Special(kind), path));
    if (Special(kind) == Special::Sparse)
        reason = QStringLiteral("the file is too large"); // the decoder's own text
    if (Special(kind) == Special::Dangling)
        reason = QString(); // "Cannot open file <path>", as for any missing picture

    QElapsedTimer clock;
    clock.start();
    QString message;
    try {
        dipo::jpeg::loadFile(path);
    } catch (const dipo::PictureError &error) {
        message = error.message();
    }
    QVERIFY(clock.elapsed() < kMostMilliseconds);
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.endsWith(reason), qPrintable(message));
    if (reason.isEmpty())
        QCOMPARE(message, QStringLiteral("Cannot open file ") + path);
}

void SpecialFilesTest::knowledgeBaseWindow()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    writeBaseWithoutBrakes(dir.path());
    QVERIFY(make(Special(kind), dir.filePath(QStringLiteral("brakes.json"))));
    setKnowledgeBaseDir(dir.path());

    QElapsedTimer clock;
    clock.start();
    Tdiagno window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QVERIFY(clock.elapsed() < kMostMilliseconds);

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QStringLiteral("brakes.json: ")),
        qPrintable(m_messages.first()));
    QVERIFY2(m_messages.first().contains(reason), qPrintable(m_messages.first()));
    // The built-in base is in use: all six systems, the brakes' full chain.
    QVERIFY(chosenKnowledgeBase().fellBack());
    QCOMPARE(chosenKnowledgeBase().load.knowledgeBase.systems().size(), 6);
    QVERIFY(window.findChild<dipo::RadioGroup *>(QStringLiteral("RadioGroup1"))->isEnabled());
}

void SpecialFilesTest::knowledgeBaseTool()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    writeBaseWithoutBrakes(dir.path());
    QVERIFY(make(Special(kind), dir.filePath(QStringLiteral("brakes.json"))));
    for (const QString &command : { QStringLiteral("check"), QStringLiteral("stats") }) {
        const Run run = runKbTool({ command, QStringLiteral("--kb"), dir.path() });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.contains(QStringLiteral("brakes.json: ")),
            qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(reason), qPrintable(run.standardError));
        QVERIFY(run.milliseconds < kMostMilliseconds);
    }
    QVERIFY(childrenPeakKilobytes() < kMostKilobytes);
}

// Root reads anything, so the check runs as a user without privileges.
void SpecialFilesTest::unreadableForAnUnprivilegedUser()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run the check as the user nobody (runuser)");
    if (QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty())
        QSKIP("runuser is not installed");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadOther | QFileDevice::ExeOther));
    writeBaseWithoutBrakes(dir.path());
    const QString brakes = dir.filePath(QStringLiteral("brakes.json"));
    for (const KbFile &file : builtInFiles()) {
        if (file.name == QLatin1String("brakes.json")) {
            QFile out(brakes);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.bytes);
        }
    }
    for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files))
        QVERIFY(QFile::setPermissions(
            file.filePath(), QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(brakes, QFileDevice::WriteOwner));

    const Run run = runKbTool(
        { QStringLiteral("check"), QStringLiteral("--kb"), dir.path() }, QStringLiteral("nobody"));
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.standardError.contains(
                 QStringLiteral("brakes.json: cannot be read: tidak ada izin membaca")),
        qPrintable(run.standardError));
    QVERIFY(run.milliseconds < kMostMilliseconds);
}

QTEST_MAIN(SpecialFilesTest)
#include "tst_specialfiles.moc"
