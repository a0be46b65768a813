// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegsamples.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace samples {

QByteArray jpegOf(int width, int height, QColor colour)
{
    Encoding encoding;
    encoding.quality = 95;
    encoding.colour = colour;
    return encode(width, height, encoding);
}

QByteArray encode(int width, int height, const Encoding &encoding)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const int channels = encoding.grayscale ? 1 : 3;
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = channels;
    info.in_color_space = encoding.grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, encoding.quality, TRUE);
    info.arith_code = encoding.arithmetic ? TRUE : FALSE;
    if (encoding.fullChroma)
        info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    info.restart_in_rows = encoding.restartRows;
    std::vector<jpeg_scan_info> scans;
    if (encoding.progressive && encoding.fullPrecisionScans) {
        jpeg_scan_info dc = {};
        dc.comps_in_scan = channels;
        for (int c = 0; c < channels; ++c)
            dc.component_index[c] = c;
        scans.push_back(dc);
        for (int c = 0; c < channels; ++c) {
            jpeg_scan_info ac = {};
            ac.comps_in_scan = 1;
            ac.component_index[0] = c;
            ac.Ss = 1;
            ac.Se = 63;
            scans.push_back(ac);
        }
        info.scan_info = scans.data();
        info.num_scans = int(scans.size());
    } else if (encoding.progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * size_t(channels));
    const unsigned char flat[3] = { (unsigned char)encoding.colour.red(),
        (unsigned char)encoding.colour.green(), (unsigned char)encoding.colour.blue() };
    quint32 seed = 12345;
    while (info.next_scanline < info.image_height) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (encoding.noise) {
                seed = seed * 1103515245u + 12345u;
                row[i] = (unsigned char)(seed >> 24);
            } else {
                row[i] = encoding.grayscale ? flat[1] : flat[i % 3];
            }
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char *>(buffer), int(size));
    std::free(buffer);
    return result;
}

namespace {

// The position of the first marker of one of the given kinds, -1 for none. Walks the
// marker segments, so entropy-coded data is never mistaken for a marker.
int findSegment(const QByteArray &jpeg, bool (*wanted)(unsigned char), int from = 2)
{
    int i = from;
    while (i + 4 <= jpeg.size()) {
        if ((unsigned char)jpeg[i] != 0xFF)
            return -1;
        const unsigned char marker = (unsigned char)jpeg[i + 1];
        if (wanted(marker))
            return i;
        const int length = ((unsigned char)jpeg[i + 2] << 8) | (unsigned char)jpeg[i + 3];
        i += 2 + length;
    }
    return -1;
}

bool isFrame(unsigned char m)
{
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

bool isScan(unsigned char m)
{
    return m == 0xDA;
}

} // namespace

QByteArray withAnnouncedSize(QByteArray jpeg, int width, int height)
{
    // The frame header: FF Cn, length, precision, height, width.
    const int sof = findSegment(jpeg, isFrame);
    if (sof < 0)
        return jpeg;
    jpeg[sof + 5] = char((height >> 8) & 0xFF);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char((width >> 8) & 0xFF);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QByteArray withLastScanRepeated(const QByteArray &jpeg, int times)
{
    // The last scan runs from its SOS marker up to the end marker; the tables it
    // uses stay in force, so the bytes can be repeated as they are.
    const int lastScan = int(jpeg.lastIndexOf(QByteArray("\xFF\xDA", 2)));
    if (lastScan < 0 || !jpeg.endsWith(QByteArray("\xFF\xD9", 2)))
        return jpeg;
    const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
    QByteArray result = jpeg.left(jpeg.size() - 2);
    for (int i = 0; i < times; ++i)
        result += scan;
    return result + QByteArray("\xFF\xD9", 2);
}

QByteArray withScanDataCut(const QByteArray &jpeg, int keptPercent)
{
    const int sos = findSegment(jpeg, isScan);
    if (sos < 0)
        return jpeg;
    const int dataStart
        = sos + 2 + (((unsigned char)jpeg[sos + 2] << 8) | (unsigned char)jpeg[sos + 3]);
    // The data ends at the first marker that is neither a stuffed byte nor a restart.
    int dataEnd = dataStart;
    while (dataEnd + 1 < jpeg.size()) {
        const unsigned char next = (unsigned char)jpeg[dataEnd + 1];
        if ((unsigned char)jpeg[dataEnd] == 0xFF && next != 0 && !(next >= 0xD0 && next <= 0xD7))
            break;
        ++dataEnd;
    }
    int kept = dataStart + (dataEnd - dataStart) * keptPercent / 100;
    if (kept > dataStart && (unsigned char)jpeg[kept - 1] == 0xFF)
        --kept; // never leave half of a stuffed byte
    return jpeg.left(kept) + QByteArray("\xFF\xD9", 2);
}

} // namespace samples
