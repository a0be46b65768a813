// The knowledge-base loader on any bytes, as one system's file beside the five
// compiled-in ones: it reports or loads, and never lists more than its cap.
#include "diagnosis/kbloader.h"

#include <cstdint>
#include <cstdlib>

using namespace dipo::diagnosis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QList<KbFile> builtIn = builtInFiles();
    QList<KbFile> files = builtIn;
    files[int(size % quint64(files.size()))].bytes
        = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    const KbLoad load = loadKnowledgeBase(files);
    if (load.errors.size() > kMaxFindings + 1)
        std::abort();
    if (load.ok() == load.knowledgeBase.isEmpty())
        std::abort(); // a knowledge base, or the reasons there is none
    return 0;
}
