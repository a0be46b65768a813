// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' decoration: calm backgrounds with faint railway and engine motifs, dark panels,
// the main menu's pictograms, the about box's banner and portrait, and the desktop icon.

#include "drawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

namespace {

using P = QPointF;
using R = QRectF;

struct Tint
{
    QColor top;
    QColor bottom;
    QColor motif;
};

QFont decorationFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void gradient(QPainter &p, const R &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Rails running to a vanishing point, sleepers across them.
void railsMotif(QPainter &p, const R &r, QColor c)
{
    p.setPen(QPen(c, 2));
    const P vanish(r.center().x(), r.top() + r.height() * 0.45);
    for (qreal x : { r.width() * 0.30, r.width() * 0.70 })
        p.drawLine(P(r.left() + x, r.bottom()), vanish);
    for (int i = 1; i < 12; ++i) {
        const qreal t = 1.0 - qPow(0.8, i);
        const qreal y = r.bottom() - (r.bottom() - vanish.y()) * t;
        const qreal half = r.width() * 0.26 * (1 - t);
        p.drawLine(P(vanish.x() - half, y), P(vanish.x() + half, y));
    }
}

void gearMotif(QPainter &p, P c, qreal radius, int teeth, QColor color)
{
    QPainterPath path;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a = qDegreesToRadians(180.0 * i / teeth);
        const qreal rr = (i % 2) ? radius : radius * 0.84;
        const P pt = c + P(qCos(a), qSin(a)) * rr;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(c, radius * 0.35, radius * 0.35);
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void wheelMotif(QPainter &p, P c, qreal radius, QColor color)
{
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    p.drawEllipse(c, radius * 0.85, radius * 0.85);
    p.drawEllipse(c, radius * 0.2, radius * 0.2);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        p.drawLine(c + P(qCos(a), qSin(a)) * radius * 0.2, c + P(qCos(a), qSin(a)) * radius * 0.85);
    }
}

void gridMotif(QPainter &p, const R &r, QColor color, qreal step)
{
    p.setPen(QPen(color, 1));
    for (qreal x = r.left(); x < r.right(); x += step)
        p.drawLine(P(x, r.top()), P(x, r.bottom()));
    for (qreal y = r.top(); y < r.bottom(); y += step)
        p.drawLine(P(r.left(), y), P(r.right(), y));
}

void pistonMotif(QPainter &p, P base, qreal size, QColor color)
{
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(R(base.x() - size / 2, base.y() - size, size, size * 0.8), 4, 4);
    p.drawLine(base + P(0, -size * 0.3), base + P(size * 0.2, size * 0.6));
    p.drawEllipse(base + P(size * 0.2, size * 0.7), size * 0.15, size * 0.15);
}

QImage &begin(QImage &image, QPainter &p)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    return image;
}

void background(QImage &image, const Tint &tint, int motif)
{
    QPainter p;
    begin(image, p);
    const R r(image.rect());
    gradient(p, r, tint.top, tint.bottom);
    gridMotif(p, r, QColor(tint.motif.red(), tint.motif.green(), tint.motif.blue(), 28), 32);
    switch (motif) {
    case 0:
        railsMotif(p, r, tint.motif);
        break;
    case 1:
        gearMotif(p, P(r.width() * 0.8, r.height() * 0.3), r.height() * 0.25, 18, tint.motif);
        gearMotif(p, P(r.width() * 0.62, r.height() * 0.58), r.height() * 0.15, 12, tint.motif);
        break;
    case 2:
        wheelMotif(p, P(r.width() * 0.18, r.height() * 0.78), r.height() * 0.18, tint.motif);
        wheelMotif(p, P(r.width() * 0.42, r.height() * 0.78), r.height() * 0.18, tint.motif);
        p.setPen(QPen(tint.motif, 3));
        p.drawLine(P(0, r.height() * 0.97), P(r.width(), r.height() * 0.97));
        break;
    case 3:
        for (int i = 0; i < 4; ++i)
            pistonMotif(p, P(r.width() * (0.55 + 0.12 * i), r.height() * (0.45 + (i % 2) * 0.1)),
                        r.height() * 0.14, tint.motif);
        break;
    default:
        railsMotif(p, r, tint.motif);
        gearMotif(p, P(r.width() * 0.85, r.height() * 0.2), r.height() * 0.14, 14, tint.motif);
        break;
    }
    // A soft light from the upper left keeps the stretched picture calm.
    QRadialGradient glow(P(r.width() * 0.25, r.height() * 0.2), r.width() * 0.7);
    glow.setColorAt(0, QColor(255, 255, 255, 50));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
}

void panel(QImage &image, QColor base, bool closeMark)
{
    QPainter p;
    begin(image, p);
    const R r(image.rect());
    gradient(p, r, base.lighter(125), base.darker(125));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (qreal y = 6; y < r.height(); y += 6)
        p.drawLine(P(0, y), P(r.width(), y));
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 10, 10);
    p.setPen(QPen(QColor(0, 0, 0, 90), 2));
    p.drawRoundedRect(r.adjusted(8, 8, -8, -8), 8, 8);
    if (closeMark) {
        // The start screen's top right: the place the user clicks to end the program.
        const R mark(r.width() - 92, 14, 78, 26);
        p.setPen(QPen(QColor(0xf0, 0xd0, 0xc0), 1.5));
        p.setBrush(QColor(0xa8, 0x32, 0x28));
        p.drawRoundedRect(mark, 6, 6);
        p.setFont(decorationFont(13, true));
        p.setPen(Qt::white);
        p.drawText(mark, Qt::AlignCenter, QStringLiteral("CLOSE"));
    }
}

