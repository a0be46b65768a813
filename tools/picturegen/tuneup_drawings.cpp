// SPDX-License-Identifier: GPL-3.0-or-later
// The tune-up tutorials' procedure pictures: valves, injector timing and the governors.

#include "drawings.h"

#include <QPainterPath>
#include <QtMath>

namespace picturegen {

namespace {

using P = QPointF;
using R = QRectF;

// A governor housing opened to show its inside.
void governorCase(Sheet &s, const R &r)
{
    s.shadedBox(r, ink::darkMetal(), false, 18);
    s.box(r.adjusted(14, 14, -14, -14), ink::paper(), 12, 1.5);
}

// A pair of flyweights on their carrier, seen in section, pushing the riser to the right.
void flyweights(Sheet &s, P centre, qreal size)
{
    s.box(R(centre.x() - 8, centre.y() - size * 1.3, 16, size * 2.6), ink::darkMetal());
    for (int side : { -1, 1 }) {
        const P tip = centre + P(size * 0.9, side * size * 0.9);
        s.line(centre + P(0, side * size * 1.1), tip, 5);
        s.circle(centre + P(size * 0.25, side * size * 1.15), size * 0.35, ink::metal());
    }
}

// The control tube over the injectors with one rack control lever per injector.
void controlTube(Sheet &s, qreal y, int count, qreal left, qreal pitch)
{
    s.cylinder(R(left - 30, y - 10, pitch * count + 30, 20), false);
    for (int i = 0; i < count; ++i) {
        const qreal x = left + pitch * (i + 0.4);
        s.box(R(x - 16, y + 40, 32, 110), ink::metal(), 6);
        s.box(R(x - 10, y + 150, 20, 30), ink::darkMetal(), 3);
        s.box(R(x - 40, y + 60, 40, 10), ink::accent(), 0, 1.4);
        s.lever(P(x, y), -100, 55, 12);
        s.boltHead(P(x + 9, y - 16), 5);
        s.boltHead(P(x - 9, y - 16), 5);
        static const char *const numbers[] = { "No.1", "No.2", "No.3", "No.4", "No.5", "No.6" };
        s.text(P(x, y + 196), numbers[i % 6], 12, true, Qt::AlignCenter);
    }
}

void rockerOverValve(Sheet &s, P pivot, qreal valveArmAngle)
{
    s.box(R(40, 300, 560, 120), ink::metal());
    s.hatch(R(40, 330, 560, 90));
    s.box(R(pivot.x() - 20, pivot.y() + 10, 40, 290 - pivot.y()), ink::darkMetal(), 4);
    s.lever(pivot, valveArmAngle, 165, 18);
    s.lever(pivot, -8, 135, 18);
    s.circle(pivot, 12, ink::darkMetal());
    const P push = P(pivot.x() + 134, pivot.y() + 19);
    s.boltHead(P(push.x(), push.y() - 4), 7);
    s.threadedRod(push + P(0, 10), push + P(0, 70), 14);
    s.hexSide(R(push.x() - 14, push.y() + 30, 28, 14));
    s.box(R(push.x() - 7, push.y() + 70, 14, 420 - push.y() - 70), ink::metal(), 0, 1.5);
}

void valveStem(Sheet &s, qreal x, qreal top)
{
    s.box(R(x - 5, top, 10, 360 - top), ink::metal(), 0, 1.5);
    s.box(R(x - 22, top + 22, 44, 8), ink::darkMetal(), 2, 1.3);
    s.spring(P(x, top + 30), P(x, 330), 6, 40);
    s.polygon({ P(x - 5, 360), P(x + 5, 360), P(x + 30, 395), P(x - 30, 395) }, ink::darkMetal());
}

void valveTwo(Sheet &s)
{
    const P pivot(320, 160);
    rockerOverValve(s, pivot, 190);
    valveStem(s, 166, 210);
    s.feelerGauge(P(170, 205), 168, 150, ".013 in");

    s.label(P(250, 170), P(230, 96), "Rocker arm");
    s.label(P(pivot.x() + 10, pivot.y() - 8), P(380, 96), "Rocker shaft");
    s.label(P(460, 200), P(540, 150), "Adjusting screw");
    s.label(P(468, 230), P(560, 230), "Lock nut");
    s.label(P(461, 280), P(560, 290), "Push rod");
    s.label(P(180, 280), P(240, 260), "Valve spring");
    s.label(P(166, 380), P(250, 440), "Exhaust valve");
    s.label(P(90, 195), P(60, 110), "Feeler gauge J9708");
    s.note(R(30, 430, 190, 22), "Dingin .013 in, panas .008 in");
}

void valveFour(Sheet &s)
{
    const P pivot(340, 130);
    rockerOverValve(s, pivot, 188);
    // The bridge carries the arm's push onto two valves.
    const qreal x = 176;
    s.box(R(x - 70, 176, 140, 24), ink::darkMetal(), 6);
    s.threadedRod(P(x + 45, 168), P(x + 45, 200), 10);
    s.hexSide(R(x + 35, 166, 20, 10));
    valveStem(s, x - 45, 200);
    valveStem(s, x + 45, 200);
    s.feelerGauge(P(x - 10, 168), 172, 150, ".017 in");

    s.label(P(280, 160), P(250, 90), "Rocker arm");
    s.label(P(x - 20, 195), P(40, 250), "Valve bridge");
    s.label(P(x + 45, 185), P(260, 210), "Bridge adjusting screw");
    s.label(P(x + 45, 300), P(280, 280), "Valve spring");
    s.label(P(x - 45, 380), P(60, 440), "Exhaust valve");
    s.label(P(481, 280), P(570, 290), "Push rod");
    s.label(P(488, 222), P(570, 230), "Lock nut");
    s.note(R(380, 430, 240, 22), "Dingin .017 in, panas .013 - .015 in");
}

void injectorTiming(Sheet &s)
{
    const qreal x = 260;
    s.box(R(x - 50, 250, 100, 150), ink::metal(), 8);
    s.box(R(x - 14, 400, 28, 44), ink::darkMetal(), 4);
    s.box(R(x - 40, 180, 80, 70), ink::metal(), 4);
    s.spring(P(x, 250), P(x, 200), 5, 70);
    s.box(R(x - 30, 172, 60, 16), ink::darkMetal(), 4);
    s.circle(P(x + 68, 268), 5, ink::paper(), 1.5);
    s.box(R(x + 50, 300, 70, 12), ink::accent(), 0, 1.4);
    // Timing gauge: its small end in the body hole, its flat over the follower.
    s.box(R(x + 62, 158, 12, 112), ink::accent(), 3);
    s.box(R(x - 40, 158, 114, 14), ink::accent(), 3);
    s.box(R(x + 62, 270, 12, 10), ink::accent(), 0, 1.2);
    s.dimension(P(x - 40, 172), P(x - 40, 268), 40, "1.460 in");
    s.threadedRod(P(520, 170), P(520, 230), 12);
    s.hexSide(R(506, 200, 28, 12));
    s.box(R(514, 230, 12, 200), ink::metal(), 0, 1.5);

    s.label(P(x + 20, 164), P(360, 110), "Timing gauge J1853");
    s.label(P(x - 20, 180), P(120, 120), "Injector follower");
    s.label(P(x - 50, 320), P(120, 330), "Injector body");
    s.label(P(x + 68, 275), P(400, 290), "Lubang gauge");
    s.label(P(x + 100, 306), P(400, 330), "Injector rack");
    s.label(P(520, 206), P(580, 180), "Lock nut");
    s.label(P(520, 330), P(580, 350), "Push rod");
    s.note(R(390, 390, 230, 40), "1.460 in: J1853   1.484 in: J1242");
}

void vsmGap(Sheet &s)
{
    const R housing(40, 110, 560, 240);
    governorCase(s, housing);
    flyweights(s, P(120, 230), 50);
    s.box(R(170, 222, 140, 16), ink::metal(), 0, 1.5);
    s.box(R(310, 200, 60, 60), ink::metal(), 4);
    s.box(R(376, 190, 70, 80), ink::darkMetal(), 4);
    s.spring(P(446, 230), P(530, 230), 6, 40);
    s.threadedRod(P(530, 230), P(600, 230), 16);
    s.hexSide(R(560, 215, 14, 30));
    s.feelerGauge(P(373, 220), 100, 140, ".006 in");
    s.lever(P(280, 130), 40, 50, 14);
    s.text(P(304, 86), "MAX", 13, true, Qt::AlignRight, ink::accent());

    s.label(P(120, 190), P(60, 400), "Flyweight");
    s.label(P(340, 250), P(300, 400), "Spring plunger");
    s.label(P(420, 260), P(440, 400), "Plunger guide");
    s.label(P(490, 240), P(560, 380), "Governor spring");
    s.label(P(585, 240), P(600, 430), "Adjusting screw");
    s.label(P(290, 124), P(180, 90), "Speed control lever");
}

void vsmRackLevers(Sheet &s)
{
    controlTube(s, 170, 4, 180, 110);
    s.box(R(30, 130, 110, 160), ink::darkMetal(), 10);
    s.pipe({ P(140, 170), P(152, 170) }, 8);
    s.lever(P(85, 180), 90, 60, 12);

    s.label(P(85, 250), P(60, 330), "Governor");
    s.label(P(300, 170), P(300, 100), "Control tube");
    s.label(P(226, 200), P(200, 96), "Rack control lever");
    s.label(P(200, 235), P(80, 400), "Injector rack");
    s.label(P(354, 280), P(420, 420), "Injector");
    s.note(R(430, 86, 190, 50), "Posisi lever menentukan jumlah bahan bakar");
}

void vsmRackAdjust(Sheet &s)
{
    s.cylinder(R(40, 220, 560, 40), false);
    const P pivot(300, 240);
    s.shadedBox(R(250, 180, 100, 110), ink::metal(), true, 12);
    s.threadedRod(P(270, 130), P(270, 180), 16);
    s.threadedRod(P(330, 130), P(330, 180), 16);
    s.boltHead(P(270, 126), 10);
    s.boltHead(P(330, 126), 10);
    s.screwdriver(P(262, 120), 160, 120);
    s.curvedArrow(P(270, 126), 24, 0, 200);
    s.lever(pivot + P(0, 40), -90, 90, 20);
    s.box(R(180, 360, 240, 30), ink::darkMetal(), 4);
    s.arrow(P(260, 410), P(180, 410));
    s.text(P(150, 410), "FULL FUEL", 13, true, Qt::AlignRight, ink::accent());

    s.label(P(270, 160), P(150, 180), "Inner adjusting screw");
    s.label(P(330, 160), P(450, 150), "Outer adjusting screw");
    s.label(P(500, 240), P(540, 300), "Control tube");
    s.label(P(300, 330), P(460, 340), "Rack control lever");
    s.label(P(400, 375), P(500, 420), "Injector rack");
}

void vsmMaxSpeed(Sheet &s)
{
    s.cylinder(R(40, 220, 150, 90), false, ink::darkMetal());
    s.box(R(190, 240, 80, 50), ink::metal(), 4);
    for (int i = 0; i < 5; ++i)
        s.box(R(290 + i * 9, 236, 6, 58), ink::accent(), 0, 1);
    s.box(R(350, 244, 40, 42), ink::darkMetal(), 4);
    s.spring(P(390, 265), P(500, 265), 7, 44);
    s.box(R(500, 235, 30, 60), ink::metal(), 4);
    s.dial(P(520, 140), 55, 0.7, "RPM x 100");
    s.arrow(P(280, 200), P(300, 230), ink::line(), 1.5);

    s.label(P(110, 230), P(80, 110), "Spring housing");
    s.label(P(230, 250), P(200, 150), "Spring plunger");
    s.label(P(312, 294), P(280, 380), "Shims");
    s.label(P(370, 286), P(400, 400), "Stop");
    s.label(P(450, 280), P(520, 380), "High speed spring");
    s.label(P(520, 190), P(610, 230), "Tachometer");
    s.note(R(40, 400, 240, 40), "Shim .001 in menaikkan kira-kira 1 rpm");
}

void vsmIdle(Sheet &s)
{
    governorCase(s, R(40, 120, 400, 280));
    s.lever(P(160, 260), 30, 150, 16);
    s.lever(P(240, 300), 150, 100, 14);
    s.threadedRod(P(300, 160), P(440, 160), 16);
    s.hexSide(R(400, 146, 14, 28));
    s.boltHead(P(452, 160), 10);
    s.threadedRod(P(170, 320), P(40, 320), 14);
    s.hexSide(R(60, 308, 12, 24));
    s.screwdriver(P(462, 160), 0, 120);
    s.dial(P(560, 310), 50, 0.18, "RPM x 100");
    s.text(P(300, 96), "IDLE", 14, true, Qt::AlignLeft, ink::accent());

    s.label(P(260, 200), P(300, 96), "Speed control lever");
    s.label(P(350, 160), P(370, 230), "Idle speed screw");
    s.label(P(407, 170), P(450, 220), "Lock nut");
    s.label(P(100, 320), P(60, 420), "Buffer screw");
    s.label(P(190, 330), P(240, 430), "Differential lever");
    s.label(P(560, 330), P(560, 440), "500 - 600 rpm");
}

void boosterSpring(Sheet &s)
{
    const P pivot(180, 330);
    const P anchor(520, 330);
    s.centreLine(P(80, 330), P(600, 330));
    s.shadedBox(R(500, 300, 60, 60), ink::darkMetal(), true, 8);
    const P slotEnd = s.lever(pivot, 60, 150, 30);
    const P slotStart = pivot + (slotEnd - pivot) * 0.45;
    s.line(slotStart, slotEnd - (slotEnd - pivot) * 0.1, 8, ink::paper());
    const P eye = pivot + (slotEnd - pivot) * 0.62;
    s.circle(eye, 7, ink::accent());
    s.spring(eye, anchor, 10, 22);
    s.hexSide(R(anchor.x() + 40, 318, 14, 24));
    s.threadedRod(anchor, anchor + P(70, 0), 10);

    s.label(slotEnd, P(320, 110), "Speed control lever");
    s.label(eye, P(100, 200), "Eye-bolt di slot lever");
    s.label((eye + anchor) / 2, P(380, 210), "Booster spring");
    s.label(P(600, 330), P(590, 400), "Garis tengah");
    s.label(P(567, 330), P(600, 270), "Lock nut");
    s.label(pivot, P(100, 420), "Pivot");
    s.note(R(330, 380, 260, 60),
           "1200-1425 rpm: stop 2\n1426-1825 rpm: stop 1\n1826-2100 rpm: stop 0");
}

void csmGap(Sheet &s)
{
    governorCase(s, R(170, 90, 280, 350));
    const qreal x = 310;
    flyweights(s, P(x - 50, 370), 30);
    s.box(R(x - 10, 200, 20, 160), ink::metal(), 0, 1.5);
    s.box(R(x - 40, 186, 80, 14), ink::darkMetal(), 2);
    s.spring(P(x, 186), P(x, 120), 6, 50);
    s.box(R(x - 40, 214, 80, 14), ink::metal(), 2);
    s.feelerGauge(P(x + 20, 207), 10, 170, ".006 in");
    s.threadedRod(P(x, 120), P(x, 60), 14);
    s.hexSide(R(x - 16, 80, 32, 12));
    s.pipe({ P(450, 300), P(600, 300) }, 8);
    s.box(R(600, 294, 10, 12), ink::accent(), 2, 1);

    s.label(P(x - 40, 370), P(100, 400), "Flyweight");
    s.label(P(x - 20, 150), P(100, 150), "Governor spring");
    s.label(P(x - 40, 193), P(100, 200), "Spring seat");
    s.label(P(x - 40, 221), P(100, 250), "Plunger");
    s.label(P(x - 16, 86), P(130, 90), "Adjusting screw");
    s.label(P(540, 300), P(540, 380), "Fuel rod (dilepas)");
}

void csmRack(Sheet &s)
{
    controlTube(s, 160, 3, 200, 130);
    s.screwdriver(P(252, 225), 45, 110);
    s.arrow(P(240, 250), P(160, 250));
    s.text(P(150, 250), "FULL FUEL", 13, true, Qt::AlignRight, ink::accent());
    s.pipe({ P(40, 160), P(160, 160) }, 8);
    s.circle(P(160, 160), 8, ink::accent());

    s.label(P(160, 152), P(100, 96), "Pin fuel rod - tube lever");
    s.label(P(300, 170), P(360, 96), "Control tube");
    s.label(P(220, 225), P(60, 330), "Rack no.1 (patokan)");
    s.label(P(330, 200), P(450, 180), "Rack no.2");
    s.note(R(430, 380, 190, 50), "Rack harus kembali bila ditekan obeng");
}

void hydFuelRod(Sheet &s)
{
    s.cylinder(R(60, 120, 220, 300), true, ink::darkMetal());
    s.box(R(280, 240, 30, 40), ink::metal());
    s.box(R(310, 250, 200, 20), ink::metal(), 0, 1.5);
    s.hexSide(R(380, 238, 30, 44));
    s.hexSide(R(420, 242, 20, 36));
    s.threadedRod(P(440, 260), P(540, 260), 14);
    s.circle(P(560, 260), 22, QColor(0xc0, 0x39, 0x2b));
    s.dimension(P(410, 238), P(450, 238), -40, "3/16 in");
    s.lever(P(170, 180), 20, 130, 14);

    s.label(P(170, 300), P(100, 430), "Hydraulic governor");
    s.label(P(395, 282), P(360, 380), "Fuel rod nut");
    s.label(P(430, 280), P(460, 380), "Lock nut");
    s.label(P(500, 260), P(520, 330), "Fuel rod");
    s.label(P(560, 240), P(590, 150), "Knob");
    s.label(P(260, 160), P(330, 110), "Terminal lever");
}

void hydRackLevers(Sheet &s)
{
    controlTube(s, 150, 3, 240, 120);
    s.cylinder(R(30, 100, 120, 180), true, ink::darkMetal());
    s.pipe({ P(150, 150), P(210, 150) }, 8);
    s.arrow(P(170, 120), P(100, 120));
    s.dimension(P(150, 300), P(180, 300), 20, "1/32 - 1/16 in");
    s.text(P(270, 350), "NO FUEL", 13, true, Qt::AlignLeft, ink::accent());

    s.label(P(90, 250), P(60, 380), "Hydraulic governor");
    s.label(P(180, 150), P(200, 96), "Fuel rod (ditarik)");
    s.label(P(400, 160), P(430, 96), "Control tube");
    s.label(P(280, 170), P(500, 240), "Rack control lever");
}

void hydLoadLimit(Sheet &s)
{
    s.shadedBox(R(60, 140, 200, 240), ink::darkMetal(), true, 20);
    s.box(R(260, 210, 40, 100), ink::metal(), 6);
    s.threadedRod(P(300, 260), P(430, 260), 16);
    s.hexSide(R(330, 244, 14, 32));
    s.boltHead(P(436, 260), 10);
    s.dimension(P(300, 240), P(440, 240), -50, "2 in");
    s.box(R(460, 300, 140, 16), ink::metal(), 0, 1.5);
    s.box(R(480, 290, 16, 36), ink::darkMetal(), 2);
    s.lever(P(530, 420), 90, 110, 16);
    s.feelerGauge(P(505, 320), -20, 100, ".020");

    s.label(P(160, 300), P(100, 430), "Governor");
    s.label(P(280, 300), P(240, 420), "Centre cover boss");
    s.label(P(337, 276), P(360, 360), "Lock nut");
    s.label(P(400, 260), P(420, 320), "Load limit screw");
    s.label(P(488, 290), P(470, 200), "Fuel rod collar");
    s.label(P(530, 330), P(600, 260), "Terminal lever");
}

void hydDroop(Sheet &s)
{
    const R bracket(60, 150, 300, 90);
    s.shadedBox(bracket, ink::metal(), false, 10);
    s.box(R(90, 180, 240, 30), ink::paper(), 15, 1.5);
    s.boltHead(P(210, 195), 13);
    s.doubleArrow(P(110, 260), P(310, 260));
    s.text(P(50, 282), "IN: droop turun", 12, true, Qt::AlignLeft);
    s.text(P(370, 282), "OUT: droop naik", 12, true, Qt::AlignRight);
    s.lever(P(210, 380), 90, 130, 16);
    // Speed against load: the droop line.
    const R g(420, 120, 190, 200);
    s.line(g.bottomLeft(), g.topLeft(), 1.5);
    s.line(g.bottomLeft(), g.bottomRight(), 1.5);
    s.line(P(g.left(), g.top() + 40), P(g.right() - 10, g.top() + 110), 3, ink::accent());
    s.dashed(P(g.left(), g.top() + 110), P(g.right() - 10, g.top() + 110));
    s.dimension(P(g.right() - 10, g.top() + 40), P(g.right() - 10, g.top() + 110), -14, "5%");
    s.text(P(g.center().x(), g.bottom() + 14), "Beban", 12, false, Qt::AlignCenter);
    s.text(P(g.left() - 6, g.top() + 10), "rpm", 12, false, Qt::AlignRight);
    s.text(P(g.left() + 4, g.top() + 30), "No load", 11, false);
    s.text(P(g.right() - 20, g.top() + 124), "Full load", 11, false, Qt::AlignRight);

    s.label(P(210, 195), P(120, 110), "Droop bracket bolt");
    s.label(P(320, 195), P(350, 110), "Slot");
    s.label(P(210, 330), P(300, 420), "Droop bracket");
    s.note(R(400, 370, 220, 50), "Generator paralel: droop harus sama");
}

void limitingGovernor(Sheet &s, bool doubleWeight)
{
    governorCase(s, R(30, 110, 580, 230));
    flyweights(s, P(100, 225), 40);
    if (doubleWeight)
        flyweights(s, P(150, 225), 30);
    s.box(R(200, 215, 120, 20), ink::metal(), 0, 1.5);
    s.box(R(320, 195, 40, 60), ink::darkMetal(), 4);
    s.spring(P(360, 225), P(420, 225), 5, 36);
    s.box(R(432, 185, 70, 80), ink::metal(), 4);
    s.spring(P(502, 225), P(570, 225), 5, 60);
    s.threadedRod(P(570, 225), P(630, 225), 14);
}

void lsgSingle(Sheet &s)
{
    limitingGovernor(s, false);
    s.box(R(422, 140, 10, 120), ink::accent(), 0, 1.4);
    s.box(R(400, 100, 60, 40), ink::accent(), 4);
    s.dimension(P(420, 270), P(432, 270), 30, ".170 in");

    s.label(P(100, 190), P(60, 400), "Single weight");
    s.label(P(340, 250), P(280, 400), "Low speed spring cap");
    s.label(P(470, 260), P(470, 400), "High speed plunger");
    s.label(P(540, 240), P(580, 360), "High speed spring");
    s.label(P(460, 120), P(540, 96), "Gauge J 5407");
    s.label(P(260, 225), P(200, 96), "Riser");
    s.note(R(40, 410, 230, 34), "Idle 550 rpm (single weight)");
}

void lsgDouble(Sheet &s)
{
    limitingGovernor(s, true);
    s.feelerGauge(P(426, 225), 100, 150, ".0015");
    s.screwdriver(P(426, 260), -80, 110);

    s.label(P(150, 190), P(60, 400), "Double weight");
    s.label(P(340, 250), P(280, 400), "Low speed spring cap");
    s.label(P(470, 260), P(560, 400), "High speed plunger");
    s.label(P(420, 330), P(450, 440), "Obeng: gerak 0,015 in");
    s.label(P(414, 150), P(300, 96), "Feeler gauge");
    s.note(R(440, 74, 180, 30), "Mesin 800 - 1000 rpm");
}

void shutoffLinkage(Sheet &s)
{
    s.cylinder(R(40, 200, 200, 80), false, ink::darkMetal());
    s.pipe({ P(60, 200), P(60, 120), P(20, 120) }, 6, ink::rubber());
    s.box(R(240, 232, 60, 16), ink::metal(), 0, 1.5);
    s.threadedRod(P(300, 240), P(340, 240), 14);
    s.shadedBox(R(340, 226, 50, 28), ink::accent(), false, 6);
    s.threadedRod(P(390, 240), P(430, 240), 14);
    s.box(R(430, 230, 110, 20), ink::metal(), 10, 1.5);
    s.box(R(470, 235, 60, 10), ink::paper(), 5, 1.2);
    s.lever(P(560, 360), 100, 130, 18);
    s.circle(P(520, 240), 6, ink::darkMetal());
    s.curvedArrow(P(365, 240), 36, 60, 240);

    s.label(P(140, 260), P(80, 380), "Air cylinder");
    s.label(P(270, 240), P(240, 150), "Piston rod");
    s.label(P(365, 226), P(380, 120), "Turnbuckle");
    s.label(P(500, 240), P(470, 160), "Slot");
    s.label(P(520, 246), P(600, 200), "Pin");
    s.label(P(560, 330), P(600, 420), "Shut-down lever");
    s.note(R(150, 390, 300, 40), "Panjangkan sampai ujung slot kena pin, lalu pendekkan 1 putaran");
}

} // namespace

void addTuneupDrawings(Registry &r)
{
    r[QStringLiteral("valve_two")].technical = valveTwo;
    r[QStringLiteral("valve_four")].technical = valveFour;
    r[QStringLiteral("injector_timing")].technical = injectorTiming;
    r[QStringLiteral("vsm_gap")].technical = vsmGap;
    r[QStringLiteral("vsm_rack_levers")].technical = vsmRackLevers;
    r[QStringLiteral("vsm_rack_adjust")].technical = vsmRackAdjust;
    r[QStringLiteral("vsm_max_speed")].technical = vsmMaxSpeed;
    r[QStringLiteral("vsm_idle")].technical = vsmIdle;
    r[QStringLiteral("booster_spring")].technical = boosterSpring;
    r[QStringLiteral("csm_gap")].technical = csmGap;
    r[QStringLiteral("csm_rack")].technical = csmRack;
    r[QStringLiteral("hyd_fuel_rod")].technical = hydFuelRod;
    r[QStringLiteral("hyd_rack_levers")].technical = hydRackLevers;
    r[QStringLiteral("hyd_load_limit")].technical = hydLoadLimit;
    r[QStringLiteral("hyd_droop")].technical = hydDroop;
    r[QStringLiteral("lsg_single")].technical = lsgSingle;
    r[QStringLiteral("lsg_double")].technical = lsgDouble;
    r[QStringLiteral("shutoff_linkage")].technical = shutoffLinkage;
}

} // namespace picturegen
