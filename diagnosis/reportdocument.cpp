#include "diagnosis/reportdocument.h"

#include "diagnosis/riwayattexts.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
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
    // Laid out once, on the device itself and within its page margins; cheaper than
    // QTextDocument::print(), which copies the document and lays it out again.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    const QSizeF page = device->pageLayout().paintRectPixels(device->logicalDpiY()).size();
    document.setPageSize(page);
    document.setHtml(html);

    QPainter painter(device);
    if (!painter.isActive())
        return;
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0)
            device->newPage();
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        painter.restore();
    }
}

void writePdf(const QString &html, QIODevice *device)
{
    QPdfWriter writer(device);
    // Text is drawn as text: the resolution is only the layout's grid.
    writer.setResolution(96);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setCreator(texts::programName);
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
