// Decode time and peak memory of hostile JPEG files: scan floods, decompression bombs
// and cut entropy data, beside ordinary pictures. Each file is decoded in a child
// process, so that the peak resident memory above the child's start is the file's own;
// the time is the fastest of five decodes.
//
//   ./build/bench_jpeg [folder]     also writes the crafted files into the folder
#include "common/error.h"
#include "common/jpeg.h"
#include "jpegsamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Case
{
    const char *name;
    QByteArray bytes;
};

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void measure(const Case &c)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const long before = statusKb("VmRSS:");
        // The fastest of five runs: the machine may be busy with other work.
        double ms = 0;
        QString outcome;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            try {
                const QImage image = dipo::jpeg::decode(c.bytes, QStringLiteral("x"));
                outcome = QStringLiteral("decoded %1x%2").arg(image.width()).arg(image.height());
            } catch (const dipo::PictureError &error) {
                outcome = QStringLiteral("refused: ") + error.message().mid(32);
            }
            const double spent = double(timer.nsecsElapsed()) / 1e6;
            ms = run == 0 ? spent : std::min(ms, spent);
        }
        const long peak = statusKb("VmHWM:");
        std::printf("%-26s %9lld B %9.1f ms %8.1f MB  %s\n", c.name, (long long)c.bytes.size(), ms,
            double(peak - before) / 1024.0, qPrintable(outcome.left(70)));
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    using samples::Encoding;

    Encoding flood;
    flood.progressive = true;
    flood.fullPrecisionScans = true;
    flood.grayscale = true;
    const QByteArray floodBase = samples::encode(6000, 6000, flood);
    const QByteArray largestFloodBase = samples::encode(2828, 2828, flood);
    flood.grayscale = false;
    const QByteArray smallFloodBase = samples::encode(640, 480, flood);

    Encoding bomb;
    bomb.progressive = true;
    bomb.arithmetic = true;
    Encoding grayBomb = bomb;
    grayBomb.grayscale = true;

    Encoding arith;
    arith.arithmetic = true;
    arith.noise = true;
    Encoding huffman;
    huffman.noise = true;

    Encoding photo;
    photo.noise = true;
    photo.quality = 75;

    const QList<Case> cases = {
        { "ordinary 640x480", samples::encode(640, 480, photo) },
        { "flood 100 scans", samples::withLastScanRepeated(floodBase, 100) },
        { "flood 1000 scans", samples::withLastScanRepeated(floodBase, 1000) },
        { "flood 3000 scans", samples::withLastScanRepeated(floodBase, 3000) },
        { "flood 3000, 2828x2828", samples::withLastScanRepeated(largestFloodBase, 3000) },
        { "flood 3000, 640x480", samples::withLastScanRepeated(smallFloodBase, 3000) },
        { "bomb 6324x6324", samples::encode(6324, 6324, bomb) },
        { "bomb gray 6324x6324", samples::encode(6324, 6324, grayBomb) },
        { "bomb 2800x2800", samples::encode(2800, 2800, bomb) },
        { "bomb gray 2800x2800", samples::encode(2800, 2800, grayBomb) },
        { "arith cut to 25%", samples::withScanDataCut(samples::encode(640, 480, arith), 25) },
        { "arith data removed", samples::withScanDataCut(samples::encode(640, 480, arith), 0) },
        { "huffman cut to 50%", samples::withScanDataCut(samples::encode(640, 480, huffman), 50) },
        { "flat 3264x2448", samples::encode(3264, 2448, Encoding()) },
        { "progressive 2800x2800", [] {
              Encoding e;
              e.progressive = true;
              return samples::encode(2800, 2800, e);
          }() },
        { "progr. 4:4:4 2800x2800", [] {
              Encoding e;
              e.progressive = true;
              e.fullChroma = true;
              return samples::encode(2800, 2800, e);
          }() },
        { "progr. arith 640x480", [] {
              Encoding e;
              e.progressive = true;
              e.arithmetic = true;
              e.noise = true;
              return samples::encode(640, 480, e);
          }() },
    };

    std::printf("%-26s %11s %12s %11s  %s\n", "file", "size", "time", "peak", "outcome");
    for (const Case &c : cases)
        measure(c);

    if (argc > 1) {
        QDir().mkpath(QString::fromLocal8Bit(argv[1]));
        for (const Case &c : cases) {
            QFile out(QDir(QString::fromLocal8Bit(argv[1]))
                          .filePath(QString::fromLatin1(c.name).replace(QLatin1Char(' '), QLatin1Char('_'))
                              + QStringLiteral(".jpg")));
            if (out.open(QIODevice::WriteOnly))
                out.write(c.bytes);
        }
    }
    return 0;
}
