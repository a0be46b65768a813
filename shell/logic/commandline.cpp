// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/logic/commandline.h"

#include "common/logic/cli.h"
#include "common/logic/config.h"
#include "common/logic/outsidefile.h"
#include "worklog/logic/store.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

#ifndef DIPO_VERSION
#define DIPO_VERSION "0"
#endif

namespace dipo::shell {
namespace {

const QLatin1String kProgram("dipo");

// The toolkit reads these itself when the application object is made; they are accepted
// here so that they reach it, and left out of the help.
const char *const kToolkitValueOptions[] = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
    "display", "geometry", "qmljsdebugger" };
const char *const kToolkitFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

struct Options
{
    QCommandLineOption help = cli::helpOption();
    QCommandLineOption version = cli::versionOption();
    QCommandLineOption pictureDir { QStringLiteral("picture-dir"),
        QStringLiteral("Ambil gambar dari <folder> (menggantikan DIPO_PICTURE_DIR)."),
        QStringLiteral("folder") };
    QCommandLineOption knowledgeBase { QStringLiteral("kb"),
        QStringLiteral("Muat basis pengetahuan dari <folder>, bukan yang bawaan."),
        QStringLiteral("folder") };

    QCommandLineOption database { QStringLiteral("db"),
        QStringLiteral("Catatan bengkel di <url> (menggantikan DIPO_DB)."), QStringLiteral("url") };

    QList<QCommandLineOption> shown() const
    {
        return { help, version, pictureDir, knowledgeBase, database };
    }
};

CommandLine usageError(const QString &message)
{
    CommandLine result;
    result.finished = true;
    result.exitCode = cli::BadUsage;
    result.standardError = kProgram + QStringLiteral(": ") + message + QLatin1Char('\n')
        + QLatin1Char('\n') + helpText();
    return result;
}

CommandLine finishedWith(const QString &output)
{
    CommandLine result;
    result.finished = true;
    result.standardOutput = output;
    return result;
}

} // namespace

QString versionText()
{
    return kProgram + QLatin1Char(' ') + QLatin1String(DIPO_VERSION);
}

QString helpText()
{
    return cli::helpText(QStringLiteral("dipo [opsi]"),
        QStringLiteral("Sistem pakar dan simulasi mesin diesel dan rem lokomotif."),
        Options().shown());
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    const Options options;
    QCommandLineParser parser;
    // One dash or two, as the toolkit's own options are written: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.shown());
    for (const char *name : kToolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return usageError(cli::parserError(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("argumen tidak dikenal: ") + parser.positionalArguments().constFirst());
    if (parser.isSet(options.help))
        return finishedWith(helpText());
    if (parser.isSet(options.version))
        return finishedWith(versionText() + QLatin1Char('\n'));

    CommandLine result;
    if (parser.isSet(options.pictureDir)) {
        const QString value = parser.value(options.pictureDir);
        if (value.isEmpty())
            return usageError(QStringLiteral("--picture-dir perlu nama folder"));
        if (!QFileInfo(value).isDir())
            return usageError(QStringLiteral("folder tidak ada: ") + value);
        result.pictureDir = QDir::cleanPath(QDir(value).absolutePath());
    }
    // A knowledge-base folder is checked when the diagnosis window first needs it: a
    // missing or broken copy is reported there and the built-in base is used.
    if (parser.isSet(options.knowledgeBase)) {
        const QString value = parser.value(options.knowledgeBase);
        if (value.isEmpty())
            return usageError(QStringLiteral("--kb perlu nama folder"));
        result.knowledgeBaseDir = QDir::cleanPath(QDir(value).absolutePath());
    }
    // The log is only named here; it is opened at the first save or showing of its window.
    if (parser.isSet(options.database)) {
        result.database = parser.value(options.database);
        QString why;
        if (result.database.isEmpty() || !worklog::parseLocation(result.database, &why))
            return usageError(why.isEmpty() ? QStringLiteral("--db tanpa alamat") : why);
    }
    return result;
}

QStringList argumentsOf(int argc, char **argv)
{
    return outside::arguments(argc, argv);
}

int report(const CommandLine &commandLine)
{
    std::fputs(commandLine.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(commandLine.standardError.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return commandLine.exitCode;
}

void apply(const CommandLine &commandLine)
{
    config::Options options = config::fromEnvironment();
    if (!commandLine.pictureDir.isEmpty())
        options.pictureDir = commandLine.pictureDir;
    if (!commandLine.knowledgeBaseDir.isEmpty())
        options.knowledgeBaseDir = commandLine.knowledgeBaseDir;
    if (!commandLine.database.isEmpty())
        options.database = commandLine.database;
    config::setCurrent(options);
}

} // namespace dipo::shell
