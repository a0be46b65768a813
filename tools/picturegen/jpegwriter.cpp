// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegwriter.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace picturegen {

namespace {

// libjpeg's own error handler ends the process; this one jumps back so the caller can report.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Kept apart from writeJpeg so that no C++ object with a destructor lives across setjmp.
bool compress(const QImage &rgb, std::FILE *file, int quality, char *why)
{
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::snprintf(why, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QString temporary = path + QStringLiteral(".part");
    const QByteArray temporaryName = QFile::encodeName(temporary);
    std::FILE *file = std::fopen(temporaryName.constData(), "wb");
    if (!file) {
        *error = QStringLiteral("cannot create ") + temporary;
        return false;
    }
    char why[JMSG_LENGTH_MAX] = {};
    const bool written = compress(rgb, file, quality, why);
    const bool flushed = std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temporaryName.constData());
        *error = QStringLiteral("cannot write ") + temporary
                 + (why[0] ? QStringLiteral(": ") + QString::fromLocal8Bit(why) : QString());
        return false;
    }
    if (std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        std::remove(temporaryName.constData());
        *error = QStringLiteral("cannot rename ") + temporary + QStringLiteral(" to ") + path;
        return false;
    }
    return true;
}

} // namespace picturegen
