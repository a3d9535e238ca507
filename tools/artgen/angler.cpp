// The angler seated on the bank, seen from behind, and the rod through the cast and the fight.
#include "drawings.h"

#include <cmath>

namespace nuyo::art {

namespace {

constexpr int W = 160, H = 314;

// One pose: where the rod hand is and the rod's curve from the hand to the tip.
struct Pose {
    QPointF hand;
    QPointF c1, c2, tip; // cubic from the hand
};

Pose poseFor(int frame)
{
    const QPointF hand(40, 236);
    switch (frame) {
    case 1: // lifting the rod
        return {QPointF(44, 226), QPointF(40, 150), QPointF(30, 70), QPointF(18, -2)};
    case 2: // swung back over the shoulder, the tip trailing
        return {QPointF(48, 220), QPointF(22, 150), QPointF(-8, 80), QPointF(-50, 30)};
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: {
        // forward, the tip at (60, 0); a near fish bends the rod hardest
        const double bend = (7 - frame) / 4.0; // 1 at distance 3, 0 at distance 7
        return {hand, QPointF(38 - 6 * bend, 160 - 10 * bend), QPointF(46 - 36 * bend, 60 - 24 * bend), QPointF(60, 0)};
    }
    default: // at rest: the rod held up, a little to the right
        return {hand, QPointF(46, 160), QPointF(66, 70), QPointF(84, -2)};
    }
}

QPointF cubicAt(const QPointF &a, const QPointF &b, const QPointF &c, const QPointF &d, double t)
{
    const double u = 1 - t;
    return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

void drawRod(QPainter &p, const Pose &pose)
{
    // the butt below the hand, along the rod's first direction
    QPointF dir = pose.c1 - pose.hand;
    dir /= std::sqrt(dir.x() * dir.x() + dir.y() * dir.y()); // sqrt rounds exactly; hypot may not
    const QPointF butt = pose.hand - dir * 26;
    p.setPen(QPen(pal::rod.darker(130), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(butt, pose.hand);
    constexpr int N = 48;
    QPointF prev = pose.hand;
    for (int i = 1; i <= N; ++i) {
        const double t = double(i) / N;
        const QPointF pt = cubicAt(pose.hand, pose.c1, pose.c2, pose.tip, t);
        const double width = 4.6 - 2.4 * t;
        const QColor c = t > 0.9 ? pal::rodTip : (i % 12 == 0 ? pal::hatShade : pal::rod);
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(prev, pt);
        prev = pt;
    }
    // a reel at the hand
    p.setPen(QPen(pal::ink, 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawEllipse(pose.hand + QPointF(5, 8), 4, 4);
}

void drawBasket(QPainter &p)
{
    // a woven fish basket beside the stool
    QPainterPath b;
    b.moveTo(128, 286);
    b.cubicTo(124, 300, 126, 312, 134, 313);
    b.lineTo(152, 313);
    b.cubicTo(158, 312, 160, 300, 156, 286);
    b.closeSubpath();
    fillPath(p, b, QColor(176, 138, 80), pal::ink, 1.4);
    p.setPen(QPen(QColor(120, 88, 50), 1));
    for (int y = 290; y < 312; y += 5)
        p.drawLine(QPointF(127, y), QPointF(157, y));
    fillPath(p, ellipseAt(142, 286, 14, 4), QColor(90, 66, 40), pal::ink, 1.2);
    fillPath(p, ellipseAt(142, 282, 6, 2.5), QColor(150, 112, 66), pal::ink, 1);
}

void drawFigure(QPainter &p, const Pose &pose)
{
    // the stool
    fillPath(p, QPainterPath([] {
                 QPainterPath s;
                 s.addRoundedRect(QRectF(52, 292, 68, 21), 3, 3);
                 return s;
             }()),
             pal::stool, pal::ink, 1.4);
    p.setPen(QPen(pal::stool.darker(140), 1));
    p.drawLine(QPointF(56, 300), QPointF(116, 300));

    // the far arm resting on the knee (right side)
    p.setPen(QPen(pal::ink, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 232), QPointF(122, 268));
    p.setPen(QPen(pal::jacketShade, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 232), QPointF(122, 268));

    // the body from behind: a rounded jacket on the stool
    QPainterPath body;
    body.moveTo(60, 222);
    body.cubicTo(48, 226, 44, 250, 46, 268);
    body.cubicTo(46, 282, 48, 292, 52, 296);
    body.lineTo(120, 296);
    body.cubicTo(124, 292, 126, 282, 126, 268);
    body.cubicTo(128, 250, 124, 226, 112, 222);
    body.cubicTo(100, 216, 72, 216, 60, 222);
    body.closeSubpath();
    QLinearGradient jg(46, 0, 126, 0);
    jg.setColorAt(0, pal::jacket.lighter(115));
    jg.setColorAt(0.6, pal::jacket);
    jg.setColorAt(1, pal::jacketShade);
    fillPath(p, body, jg, pal::ink, 1.6);
    // the seam down the back and the hem
    p.setPen(QPen(pal::jacketShade, 1.2));
    p.drawLine(QPointF(86, 226), QPointF(86, 292));
    p.setPen(QPen(pal::jacketShade.darker(120), 2));
    p.drawLine(QPointF(52, 288), QPointF(120, 288));

    // a towel round the neck
    QPainterPath towel;
    towel.moveTo(68, 220);
    towel.cubicTo(76, 214, 96, 214, 104, 220);
    towel.cubicTo(98, 226, 74, 226, 68, 220);
    fillPath(p, towel, QColor(240, 240, 232), pal::ink, 1.2);

    // the head: hair at the back, the nape, the ears
    fillPath(p, ellipseAt(86, 204, 15, 15), pal::hair, pal::ink, 1.4);
    fillPath(p, ellipseAt(71, 206, 3.5, 5), pal::skin, pal::ink, 1);
    fillPath(p, ellipseAt(101, 206, 3.5, 5), pal::skin, pal::ink, 1);
    fillPath(p, ellipseAt(86, 214, 9, 5), pal::skin.darker(108));

    // the straw hat
    QRadialGradient brim(QPointF(80, 192), 40);
    brim.setColorAt(0, pal::hat.lighter(110));
    brim.setColorAt(1, pal::hatShade);
    fillPath(p, ellipseAt(86, 196, 36, 10), brim, pal::ink, 1.6);
    QPainterPath crown;
    crown.moveTo(70, 196);
    crown.cubicTo(68, 176, 76, 170, 86, 170);
    crown.cubicTo(96, 170, 104, 176, 102, 196);
    crown.closeSubpath();
    fillPath(p, crown, pal::hat, pal::ink, 1.6);
    QPainterPath ribbon;
    ribbon.moveTo(70, 190);
    ribbon.cubicTo(78, 194, 94, 194, 102, 190);
    ribbon.lineTo(102.5, 195);
    ribbon.cubicTo(94, 199, 78, 199, 69.5, 195);
    ribbon.closeSubpath();
    fillPath(p, ribbon, pal::hatBand);
    p.setPen(QPen(pal::hatShade, 0.8));
    for (double y = 176; y < 190; y += 4)
        p.drawLine(QPointF(74, y), QPointF(98, y));

    // the rod arm: sleeve from the shoulder to the hand
    const QPointF shoulder(60, 230);
    p.setPen(QPen(pal::ink, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, pose.hand);
    p.setPen(QPen(pal::jacket.lighter(110), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, pose.hand);
    fillPath(p, ellipseAt(pose.hand.x(), pose.hand.y(), 6, 6), pal::skin, pal::ink, 1.2);
}

} // namespace

QPointF rodTip(int frame)
{
    return poseFor(frame).tip;
}

Cell anglerCell(int frame)
{
    const Pose pose = poseFor(frame);
    return makeCell(W, H, [&](QPainter &p) {
        drawBasket(p);
        drawRod(p, pose);
        drawFigure(p, pose);
        // the rod hand in front of the sleeve's end
        fillPath(p, ellipseAt(pose.hand.x(), pose.hand.y(), 6, 6), pal::skin, pal::ink, 1.2);
    });
}

} // namespace nuyo::art
