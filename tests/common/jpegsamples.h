#pragma once

#include <QByteArray>
#include <QColor>

// JPEG files for the tests, written with libjpeg's compressor.
namespace samples {

QByteArray jpegOf(int width, int height, QColor colour);

// The same picture with its frame header announcing another size.
QByteArray withAnnouncedSize(QByteArray jpeg, int width, int height);

} // namespace samples
