// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace picturegen {

// The house style of every technical drawing: ink on light paper, steel-blue parts, one orange
// accent for what the reader must look at or do.
namespace ink {
inline QColor line() { return QColor(0x1f, 0x3b, 0x5a); }
inline QColor paper() { return QColor(0xf6, 0xf5, 0xef); }
inline QColor grid() { return QColor(0xe3, 0xe7, 0xea); }
inline QColor metal() { return QColor(0xd3, 0xdd, 0xe8); }
inline QColor darkMetal() { return QColor(0x9f, 0xb2, 0xc6); }
inline QColor accent() { return QColor(0xd9, 0x78, 0x1e); }
inline QColor water() { return QColor(0x8c, 0xc0, 0xe0); }
inline QColor oil() { return QColor(0xd8, 0xb0, 0x50); }
inline QColor air() { return QColor(0x5a, 0x9e, 0x6f); }
inline QColor rubber() { return QColor(0x4a, 0x4f, 0x57); }
} // namespace ink

// A drawing surface with the primitives the pictures are composed of. Coordinates are pixels of
// the image; texts are UTF-8 literals of the drawing itself.
class Sheet
{
public:
    explicit Sheet(QImage &image);

    QPainter &painter() { return m_p; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Paper, grid, frame, title band with caption and subtitle, figure mark at the foot.
    void technicalFrame(const QString &caption, const QString &subtitle, const QString &figure);

    // Plain shapes.
    void line(QPointF a, QPointF b, qreal width = 2.0, QColor color = ink::line());
    void dashed(QPointF a, QPointF b, QColor color = ink::line());
    void centreLine(QPointF a, QPointF b);
    void box(const QRectF &r, QColor fill = ink::metal(), qreal radius = 0.0, qreal width = 2.0);
    void shadedBox(const QRectF &r, QColor fill = ink::metal(), bool vertical = true,
                   qreal radius = 0.0);
    void circle(QPointF c, qreal r, QColor fill = ink::metal(), qreal width = 2.0);
    void polygon(const QList<QPointF> &points, QColor fill = ink::metal(), qreal width = 2.0);
    void hatch(const QRectF &r, qreal step = 8.0);

    // Machine parts.
    void cylinder(const QRectF &r, bool vertical = true, QColor fill = ink::metal());
    void piston(const QRectF &r);
    void spring(QPointF a, QPointF b, int coils, qreal diameter, QColor color = ink::line());
    void gear(QPointF c, qreal r, int teeth, QColor fill = ink::metal());
    void boltHead(QPointF c, qreal r);
    void hexSide(const QRectF &r);
    void threadedRod(QPointF a, QPointF b, qreal diameter);
    void pipe(const QList<QPointF> &points, qreal diameter, QColor fill = ink::metal());
    void pulley(QPointF c, qreal r);
    void wheel(QPointF c, qreal r);
    QPointF lever(QPointF pivot, qreal angleDegrees, qreal length, qreal width = 14.0,
                  QColor fill = ink::metal());
    void engineBlock(const QRectF &r, int cylinders);
    void fins(const QRectF &r, int count, bool vertical);
    void feelerGauge(QPointF tip, qreal angleDegrees, qreal length, const char *thickness);
    void screwdriver(QPointF tip, qreal angleDegrees, qreal length);
    void dial(QPointF c, qreal r, qreal needleFraction, const char *unit);
    void drops(QPointF top, int count, QColor color = ink::oil());
    void greaseNipple(QPointF base);
    void filterCanister(const QRectF &r, bool cutaway);

    // Annotation.
    void arrow(QPointF from, QPointF to, QColor color = ink::accent(), qreal width = 3.0);
    void doubleArrow(QPointF a, QPointF b, QColor color = ink::accent(), qreal width = 2.0);
    void curvedArrow(QPointF c, qreal r, qreal startDegrees, qreal spanDegrees,
                     QColor color = ink::accent());
    void dimension(QPointF a, QPointF b, qreal offset, const char *text);
    void label(QPointF anchor, QPointF at, const char *text);
    void text(QPointF at, const char *text, int pixelSize = 13, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, QColor color = ink::line());
    void note(const QRectF &r, const char *text);

private:
    QPainter m_p;
    int m_width;
    int m_height;
};

} // namespace picturegen
