// SPDX-License-Identifier: GPL-3.0-or-later
// dipo_picturegen: draws every picture of the program from the picture list.
//   dipo_picturegen <picture list> <picture folder> <decoration folder> <icon folder>
// Exits non-zero when the list is malformed, names an unknown drawing, or a file cannot be written.

#include "drawings.h"
#include "jpegwriter.h"
#include "manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int jpegQuality = 85;

// The offscreen platform notes that it has no runtime folder, which it never needs here;
// every other message of Qt goes to the build log as it is.
void logMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

void complain(const QString &text)
{
    std::fprintf(stderr, "dipo_picturegen: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(logMessage);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        complain(QStringLiteral(
                "usage: dipo_picturegen <picture list> <picture folder> <decoration folder> "
                "<icon folder>"));
        return 2;
    }
    QFile listFile(args[1]);
    if (!listFile.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read ") + args[1]);
        return 1;
    }
    QList<picturegen::PictureEntry> entries;
    try {
        entries = picturegen::parseManifest(listFile.readAll());
    } catch (const std::runtime_error &e) {
        complain(QString::fromUtf8(e.what()));
        return 1;
    }

    using Kind = picturegen::PictureEntry::Kind;
    int failures = 0;
    QSet<QString> written;
    for (const picturegen::PictureEntry &entry : entries) {
        const QString &folder = entry.kind == Kind::Runtime      ? args[2]
                                : entry.kind == Kind::Decoration ? args[3]
                                                                 : args[4];
        const QString path = QDir(folder).filePath(entry.file);
        if (written.contains(path)) {
            complain(QStringLiteral("line %1: %2 is listed twice").arg(entry.line).arg(path));
            ++failures;
            continue;
        }
        written.insert(path);
        const QImage image = picturegen::render(entry);
        if (image.isNull()) {
            complain(QStringLiteral("line %1: no drawing named '%2'").arg(entry.line).arg(entry.drawing));
            ++failures;
            continue;
        }
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            complain(QStringLiteral("cannot create the folder of ") + path);
            ++failures;
            continue;
        }
        QString error;
        bool ok = false;
        if (entry.kind == Kind::Icon) {
            // Through QSaveFile, like the JPEG files: complete or not there at all.
            QSaveFile file(path);
            ok = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
            if (!ok)
                error = QStringLiteral("cannot write ") + path;
        } else {
            ok = picturegen::writeJpeg(image, path, jpegQuality, &error);
        }
        if (!ok) {
            complain(error);
            ++failures;
        }
    }
    if (failures > 0) {
        complain(QStringLiteral("%1 of %2 pictures failed").arg(failures).arg(entries.size()));
        return 1;
    }
    return 0;
}
