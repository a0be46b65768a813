#include "jpegsamples.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace samples {

QByteArray jpegOf(int width, int height, QColor colour)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[size_t(x) * 3] = (unsigned char)colour.red();
        row[size_t(x) * 3 + 1] = (unsigned char)colour.green();
        row[size_t(x) * 3 + 2] = (unsigned char)colour.blue();
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char *>(buffer), int(size));
    std::free(buffer);
    return result;
}

QByteArray withAnnouncedSize(QByteArray jpeg, int width, int height)
{
    // The baseline frame header: FF C0, length, precision, height, width.
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return jpeg;
    jpeg[sof + 5] = char((height >> 8) & 0xFF);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char((width >> 8) & 0xFF);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

} // namespace samples
