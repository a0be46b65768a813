// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/jpeg.h"

#include "common/logic/error.h"
#include "common/logic/outsidefile.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace dipo::jpeg {
namespace {

// Everything libjpeg writes to between setjmp and longjmp lives here, outside the
// function that calls setjmp, so nothing is left indeterminate by the jump. The
// struct starts with the error manager so that libjpeg's pointer to it finds the rest.
struct Decoder
{
    jpeg_error_mgr errors;
    jpeg_progress_mgr progress;
    jpeg_decompress_struct info;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX + 64];
    bool multipleScans = false;
    qint64 blockVisits = 0;
    qint64 maxBlockVisits = 0;
};

Decoder *decoderOf(j_common_ptr info)
{
    return reinterpret_cast<Decoder *>(info->err);
}

[[noreturn]] void refuse(j_common_ptr info, const char *reason)
{
    Decoder *decoder = decoderOf(info);
    std::snprintf(decoder->message, sizeof decoder->message, "%s", reason);
    std::longjmp(decoder->jump, 1);
}

// libjpeg's own error handler ends the process; this one jumps back to the decoder,
// which turns the message into a PictureError.
void onError(j_common_ptr info)
{
    Decoder *decoder = decoderOf(info);
    if (info->err->msg_code == JERR_NO_BACKING_STORE) // the coefficients exceed the memory limit
        refuse(info, "memori dekode melebihi batas 24 MB");
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    std::snprintf(decoder->message, sizeof decoder->message, "%s", text);
    std::longjmp(decoder->jump, 1);
}

// Warnings count as errors too: truncated or corrupt data is only a warning to
// libjpeg, which pads the picture out with grey.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

bool isRestartMarker(int marker)
{
    return marker >= JPEG_RST0 && marker <= JPEG_RST0 + 7;
}

// Called before each row of coefficient blocks is read, and before each output line.
void onProgress(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    Decoder *decoder = decoderOf(common);
    if (info->input_scan_number > kMaxScans)
        refuse(common, "lebih dari 100 scan");
    const bool inScan = info->input_iMCU_row < info->total_iMCU_rows;
    if (!inScan)
        return;
    // Unlike the Huffman decoder, the arithmetic decoder meets a marker inside the data
    // without a warning and decodes the rest as zeros. That is legal: an encoder leaves
    // out the zero bytes at the end, and a flat area costs next to none, so a picture
    // with a plain bottom may end its data early. Cut or removed data looks the same:
    // unless the zeros decode to a bad code (a warning, refused above), the cut scan is
    // byte for byte what libjpeg's encoder writes for the coefficients read from it, so
    // no rule can refuse every cut and keep every legal file. A sequential or first DC
    // scan whose data ends in the top half of a picture of three or more block rows is
    // taken for cut; a picture of one or two rows has no such half and is decoded.
    // Later progressive scans may rightly hold almost nothing.
    if (info->arith_code && info->Ss == 0 && info->Ah == 0 && info->unread_marker != 0
        && !isRestartMarker(info->unread_marker)
        && info->input_iMCU_row * 2 < info->total_iMCU_rows)
        refuse(common, "data gambar terpotong");
    if (decoder->multipleScans) {
        qint64 blocks = qint64(info->MCUs_per_row) * info->blocks_in_MCU;
        if (info->comps_in_scan == 1)
            blocks *= info->cur_comp_info[0]->v_samp_factor;
        decoder->blockVisits += blocks;
        if (decoder->blockVisits > decoder->maxBlockVisits)
            refuse(common, "scan terlalu banyak untuk ukuran gambarnya");
    }
}

struct Outcome
{
    QImage image;
    char message[JMSG_LENGTH_MAX + 64] = {};
};

// Holds no object with a destructor between setjmp and the libjpeg calls: the image
// lives in the caller's Outcome, libjpeg's state in the caller's Decoder.
bool decodeInto(const unsigned char *data, unsigned long size, Decoder *decoder, Outcome *outcome)
{
    j_decompress_ptr info = &decoder->info;
    info->err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = onError;
    decoder->errors.emit_message = onMessage;
    decoder->message[0] = '\0';
    if (setjmp(decoder->jump)) {
        std::snprintf(outcome->message, sizeof outcome->message, "%s", decoder->message);
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = kMaxDecoderMemory;
    decoder->progress.progress_monitor = onProgress;
    info->progress = &decoder->progress;
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    const qint64 pixels = qint64(info->image_width) * qint64(info->image_height);
    if (pixels <= 0 || pixels > kMaxPixels) {
        std::snprintf(outcome->message, sizeof outcome->message,
            "picture too large (%u x %u pixels)", info->image_width, info->image_height);
        jpeg_destroy_decompress(info);
        return false;
    }
    if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK) {
        std::snprintf(outcome->message, sizeof outcome->message, "CMYK pictures are not supported");
        jpeg_destroy_decompress(info);
        return false;
    }
    qint64 blocks = 0;
    for (int c = 0; c < info->num_components; ++c)
        blocks += qint64(info->comp_info[c].width_in_blocks) * info->comp_info[c].height_in_blocks;
    decoder->maxBlockVisits = blocks * kMaxBlockVisits;
    decoder->multipleScans = jpeg_has_multiple_scans(info);
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info->out_color_space = JCS_EXT_BGRX; // the byte order of QImage::Format_RGB32
    const QImage::Format format = QImage::Format_RGB32;
#else
    info->out_color_space = JCS_RGB;
    const QImage::Format format = QImage::Format_RGB888;
#endif
    jpeg_start_decompress(info);
    outcome->image = QImage(int(info->output_width), int(info->output_height), format);
    if (outcome->image.isNull()) {
        std::snprintf(outcome->message, sizeof outcome->message, "out of memory");
        jpeg_destroy_decompress(info);
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = outcome->image.scanLine(int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty()) {
        throw PictureError(
            QStringLiteral("'%1' is not a valid JPEG picture: the file is empty").arg(name));
    }
    if (bytes.size() > kMaxFileBytes) {
        throw PictureError(
            QStringLiteral("'%1' is not a valid JPEG picture: the file is too large").arg(name));
    }
    Outcome outcome;
    Decoder decoder;
    if (!decodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()),
            static_cast<unsigned long>(bytes.size()), &decoder, &outcome)) {
        outcome.image = QImage();
        throw PictureError(QStringLiteral("'%1' is not a valid JPEG picture: %2")
                               .arg(name, QString::fromLocal8Bit(outcome.message)));
    }
    return outcome.image;
}

QImage loadFile(const QString &path)
{
    // A file larger than any picture we would accept is refused unread.
    outside::Refusal refusal;
    const auto bytes = outside::readFile(path, kMaxFileBytes, &refusal);
    if (bytes)
        return decode(*bytes, path);
    switch (refusal.kind) {
    case outside::Refusal::Kind::TooLarge:
        throw PictureError(
            QStringLiteral("'%1' is not a valid JPEG picture: the file is too large").arg(path));
    case outside::Refusal::Kind::NotRegular:
        throw PictureError(QStringLiteral("Cannot open file %1: %2").arg(path, refusal.reason));
    case outside::Refusal::Kind::Missing:
    case outside::Refusal::Kind::Unreadable:
        break;
    }
    throw PictureError(QStringLiteral("Cannot open file %1").arg(path));
}

} // namespace dipo::jpeg
