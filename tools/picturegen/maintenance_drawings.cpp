// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance guide's component pictures and the engine room overview.

#include "drawings.h"

#include <QPainterPath>
#include <QtMath>

namespace picturegen {

namespace {

using P = QPointF;
using R = QRectF;

// The two outer tangents of a belt around two pulleys; returns the upper span's ends.
QLineF belt(Sheet &s, P c1, qreal r1, P c2, qreal r2)
{
    const QLineF l(c1, c2);
    const qreal d = l.length();
    const qreal theta = qAtan2(c2.y() - c1.y(), c2.x() - c1.x());
    const qreal alpha = qAcos((r1 - r2) / d);
    QLineF upper;
    for (int sign : { 1, -1 }) {
        const qreal a = theta + sign * alpha;
        const P dir(qCos(a), qSin(a));
        const QLineF span(c1 + dir * r1, c2 + dir * r2);
        s.line(span.p1(), span.p2(), 7, ink::rubber());
        if (upper.isNull() || span.center().y() < upper.center().y())
            upper = span;
    }
    return upper;
}

void engineOil(Sheet &s)
{
    s.engineBlock(R(40, 110, 320, 280), 4);
    // Dipstick tube on the block, the stick itself drawn large at the right.
    s.pipe({ P(330, 330), P(372, 300), P(380, 130) }, 6);
    s.box(R(372, 112, 16, 18), ink::accent(), 4);
    s.filterCanister(R(395, 290, 60, 100), true);
    s.pipe({ P(360, 320), P(395, 320) }, 8);
    s.hexSide(R(190, 390, 24, 10));
    s.drops(P(202, 412), 2);

    const qreal x = 560;
    s.circle(P(x, 105), 12, ink::accent());
    s.circle(P(x, 105), 6, ink::paper());
    s.box(R(x - 4, 117, 8, 300), ink::metal(), 2, 1.5);
    s.box(R(x - 4, 345, 8, 72), ink::oil(), 2, 1.5);
    s.hatch(R(x - 4, 330, 8, 38), 4);
    s.line(P(x - 12, 330), P(x + 12, 330), 2);
    s.line(P(x - 12, 368), P(x + 12, 368), 2);
    s.text(P(x + 16, 330), "MAX", 12, true);
    s.text(P(x + 16, 368), "MIN", 12, true);
    s.label(P(x, 400), P(500, 430), "Batas oli");
    s.label(P(x - 4, 200), P(500, 200), "Dipstick");
    s.dashed(P(388, 121), P(x - 12, 105));

    s.label(P(120, 125), P(90, 92), "Rocker cover");
    s.label(P(300, 168), P(250, 92), "Cylinder head");
    s.label(P(80, 270), P(30, 250), "Engine block");
    s.label(P(120, 370), P(30, 420), "Oil pan (carter)");
    s.label(P(214, 395), P(270, 430), "Drain plug");
    s.label(P(440, 360), P(460, 440), "Oil filter");
    s.note(R(420, 74, 200, 22), "Periksa oli: mesin dingin");
}

void coolant(Sheet &s)
{
    s.engineBlock(R(30, 170, 230, 220), 3);
    // Radiator with its cap and the two hoses.
    const R core(450, 130, 140, 250);
    s.box(R(core.left() - 6, core.top() - 30, core.width() + 12, 30), ink::darkMetal(), 4);
    s.box(core, ink::metal());
    s.fins(core, 28, false);
    s.fins(core, 7, true);
    s.box(R(core.left() - 6, core.bottom(), core.width() + 12, 26), ink::darkMetal(), 4);
    s.box(R(core.center().x() - 16, core.top() - 44, 32, 14), ink::accent(), 4);
    s.pipe({ P(260, 205), P(330, 205), P(360, 115), P(444, 115) }, 14, ink::water());
    s.pipe({ P(444, 392), P(360, 392), P(330, 350), P(262, 350) }, 14, ink::water());
    s.arrow(P(380, 100), P(430, 100), ink::accent(), 2.5);
    s.arrow(P(430, 415), P(380, 415), ink::accent(), 2.5);
    s.filterCanister(R(300, 240, 44, 80), true);
    s.pipe({ P(262, 300), P(300, 300) }, 6, ink::water());
    s.pulley(P(230, 330), 22);
    s.hexSide(R(515, 406, 20, 10));

    s.label(P(core.center().x() + 16, core.top() - 38), P(560, 80), "Radiator cap");
    s.label(P(345, 150), P(300, 118), "Upper hose");
    s.label(P(345, 370), P(300, 440), "Lower hose");
    s.label(P(322, 300), P(380, 290), "Coolant filter");
    s.label(P(230, 345), P(180, 430), "Water pump");
    s.label(P(535, 412), P(600, 440), "Drain cock");
    s.label(P(520, 260), P(610, 250), "Radiator");
    s.label(P(110, 270), P(60, 120), "Engine");
}

void radiator(Sheet &s)
{
    const R core(110, 130, 340, 240);
    s.shadedBox(R(core.left() - 10, core.top() - 36, core.width() + 20, 36), ink::darkMetal(), false, 6);
    s.box(core, QColor(0xe4, 0xea, 0xf0));
    s.fins(core, 48, false);
    for (qreal x = core.left() + 14; x < core.right() - 4; x += 22)
        s.box(R(x, core.top(), 8, core.height()), ink::metal(), 0, 1.2);
    s.shadedBox(R(core.left() - 10, core.bottom(), core.width() + 20, 36), ink::darkMetal(), false, 6);
    s.box(R(250, core.top() - 54, 40, 18), ink::accent(), 5);
    s.pipe({ P(core.right() + 10, 112), P(520, 112) }, 16, ink::water());
    s.pipe({ P(core.left() - 10, 388), P(60, 388) }, 16, ink::water());
    // Compressed air blown through the core from the engine side.
    s.box(R(530, 230, 60, 22), ink::rubber(), 6);
    s.box(R(500, 236, 30, 10), ink::metal(), 0, 1.5);
    for (int i = -1; i <= 1; ++i)
        s.arrow(P(495, 241 + i * 14.0), P(core.right() + 8, 241 + i * 34.0), ink::air(), 2.5);
    // Detail of tubes and fins.
    s.circle(P(560, 370), 50, ink::paper(), 1.5);
    for (int i = 0; i < 3; ++i)
        s.box(R(528 + i * 24, 330, 10, 80), ink::metal(), 2, 1.3);
    for (qreal y = 336; y < 406; y += 8)
        s.line(P(520, y), P(600, y + 4), 1, ink::line().lighter(140));
    s.dashed(P(430, 300), P(515, 345));

    s.label(P(270, core.top() - 48), P(330, 76), "Filler cap");
    s.label(P(150, core.top() - 18), P(60, 90), "Top tank");
    s.label(P(146, 250), P(40, 250), "Tubes");
    s.label(P(300, 205), P(40, 200), "Fins");
    s.label(P(180, core.bottom() + 18), P(120, 440), "Bottom tank");
    s.label(P(560, 230), P(520, 200), "Udara tekan");
    s.label(P(533, 400), P(470, 440), "Tube dan fin");
}

void heatExchanger(Sheet &s)
{
    const R shell(140, 170, 340, 130);
    s.cylinder(shell, false);
    s.hatch(R(180, 190, 260, 90), 16);
    for (qreal y = 198; y < 280; y += 14)
        s.line(P(160, y), P(460, y), 3, ink::water().darker(120));
    s.shadedBox(R(90, 160, 50, 150), ink::darkMetal(), true, 18);
    s.shadedBox(R(480, 160, 50, 150), ink::darkMetal(), true, 18);
    s.pipe({ P(40, 200), P(90, 200) }, 16, ink::water());
    s.pipe({ P(90, 270), P(40, 270) }, 16, ink::water());
    s.arrow(P(20, 180), P(70, 180));
    s.arrow(P(70, 292), P(20, 292));
    s.pipe({ P(210, 170), P(210, 110) }, 18, QColor(0xa9, 0xd6, 0xb8));
    s.pipe({ P(410, 300), P(410, 360) }, 18, QColor(0xa9, 0xd6, 0xb8));
    s.box(R(500, 145, 14, 16), ink::accent(), 2, 1.5);
    s.box(R(500, 310, 14, 16), ink::accent(), 2, 1.5);
    s.hexSide(R(300, 300, 20, 12));
    s.drops(P(310, 326), 2, ink::water());

    s.label(P(60, 200), P(40, 130), "Raw water masuk");
    s.label(P(60, 270), P(30, 330), "Raw water keluar");
    s.label(P(210, 125), P(260, 96), "Coolant dari mesin");
    s.label(P(410, 345), P(460, 400), "Coolant ke pompa");
    s.label(P(507, 150), P(560, 110), "Zinc electrode");
    s.label(P(507, 320), P(560, 380), "Zinc electrode");
    s.label(P(300, 226), P(360, 130), "Tube bundle (core)");
    s.label(P(310, 308), P(250, 420), "Drain cock");
    s.label(P(115, 240), P(60, 430), "End cover");
}

void rawWaterPump(Sheet &s)
{
    const P c(260, 270);
    s.circle(c, 125, ink::darkMetal());
    s.circle(c, 105, ink::paper());
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        const P root = c + P(qCos(a), qSin(a)) * 26;
        const P tip = c + P(qCos(a + 0.5), qSin(a + 0.5)) * 98;
        const P mid = c + P(qCos(a + 0.15), qSin(a + 0.15)) * 70;
        s.painter().setPen(QPen(ink::rubber(), 10, Qt::SolidLine, Qt::RoundCap));
        s.painter().drawLine(root, mid);
        s.painter().drawLine(mid, tip);
    }
    s.circle(c, 28, ink::rubber());
    s.circle(c, 10, ink::metal());
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i + 30);
        s.boltHead(c + P(qCos(a), qSin(a)) * 115, 6);
    }
    s.pipe({ P(40, 330), P(150, 330) }, 30, ink::water());
    s.pipe({ P(330, 160), P(330, 100), P(480, 100) }, 28, ink::water());
    s.arrow(P(40, 372), P(120, 372));
    s.arrow(P(420, 132), P(500, 132));
    s.hexSide(R(180, 130, 24, 14));
    s.drops(P(192, 108), 1, ink::water());
    s.curvedArrow(c, 60, 200, -90);
    // Drive side: shaft and pulley seen from the side.
    s.box(R(430, 250, 90, 40), ink::metal());
    s.pulley(P(560, 270), 45);

    s.label(P(192, 138), P(120, 96), "Priming plug");
    s.label(P(200, 220), P(60, 180), "Impeller (karet)");
    s.label(P(360, 340), P(420, 390), "Pump housing");
    s.label(P(70, 330), P(40, 420), "Inlet air laut");
    s.label(P(460, 100), P(520, 80), "Outlet");
    s.label(P(c.x() + 80, c.y() + 80), P(420, 440), "Cover plate screw");
    s.label(P(560, 270), P(560, 350), "Drive pulley");
}

