// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "manifest.h"
#include "sheet.h"

#include <QImage>
#include <QString>

#include <map>

namespace picturegen {

// A technical drawing is composed on a 640 x 480 sheet whose frame and title are already drawn;
// a free drawing (decoration, icon) paints the whole image itself.
using TechnicalDrawing = void (*)(Sheet &sheet);
using FreeDrawing = void (*)(QImage &image, const PictureEntry &entry);

struct Drawing
{
    TechnicalDrawing technical = nullptr;
    FreeDrawing free = nullptr;
};

using Registry = std::map<QString, Drawing>;

void addMaintenanceDrawings(Registry &registry);
void addTuneupDrawings(Registry &registry);
void addDecorationDrawings(Registry &registry);

// Every drawing by name.
const Registry &drawings();

// Draws the entry's picture at its size; a null image when its drawing is unknown.
QImage render(const PictureEntry &entry);

} // namespace picturegen
