// SPDX-License-Identifier: GPL-3.0-or-later
#include "manifest.h"

#include <QStringList>

#include <stdexcept>

namespace picturegen {

namespace {

[[noreturn]] void fail(int line, const char *why)
{
    throw std::runtime_error("picture list line " + std::to_string(line) + ": " + why);
}

QSize parseSize(const QString &text, int line)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okW = false;
    bool okH = false;
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&okW), parts[1].toInt(&okH)) : QSize();
    if (!okW || !okH || size.width() < 8 || size.height() < 8 || size.width() > 2048
        || size.height() > 2048)
        fail(line, "size must read like 640x480");
    return size;
}

} // namespace

QList<PictureEntry> parseManifest(const QByteArray &bytes)
{
    QList<PictureEntry> entries;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lines[i].trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const int lineNo = i + 1;
        const QStringList fields = text.split(QLatin1Char('|'));
        if (fields.size() != 6)
            fail(lineNo, "expected six fields separated by '|'");
        PictureEntry entry;
        entry.line = lineNo;
        if (fields[0] == QLatin1String("runtime"))
            entry.kind = PictureEntry::Kind::Runtime;
        else if (fields[0] == QLatin1String("decoration"))
            entry.kind = PictureEntry::Kind::Decoration;
        else if (fields[0] == QLatin1String("icon"))
            entry.kind = PictureEntry::Kind::Icon;
        else
            fail(lineNo, "unknown kind");
        entry.file = fields[1];
        if (entry.file.isEmpty() || entry.file.startsWith(QLatin1Char('/'))
            || entry.file.contains(QLatin1String("..")))
            fail(lineNo, "file must be a relative path inside its folder");
        entry.size = parseSize(fields[2], lineNo);
        entry.drawing = fields[3];
        entry.caption = fields[4];
        entry.subtitle = fields[5];
        entries.append(entry);
    }
    return entries;
}

} // namespace picturegen