void fuelStrainer(Sheet &s)
{
    s.box(R(120, 120, 380, 34), ink::darkMetal(), 6);
    s.filterCanister(R(150, 154, 100, 210), true);
    s.filterCanister(R(370, 154, 100, 210), true);
    s.hexSide(R(190, 364, 20, 12));
    s.hexSide(R(410, 364, 20, 12));
    s.pipe({ P(30, 137), P(120, 137) }, 10, ink::oil());
    s.pipe({ P(500, 137), P(610, 137) }, 10, ink::oil());
    s.arrow(P(40, 112), P(100, 112));
    s.arrow(P(520, 112), P(590, 112));
    s.arrow(P(230, 100), P(390, 100), ink::line(), 1.5);
    for (qreal x : { 160.0, 260.0, 360.0, 460.0 })
        s.boltHead(P(x, 137), 7);

    s.label(P(60, 137), P(40, 190), "Dari tangki");
    s.label(P(580, 137), P(580, 190), "Ke pompa");
    s.label(P(150, 220), P(50, 240), "Fuel strainer");
    s.label(P(470, 220), P(560, 250), "Fuel filter");
    s.label(P(196, 300), P(290, 420), "Element");
    s.label(P(410, 300), P(300, 440), "Element");
    s.label(P(200, 374), P(100, 420), "Drain plug");
    s.label(P(420, 374), P(520, 420), "Drain plug");
    s.label(P(300, 130), P(300, 84), "Filter head");
    s.note(R(400, 74, 220, 22), "Ganti element bila buntu");
}

