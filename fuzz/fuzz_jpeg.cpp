// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG decoder on any bytes: besides crashes and sanitizer reports, a finding is a
// file that takes more than the time bound to decode or refuse, or makes the decoder
// hold more than 64 MB at once. The time bound is CPU time, so that a busy machine
// does not count; it defaults to 1000 ms for this instrumented build (DIPO_FUZZ_MAX_MS),
// where an optimised build stays under 200 ms.
#include "common/logic/error.h"
#include "common/logic/jpeg.h"

#include <QByteArray>

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::atomic<long long> g_live { 0 };
std::atomic<long long> g_peak { 0 };

void onMalloc(const volatile void *, size_t size)
{
    const long long live = g_live += (long long)size;
    long long peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) { }
}

void onFree(const volatile void *pointer)
{
    g_live -= (long long)__sanitizer_get_allocated_size(const_cast<const void *>(pointer));
}

double cpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double maxMs()
{
    static const double limit = [] {
        const char *text = std::getenv("DIPO_FUZZ_MAX_MS");
        return text ? QByteArray(text).toDouble() : 1000.0;
    }();
    return limit;
}

constexpr long long kMaxBytes = 64LL * 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    g_peak = g_live.load();
    const long long before = g_live.load();
    const double start = cpuMs();
    try {
        const QImage image = dipo::jpeg::decode(bytes, QStringLiteral("fuzz.jpg"));
        if (image.isNull())
            std::abort(); // a picture or an error, never nothing
    } catch (const dipo::PictureError &) { }
    const double spent = cpuMs() - start;
    const long long held = g_peak.load() - before;
    if (spent > maxMs()) {
        std::fprintf(stderr, "decoding took %.0f ms of CPU time\n", spent);
        std::abort();
    }
    if (held > kMaxBytes) {
        std::fprintf(stderr, "decoding held %lld bytes\n", held);
        std::abort();
    }
    return 0;
}
