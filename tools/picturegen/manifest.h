// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

namespace picturegen {

// One line of the picture list: what to draw, where, how large, and what it says.
struct PictureEntry
{
    enum class Kind { Runtime, Decoration, Icon };
    Kind kind = Kind::Runtime;
    QString file;
    QSize size;
    QString drawing;
    QString caption;
    QString subtitle;
    int line = 0;
};

// Parses the picture list; throws std::runtime_error naming the line of a malformed entry.
QList<PictureEntry> parseManifest(const QByteArray &bytes);

} // namespace picturegen