void airCleaner(Sheet &s)
{
    const R body(80, 120, 200, 280);
    s.cylinder(R(body.left() - 10, body.top(), body.width() + 20, 30), true, ink::darkMetal());
    s.box(R(body.left(), body.top() + 30, body.width(), body.height() - 30), ink::metal());
    const R mesh(body.left() + 10, body.top() + 60, body.width() - 20, 100);
    s.box(mesh, ink::paper(), 0, 1.5);
    for (qreal x = mesh.left(); x < mesh.right(); x += 8)
        s.line(P(x, mesh.top()), P(x + 20, mesh.bottom()), 1, ink::line().lighter(150));
    for (qreal x = mesh.left() + 20; x < mesh.right() + 20; x += 8)
        s.line(P(x, mesh.top()), P(x - 20, mesh.bottom()), 1, ink::line().lighter(150));
    s.box(R(body.center().x() - 20, body.top() + 30, 40, 260), ink::paper(), 0, 1.5);
    s.box(R(body.left() + 10, body.bottom() - 60, body.width() - 20, 50), ink::oil(), 4);
    s.line(P(body.left() + 10, body.bottom() - 60), P(body.right() - 10, body.bottom() - 60), 2,
           ink::accent());
    s.arrow(P(body.center().x(), body.top() + 40), P(body.center().x(), body.bottom() - 70),
            ink::air());
    s.arrow(P(body.left() + 40, body.bottom() - 70), P(body.left() + 40, mesh.top() - 4), ink::air());
    s.pipe({ P(body.right(), body.top() + 50), P(380, body.top() + 50) }, 20);
    s.arrow(P(300, 146), P(370, 146), ink::air());
    // Water manometer: the difference of the two columns shows the restriction.
    s.pipe({ P(380, body.top() + 50), P(440, body.top() + 50), P(440, 150) }, 4, ink::rubber());
    s.box(R(430, 150, 20, 230), Qt::white, 6, 1.5);
    s.box(R(500, 150, 20, 230), Qt::white, 6, 1.5);
    s.box(R(430, 370, 90, 14), Qt::white, 6, 1.5);
    s.box(R(433, 290, 14, 88), ink::water(), 0, 1);
    s.box(R(503, 240, 14, 138), ink::water(), 0, 1);
    s.box(R(447, 372, 56, 9), ink::water(), 0, 0.5);
    s.dimension(P(540, 290), P(540, 240), -14, "inch H2O");

    s.label(P(180, 132), P(100, 90), "Cover");
    s.label(P(120, 100 + 110), P(40, 190), "Mesh element");
    s.label(P(200, 380), P(30, 430), "Oil cup (oli)");
    s.label(P(body.right() - 10, body.bottom() - 60), P(320, 320), "Batas oli");
    s.label(P(340, 130), P(340, 96), "Ke blower");
    s.label(P(500, 200), P(570, 180), "Water manometer");
}

void airBoxDrain(Sheet &s)
{
    s.box(R(80, 100, 360, 260), ink::metal(), 6);
    const R airBox(110, 200, 300, 70);
    s.box(airBox, QColor(0xe8, 0xf1, 0xe8), 0, 1.5);
    for (qreal x : { 170.0, 270.0, 370.0 }) {
        s.box(R(x - 30, 110, 60, 180), ink::darkMetal(), 0, 1.5);
        s.piston(R(x - 24, 120, 48, 60));
        for (qreal y = 215; y < 265; y += 14)
            s.box(R(x - 30, y, 60, 6), QColor(0xe8, 0xf1, 0xe8), 0, 1);
    }
    s.hexSide(R(400, 262, 24, 12));
    s.pipe({ P(412, 274), P(412, 320), P(500, 320), P(500, 360) }, 10);
    s.cylinder(R(470, 360, 70, 70), true, ink::darkMetal());
    s.box(R(472, 400, 66, 28), ink::oil(), 0, 1);
    s.pipe({ P(540, 380), P(600, 380) }, 6);
    s.arrow(P(560, 366), P(610, 366), ink::air());
    for (qreal x = 130; x < 390; x += 60)
        s.arrow(P(x, 250), P(x + 30, 250), ink::air(), 2);

    s.label(P(170, 150), P(40, 80), "Piston");
    s.label(P(240, 150), P(300, 80), "Cylinder liner");
    s.label(P(150, 235), P(40, 300), "Air box");
    s.label(P(270, 222), P(240, 400), "Port liner");
    s.label(P(412, 300), P(330, 330), "Drain tube");
    s.label(P(470, 410), P(400, 440), "Drain tank");
    s.label(P(590, 366), P(580, 300), "Aliran udara");
    s.note(R(440, 74, 180, 36), "Mesin hidup: periksa aliran udara drain");
}

void ventilating(Sheet &s)
{
    s.engineBlock(R(60, 200, 380, 230), 4);
    const R housing(190, 100, 120, 90);
    s.shadedBox(housing, ink::darkMetal(), true, 10);
    const R element(housing.left() + 14, housing.top() + 20, housing.width() - 28, 50);
    s.box(element, ink::paper(), 4, 1.5);
    for (qreal x = element.left() + 4; x < element.right(); x += 6)
        s.line(P(x, element.top() + 2), P(x, element.bottom() - 2), 1, ink::line().lighter(150));
    s.pipe({ P(housing.center().x(), housing.bottom()), P(housing.center().x(), 212) }, 20);
    s.pipe({ P(housing.right(), 130), P(420, 130), P(420, 90), P(500, 90) }, 14);
    for (qreal x : { 140.0, 220.0, 300.0, 380.0 })
        s.arrow(P(x, 330), P(x + (250 - x) * 0.3, 270), ink::air(), 2);
    s.arrow(P(430, 76), P(520, 76), ink::air());
    s.boltHead(P(housing.left() + 12, housing.top() + 10), 5);
    s.boltHead(P(housing.right() - 12, housing.top() + 10), 5);

    s.label(P(280, 150), P(340, 76), "Breather element");
    s.label(P(200, 170), P(110, 130), "Breather housing");
    s.label(P(460, 90), P(520, 120), "Ke udara luar");
    s.label(P(240, 300), P(530, 300), "Uap crankcase");
    s.note(R(460, 380, 160, 50), "Lepas dan bersihkan breather tiap servis");
}

