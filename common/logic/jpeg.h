// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG decoding through libjpeg, for the windows' decoration and the pictures read
// from the picture folder at run time. Errors never end the process: they throw
// PictureError. The picture folder holds files anyone may replace, so decoding is
// bounded: any file decodes or is refused in a fraction of a second and a few tens of
// megabytes.
namespace dipo::jpeg {

// Pictures larger than this many pixels are refused before any memory is taken: more
// than twenty times the 640 x 480 pictures the program ships.
constexpr qint64 kMaxPixels = 8'000'000;

// Files larger than this are refused unread.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

// A progressive or multi-scan file keeps the whole picture's coefficients; libjpeg
// may take this much for them, and refuses a file that needs more.
constexpr long kMaxDecoderMemory = 24L * 1024 * 1024;

// Scans beyond this count are refused; an ordinary progressive file has about ten.
constexpr int kMaxScans = 100;

// The coefficient blocks all scans together may decode, in multiples of the picture's
// blocks: an ordinary progressive file visits each block five or six times.
constexpr int kMaxBlockVisits = 20;

// Decodes the bytes of a JPEG file; `name` is what the error message calls it.
QImage decode(const QByteArray &bytes, const QString &name);

// Reads and decodes a file. A file that is missing or cannot be opened throws
// "Cannot open file <path>" with the path as given (the full path).
QImage loadFile(const QString &path);

} // namespace dipo::jpeg
