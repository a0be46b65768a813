// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program takes its pictures, its knowledge base and its workshop log from, as
// it was started: the command line over the environment (DIPO_PICTURE_DIR, DIPO_KB_DIR,
// DIPO_DB). The shell sets it once at start-up; the parts read it, never the environment.
namespace dipo::config {

struct Options
{
    QString pictureDir; // absolute; empty: the program's own picture folder
    QString knowledgeBaseDir; // empty: the built-in base
    QString database; // the log's address as given; empty: the saved choice or the default
};

// The environment's choice.
Options fromEnvironment();

// The options in force: those set at start-up; before that (a tool, a test) the
// environment's, read at each call.
Options current();
void setCurrent(const Options &options);
// Back to the environment's choice (tests).
void forget();

} // namespace dipo::config