void blowerScreen(Sheet &s)
{
    const R housing(130, 150, 320, 230);
    s.box(housing, ink::darkMetal(), 60);
    s.box(housing.adjusted(14, 14, -14, -14), ink::paper(), 50, 1.5);
    for (int k = 0; k < 2; ++k) {
        const P c(230 + k * 120, 265);
        for (int i = 0; i < 3; ++i) {
            const qreal a = (k ? 60.0 : 0.0) + 120.0 * i;
            s.painter().save();
            s.painter().translate(c);
            s.painter().rotate(a);
            s.box(R(-20, -84, 40, 88), ink::metal(), 20);
            s.painter().restore();
        }
        s.circle(c, 26, ink::metal());
        s.circle(c, 8, ink::darkMetal());
    }
    // Inlet screen across the top opening, gasket under it.
    s.box(R(200, 136, 180, 14), ink::rubber(), 2, 1.5);
    const R screen(200, 110, 180, 26);
    s.box(screen, ink::paper(), 0, 1.5);
    for (qreal x = screen.left(); x < screen.right(); x += 6)
        s.line(P(x, screen.top()), P(x, screen.bottom()), 1);
    for (qreal y = screen.top() + 6; y < screen.bottom(); y += 6)
        s.line(P(screen.left(), y), P(screen.right(), y), 1);
    s.arrow(P(250, 76), P(250, 106), ink::air());
    s.arrow(P(330, 76), P(330, 106), ink::air());
    s.arrow(P(290, 384), P(290, 440), ink::air());

    s.label(P(380, 124), P(460, 100), "Blower screen");
    s.label(P(380, 143), P(480, 140), "Gasket");
    s.label(P(230, 220), P(60, 200), "Rotor (sudu blower)");
    s.label(P(450, 300), P(520, 330), "Blower housing");
    s.label(P(290, 420), P(350, 440), "Ke air box");
    s.note(R(440, 380, 180, 50), "Bersihkan dengan solar, keringkan dengan udara");
}

void startingMotor(Sheet &s)
{
    s.gear(P(125, 270), 105, 44, ink::darkMetal());
    s.cylinder(R(280, 200, 240, 120), false);
    s.cylinder(R(316, 130, 170, 64), false, ink::darkMetal());
    s.box(R(262, 248, 20, 24), ink::metal());
    s.gear(P(254, 260), 26, 11);
    s.box(R(520, 236, 36, 48), ink::darkMetal(), 6);
    s.line(P(480, 150), P(560, 110), 3, QColor(0xc0, 0x39, 0x2b));
    s.circle(P(480, 150), 6, ink::accent());
    s.drops(P(400, 335), 2);
    s.drops(P(540, 295), 2);
    s.arrow(P(300, 350), P(250, 350));

    s.label(P(60, 200), P(40, 100), "Flywheel ring gear");
    s.label(P(254, 260), P(200, 420), "Pinion");
    s.label(P(272, 270), P(140, 440), "Free wheel (drive)");
    s.label(P(400, 180), P(420, 96), "Solenoid");
    s.label(P(440, 300), P(520, 420), "Starting motor");
    s.label(P(540, 290), P(600, 340), "Oil wick");
    s.label(P(560, 110), P(600, 90), "Kabel baterai");
}

void chargingGenerator(Sheet &s)
{
    s.cylinder(R(180, 170, 280, 160), false);
    s.box(R(150, 230, 30, 40), ink::metal());
    s.pulley(P(120, 250), 50);
    s.line(P(120, 200), P(40, 170), 7, ink::rubber());
    s.line(P(120, 300), P(40, 330), 7, ink::rubber());
    // Cut-away end: commutator bars and the brushes on them.
    const R comm(470, 200, 60, 100);
    s.box(comm, ink::oil().lighter(120));
    for (qreal y = comm.top() + 8; y < comm.bottom(); y += 10)
        s.line(P(comm.left(), y), P(comm.right(), y), 1.5, ink::line());
    s.box(R(485, 170, 30, 28), ink::rubber(), 2);
    s.box(R(485, 302, 30, 28), ink::rubber(), 2);
    s.spring(P(500, 170), P(500, 130), 5, 12);
    s.greaseNipple(P(240, 170));
    s.greaseNipple(P(420, 170));
    for (int i = 0; i < 3; ++i)
        s.boltHead(P(300 + i * 40, 345), 8);

    s.label(P(120, 250), P(60, 400), "Drive pulley");
    s.label(P(240, 150), P(200, 96), "Oil nipple");
    s.label(P(420, 150), P(380, 96), "Oil nipple");
    s.label(P(530, 250), P(580, 250), "Commutator");
    s.label(P(515, 180), P(580, 150), "Brush");
    s.label(P(320, 345), P(260, 420), "Terminal B+, F, D");
    s.label(P(330, 250), P(330, 140), "Generator");
    s.note(R(400, 400, 220, 40), "Periksa terminal: korosi dan kendor");
}

void tachometer(Sheet &s)
{
    s.engineBlock(R(30, 180, 200, 200), 2);
    s.gear(P(250, 300), 28, 14);
    s.box(R(270, 288, 40, 24), ink::darkMetal());
    QPainterPath cable(P(310, 300));
    cable.cubicTo(P(400, 300), P(360, 180), P(440, 200));
    s.painter().setPen(QPen(ink::rubber(), 8, Qt::SolidLine, Qt::RoundCap));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawPath(cable);
    s.dial(P(500, 210), 90, 0.55, "RPM x 100");
    s.greaseNipple(P(290, 288));

    s.label(P(250, 300), P(200, 420), "Tachometer drive");
    s.label(P(290, 270), P(300, 96), "Grease point");
    s.label(P(380, 250), P(380, 420), "Drive cable");
    s.label(P(560, 280), P(560, 400), "Tachometer");
    s.note(R(30, 80, 200, 40), "Jenis grease menurut suhu kerja");
}

