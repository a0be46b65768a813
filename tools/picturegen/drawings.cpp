// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings.h"

#include <QFileInfo>
#include <QPainter>

namespace picturegen {

const Registry &drawings()
{
    static const Registry registry = [] {
        Registry r;
        addMaintenanceDrawings(r);
        addTuneupDrawings(r);
        addDecorationDrawings(r);
        return r;
    }();
    return registry;
}

QImage render(const PictureEntry &entry)
{
    const auto found = drawings().find(entry.drawing);
    if (found == drawings().end())
        return {};
    const Drawing &drawing = found->second;
    if (drawing.free) {
        QImage image(entry.size, QImage::Format_RGB32);
        image.fill(Qt::white);
        drawing.free(image, entry);
        return image;
    }
    // Technical sheets are composed at one size and scaled to the size asked for.
    const QSize sheetSize(640, 480);
    QImage image(sheetSize, QImage::Format_RGB32);
    {
        Sheet sheet(image);
        sheet.technicalFrame(entry.caption, entry.subtitle,
                             QStringLiteral("Gbr. ") + QFileInfo(entry.file).completeBaseName());
        drawing.technical(sheet);
    }
    if (entry.size == sheetSize)
        return image;
    QImage sized(entry.size, QImage::Format_RGB32);
    QPainter painter(&sized);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(sized.rect()), image);
    return sized;
}

} // namespace picturegen
