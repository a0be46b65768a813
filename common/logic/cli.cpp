// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/cli.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
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

namespace {

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

} // namespace

QString helpText(
    const QString &usage, const QString &description, const QList<QCommandLineOption> &options)
{
    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, optionNames(option).size());
    QString text = QStringLiteral("Pemakaian: ") + usage + QLatin1Char('\n') + description
        + QStringLiteral("\n\nOpsi:\n");
    for (const QCommandLineOption &option : options)
        text += QStringLiteral("  ") + optionNames(option).leftJustified(width + 2)
            + option.description() + QLatin1Char('\n');
    return text;
}

QCommandLineOption helpOption()
{
    return { { QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Tampilkan bantuan ini, lalu keluar.") };
}

QCommandLineOption versionOption()
{
    return { { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Tampilkan versi program, lalu keluar.") };
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