void throttleClutch(Sheet &s)
{
    s.box(R(40, 150, 120, 260), ink::darkMetal(), 8);
    s.lever(P(100, 210), 70, 110, 14, ink::metal());
    s.circle(P(138, 107), 14, QColor(0xc0, 0x39, 0x2b));
    s.curvedArrow(P(100, 210), 70, 60, 50);
    s.pipe({ P(110, 240), P(400, 240) }, 6);
    s.box(R(400, 180, 150, 120), ink::metal(), 10);
    s.lever(P(420, 240), 110, 60, 12);
    s.box(R(280, 330, 240, 90), ink::darkMetal(), 8);
    s.lever(P(330, 330), 120, 90, 14);
    s.greaseNipple(P(100, 260));
    // Oil can on the clutch lever pivot.
    s.polygon({ P(420, 330), P(470, 330), P(480, 280), P(410, 280) }, ink::accent());
    s.line(P(415, 290), P(350, 330), 3);
    s.drops(P(345, 342), 2);

    s.label(P(138, 107), P(200, 90), "Throttle handle");
    s.label(P(250, 240), P(250, 200), "Throttle rod");
    s.label(P(480, 220), P(560, 150), "Governor lever");
    s.label(P(290, 260), P(200, 300), "Clutch lever");
    s.label(P(100, 260), P(180, 430), "Grease point");
    s.label(P(450, 300), P(560, 440), "Oli mesin");
}

void driveBelts(Sheet &s)
{
    const P crank(170, 330);
    const P fan(460, 170);
    const QLineF span = belt(s, crank, 75, fan, 50);
    s.pulley(crank, 75);
    s.pulley(fan, 50);
    // Straightedge laid over the span; the belt pressed down at its middle.
    const P u = (span.p2() - span.p1()) / span.length();
    const P out(u.y(), -u.x());
    const P mid = span.center();
    s.line(span.p1() + out * 10 - u * 40, span.p2() + out * 10 + u * 40, 4, ink::accent());
    s.dashed(span.p1(), mid - out * 22);
    s.dashed(mid - out * 22, span.p2());
    s.arrow(mid + out * 70, mid + out * 14);
    s.dimension(mid + out * 10, mid - out * 22, -30, "1/2 - 3/4 in");
    // Belt section in its groove.
    const P g(540, 380);
    s.polygon({ g + P(-40, -30), g + P(40, -30), g + P(24, 20), g + P(-24, 20) }, ink::metal());
    s.polygon({ g + P(-28, -26), g + P(28, -26), g + P(16, 12), g + P(-16, 12) }, ink::rubber());

    s.label(crank + P(0, 40), P(60, 440), "Crankshaft pulley");
    s.label(fan + P(20, 10), P(560, 230), "Fan pulley");
    s.label(span.p1() + out * 10 + u * 30, P(120, 150), "Mistar lurus");
    s.label(mid + out * 60, P(200, 90), "Tekan: defleksi");
    s.label(g + P(0, -10), P(440, 440), "V-belt dalam alur");
    s.note(R(400, 270, 150, 50), "Ganti satu set bila satu rusak");
}

void overspeedGovernor(Sheet &s)
{
    const R body(190, 150, 220, 250);
    s.cylinder(body);
    s.box(body.adjusted(30, 40, -30, -30), ink::paper(), 10, 1.5);
    const qreal cx = body.center().x();
    s.line(P(cx, body.top() + 40), P(cx, body.bottom()), 6, ink::darkMetal());
    for (int side : { -1, 1 }) {
        s.line(P(cx, 260), P(cx + side * 60, 300), 4);
        s.circle(P(cx + side * 64, 304), 18, ink::darkMetal());
    }
    s.spring(P(cx, 200), P(cx, 255), 5, 30);
    s.box(R(cx - 18, body.top() - 40, 36, 30), ink::accent(), 6);
    s.box(R(cx - 8, body.top() - 12, 16, 12), ink::metal(), 0, 1.5);
    s.polygon({ P(430, 70), P(480, 70), P(490, 120), P(420, 120) }, ink::accent());
    s.line(P(420, 80), P(cx + 14, body.top() - 50), 3);
    s.drops(P(cx + 14, body.top() - 60), 1);
    s.box(R(cx - 20, body.bottom(), 40, 40), ink::metal());

    s.label(P(cx - 18, body.top() - 25), P(100, 100), "Nipple cap");
    s.label(P(cx - 64, 304), P(80, 300), "Flyweight");
    s.label(P(cx + 10, 230), P(470, 230), "Spring");
    s.label(P(cx, body.bottom() + 20), P(470, 420), "Drive shaft");
    s.label(P(460, 120), P(520, 150), "Oli beberapa tetes");
    s.note(R(30, 370, 160, 50), "Jangan saat governor berputar");
}

void fanHub(Sheet &s)
{
    const P c(160, 260);
    for (int i = 0; i < 6; ++i) {
        s.painter().save();
        s.painter().translate(c);
        s.painter().rotate(60.0 * i);
        s.box(R(-18, -130, 36, 105), ink::metal(), 14);
        s.painter().restore();
    }
    s.circle(c, 32, ink::darkMetal());
    s.circle(c, 10, ink::metal());
    // Section of the hub: shaft, two ball bearings, seal, grease fitting.
    const R hub(340, 180, 240, 160);
    s.box(hub, ink::metal(), 8);
    s.hatch(R(hub.left() + 10, hub.top() + 10, hub.width() - 20, 30));
    s.hatch(R(hub.left() + 10, hub.bottom() - 40, hub.width() - 20, 30));
    s.box(R(300, 240, 320, 40), ink::darkMetal());
    for (qreal x : { 400.0, 520.0 }) {
        for (qreal y : { 225.0, 295.0 }) {
            s.box(R(x - 22, y - 12, 44, 24), ink::paper(), 2, 1.5);
            s.circle(P(x, y), 9, ink::darkMetal(), 1.5);
        }
    }
    s.box(R(hub.right() - 16, 218, 10, 84), ink::rubber(), 0, 1.2);
    s.greaseNipple(P(460, hub.top()));
    s.dashed(P(192, 260), P(300, 260));

    s.label(P(160, 160), P(60, 90), "Fan blade");
    s.label(P(160, 280), P(60, 430), "Fan hub");
    s.label(P(400, 225), P(360, 110), "Ball bearing");
    s.label(P(460, 162), P(520, 110), "Grease fitting");
    s.label(P(500, 260), P(560, 420), "Shaft");
    s.label(P(hub.right() - 10, 300), P(600, 380), "Seal");
}

