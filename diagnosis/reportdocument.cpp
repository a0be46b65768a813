#include "diagnosis/reportdocument.h"

#include "diagnosis/riwayattexts.h"

#include "common/savefile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace dipo::diagnosis::report {

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
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    writePdf(html, &buffer);
    const QString why = files::saveWhole(path, pdf);
    return why.isEmpty() ? QString() : texts::saveFailed.arg(QDir::toNativeSeparators(path), why);
}

} // namespace dipo::diagnosis::report