void iconFrame(QPainter &p, const R &r, QColor base)
{
    QRadialGradient g(r.center() - P(r.width() * 0.2, r.height() * 0.2), r.width());
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(1, base.darker(140));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), r.width() * 0.18, r.width() * 0.18);
}

void freshIcon(QImage &image, QPainter &p, QColor base)
{
    begin(image, p);
    image.fill(QColor(0x1c, 0x2a, 0x3a));
    iconFrame(p, R(image.rect()), base);
    p.scale(image.width() / 64.0, image.height() / 64.0);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// --- backgrounds -------------------------------------------------------------------------------

void bgStart(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0x24, 0x3b, 0x55), QColor(0x0e, 0x1a, 0x28), QColor(0x6d, 0x8f, 0xb3) }, 0);
}
void bgMenu(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0x2c, 0x4a, 0x63), QColor(0x12, 0x22, 0x33), QColor(0x7a, 0x9c, 0xbc) }, 4);
}
void bgDiagno(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xdc, 0xe6, 0xee), QColor(0xa9, 0xbd, 0xcf), QColor(0x8a, 0xa2, 0xb8) }, 1);
}
void bgDm(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xe6, 0xe2, 0xd6), QColor(0xbd, 0xb4, 0x9c), QColor(0x9c, 0x90, 0x74) }, 3);
}
void bgUmurrem(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xdd, 0xe8, 0xe0), QColor(0xa6, 0xbf, 0xae), QColor(0x85, 0xa3, 0x8f) }, 2);
}
void bgGayrem(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xe8, 0xdf, 0xdc), QColor(0xc2, 0xab, 0xa4), QColor(0xa5, 0x89, 0x80) }, 2);
}
void bgDialog(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xec, 0xef, 0xf2), QColor(0xc9, 0xd2, 0xdb), QColor(0xb0, 0xbc, 0xc8) }, 1);
}
void bgPm(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xe2, 0xea, 0xe6), QColor(0xae, 0xc2, 0xb8), QColor(0x8c, 0xa8, 0x9a) }, 1);
}
void bgTuneup(QImage &i, const PictureEntry &)
{
    background(i, { QColor(0xe4, 0xe4, 0xee), QColor(0xb2, 0xb4, 0xcc), QColor(0x92, 0x95, 0xb5) }, 3);
}

// --- panels ------------------------------------------------------------------------------------

void panelStart(QImage &i, const PictureEntry &) { panel(i, QColor(0x1b, 0x2c, 0x3e), true); }
void panelMenu(QImage &i, const PictureEntry &) { panel(i, QColor(0x1f, 0x33, 0x48), false); }
void panelDiagno(QImage &i, const PictureEntry &) { panel(i, QColor(0x3a, 0x55, 0x70), false); }
void panelDm(QImage &i, const PictureEntry &) { panel(i, QColor(0x5b, 0x52, 0x3e), false); }
void panelUmurrem(QImage &i, const PictureEntry &) { panel(i, QColor(0x3c, 0x5a, 0x48), false); }
void panelGayrem(QImage &i, const PictureEntry &) { panel(i, QColor(0x5c, 0x40, 0x3a), false); }
void panelPm(QImage &i, const PictureEntry &) { panel(i, QColor(0x35, 0x58, 0x4c), false); }
void panelTuneup(QImage &i, const PictureEntry &) { panel(i, QColor(0x3c, 0x3f, 0x66), false); }

