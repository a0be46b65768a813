// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

namespace {

QFont drawingFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPointF polar(QPointF c, qreal r, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return { c.x() + r * qCos(a), c.y() - r * qSin(a) };
}

QPen pen(QColor color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

Sheet::Sheet(QImage &image) : m_p(&image), m_width(image.width()), m_height(image.height())
{
    m_p.setRenderHint(QPainter::Antialiasing);
    m_p.setRenderHint(QPainter::TextAntialiasing);
}

void Sheet::technicalFrame(const QString &caption, const QString &subtitle, const QString &figure)
{
    m_p.fillRect(QRectF(0, 0, m_width, m_height), ink::paper());
    m_p.setPen(pen(ink::grid(), 1.0));
    for (int x = 10; x < m_width; x += 20)
        m_p.drawLine(QPointF(x, 0), QPointF(x, m_height));
    for (int y = 10; y < m_height; y += 20)
        m_p.drawLine(QPointF(0, y), QPointF(m_width, y));

    const QRectF band(0, 0, m_width, 58);
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0, QColor(0x2a, 0x4d, 0x72));
    shade.setColorAt(1, ink::line());
    m_p.fillRect(band, shade);
    m_p.fillRect(QRectF(0, 58, m_width, 3), ink::accent());

    // Long captions shrink rather than run off the band.
    int size = 21;
    QFont font = drawingFont(size, true);
    while (size > 12 && QFontMetricsF(font).horizontalAdvance(caption) > m_width - 36) {
        font = drawingFont(--size, true);
    }
    m_p.setFont(font);
    m_p.setPen(Qt::white);
    m_p.drawText(QRectF(18, 4, m_width - 36, 32), Qt::AlignLeft | Qt::AlignVCenter, caption);
    m_p.setFont(drawingFont(13, false));
    m_p.setPen(QColor(0xc8, 0xd8, 0xe8));
    m_p.drawText(QRectF(18, 34, m_width - 36, 20), Qt::AlignLeft | Qt::AlignVCenter, subtitle);

    m_p.setPen(pen(ink::line(), 1.5));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(QRectF(4.5, 65.5, m_width - 9, m_height - 70));
    m_p.setFont(drawingFont(11, false));
    m_p.setPen(QColor(0x6a, 0x7d, 0x90));
    m_p.drawText(QRectF(0, m_height - 22, m_width - 12, 16), Qt::AlignRight | Qt::AlignVCenter,
                 figure);
}

void Sheet::line(QPointF a, QPointF b, qreal width, QColor color)
{
    m_p.setPen(pen(color, width));
    m_p.drawLine(a, b);
}

void Sheet::dashed(QPointF a, QPointF b, QColor color)
{
    QPen p = pen(color, 1.5);
    p.setStyle(Qt::DashLine);
    m_p.setPen(p);
    m_p.drawLine(a, b);
}

void Sheet::centreLine(QPointF a, QPointF b)
{
    QPen p = pen(QColor(0x6a, 0x7d, 0x90), 1.0);
    p.setStyle(Qt::DashDotLine);
    m_p.setPen(p);
    m_p.drawLine(a, b);
}

void Sheet::box(const QRectF &r, QColor fill, qreal radius, qreal width)
{
    m_p.setPen(pen(ink::line(), width));
    m_p.setBrush(fill);
    if (radius > 0)
        m_p.drawRoundedRect(r, radius, radius);
    else
        m_p.drawRect(r);
}

void Sheet::shadedBox(const QRectF &r, QColor fill, bool vertical, qreal radius)
{
    QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, fill.darker(118));
    g.setColorAt(0.35, fill.lighter(112));
    g.setColorAt(1, fill.darker(135));
    m_p.setPen(pen(ink::line(), 2.0));
    m_p.setBrush(g);
    if (radius > 0)
        m_p.drawRoundedRect(r, radius, radius);
    else
        m_p.drawRect(r);
}

void Sheet::circle(QPointF c, qreal r, QColor fill, qreal width)
{
    m_p.setPen(pen(ink::line(), width));
    m_p.setBrush(fill);
    m_p.drawEllipse(c, r, r);
}