void hydrostarter(Sheet &s)
{
    s.cylinder(R(60, 120, 90, 290), true, ink::darkMetal());
    s.box(R(200, 300, 160, 110), ink::metal(), 6);
    s.box(R(204, 340, 152, 66), ink::oil(), 0, 1);
    s.line(P(204, 340), P(356, 340), 2, ink::accent());
    s.box(R(300, 270, 24, 30), ink::darkMetal(), 3);
    s.box(R(220, 200, 60, 100), ink::metal(), 4);
    s.lever(P(250, 200), 120, 100, 12);
    s.cylinder(R(430, 210, 150, 80), false);
    s.gear(P(410, 250), 26, 10);
    s.pipe({ P(150, 160), P(520, 160), P(520, 210) }, 8, ink::oil());
    s.pipe({ P(200, 380), P(150, 380) }, 8, ink::oil());
    s.pipe({ P(280, 250), P(300, 250), P(300, 160) }, 6, ink::oil());

    s.label(P(105, 260), P(40, 440), "Accumulator");
    s.label(P(200, 116), P(150, 90), "Hand pump");
    s.label(P(312, 275), P(380, 330), "Filler cap");
    s.label(P(356, 340), P(420, 370), "Batas oli");
    s.label(P(280, 390), P(300, 440), "Reservoir");
    s.label(P(520, 250), P(560, 340), "Hydrostarter");
    s.label(P(410, 250), P(410, 420), "Pinion");
    s.label(P(400, 160), P(430, 120), "Saluran tekanan tinggi");
}

void turbocharger(Sheet &s)
{
    const P comp(170, 260);
    const P turb(470, 260);
    s.circle(comp, 110, ink::metal());
    s.circle(comp, 70, ink::paper(), 1.5);
    s.circle(turb, 110, QColor(0xd9, 0xc3, 0xb0));
    s.circle(turb, 70, ink::paper(), 1.5);
    for (const P c : { comp, turb }) {
        for (int i = 0; i < 10; ++i) {
            const qreal a = qDegreesToRadians(36.0 * i);
            s.line(c + P(qCos(a), qSin(a)) * 16, c + P(qCos(a + 0.4), qSin(a + 0.4)) * 64, 3);
        }
        s.circle(c, 16, ink::darkMetal());
    }
    s.box(R(270, 225, 100, 70), ink::darkMetal(), 6);
    s.line(P(170, 260), P(470, 260), 4);
    s.pipe({ P(320, 140), P(320, 225) }, 10, ink::oil());
    s.pipe({ P(320, 295), P(320, 380) }, 14, ink::oil());
    s.arrow(P(20, 260), P(90, 260), ink::air());
    s.arrow(P(170, 150), P(170, 80), ink::air());
    s.arrow(P(600, 420), P(540, 360), QColor(0xc0, 0x39, 0x2b));
    s.arrow(P(470, 150), P(470, 80), QColor(0x8a, 0x8a, 0x8a));

    s.label(P(120, 200), P(40, 120), "Compressor");
    s.label(P(520, 200), P(580, 110), "Turbine");
    s.label(P(320, 160), P(380, 110), "Oil inlet");
    s.label(P(320, 360), P(380, 410), "Oil drain");
    s.label(P(300, 240), P(250, 190), "Bearing housing");
    s.label(P(60, 260), P(40, 330), "Udara masuk");
    s.label(P(180, 100), P(230, 82), "Ke air box");
    s.label(P(570, 390), P(540, 440), "Gas buang masuk");
    s.label(P(480, 100), P(520, 82), "Ke exhaust");
}

void powerGenerator(Sheet &s)
{
    s.engineBlock(R(20, 150, 150, 230), 2);
    s.box(R(170, 240, 40, 60), ink::darkMetal());
    s.cylinder(R(210, 160, 300, 220), false);
    for (qreal x = 240; x < 490; x += 30)
        s.line(P(x, 175), P(x, 365), 1.2, ink::line().lighter(150));
    const R cover(510, 190, 60, 160);
    s.shadedBox(cover, ink::darkMetal(), false, 10);
    s.box(R(520, 245, 40, 50), ink::paper(), 4, 1.5);
    s.circle(P(540, 270), 16, ink::metal(), 1.5);
    s.circle(P(540, 270), 7, ink::darkMetal(), 1.5);
    s.greaseNipple(P(540, 190));
    s.circle(P(540, 330), 10, ink::oil());
    s.line(P(530, 330), P(550, 330), 1.5);

    s.label(P(90, 250), P(40, 100), "Diesel engine");
    s.label(P(190, 270), P(180, 420), "Coupling");
    s.label(P(360, 300), P(330, 420), "Power generator");
    s.label(P(540, 270), P(610, 250), "Bearing");
    s.label(P(540, 172), P(590, 110), "Titik pelumasan");
    s.label(P(550, 330), P(600, 400), "Sight glass");
    s.label(P(540, 210), P(600, 160), "End cover");
    s.note(R(220, 90, 240, 50), "Ganti oli tiap 6 bulan, grease tiap tahun");
}

void clutch(Sheet &s)
{
    s.shadedBox(R(80, 110, 60, 320), ink::darkMetal(), true, 4);
    s.box(R(140, 150, 16, 240), QColor(0xb5, 0x8b, 0x5a));
    s.box(R(156, 140, 12, 260), ink::metal());
    s.box(R(168, 150, 16, 240), QColor(0xb5, 0x8b, 0x5a));
    s.shadedBox(R(184, 130, 40, 280), ink::metal(), true, 4);
    s.box(R(60, 255, 500, 30), ink::darkMetal());
    s.lever(P(240, 180), -60, 70, 12);
    s.lever(P(240, 360), 60, 70, 12);
    s.cylinder(R(300, 235, 60, 70), true);
    s.lever(P(420, 400), 110, 180, 16);
    s.greaseNipple(P(330, 235));
    s.drops(P(430, 340), 2);

    s.label(P(110, 200), P(40, 90), "Flywheel");
    s.label(P(148, 300), P(40, 440), "Clutch disc");
    s.label(P(204, 140), P(220, 90), "Pressure plate");
    s.label(P(265, 230), P(350, 130), "Release lever");
    s.label(P(330, 220), P(430, 180), "Release bearing");
    s.label(P(380, 270), P(560, 240), "Shaft");
    s.label(P(400, 340), P(520, 360), "Clutch fork lever");
}

