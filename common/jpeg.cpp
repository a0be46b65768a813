#include "common/jpeg.h"

#include "common/error.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace dipo::jpeg {
namespace {

// libjpeg's own error handler ends the process; this one jumps back to the decoder,
// which turns the message into a PictureError. Warnings count as errors too: a
// truncated file is only a warning to libjpeg, padded out with grey.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0) // a warning: corrupt or truncated data
        onError(info);
}

struct Outcome
{
    QImage image;
    char message[JMSG_LENGTH_MAX + 64] = {};
};

// Kept free of objects with destructors between setjmp and the libjpeg calls: the
// image lives in the caller's Outcome.
bool decodeInto(const unsigned char *data, unsigned long size, Outcome *outcome)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        std::snprintf(outcome->message, sizeof outcome->message, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    const qint64 pixels = qint64(info.image_width) * qint64(info.image_height);
    if (pixels <= 0 || pixels > kMaxPixels) {
        std::snprintf(outcome->message, sizeof outcome->message,
                      "picture too large (%u x %u pixels)", info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        std::snprintf(outcome->message, sizeof outcome->message,
                      "CMYK pictures are not supported");
        jpeg_destroy_decompress(&info);
        return false;
    }
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = JCS_EXT_BGRX; // the byte order of QImage::Format_RGB32
    const QImage::Format format = QImage::Format_RGB32;
#else
    info.out_color_space = JCS_RGB;
    const QImage::Format format = QImage::Format_RGB888;
#endif
    jpeg_start_decompress(&info);
    outcome->image = QImage(int(info.output_width), int(info.output_height), format);
    if (outcome->image.isNull()) {
        std::snprintf(outcome->message, sizeof outcome->message, "out of memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = outcome->image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &name)
{
    Outcome outcome;
    if (bytes.isEmpty()) {
        throw PictureError(
            QStringLiteral("'%1' is not a valid JPEG picture: the file is empty").arg(name));
    }
    if (!decodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &outcome)) {
        outcome.image = QImage();
        throw PictureError(QStringLiteral("'%1' is not a valid JPEG picture: %2")
                               .arg(name, QString::fromLocal8Bit(outcome.message)));
    }
    return outcome.image;
}

QImage loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("Cannot open file %1").arg(path));
    // A picture file larger than any picture we would accept is refused unread.
    constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
    if (file.size() > kMaxFileBytes)
        throw PictureError(
            QStringLiteral("'%1' is not a valid JPEG picture: the file is too large").arg(path));
    const QByteArray bytes = file.readAll();
    return decode(bytes, path);
}

} // namespace dipo::jpeg