// --- menu pictograms (drawn on a 64 x 64 grid) ----------------------------------------------------

void iconDiagnosis(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x2f, 0x6d, 0x9e));
    p.drawEllipse(P(27, 27), 13, 13);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(37, 37), P(50, 50));
    p.setPen(QPen(QColor(0xff, 0xc0, 0x70), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QList<P>{ P(18, 28), P(23, 28), P(26, 21), P(29, 34), P(32, 26), P(36, 26) });
}

void iconMaintenance(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x2f, 0x86, 0x6a));
    // Oil can with its spout and a drop.
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(R(14, 30, 28, 20), 4, 4);
    p.drawLine(P(42, 36), P(54, 26));
    p.drawLine(P(22, 30), P(26, 22));
    p.drawLine(P(26, 22), P(34, 22));
    p.setBrush(QColor(0xff, 0xc0, 0x70));
    p.setPen(Qt::NoPen);
    p.drawEllipse(P(54, 34), 3, 4);
}

void iconTuneup(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x5a, 0x4f, 0x9a));
    p.drawArc(R(12, 14, 40, 40), 200 * 16, -220 * 16);
    for (int k = 0; k <= 4; ++k) {
        const qreal a = qDegreesToRadians(200.0 - 55.0 * k);
        p.drawLine(P(32, 34) + P(qCos(a), -qSin(a)) * 16, P(32, 34) + P(qCos(a), -qSin(a)) * 20);
    }
    p.setPen(QPen(QColor(0xff, 0xc0, 0x70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(32, 34), P(44, 22));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(P(32, 34), 3.5, 3.5);
}

void iconBrake(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x9a, 0x4a, 0x3c));
    p.drawEllipse(P(28, 34), 17, 17);
    p.drawEllipse(P(28, 34), 5, 5);
    p.setBrush(QColor(0xff, 0xc0, 0x70));
    p.drawRoundedRect(R(47, 20, 8, 28), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawLine(P(55, 34), P(60, 34));
}

