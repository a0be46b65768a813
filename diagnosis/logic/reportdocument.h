// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/document.h"

#include <QString>

class QIODevice;
class QPagedPaintDevice;

// The diagnosis report on paper and as a PDF file, through the program's document builder.
namespace dipo::diagnosis::report {

// Lays the report's rich text out on the device's pages (A4 for a PDF) and paints it.
void render(const QString &html, QPagedPaintDevice *device);

// The report as a PDF into an open device.
void writePdf(const QString &html, QIODevice *device);

// Saves the report as a PDF file, made in memory and then saved whole (dipo::files), so a
// save that fails leaves neither a partial file nor a damaged old one. Returns the error
// message (path and reason), empty on success.
QString savePdf(const QString &html, const QString &path);
QString savePdf(const document::Builder &report, const QString &path);

} // namespace dipo::diagnosis::report
