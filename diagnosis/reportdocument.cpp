#include "diagnosis/reportdocument.h"

#include "diagnosis/riwayattexts.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace dipo::diagnosis::report {

namespace {

QString reason(const QSaveFile &file, const QString &path)
{
    QString why;
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        why = texts::reasonNoPermission;
        break;
    case QFileDevice::OpenError:
        why = QFileInfo(path).absoluteDir().exists() ? texts::reasonNoPermission
                                                     : texts::reasonNoFolder;
        break;
    case QFileDevice::RenameError:
        why = texts::reasonRename;
        break;
    default:
        why = texts::reasonWrite;
        break;
    }
    const QString detail = file.errorString();
    return detail.isEmpty() ? why : QStringLiteral("%1 (%2)").arg(why, detail);
}

} // namespace

void render(const QString &html, QPagedPaintDevice *device)
{
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(device);
}

void writePdf(const QString &html, QIODevice *device)
{
    QPdfWriter writer(device);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    // The document keeps its own margins of 2 cm round the text.
    writer.setResolution(300);
    writer.setCreator(texts::reportTitle);
    writer.setTitle(texts::reportTitle);
    render(html, &writer);
}

QString savePdf(const QString &html, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return texts::saveFailed.arg(shown, reason(file, path));
    writePdf(html, &file);
    if (!file.commit())
        return texts::saveFailed.arg(shown, reason(file, path));
    return QString();
}

} // namespace dipo::diagnosis::report