void iconDiesel(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x7a, 0x66, 0x2e));
    p.drawRect(R(20, 10, 24, 44));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(R(22, 18, 20, 14), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawLine(P(32, 28), P(38, 46));
    p.drawEllipse(P(38, 48), 4, 4);
    p.setPen(QPen(QColor(0xff, 0xc0, 0x70), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(28, 6), P(26, 2));
    p.drawLine(P(36, 6), P(38, 2));
}

void iconWorklog(QImage &i, const PictureEntry &)
{
    QPainter p;
    freshIcon(i, p, QColor(0x2e, 0x5f, 0x8a));
    // A clipboard with its written lines and a tick.
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(R(16, 12, 32, 42), 3, 3);
    p.drawRect(R(26, 8, 12, 8));
    for (int y : { 24, 32, 40 })
        p.drawLine(P(22, y), P(36, y));
    p.setPen(QPen(QColor(0xff, 0xc0, 0x70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(36, 46), P(40, 50));
    p.drawLine(P(40, 50), P(50, 38));
}

void closeMark(QImage &i, const PictureEntry &)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    gradient(p, r, QColor(0x2a, 0x36, 0x44), QColor(0x16, 0x1e, 0x28));
    const qreal s = qMin(r.width(), r.height()) * 0.7;
    const R plate(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    p.setPen(QPen(QColor(0xf0, 0xd0, 0xc0), 1.5));
    p.setBrush(QColor(0xb0, 0x35, 0x2a));
    p.drawRoundedRect(plate, s * 0.2, s * 0.2);
    p.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    const qreal m = s * 0.28;
    p.drawLine(plate.topLeft() + P(m, m), plate.bottomRight() - P(m, m));
    p.drawLine(plate.topRight() + P(-m, m), plate.bottomLeft() + P(m, -m));
}

// A road-switcher locomotive seen from the side, as a silhouette: cab with windows at one end,
// the long hood with its louvres, the frame and two bogies.
void locomotive(QPainter &p, const R &r, QColor color)
{
    const qreal w = r.width();
    const qreal h = r.height();
    const auto at = [&](qreal x, qreal y) { return P(r.left() + w * x, r.top() + h * y); };
    QPainterPath body;
    body.setFillRule(Qt::OddEvenFill);
    body.moveTo(at(0.02, 0.70));
    body.lineTo(at(0.02, 0.18));
    body.quadTo(at(0.03, 0.04), at(0.10, 0.04));
    body.lineTo(at(0.26, 0.04));
    body.lineTo(at(0.26, 0.22));
    body.lineTo(at(0.95, 0.22));
    body.quadTo(at(0.99, 0.24), at(0.99, 0.32));
    body.lineTo(at(0.99, 0.70));
    body.closeSubpath();
    body.addRect(R(at(0.06, 0.12), at(0.13, 0.34)));
    body.addRect(R(at(0.16, 0.12), at(0.23, 0.34)));
    for (int i = 0; i < 7; ++i)
        body.addRect(R(at(0.34 + 0.085 * i, 0.32), at(0.39 + 0.085 * i, 0.52)));
    body.addRect(R(at(0.0, 0.70), at(1.0, 0.78)));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(body);
    p.drawRect(R(at(0.0, 0.70), at(1.0, 0.78)));
    for (qreal x : { 0.13, 0.29, 0.71, 0.87 })
        p.drawEllipse(at(x, 0.88), h * 0.11, h * 0.11);
    p.drawRect(R(at(0.08, 0.80), at(0.34, 0.86)));
    p.drawRect(R(at(0.66, 0.80), at(0.92, 0.86)));
}

void aboutBanner(QImage &i, const PictureEntry &e)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0x1c, 0x35, 0x50));
    g.setColorAt(1, QColor(0x2e, 0x6a, 0x7a));
    p.fillRect(r, g);
    gridMotif(p, r, QColor(255, 255, 255, 20), 20);
    locomotive(p, R(r.width() * 0.5, r.height() * 0.35, r.width() * 0.46, r.height() * 0.5),
               QColor(255, 255, 255, 70));
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawLine(P(0, r.height() * 0.93), P(r.width(), r.height() * 0.93));
    p.setFont(decorationFont(int(r.height() * 0.3), true));
    p.setPen(Qt::white);
    p.drawText(R(20, r.height() * 0.12, r.width() * 0.6, r.height() * 0.4),
               Qt::AlignLeft | Qt::AlignVCenter, e.caption);
    p.setFont(decorationFont(int(r.height() * 0.11), false));
    p.setPen(QColor(0xc8, 0xe0, 0xea));
    p.drawText(R(22, r.height() * 0.52, r.width() * 0.6, r.height() * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, e.subtitle);
}

void aboutPortrait(QImage &i, const PictureEntry &)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    gradient(p, r, QColor(0x9f, 0xbf, 0xd4), QColor(0x4d, 0x72, 0x8e));
    // An abstract silhouette: a head and shoulders, no one in particular.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x35, 0x4a, 200));
    const qreal w = r.width();
    const qreal h = r.height();
    p.drawEllipse(P(w / 2, h * 0.38), w * 0.2, w * 0.23);
    QPainterPath shoulders;
    shoulders.moveTo(w * 0.08, h);
    shoulders.cubicTo(w * 0.1, h * 0.68, w * 0.3, h * 0.64, w / 2, h * 0.64);
    shoulders.cubicTo(w * 0.7, h * 0.64, w * 0.9, h * 0.68, w * 0.92, h);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

void diagnoMulai(QImage &i, const PictureEntry &)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    gradient(p, r, QColor(0x2f, 0x4e, 0x6c), QColor(0x18, 0x2a, 0x3c));
    const qreal s = r.height() / 120.0;
    p.scale(r.width() / 160.0, s);
    gearMotif(p, P(60, 62), 34, 14, QColor(0xa8, 0xc4, 0xdc));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(P(100, 52), 22, 22);
    p.drawLine(P(116, 68), P(136, 90));
    p.setPen(QPen(QColor(0xff, 0xc0, 0x70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(90, 52), P(98, 60));
    p.drawLine(P(98, 60), P(112, 44));
}

void stripRails(QImage &i, const PictureEntry &)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    gradient(p, r, QColor(0x2a, 0x3e, 0x54), QColor(0x18, 0x26, 0x35));
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 6));
    for (qreal x = 8; x < r.width(); x += 24)
        p.drawLine(P(x, r.height() * 0.25), P(x, r.height() * 0.8));
    p.setPen(QPen(QColor(0xc0, 0xcc, 0xd8), 3));
    p.drawLine(P(0, r.height() * 0.35), P(r.width(), r.height() * 0.35));
    p.drawLine(P(0, r.height() * 0.7), P(r.width(), r.height() * 0.7));
}

