// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/commandline.h"

#include "common/outsidefile.h"
#include "worklog/logic/store.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Tampilkan bantuan ini, lalu keluar.") };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Tampilkan versi program, lalu keluar.") };
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

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

// The argument as the user typed it for an option the parser did not know.
QString typedAs(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name || bare.startsWith(name + QLatin1Char('=')))
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return QStringLiteral("--") + name;
}

// The parser's own messages name the argument; they are given again in the program's words.
QString parserErrorText(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        QStringList typed;
        for (const QString &name : unknown)
            typed << typedAs(arguments, name);
        return QStringLiteral("opsi tidak dikenal: ") + typed.join(QStringLiteral(", "));
    }
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QString error = parser.errorText();
    if (const QRegularExpressionMatch m = missing.match(error); m.hasMatch())
        return QStringLiteral("nilai tidak ada sesudah ") + m.captured(1);
    if (const QRegularExpressionMatch m = unexpected.match(error); m.hasMatch())
        return QStringLiteral("nilai tidak diharapkan sesudah ") + m.captured(1);
    return error;
}

CommandLine usageError(const QString &message)
{
    CommandLine result;
    result.finished = true;
    result.exitCode = kUsageExitCode;
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
    const QList<QCommandLineOption> options = Options().shown();
    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, optionNames(option).size());
    QString text = QStringLiteral("Pemakaian: dipo [opsi]\n"
                                  "Sistem pakar dan simulasi mesin diesel dan rem lokomotif.\n"
                                  "\n"
                                  "Opsi:\n");
    for (const QCommandLineOption &option : options) {
        text += QStringLiteral("  ") + optionNames(option).leftJustified(width + 2)
            + option.description() + QLatin1Char('\n');
    }
    return text;
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
        return usageError(parserErrorText(parser, arguments));
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
    if (!commandLine.pictureDir.isEmpty())
        qputenv("DIPO_PICTURE_DIR", QFile::encodeName(commandLine.pictureDir));
    if (!commandLine.knowledgeBaseDir.isEmpty())
        qputenv("DIPO_KB_DIR", QFile::encodeName(commandLine.knowledgeBaseDir));
    if (!commandLine.database.isEmpty())
        qputenv("DIPO_DB", commandLine.database.toUtf8());
}

} // namespace dipo::shell
