// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagnosis/logic/kbcheck.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

// The commands of dipo-kb on a knowledge base that the loader accepted. Each writes
// to out, its complaints to err, and returns the exit code: 0 all good, 1 findings,
// 2 bad usage.
namespace dipo::kbtool {

struct Base
{
    QList<diagnosis::KbFile> files;
    QList<diagnosis::KbSheet> sheets;
    diagnosis::KnowledgeBase knowledgeBase;
};

// The system a name stands for: its file's base name ("brakes"), its file name, or
// its caption in the diagnosis window ("sistem rem"); -1 when none.
int systemByName(const Base &base, const QString &name);
QString systemCaption(int system);

int stats(const Base &base, bool json, QTextStream &out, QTextStream &err);
int dot(const Base &base, int system, QTextStream &out);
int exportMarkdown(const Base &base, QTextStream &out);

// A diagnosis on the engine: with answers given ("YTTY"), else asking on in.
int walk(const Base &base, int system, const QString *answers, QTextStream &in, QTextStream &out,
    QTextStream &err);

} // namespace dipo::kbtool