void Sheet::polygon(const QList<QPointF> &points, QColor fill, qreal width)
{
    m_p.setPen(pen(ink::line(), width));
    m_p.setBrush(fill);
    m_p.drawPolygon(points.constData(), int(points.size()));
}

void Sheet::hatch(const QRectF &r, qreal step)
{
    m_p.save();
    m_p.setClipRect(r);
    m_p.setPen(pen(ink::line().lighter(160), 1.0));
    for (qreal x = r.left() - r.height(); x < r.right(); x += step)
        m_p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    m_p.restore();
    m_p.setPen(pen(ink::line(), 1.5));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(r);
}

void Sheet::cylinder(const QRectF &r, bool vertical, QColor fill)
{
    shadedBox(r, fill, vertical);
    m_p.setPen(pen(ink::line(), 2.0));
    m_p.setBrush(fill.lighter(108));
    if (vertical) {
        const qreal e = qMin(r.width() * 0.25, 14.0);
        m_p.drawEllipse(QRectF(r.left(), r.top() - e / 2, r.width(), e));
    } else {
        const qreal e = qMin(r.height() * 0.25, 14.0);
        m_p.drawEllipse(QRectF(r.right() - e / 2, r.top(), e, r.height()));
    }
}

void Sheet::piston(const QRectF &r)
{
    shadedBox(r, ink::metal(), true, 4);
    m_p.setPen(pen(ink::line(), 1.5));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = r.top() + i * 7;
        m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    circle(QPointF(r.center().x(), r.top() + r.height() * 0.62), r.width() * 0.12,
           ink::darkMetal());
}

void Sheet::spring(QPointF a, QPointF b, int coils, qreal diameter, QColor color)
{
    const QLineF axis(a, b);
    const qreal len = axis.length();
    if (len <= 0)
        return;
    const QPointF u = (b - a) / len;
    const QPointF n(-u.y(), u.x());
    QPainterPath path(a);
    const int steps = coils * 2;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = (i + 0.5) / (steps + 1);
        const qreal side = (i % 2 == 0 ? 0.5 : -0.5) * diameter;
        path.lineTo(a + u * (t * len) + n * side);
    }
    path.lineTo(b);
    m_p.setPen(pen(color, 2.5));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawPath(path);
}

void Sheet::gear(QPointF c, qreal r, int teeth, QColor fill)
{
    QPainterPath path;
    const qreal inner = r * 0.86;
    for (int i = 0; i < teeth; ++i) {
        const qreal a0 = 360.0 * i / teeth;
        const qreal w = 360.0 / teeth;
        const QPointF pts[] = { polar(c, inner, a0), polar(c, r, a0 + w * 0.18),
                                polar(c, r, a0 + w * 0.48), polar(c, inner, a0 + w * 0.66) };
        if (i == 0)
            path.moveTo(pts[0]);
        else
            path.lineTo(pts[0]);
        for (int k = 1; k < 4; ++k)
            path.lineTo(pts[k]);
    }
    path.closeSubpath();
    QRadialGradient g(c, r);
    g.setColorAt(0, fill.lighter(115));
    g.setColorAt(1, fill.darker(115));
    m_p.setPen(pen(ink::line(), 1.8));
    m_p.setBrush(g);
    m_p.drawPath(path);
    circle(c, r * 0.22, ink::paper(), 1.8);
}

void Sheet::boltHead(QPointF c, qreal r)
{
    QList<QPointF> hex;
    for (int i = 0; i < 6; ++i)
        hex.append(polar(c, r, 30 + 60.0 * i));
    polygon(hex, ink::darkMetal(), 1.6);
    m_p.setPen(pen(ink::line(), 1.0));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(c, r * 0.55, r * 0.55);
}

