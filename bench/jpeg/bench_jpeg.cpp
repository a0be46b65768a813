// SPDX-License-Identifier: GPL-3.0-or-later
// Decode time and peak memory of hostile JPEG files: scan floods, decompression bombs
// and cut entropy data, beside ordinary pictures. Each file is decoded by a fresh
// process, so that the peak resident memory above its start is the file's own; the
// time is the fastest of five decodes.
//
//   ./build/bench_jpeg [folder]     also writes the crafted files into the folder
#include "common/logic/error.h"
#include "common/logic/jpeg.h"
#include "jpegsamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>

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

// Decodes one file five times in this fresh process and prints the line of its case.
int decodeOne(const char *name, const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    const long before = statusKb("VmRSS:");
    // The fastest of five runs: the machine may be busy with other work.
    double ms = 0;
    QString outcome;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        try {
            const QImage image = dipo::jpeg::decode(bytes, QStringLiteral("x"));
            outcome = QStringLiteral("decoded %1x%2").arg(image.width()).arg(image.height());
        } catch (const dipo::PictureError &error) {
            outcome = QStringLiteral("refused: ") + error.message().mid(32);
        }
        const double spent = double(timer.nsecsElapsed()) / 1e6;
        ms = run == 0 ? spent : std::min(ms, spent);
    }
    const long peak = statusKb("VmHWM:");
    std::printf("%-26s %9lld B %9.2f ms %8.1f MB  %s\n", name, (long long)bytes.size(), ms,
        double(peak - before) / 1024.0, qPrintable(outcome.left(70)));
    return 0;
}

// Each file is decoded by a fresh copy of this program, so that its peak resident
// memory above its start is the file's own.
void measure(const char *self, const Case &c, const QString &path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(c.bytes);
    out.close();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const QByteArray local = path.toLocal8Bit();
        execl(self, self, "--decode", c.name, local.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--decode") == 0)
        return decodeOne(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
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
        { "progressive 2800x2800",
            [] {
                Encoding e;
                e.progressive = true;
                return samples::encode(2800, 2800, e);
            }() },
        { "progr. 4:4:4 2800x2800",
            [] {
                Encoding e;
                e.progressive = true;
                e.fullChroma = true;
                return samples::encode(2800, 2800, e);
            }() },
        { "noise 2000x1500 q50",
            [] {
                Encoding e;
                e.noise = true;
                e.quality = 50;
                return samples::encode(2000, 1500, e);
            }() },
        { "progr. noise 1600x1200 q60",
            [] {
                Encoding e;
                e.progressive = true;
                e.noise = true;
                e.quality = 60;
                return samples::encode(1600, 1200, e);
            }() },
        { "progr. arith 640x480",
            [] {
                Encoding e;
                e.progressive = true;
                e.arithmetic = true;
                e.noise = true;
                return samples::encode(640, 480, e);
            }() },
    };

    // The crafted files stay in the given folder, or in a temporary one.
    QTemporaryDir scratch;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    QDir().mkpath(folder.path());
    std::printf("%-26s %11s %12s %11s  %s\n", "file", "size", "time", "peak", "outcome");
    for (const Case &c : cases) {
        const QString file = QString::fromLatin1(c.name).replace(QLatin1Char(' '), QLatin1Char('_'))
            + QStringLiteral(".jpg");
        measure(argv[0], c, folder.filePath(file));
    }
    return 0;
}
