// SPDX-License-Identifier: GPL-3.0-or-later
// The knowledge-base loader on any bytes, as one system's file: it reports or loads,
// never lists more than its cap, and never gives neither a knowledge base nor reasons.
#include "diagnosis/logic/kbloader.h"

#include <cstdint>
#include <cstdlib>

using namespace dipo::diagnosis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const KbLoad load = loadKnowledgeBase({ KbFile { QStringLiteral("fuzz.json"),
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)) } });
    if (load.findings.size() > kMaxFindings)
        std::abort();
    if (load.omitted > 0 && load.findings.size() != kMaxFindings)
        std::abort();
    if (load.ok() == load.knowledgeBase.isEmpty())
        std::abort();
    return 0;
}