void Sheet::hexSide(const QRectF &r)
{
    shadedBox(r, ink::darkMetal(), r.height() > r.width() ? false : true);
    m_p.setPen(pen(ink::line(), 1.2));
    if (r.width() >= r.height()) {
        m_p.drawLine(QPointF(r.left() + r.width() / 3, r.top()),
                     QPointF(r.left() + r.width() / 3, r.bottom()));
        m_p.drawLine(QPointF(r.left() + 2 * r.width() / 3, r.top()),
                     QPointF(r.left() + 2 * r.width() / 3, r.bottom()));
    } else {
        m_p.drawLine(QPointF(r.left(), r.top() + r.height() / 3),
                     QPointF(r.right(), r.top() + r.height() / 3));
        m_p.drawLine(QPointF(r.left(), r.top() + 2 * r.height() / 3),
                     QPointF(r.right(), r.top() + 2 * r.height() / 3));
    }
}

void Sheet::threadedRod(QPointF a, QPointF b, qreal diameter)
{
    const QLineF axis(a, b);
    const qreal len = axis.length();
    if (len <= 0)
        return;
    const QPointF u = (b - a) / len;
    const QPointF n(-u.y(), u.x());
    const qreal h = diameter / 2;
    polygon({ a + n * h, b + n * h, b - n * h, a - n * h }, ink::metal(), 1.6);
    m_p.setPen(pen(ink::line(), 1.0));
    for (qreal t = 4; t < len - 2; t += 5)
        m_p.drawLine(a + u * t + n * h, a + u * (t + 3) - n * h);
}