void stripTools(QImage &i, const PictureEntry &)
{
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    gradient(p, r, QColor(0x2c, 0x4a, 0x40), QColor(0x17, 0x2a, 0x24));
    const QColor c(0xb8, 0xd4, 0xc8);
    for (qreal x = 30; x < r.width(); x += 90) {
        gearMotif(p, P(x, r.height() / 2), r.height() * 0.3, 10, c);
        p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(P(x + 25, r.height() * 0.7), P(x + 60, r.height() * 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(P(x + 63, r.height() * 0.27), 6, 6);
    }
}

void tuneupDefault(QImage &i, const PictureEntry &e)
{
    // The tune-up window's resting picture, in the style of the procedure pictures.
    QImage sheetImage(640, 480, QImage::Format_RGB32);
    {
        Sheet s(sheetImage);
        s.technicalFrame(e.caption, e.subtitle, QString());
        s.engineBlock(R(60, 150, 300, 240), 4);
        s.dial(P(490, 180), 70, 0.62, "RPM x 100");
        s.feelerGauge(P(420, 330), 0, 180, ".006 in");
        s.screwdriver(P(420, 390), -10, 170);
        s.label(P(200, 250), P(100, 96), "Mesin diesel");
        s.label(P(490, 240), P(560, 300), "Tachometer");
        s.label(P(500, 330), P(540, 440), "Feeler gauge");
    }
    QPainter p(&i);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(R(i.rect()), sheetImage);
}

// packaging/dipo.svg is this drawing as a scalable picture: change both together.
void appIcon(QImage &i, const PictureEntry &)
{
    i = QImage(i.size(), QImage::Format_ARGB32_Premultiplied);
    i.fill(Qt::transparent);
    QPainter p;
    begin(i, p);
    const R r(i.rect());
    const qreal u = r.width() / 256.0;
    p.scale(u, u);
    QLinearGradient g(P(0, 0), P(0, 256));
    g.setColorAt(0, QColor(0x2e, 0x5a, 0x84));
    g.setColorAt(1, QColor(0x12, 0x26, 0x3a));
    p.setPen(QPen(QColor(0xd9, 0x78, 0x1e), 6));
    p.setBrush(g);
    p.drawRoundedRect(R(8, 8, 240, 240), 44, 44);
    gearMotif(p, P(182, 78), 40, 14, QColor(0xa8, 0xc4, 0xdc));
    locomotive(p, R(28, 110, 200, 100), QColor(0xf6, 0xf5, 0xef));
    p.setPen(QPen(QColor(0xd9, 0x78, 0x1e), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(28, 222), P(228, 222));
}

} // namespace

void addDecorationDrawings(Registry &r)
{
    const std::pair<const char *, FreeDrawing> table[] = {
        { "bg_start", bgStart },           { "bg_menu", bgMenu },
        { "bg_diagno", bgDiagno },         { "bg_dm", bgDm },
        { "bg_umurrem", bgUmurrem },       { "bg_gayrem", bgGayrem },
        { "bg_dialog", bgDialog },         { "bg_pm", bgPm },
        { "bg_tuneup", bgTuneup },         { "panel_start", panelStart },
        { "panel_menu", panelMenu },       { "panel_diagno", panelDiagno },
        { "panel_dm", panelDm },           { "panel_umurrem", panelUmurrem },
        { "panel_gayrem", panelGayrem },   { "panel_pm", panelPm },
        { "panel_tuneup", panelTuneup },   { "icon_diagnosis", iconDiagnosis },
        { "icon_maintenance", iconMaintenance }, { "icon_tuneup", iconTuneup },
        { "icon_brake", iconBrake },       { "icon_diesel", iconDiesel },
        { "icon_worklog", iconWorklog },
        { "close_mark", closeMark },       { "about_banner", aboutBanner },
        { "about_portrait", aboutPortrait }, { "diagno_mulai", diagnoMulai },
        { "strip_rails", stripRails },     { "strip_tools", stripTools },
        { "tuneup_default", tuneupDefault }, { "app_icon", appIcon },
    };
    for (const auto &[name, drawing] : table)
        r[QString::fromLatin1(name)].free = drawing;
}

} // namespace picturegen
