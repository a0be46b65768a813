// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/cli.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace dipo::cli {

namespace {

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

} // namespace

QString parserError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        QStringList typed;
        for (const QString &name : unknown)
            typed << typedAs(arguments, name);
        return QStringLiteral("opsi tidak dikenal: ") + typed.join(QStringLiteral(", "));
    }
    // Qt words its other refusals in English; they are given again in the program's words.
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

int fail(const QString &tool, const QString &message, int code)
{
    std::fputs(
        (tool + QStringLiteral(": ") + message + QLatin1Char('\n')).toLocal8Bit().constData(),
        stderr);
    std::fflush(stderr);
    return code;
}

} // namespace dipo::cli
