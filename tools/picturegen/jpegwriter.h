// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace picturegen {

// Writes the image as a baseline JPEG through libjpeg, to a temporary file renamed into place,
// so that an interrupted build never leaves a half-written picture that looks up to date.
// Returns false with a reason when the file cannot be written.
bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error);

} // namespace picturegen
