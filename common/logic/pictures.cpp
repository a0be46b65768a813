// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/pictures.h"

#include "common/logic/config.h"
#include "common/logic/error.h"
#include "common/logic/jpeg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTimer>

#include <future>
#include <utility>

#ifndef DIPO_PICTURE_DIR_INSTALL
#define DIPO_PICTURE_DIR_INSTALL ""
#endif

namespace dipo::pictures {
namespace {

const QLatin1String kProgramRoot("d:\\karya_hasil\\");

// The decorations decoded so far, by name, and how often each was decoded. Widgets are
// used from the GUI thread only.
struct DecorationCache
{
    QHash<QString, QImage> images;
    QHash<QString, int> decodes;
    QHash<QString, int> users;
    QHash<QString, std::shared_future<QImage>> onTheirWay;
    int allDecodes = 0;
    bool releasePending = false;
};

DecorationCache &decorationCache()
{
    static DecorationCache cache;
    return cache;
}

QImage decodeDecoration(const QString &name)
{
    QFile file(QStringLiteral(":/decoration/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    try {
        return jpeg::decode(file.readAll(), file.fileName());
    } catch (const PictureError &) {
        return QImage(); // decoration only: a window without it still works
    }
}

// Lets go of the decoded decorations that only the cache still holds; the missing and
// broken ones stay, so that they are not tried again.
void releaseUnheld()
{
    DecorationCache &cache = decorationCache();
    cache.releasePending = false;
    for (auto it = cache.images.begin(); it != cache.images.end();) {
        if (!it->isNull() && it->isDetached())
            it = cache.images.erase(it);
        else
            ++it;
    }
}

} // namespace

QString root()
{
    const QString given = config::current().pictureDir;
    if (!given.isEmpty())
        return given;
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty()) {
        const QString besideExe = exeDir + QStringLiteral("/karya_hasil");
        if (QFileInfo(besideExe).isDir())
            return besideExe;
        const QString relocated =
            QDir::cleanPath(exeDir + QStringLiteral("/../share/dipo/karya_hasil"));
        if (QFileInfo(relocated).isDir())
            return relocated;
    }
    return QString::fromUtf8(DIPO_PICTURE_DIR_INSTALL);
}

QString localPath(const QString &programPath)
{
    QString relative = programPath;
    if (relative.startsWith(kProgramRoot, Qt::CaseInsensitive))
        relative = relative.mid(kProgramRoot.size());
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root() + QLatin1Char('/') + relative;
}

QImage load(const QString &programPath)
{
    return jpeg::loadFile(localPath(programPath));
}

void prefetchDecorations(const QStringList &names)
{
    DecorationCache &cache = decorationCache();
    for (const QString &name : names) {
        if (name.isEmpty() || cache.images.contains(name) || cache.onTheirWay.contains(name))
            continue;
        ++cache.decodes[name];
        ++cache.allDecodes;
        // Reading a resource and decoding touch nothing shared.
        cache.onTheirWay.insert(name, std::async(std::launch::async, decodeDecoration, name).share());
    }
}

void finishDecoding()
{
    DecorationCache &cache = decorationCache();
    for (auto it = cache.onTheirWay.cbegin(); it != cache.onTheirWay.cend(); ++it)
        cache.images.insert(it.key(), it.value().get());
    cache.onTheirWay.clear();
}

QImage decoration(const QString &name)
{
    DecorationCache &cache = decorationCache();
    const auto found = cache.images.constFind(name);
    if (found != cache.images.constEnd())
        return *found;
    QImage decoded;
    if (const auto coming = cache.onTheirWay.find(name); coming != cache.onTheirWay.end()) {
        decoded = coming->get();
        cache.onTheirWay.erase(coming);
    } else {
        decoded = decodeDecoration(name);
        ++cache.decodes[name];
        ++cache.allDecodes;
    }
    cache.images.insert(name, decoded);
    // Every widget painted in this turn of the event loop shares it; after that it is let
    // go unless someone holds it.
    if (!decoded.isNull() && !cache.releasePending && QCoreApplication::instance()) {
        cache.releasePending = true;
        QTimer::singleShot(0, QCoreApplication::instance(), &releaseUnheld);
    }
    return decoded;
}

void addDecorationUser(const QString &name)
{
    ++decorationCache().users[name];
}

void removeDecorationUser(const QString &name)
{
    DecorationCache &cache = decorationCache();
    const auto found = cache.users.find(name);
    if (found != cache.users.end() && --*found <= 0)
        cache.users.erase(found);
}

void decorationPainted(const QString &name)
{
    DecorationCache &cache = decorationCache();
    if (cache.users.value(name) > 1)
        return;
    const auto found = cache.images.find(name);
    if (found != cache.images.end() && !found->isNull() && found->isDetached())
        cache.images.erase(found);
}

int decorationDecodes(const QString &name)
{
    const DecorationCache &cache = decorationCache();
    return name.isEmpty() ? cache.allDecodes : cache.decodes.value(name);
}

int decorationsHeld()
{
    int held = 0;
    for (const QImage &image : std::as_const(decorationCache().images))
        held += image.isNull() ? 0 : 1;
    return held;
}

void clearDecorations()
{
    DecorationCache &cache = decorationCache();
    for (const std::shared_future<QImage> &coming : std::as_const(cache.onTheirWay))
        coming.wait();
    cache.onTheirWay.clear();
    cache.images.clear();
    cache.decodes.clear();
    cache.allDecodes = 0;
}

} // namespace dipo::pictures
