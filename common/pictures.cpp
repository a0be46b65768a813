#include "common/pictures.h"

#include "common/error.h"
#include "common/jpeg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef DIPO_PICTURE_DIR_INSTALL
#define DIPO_PICTURE_DIR_INSTALL ""
#endif

namespace dipo::pictures {
namespace {

const QLatin1String kProgramRoot("d:\\karya_hasil\\");

} // namespace

QString root()
{
    const QString fromEnvironment = qEnvironmentVariable("DIPO_PICTURE_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
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

QImage decoration(const QString &name)
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

} // namespace dipo::pictures