void torqueConverter(Sheet &s)
{
    const P c(300, 330);
    s.painter().setPen(QPen(ink::line(), 2));
    s.painter().setBrush(ink::metal());
    s.painter().drawChord(R(c.x() - 200, c.y() - 200, 400, 400), 0, 180 * 16);
    s.painter().setBrush(ink::oil().lighter(130));
    s.painter().drawChord(R(c.x() - 170, c.y() - 170, 340, 340), 0, 180 * 16);
    s.painter().setBrush(ink::paper());
    s.painter().drawChord(R(c.x() - 70, c.y() - 70, 140, 140), 0, 180 * 16);
    // Impeller, turbine and stator blades around the torus.
    for (int i = 0; i < 3; ++i) {
        const R r(c.x() - 160 + i * 110, c.y() - 150, 100, 90);
        const QColor fill = i == 1 ? ink::accent() : ink::darkMetal();
        s.box(r.adjusted(20, 0, -20, 0), fill, 10);
    }
    s.box(R(c.x() - 20, c.y() - 70, 40, 70), ink::darkMetal());
    s.line(P(60, c.y()), P(560, c.y()), 8, ink::darkMetal());
    s.arrow(P(30, c.y() + 30), P(120, c.y() + 30));
    s.arrow(P(480, c.y() + 30), P(580, c.y() + 30));
    s.pipe({ P(520, 180), P(520, 100) }, 8);
    s.box(R(510, 86, 20, 14), ink::accent(), 4);

    s.label(P(c.x() - 110, c.y() - 110), P(60, 120), "Turbine");
    s.label(P(c.x(), c.y() - 110), P(300, 96), "Stator");
    s.label(P(c.x() + 110, c.y() - 110), P(440, 120), "Impeller (pump)");
    s.label(P(80, c.y() + 30), P(60, 410), "Dari mesin");
    s.label(P(540, c.y() + 30), P(560, 410), "Output");
    s.label(P(520, 93), P(580, 150), "Dipstick");
    s.note(R(200, 360, 220, 50), "Periksa oli tiap hari: mesin idle, suhu kerja");
}

void gearbox(Sheet &s, const R &box)
{
    s.shadedBox(box, ink::metal(), false, 16);
    s.box(box.adjusted(14, box.height() * 0.6, -14, -10), ink::oil().lighter(120), 8, 1);
    s.line(P(box.left() + 14, box.top() + box.height() * 0.6),
           P(box.right() - 14, box.top() + box.height() * 0.6), 2, ink::accent());
}

void torqmaticGear(Sheet &s)
{
    const R b(170, 150, 300, 220);
    gearbox(s, b);
    s.box(R(60, 245, 110, 30), ink::darkMetal());
    s.box(R(470, 245, 140, 30), ink::darkMetal());
    s.gear(P(260, 240), 50, 16);
    s.gear(P(380, 240), 60, 20);
    s.lever(P(320, 150), 90, 48, 14);
    s.text(P(280, 86), "F", 16, true, Qt::AlignCenter);
    s.text(P(320, 86), "N", 16, true, Qt::AlignCenter, ink::accent());
    s.text(P(360, 86), "R", 16, true, Qt::AlignCenter);
    s.pipe({ P(440, 330), P(440, 110) }, 6);
    s.box(R(430, 96, 20, 14), ink::accent(), 4);

    s.label(P(100, 260), P(60, 200), "Input");
    s.label(P(560, 260), P(560, 320), "Propeller shaft");
    s.label(P(326, 120), P(420, 96), "Shift lever: netral");
    s.label(P(440, 120), P(540, 150), "Dipstick");
    s.label(P(300, 345), P(200, 420), "Oli");
    s.note(R(380, 390, 240, 40), "Periksa tiap hari: netral, mesin idle");
}

void paragonGear(Sheet &s)
{
    const R b(140, 130, 340, 230);
    gearbox(s, b);
    s.gear(P(250, 230), 56, 18);
    s.gear(P(370, 230), 56, 18);
    s.box(R(300, 250, 40, 60), QColor(0xf2, 0xe6, 0xc8), 3, 1.5);
    s.box(R(480, 180, 14, 120), ink::rubber(), 0, 1);
    s.box(R(494, 170, 24, 140), ink::darkMetal(), 4);
    s.hexSide(R(290, 360, 24, 14));
    s.drops(P(302, 392), 2);
    s.box(R(240, 416, 120, 24), ink::darkMetal(), 4);
    s.box(R(300, 110, 30, 20), ink::accent(), 4);

    s.label(P(315, 118), P(380, 86), "Filler cap");
    s.label(P(320, 280), P(420, 420), "Strainer element");
    s.label(P(487, 240), P(570, 340), "Gasket");
    s.label(P(506, 190), P(580, 150), "Cover");
    s.label(P(302, 367), P(180, 400), "Drain plug");
    s.label(P(250, 428), P(120, 440), "Penampung oli");
    s.label(P(180, 300), P(80, 300), "Oli");
}

void reductionSingle(Sheet &s)
{
    const R b(160, 110, 320, 300);
    gearbox(s, b);
    s.gear(P(260, 190), 46, 14);
    s.gear(P(350, 300), 90, 30);
    s.box(R(60, 176, 100, 28), ink::darkMetal());
    s.box(R(480, 286, 130, 28), ink::darkMetal());
    s.pipe({ P(440, 350), P(440, 90) }, 6);
    s.box(R(430, 76, 20, 14), ink::accent(), 4);
    s.greaseNipple(P(130, 176));
    s.greaseNipple(P(200, 170));

    s.label(P(260, 190), P(230, 90), "Pinion");
    s.label(P(350, 300), P(380, 440), "Reduction gear");
    s.label(P(440, 100), P(520, 120), "Dipstick");
    s.label(P(130, 158), P(70, 120), "Clutch release bearing");
    s.label(P(200, 152), P(120, 250), "Pilot bearing");
    s.label(P(560, 300), P(560, 360), "Output");
}

