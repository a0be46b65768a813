// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the program and its command-line tools (dipo, dipo-kb, dipo-log) share on the
// command line: the exit codes, and the parser's refusals in the program's words.
namespace dipo::cli {

enum ExitCode : int {
    Good = 0,
    Findings = 1, // the command ran and found something wrong
    BadUsage = 2, // the command line cannot be used, or its input cannot be read
    Unusable = 3, // what the command works on (the log) cannot be used
};

// Why the parser refused the arguments: the unknown options as the user typed them
// ("opsi tidak dikenal: --foo, -x"), or the option a value is missing or not expected
// after. `arguments` are the ones parsed, the program's name first.
QString parserError(const QCommandLineParser &parser, const QStringList &arguments);

// The help in the program's words: "Pemakaian: USAGE", the description, and "Opsi:" with
// each option's names and description in aligned columns ("-h, --help", "--db <url>").
QString helpText(
    const QString &usage, const QString &description, const QList<QCommandLineOption> &options);

// The help and version options every tool takes.
QCommandLineOption helpOption();
QCommandLineOption versionOption();

// "tool: message" and a new line on standard error; returns `code`.
int fail(const QString &tool, const QString &message, int code = BadUsage);

} // namespace dipo::cli
