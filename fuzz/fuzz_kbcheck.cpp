// SPDX-License-Identifier: GPL-3.0-or-later
// The knowledge engineer's checks and figures on any bytes, as the brake system's file
// beside the five built-in ones: every finding placed in a file, on a line of it, and
// the figures of every sheet computed without running out of stack.
#include "diagnosis/logic/kbcheck.h"

#include <cstdint>
#include <cstdlib>

using namespace dipo::diagnosis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QList<KbFile> builtIn = builtInFiles();
    QList<KbFile> files = builtIn;
    files.last().bytes = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    qint64 omitted = 0;
    for (const KbFinding &finding : checkKnowledgeBase(files, &omitted)) {
        if (finding.line < 1 || finding.what.isEmpty())
            std::abort();
    }
    const KbSheet sheet = readSheet(files.last());
    const KbStats stats = sheetStats(sheet);
    if (stats.cyclic && (stats.longestWalk || stats.walks))
        std::abort();
    if (stats.questions != sheet.rows.size())
        std::abort();
    return 0;
}
