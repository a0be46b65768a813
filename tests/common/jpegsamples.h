// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>

// JPEG files for the tests, the benchmark and the fuzz seeds, written with libjpeg's
// compressor and, for the hostile ones, edited afterwards.
namespace samples {

QByteArray jpegOf(int width, int height, QColor colour);

struct Encoding
{
    bool progressive = false;
    bool arithmetic = false;
    bool grayscale = false;
    // Progressive scans that each carry full precision (no refinement scans), so that
    // the last scan may be repeated without a warning.
    bool fullPrecisionScans = false;
    bool noise = false; // pseudo-random pixels instead of the flat colour
    bool fullChroma = false; // 4:4:4 instead of 4:2:0
    int restartRows = 0;
    int quality = 90;
    QColor colour = QColor(120, 130, 140);
};

QByteArray encode(int width, int height, const Encoding &encoding);

// The same picture with its frame header announcing another size.
QByteArray withAnnouncedSize(QByteArray jpeg, int width, int height);

// The last scan repeated `times` more times before the end marker.
QByteArray withLastScanRepeated(const QByteArray &jpeg, int times);

// The entropy-coded data of the first scan cut to `keptPercent` per cent, the end
// marker kept.
QByteArray withScanDataCut(const QByteArray &jpeg, int keptPercent);

} // namespace samples