void Sheet::pipe(const QList<QPointF> &points, qreal diameter, QColor fill)
{
    QPainterPath path;
    path.moveTo(points.first());
    for (int i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(ink::line(), diameter + 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    m_p.drawPath(path);
    m_p.setPen(QPen(fill, diameter, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    m_p.drawPath(path);
    m_p.setPen(QPen(fill.lighter(125), diameter * 0.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    m_p.drawPath(path);
}

void Sheet::pulley(QPointF c, qreal r)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, ink::metal().lighter(110));
    g.setColorAt(1, ink::darkMetal());
    m_p.setPen(pen(ink::line(), 2.0));
    m_p.setBrush(g);
    m_p.drawEllipse(c, r, r);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(c, r * 0.82, r * 0.82);
    circle(c, r * 0.25, ink::metal(), 1.8);
    circle(c, r * 0.08, ink::line(), 1.0);
}

void Sheet::wheel(QPointF c, qreal r)
{
    // A railway wheel: flange ring, tread, web and hub.
    circle(c, r * 1.08, ink::darkMetal(), 2.0);
    circle(c, r, ink::metal(), 2.0);
    m_p.setPen(pen(ink::line(), 1.2));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(c, r * 0.78, r * 0.78);
    circle(c, r * 0.3, ink::darkMetal(), 2.0);
    circle(c, r * 0.12, ink::paper(), 1.5);
}

QPointF Sheet::lever(QPointF pivot, qreal angleDegrees, qreal length, qreal width, QColor fill)
{
    const QPointF end = polar(pivot, length, angleDegrees);
    const QPointF u = (end - pivot) / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath path;
    path.moveTo(pivot + n * (width / 2));
    path.lineTo(end + n * (width * 0.35));
    path.arcTo(QRectF(end.x() - width * 0.35, end.y() - width * 0.35, width * 0.7, width * 0.7),
               angleDegrees + 90, -180);
    path.lineTo(pivot - n * (width / 2));
    path.arcTo(QRectF(pivot.x() - width / 2, pivot.y() - width / 2, width, width),
               angleDegrees - 90, -180);
    path.closeSubpath();
    m_p.setPen(pen(ink::line(), 2.0));
    m_p.setBrush(fill);
    m_p.drawPath(path);
    circle(pivot, width * 0.22, ink::paper(), 1.5);
    return end;
}

void Sheet::engineBlock(const QRectF &r, int cylinders)
{
    // Side view: crankcase, block with cylinders, head and rocker cover, oil pan.
    const qreal headH = r.height() * 0.16;
    const qreal panH = r.height() * 0.18;
    const QRectF cover(r.left() + r.width() * 0.05, r.top(), r.width() * 0.9, headH * 0.8);
    const QRectF head(r.left() + r.width() * 0.02, cover.bottom(), r.width() * 0.96, headH);
    const QRectF block(r.left(), head.bottom(), r.width(), r.height() - headH * 1.8 - panH);
    const QRectF pan(r.left() + r.width() * 0.08, block.bottom(), r.width() * 0.84, panH);
    shadedBox(cover, ink::metal(), false, 8);
    shadedBox(head, ink::darkMetal(), false);
    shadedBox(block, ink::metal(), false, 4);
    polygon({ pan.topLeft(), pan.topRight(), QPointF(pan.right() - 14, pan.bottom()),
              QPointF(pan.left() + 14, pan.bottom()) },
            ink::darkMetal());
    const qreal pitch = block.width() / cylinders;
    for (int i = 0; i < cylinders; ++i) {
        const QRectF bore(block.left() + pitch * i + pitch * 0.18, block.top() + 6, pitch * 0.64,
                          block.height() * 0.55);
        dashed(bore.topLeft(), bore.bottomLeft());
        dashed(bore.topRight(), bore.bottomRight());
        boltHead(QPointF(head.left() + pitch * (i + 0.5) * head.width() / block.width(),
                         head.center().y()),
                 5);
    }
}

void Sheet::fins(const QRectF &r, int count, bool vertical)
{
    m_p.setPen(pen(ink::line().lighter(140), 1.0));
    for (int i = 1; i < count; ++i) {
        if (vertical) {
            const qreal x = r.left() + r.width() * i / count;
            m_p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        } else {
            const qreal y = r.top() + r.height() * i / count;
            m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
    }
}

void Sheet::feelerGauge(QPointF tip, qreal angleDegrees, qreal length, const char *thickness)
{
    // A feeler blade held by its handle; the blade tip sits in the gap.
    const QPointF end = polar(tip, length, angleDegrees);
    const QPointF u = (end - tip) / length;
    const QPointF n(-u.y(), u.x());
    const QPointF handleStart = tip + u * (length * 0.55);
    polygon({ tip + n * 2.5, handleStart + n * 4, handleStart - n * 4, tip - n * 2.5 },
            QColor(0xf0, 0xc0, 0x70), 1.4);
    polygon({ handleStart + n * 9, end + n * 9, end - n * 9, handleStart - n * 9 }, ink::accent(),
            1.6);
    m_p.save();
    m_p.translate((handleStart + end) / 2);
    m_p.rotate(-angleDegrees + ((angleDegrees > 90 && angleDegrees < 270) ? 180 : 0));
    m_p.setFont(drawingFont(11, true));
    m_p.setPen(Qt::white);
    m_p.drawText(QRectF(-length * 0.22, -9, length * 0.44, 18), Qt::AlignCenter,
                 QString::fromUtf8(thickness));
    m_p.restore();
}

void Sheet::screwdriver(QPointF tip, qreal angleDegrees, qreal length)
{
    const QPointF end = polar(tip, length, angleDegrees);
    const QPointF u = (end - tip) / length;
    const QPointF n(-u.y(), u.x());
    const QPointF shaftEnd = tip + u * (length * 0.55);
    polygon({ tip + n * 1.5, shaftEnd + n * 3, shaftEnd - n * 3, tip - n * 1.5 }, ink::metal(),
            1.4);
    polygon({ shaftEnd + n * 8, end + n * 7, end - n * 7, shaftEnd - n * 8 },
            QColor(0xc0, 0x39, 0x2b), 1.6);
}

void Sheet::dial(QPointF c, qreal r, qreal needleFraction, const char *unit)
{
    circle(c, r + 6, ink::darkMetal(), 2.0);
    circle(c, r, Qt::white, 1.5);
    m_p.setPen(pen(ink::line(), 1.5));
    for (int i = 0; i <= 10; ++i) {
        const qreal a = 225 - 27.0 * i;
        m_p.drawLine(polar(c, r * 0.78, a), polar(c, r * 0.94, a));
    }
    m_p.setFont(drawingFont(qMax(9, int(r / 6)), false));
    for (int i = 0; i <= 10; i += 2) {
        const qreal a = 225 - 27.0 * i;
        m_p.drawText(QRectF(polar(c, r * 0.6, a) - QPointF(14, 8), QSizeF(28, 16)), Qt::AlignCenter,
                     QString::number(i * 3));
    }
    m_p.drawText(QRectF(c.x() - r, c.y() + r * 0.55, 2 * r, r * 0.3), Qt::AlignCenter,
                 QString::fromUtf8(unit));
    line(c, polar(c, r * 0.85, 225 - 270 * needleFraction), 3, ink::accent());
    circle(c, 4, ink::line(), 1);
}

void Sheet::drops(QPointF top, int count, QColor color)
{
    for (int i = 0; i < count; ++i) {
        const QPointF c = top + QPointF(0, 14.0 * i);
        QPainterPath d;
        d.moveTo(c + QPointF(0, -6));
        d.cubicTo(c + QPointF(5, 0), c + QPointF(5, 5), c + QPointF(0, 5));
        d.cubicTo(c + QPointF(-5, 5), c + QPointF(-5, 0), c + QPointF(0, -6));
        m_p.setPen(pen(ink::line(), 1.0));
        m_p.setBrush(color);
        m_p.drawPath(d);
    }
}

void Sheet::greaseNipple(QPointF base)
{
    hexSide(QRectF(base.x() - 7, base.y() - 8, 14, 8));
    box(QRectF(base.x() - 3, base.y() - 15, 6, 7), ink::metal(), 0, 1.4);
    circle(base + QPointF(0, -18), 4.5, ink::oil(), 1.4);
}

void Sheet::filterCanister(const QRectF &r, bool cutaway)
{
    cylinder(r, true, QColor(0xc9, 0xd6, 0xc2));
    if (cutaway) {
        const QRectF element = r.adjusted(r.width() * 0.18, 14, -r.width() * 0.18, -10);
        box(element, QColor(0xf2, 0xe6, 0xc8), 3, 1.5);
        m_p.setPen(pen(ink::line().lighter(150), 1.0));
        for (qreal x = element.left() + 5; x < element.right() - 2; x += 6)
            m_p.drawLine(QPointF(x, element.top() + 3), QPointF(x, element.bottom() - 3));
        box(QRectF(element.center().x() - 5, element.top(), 10, element.height()),
            ink::paper(), 0, 1.2);
    }
}

void Sheet::arrow(QPointF from, QPointF to, QColor color, qreal width)
{
    const QLineF l(from, to);
    if (l.length() <= 0)
        return;
    const QPointF u = (to - from) / l.length();
    const QPointF n(-u.y(), u.x());
    const qreal head = 6 + width * 2.2;
    line(from, to - u * head * 0.6, width, color);
    m_p.setPen(pen(color, 1.0));
    m_p.setBrush(color);
    const QPointF pts[] = { to, to - u * head + n * head * 0.5, to - u * head - n * head * 0.5 };
    m_p.drawPolygon(pts, 3);
}

void Sheet::doubleArrow(QPointF a, QPointF b, QColor color, qreal width)
{
    const QPointF mid = (a + b) / 2;
    arrow(mid, a, color, width);
    arrow(mid, b, color, width);
}

void Sheet::curvedArrow(QPointF c, qreal r, qreal startDegrees, qreal spanDegrees, QColor color)
{
    m_p.setPen(pen(color, 3));
    m_p.setBrush(Qt::NoBrush);
    const QRectF rect(c.x() - r, c.y() - r, 2 * r, 2 * r);
    m_p.drawArc(rect, int(startDegrees * 16), int(spanDegrees * 16));
    const qreal endA = startDegrees + spanDegrees;
    const QPointF end = polar(c, r, endA);
    const qreal dir = endA + (spanDegrees > 0 ? 90 : -90);
    const QPointF u(qCos(qDegreesToRadians(dir)), -qSin(qDegreesToRadians(dir)));
    arrow(end - u * 10, end + u * 4, color, 3);
}

void Sheet::dimension(QPointF a, QPointF b, qreal offset, const char *text)
{
    const QLineF l(a, b);
    const qreal len = l.length();
    if (len <= 0)
        return;
    const QPointF u = (b - a) / len;
    const QPointF n(-u.y(), u.x());
    const QPointF a2 = a + n * offset;
    const QPointF b2 = b + n * offset;
    line(a, a2 + n * (offset > 0 ? 5 : -5), 1.0);
    line(b, b2 + n * (offset > 0 ? 5 : -5), 1.0);
    const QColor c = ink::line();
    if (len > 24) {
        arrow((a2 + b2) / 2, a2, c, 1.2);
        arrow((a2 + b2) / 2, b2, c, 1.2);
    } else {
        arrow(a2 - u * 16, a2, c, 1.2);
        arrow(b2 + u * 16, b2, c, 1.2);
    }
    const QString t = QString::fromUtf8(text);
    m_p.setFont(drawingFont(12, true));
    const QFontMetricsF fm(m_p.font());
    const QSizeF size(fm.horizontalAdvance(t) + 8, fm.height() + 2);
    QPointF centre = (a2 + b2) / 2 + n * (offset >= 0 ? 1 : -1) * (size.height() * 0.5 + 2);
    if (qAbs(u.y()) > 0.7) // a vertical dimension writes its value beside the line
        centre = (a2 + b2) / 2 + QPointF((offset >= 0 ? -1 : 1) * (size.width() / 2 + 4), 0);
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    m_p.fillRect(box, ink::paper());
    m_p.setPen(ink::line());
    m_p.drawText(box, Qt::AlignCenter, t);
}

void Sheet::label(QPointF anchor, QPointF at, const char *text)
{
    const QString t = QString::fromUtf8(text);
    m_p.setFont(drawingFont(13, false));
    const QFontMetricsF fm(m_p.font());
    const bool right = at.x() >= anchor.x();
    const qreal w = fm.horizontalAdvance(t);
    // A label near the edge slides inwards so that its text stays inside the frame.
    const qreal margin = 12;
    if (right && at.x() + 13 + w > m_width - margin)
        at.setX(m_width - margin - 13 - w);
    if (!right && at.x() - 13 - w < margin)
        at.setX(margin + 13 + w);
    const QPointF shoulder = at + QPointF(right ? 10 : -10, 0);
    m_p.setPen(pen(ink::line(), 1.0));
    m_p.drawLine(anchor, at);
    m_p.drawLine(at, shoulder);
    m_p.setBrush(ink::line());
    m_p.drawEllipse(anchor, 2.5, 2.5);
    const QRectF box(right ? shoulder.x() + 3 : shoulder.x() - 3 - w, at.y() - fm.height() / 2,
                     w, fm.height());
    m_p.fillRect(box.adjusted(-2, 0, 2, 0), QColor(0xf6, 0xf5, 0xef, 220));
    m_p.setPen(ink::line());
    m_p.drawText(box, Qt::AlignCenter, t);
}

void Sheet::text(QPointF at, const char *text, int pixelSize, bool bold, Qt::Alignment align,
                 QColor color)
{
    m_p.setFont(drawingFont(pixelSize, bold));
    m_p.setPen(color);
    if (!(align & Qt::AlignVertical_Mask))
        align |= Qt::AlignVCenter;
    QRectF r(at.x() - 300, at.y() - 100, 600, 200);
    if (align & Qt::AlignLeft)
        r.moveLeft(at.x());
    else if (align & Qt::AlignRight)
        r.moveRight(at.x());
    m_p.drawText(r, int(align), QString::fromUtf8(text));
}

void Sheet::note(const QRectF &r, const char *text)
{
    m_p.setPen(pen(ink::accent(), 1.5));
    m_p.setBrush(QColor(0xfd, 0xf1, 0xe2));
    m_p.drawRoundedRect(r, 6, 6);
    m_p.setFont(drawingFont(12, false));
    m_p.setPen(ink::line());
    m_p.drawText(r.adjusted(8, 4, -8, -4), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                 QString::fromUtf8(text));
}

} // namespace picturegen
