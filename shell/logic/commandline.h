// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's command line: --help, --version, --picture-dir DIR and --kb DIR, plus the
// toolkit's own options (-platform, -style, -display, ...), which pass through untouched.
// It is read before the application object exists, so --help, --version and a wrong option
// need no display and never make a window.
namespace dipo::shell {

struct CommandLine
{
    // True when the program ends at once with exitCode, after printing the two texts.
    bool finished = false;
    int exitCode = 0;
    QString standardOutput;
    QString standardError;

    // Absolute folders given on the command line; empty when not given.
    QString pictureDir;
    QString knowledgeBaseDir;
    // The workshop log's place as given with --db; empty when not given.
    QString database;
};

// "dipo 1.0"
QString versionText();
// The usage and the options, as --help prints them.
QString helpText();

// Reads the arguments; the first is the program itself.
CommandLine parseCommandLine(const QStringList &arguments);
QStringList argumentsOf(int argc, char **argv);

// Prints the texts of a finished command line and returns its exit code.
int report(const CommandLine &commandLine);

// Makes the options the program runs with (dipo::config): the command line over the
// environment (DIPO_PICTURE_DIR, DIPO_KB_DIR, DIPO_DB).
void apply(const CommandLine &commandLine);

} // namespace dipo::shell
