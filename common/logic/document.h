// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QTextDocument;

namespace dipo::document {

// What a paper knows of the job it is for. Whatever is empty the program does not know:
// the locomotive and the technician then get a line to write them on by hand, the rest is
// left out.
struct Job
{
    QString locomotive;
    QString technician;
    qint64 logEntry = 0; // the workshop log's entry the job was recorded as; 0 for none
    // The diagnosis that led to the job: its conclusion, as the result box shows it.
    QStringList diagnosis;
    QString mark; // the log's mark of the entry, as its window writes it
    QString note; // the note kept with the log's entry
};

// A printed document assembled from parts, as rich text laid out on A4 pages: the diagnosis
// report, the work cards and the calculation sheets are each one of these. Texts are kept
// as written, blanks included.
class Builder
{
public:
    explicit Builder(const QString &title);
    // A document whose parts are already rich text.
    static Builder fromRichText(const QString &title, const QString &html);

    const QString &title() const { return m_title; }

    // The document's heading, centred; headings of its parts.
    void heading(const QString &text);
    void subheading(const QString &text);
    // "Label: value", the label bold.
    void field(const QString &label, const QString &value);
    // "Label:" alone, bold, before what it introduces.
    void label(const QString &label);
    void paragraph(const QString &text);
    void note(const QString &text); // small and grey, as the closing line
    // Lines one under the other, the first indented by `firstIndent` pixels and the rest by
    // `indent`; bold when asked; framed when asked, as the result box is.
    void lines(const QStringList &lines, int firstIndent = 0, int indent = 0, bool bold = false,
        bool framed = false);
    // A table with its header row; columns listed in `rightAligned` are aligned right.
    void table(const QStringList &header, const QList<QStringList> &rows,
        const QList<int> &rightAligned = {});
    // A picture at most `widthMm` wide (and at most its own size).
    void picture(const QImage &image, qreal widthMm = 120);
    // A procedure of the maintenance guide or the tune-up tutorials: its title, heading,
    // instruction lines and picture, by the program's path ("d:\\karya_hasil\\..."); a
    // picture that cannot be read is named in a note instead. A heading that only repeats
    // the title (blanks and letter case aside) is not written again.
    void procedure(const QString &title, const QString &heading, const QStringList &lines,
        const QString &picturePath);
    // Lines to write on by hand: "Label: ______".
    void blanks(const QStringList &labels);
    // The job's locomotive and technician (each written, or a line to write on), then its
    // log entry, the diagnosis that led to it, the log's mark and note where known.
    void job(const Job &job);
    void pageBreak();

    QString html() const { return m_html; }

    // Lays the parts out on the device's pages, within its page margins, and paints them.
    void render(QPagedPaintDevice *device) const;
    // As a PDF, in memory: written whole or not at all by the caller (dipo::files).
    QByteArray pdf(const QString &creator) const;

private:
    void fill(QTextDocument *document, qreal pageWidth) const;

    QString m_title;
    QString m_html;
    QList<QImage> m_pictures;
    QList<qreal> m_pictureWidthsMm;
};

// Blanks count in the program's texts: rich text that keeps them.
QString kept(const QString &text);

} // namespace dipo::document
