#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG decoding through libjpeg, for the windows' decoration and the pictures read
// from the picture folder at run time. Errors never end the process: they throw
// PictureError.
namespace dipo::jpeg {

// Pictures larger than this many pixels are refused before any memory is taken.
constexpr qint64 kMaxPixels = 40'000'000;

// Decodes the bytes of a JPEG file; `name` is what the error message calls it.
QImage decode(const QByteArray &bytes, const QString &name);

// Reads and decodes a file. A file that is missing or cannot be opened throws
// "Cannot open file <path>" with the path as given (the full path).
QImage loadFile(const QString &path);

} // namespace dipo::jpeg