void reductionMultiple(Sheet &s)
{
    const R b(120, 110, 400, 300);
    gearbox(s, b);
    s.gear(P(200, 180), 44, 14);
    s.gear(P(440, 180), 44, 14);
    s.gear(P(320, 300), 90, 30);
    s.box(R(20, 166, 100, 28), ink::darkMetal());
    s.box(R(520, 166, 100, 28), ink::darkMetal());
    s.box(R(306, 390, 28, 60), ink::darkMetal());
    s.filterCanister(R(40, 300, 50, 90), true);
    s.filterCanister(R(550, 300, 50, 90), true);
    s.pipe({ P(90, 345), P(120, 345) }, 6, ink::oil());
    s.pipe({ P(520, 345), P(550, 345) }, 6, ink::oil());

    s.label(P(60, 180), P(40, 120), "Mesin 1");
    s.label(P(580, 180), P(590, 120), "Mesin 2");
    s.label(P(320, 300), P(380, 96), "Combining gear");
    s.label(P(320, 430), P(380, 445), "Propeller shaft");
    s.label(P(65, 390), P(60, 440), "Strainer");
    s.label(P(575, 390), P(620, 440), "Strainer");
}

void transmission(Sheet &s)
{
    const R b(120, 120, 360, 250);
    gearbox(s, b);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 190 + i * 100;
        s.gear(P(x, 190), 30 + i * 6, 12 + i * 2);
        s.gear(P(x, 290), 46 - i * 6, 18 - i * 2);
    }
    s.line(P(60, 190), P(480, 190), 5, ink::darkMetal());
    s.line(P(150, 290), P(560, 290), 5, ink::darkMetal());
    s.lever(P(300, 120), 80, 40, 12);
    s.hexSide(R(290, 370, 24, 14));
    s.drops(P(302, 400), 2);
    s.hexSide(R(480, 240, 14, 24));
    s.filterCanister(R(540, 120, 60, 100), true);
    s.pipe({ P(540, 170), P(480, 170) }, 6, ink::oil());

    s.label(P(306, 86), P(380, 90), "Gear shift lever");
    s.label(P(190, 190), P(90, 100), "Input shaft");
    s.label(P(290, 290), P(240, 445), "Countershaft gear");
    s.label(P(487, 252), P(560, 300), "Level plug");
    s.label(P(302, 377), P(400, 420), "Drain plug (bawah)");
    s.label(P(570, 220), P(590, 260), "Oil filter");
    s.note(R(20, 392, 160, 40), "Periksa oli: mesin mati");
}

void engineRoom(Sheet &s)
{
    // Locomotive side view with its hood cut open.
    s.line(P(20, 430), P(620, 430), 4, ink::darkMetal());
    s.box(R(30, 360, 580, 26), ink::darkMetal());
    for (qreal x : { 100.0, 170.0, 470.0, 540.0 })
        s.wheel(P(x, 404), 24);
    s.box(R(70, 386, 130, 12), ink::metal(), 0, 1.5);
    s.box(R(440, 386, 130, 12), ink::metal(), 0, 1.5);
    s.box(R(40, 110, 110, 250), ink::metal(), 8);
    s.box(R(56, 130, 36, 50), QColor(0xbf, 0xdb, 0xee), 4);
    s.box(R(100, 130, 36, 50), QColor(0xbf, 0xdb, 0xee), 4);
    s.box(R(150, 150, 450, 210), ink::paper(), 4);
    s.dashed(P(150, 150), P(600, 150));
    s.engineBlock(R(170, 190, 200, 165), 6);
    s.cylinder(R(380, 240, 90, 110), false, ink::darkMetal());
    s.box(R(490, 170, 100, 140), ink::metal());
    s.fins(R(490, 170, 100, 140), 14, false);
    s.gear(P(540, 160), 22, 6);
    s.cylinder(R(500, 318, 70, 36), false);
    s.box(R(240, 386, 180, 30), ink::oil().lighter(120), 6);

    s.label(P(80, 160), P(40, 90), "Kabin masinis");
    s.label(P(270, 270), P(230, 110), "Mesin diesel");
    s.label(P(420, 300), P(400, 110), "Main generator");
    s.label(P(560, 230), P(620, 110), "Radiator");
    s.label(P(540, 150), P(600, 84), "Fan");
    s.label(P(530, 336), P(610, 300), "Air compressor");
    s.label(P(330, 400), P(330, 455), "Tangki bahan bakar");
    s.label(P(170, 412), P(40, 450), "Bogie");
}

} // namespace

void addMaintenanceDrawings(Registry &r)
{
    r[QStringLiteral("engine_oil")].technical = engineOil;
    r[QStringLiteral("coolant")].technical = coolant;
    r[QStringLiteral("radiator")].technical = radiator;
    r[QStringLiteral("heat_exchanger")].technical = heatExchanger;
    r[QStringLiteral("raw_water_pump")].technical = rawWaterPump;
    r[QStringLiteral("fuel_strainer")].technical = fuelStrainer;
    r[QStringLiteral("air_cleaner")].technical = airCleaner;
    r[QStringLiteral("air_box_drain")].technical = airBoxDrain;
    r[QStringLiteral("ventilating")].technical = ventilating;
    r[QStringLiteral("blower_screen")].technical = blowerScreen;
    r[QStringLiteral("starting_motor")].technical = startingMotor;
    r[QStringLiteral("charging_generator")].technical = chargingGenerator;
    r[QStringLiteral("tachometer")].technical = tachometer;
    r[QStringLiteral("throttle_clutch")].technical = throttleClutch;
    r[QStringLiteral("drive_belts")].technical = driveBelts;
    r[QStringLiteral("overspeed_governor")].technical = overspeedGovernor;
    r[QStringLiteral("fan_hub")].technical = fanHub;
    r[QStringLiteral("hydrostarter")].technical = hydrostarter;
    r[QStringLiteral("turbocharger")].technical = turbocharger;
    r[QStringLiteral("power_generator")].technical = powerGenerator;
    r[QStringLiteral("clutch")].technical = clutch;
    r[QStringLiteral("torque_converter")].technical = torqueConverter;
    r[QStringLiteral("torqmatic_gear")].technical = torqmaticGear;
    r[QStringLiteral("paragon_gear")].technical = paragonGear;
    r[QStringLiteral("reduction_single")].technical = reductionSingle;
    r[QStringLiteral("reduction_multiple")].technical = reductionMultiple;
    r[QStringLiteral("transmission")].technical = transmission;
    r[QStringLiteral("engine_room")].technical = engineRoom;
}

} // namespace picturegen
