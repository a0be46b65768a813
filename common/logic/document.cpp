// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/document.h"

#include "common/logic/documenttexts.h"

#include "common/logic/error.h"
#include "common/logic/pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace dipo::document {

namespace {

QString pictureName(int index)
{
    return QStringLiteral("dipo-picture-%1").arg(index);
}

constexpr qreal kMmPerInch = 25.4;

} // namespace

QString kept(const QString &text)
{
    return QStringLiteral("<span style=\"white-space: pre-wrap\">%1</span>")
        .arg(text.toHtmlEscaped());
}

Builder::Builder(const QString &title)
    : m_title(title)
{ }

Builder Builder::fromRichText(const QString &title, const QString &html)
{
    Builder builder(title);
    builder.m_html = html;
    return builder;
}

void Builder::heading(const QString &text)
{
    m_html += QStringLiteral("<h2 align=\"center\">%1</h2>").arg(text.toHtmlEscaped());
}

void Builder::subheading(const QString &text)
{
    m_html += QStringLiteral("<h3>%1</h3>").arg(kept(text));
}

void Builder::field(const QString &label, const QString &value)
{
    m_html += QStringLiteral("<p><b>%1:</b> %2</p>").arg(label.toHtmlEscaped(), kept(value));
}

void Builder::label(const QString &label)
{
    m_html += QStringLiteral("<p><b>%1:</b></p>").arg(label.toHtmlEscaped());
}

void Builder::paragraph(const QString &text)
{
    m_html += QStringLiteral("<p>%1</p>").arg(kept(text));
}

void Builder::note(const QString &text)
{
    m_html += QStringLiteral("<p style=\"color: #555555\"><small>%1</small></p>")
                  .arg(text.toHtmlEscaped());
}

void Builder::lines(const QStringList &lines, int firstIndent, int indent, bool bold, bool framed)
{
    QString html;
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lines.at(i).isEmpty() ? QStringLiteral("&nbsp;") : kept(lines.at(i));
        html += QStringLiteral("<p style=\"margin: 0; text-indent: %1px\">%2</p>")
                    .arg(i == 0 ? firstIndent : indent)
                    .arg(bold ? QStringLiteral("<b>%1</b>").arg(text) : text);
    }
    if (framed)
        html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
                              "width=\"100%\"><tr><td>%1</td></tr></table>")
                   .arg(html);
    m_html += html;
}

void Builder::table(
    const QStringList &header, const QList<QStringList> &rows, const QList<int> &rightAligned)
{
    const auto align = [&](int column) {
        return rightAligned.contains(column) ? QStringLiteral("right") : QStringLiteral("left");
    };
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "width=\"100%\" style=\"border-collapse: collapse\"><tr>");
    for (int c = 0; c < header.size(); ++c)
        html += QStringLiteral("<th align=\"%1\">%2</th>")
                    .arg(align(c), header.at(c).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c)
            html += QStringLiteral("<td align=\"%1\">%2</td>").arg(align(c), kept(row.at(c)));
        html += QStringLiteral("</tr>");
    }
    m_html += html + QStringLiteral("</table>");
}

void Builder::picture(const QImage &image, qreal widthMm)
{
    if (image.isNull())
        return;
    // The width is settled when the page is known; the name stands for the picture.
    m_html += QStringLiteral("<p align=\"center\"><img src=\"%1\"></p>")
                  .arg(pictureName(int(m_pictures.size())));
    m_pictures.append(image);
    m_pictureWidthsMm.append(widthMm);
}

void Builder::procedure(const QString &title, const QString &heading, const QStringList &lines,
    const QString &picturePath)
{
    subheading(title);
    // Most components are headed by their own name: the name is written once.
    if (heading.simplified().compare(title.simplified(), Qt::CaseInsensitive) != 0)
        this->lines(QStringList { heading }, 0, 0, true);
    this->lines(lines);
    if (picturePath.isEmpty())
        return;
    try {
        picture(pictures::load(picturePath));
    } catch (const Error &error) {
        note(QStringLiteral("Gambar tidak dapat dibaca: %1").arg(error.message()));
    }
}

void Builder::blanks(const QStringList &labels)
{
    for (const QString &label : labels)
        m_html += QStringLiteral("<p><b>%1:</b> %2</p>")
                      .arg(label.toHtmlEscaped(), QString(40, QLatin1Char('_')));
}

void Builder::job(const Job &job)
{
    const auto known = [this](const QString &label, const QString &value) {
        if (value.trimmed().isEmpty())
            blanks({ label });
        else
            field(label, value);
    };
    known(texts::locomotive, job.locomotive);
    known(texts::technician, job.technician);
    if (job.logEntry > 0)
        field(texts::logEntry, QString::number(job.logEntry));
    if (!job.diagnosis.isEmpty()) {
        label(texts::diagnosis);
        lines(job.diagnosis, 16, 16);
    }
    if (!job.mark.isEmpty())
        lines({ job.mark }, 0, 0, true);
    if (!job.note.isEmpty())
        field(texts::note, job.note);
}

void Builder::pageBreak()
{
    m_html += QStringLiteral("<p style=\"page-break-before: always\"></p>");
}

void Builder::fill(QTextDocument *document, qreal pageWidth) const
{
    QString html = m_html;
    for (int i = 0; i < m_pictures.size(); ++i) {
        const QImage &image = m_pictures.at(i);
        // Sizes in rich text are 96-dpi pixels; the layout scales them to the device.
        const QPaintDevice *device = document->documentLayout()->paintDevice();
        const qreal dpi = device ? device->logicalDpiX() : 96;
        const qreal width = std::min({ m_pictureWidthsMm.at(i) / kMmPerInch * 96,
            pageWidth * 96 / dpi, qreal(image.width()) });
        const qreal height = width * image.height() / std::max(1, image.width());
        document->addResource(QTextDocument::ImageResource, QUrl(pictureName(i)), image);
        html.replace(QStringLiteral("<img src=\"%1\">").arg(pictureName(i)),
            QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                .arg(pictureName(i))
                .arg(qRound(width))
                .arg(qRound(height)));
    }
    document->setHtml(html);
}

void Builder::render(QPagedPaintDevice *device) const
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
    fill(&document, page.width());

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

QByteArray Builder::pdf(const QString &creator) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // Text is drawn as text: the resolution is only the layout's grid.
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setCreator(creator);
        writer.setTitle(m_title);
        render(&writer);
    }
    return bytes;
}

} // namespace dipo::document
