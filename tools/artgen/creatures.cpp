// The pond fish and the kingfisher.
#include "drawings.h"

#include <cmath>

namespace nuyo::art {

namespace {

// The fish is drawn in a 100 x 60 box, facing left; callers map the box where they want it.
QPainterPath fishBody()
{
    QPainterPath b;
    b.moveTo(3, 31);
    b.cubicTo(6, 20, 14, 13, 26, 9);
    b.cubicTo(38, 4, 54, 4, 64, 10);
    b.cubicTo(72, 15, 77, 21, 82, 26);
    b.lineTo(82, 35);
    b.cubicTo(76, 40, 70, 46, 60, 50);
    b.cubicTo(46, 55, 30, 55, 20, 50);
    b.cubicTo(10, 45, 4, 38, 3, 31);
    b.closeSubpath();
    return b;
}

QPainterPath fishTail()
{
    QPainterPath t;
    t.moveTo(80, 27);
    t.cubicTo(86, 22, 92, 14, 99, 9);
    t.cubicTo(97, 18, 93, 25, 91, 30.5);
    t.cubicTo(93, 36, 97, 43, 99, 52);
    t.cubicTo(92, 47, 86, 39, 80, 34);
    t.closeSubpath();
    return t;
}

QPainterPath finPath(std::initializer_list<QPointF> pts)
{
    QPainterPath f;
    auto it = pts.begin();
    f.moveTo(*it++);
    for (; it != pts.end(); ++it)
        f.lineTo(*it);
    f.closeSubpath();
    return f;
}

} // namespace

void drawFish(QPainter &p, const QRectF &box, bool facingLeft)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 60.0);
    if (!facingLeft) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    const double unit = 100.0 / box.width(); // one pixel in box units, for line widths
    const QColor ink = pal::ink;

    // fins behind the body
    const QColor fin = pal::fishFin;
    fillPath(p, finPath({{32, 8}, {38, 0.5}, {50, 0}, {62, 3}, {68, 13}, {60, 9}, {44, 6}}), fin, ink, 1.1 * unit);
    fillPath(p, finPath({{60, 48}, {66, 57}, {74, 54}, {76, 40}}), fin, ink, 1.1 * unit);
    fillPath(p, finPath({{34, 52}, {38, 60}, {46, 58}, {46, 52}}), fin, ink, 1.1 * unit);
    fillPath(p, fishTail(), fin, ink, 1.2 * unit);
    p.setPen(QPen(fin.darker(130), 0.8 * unit));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(84, 30), QPointF(97, 11 + 10 * i));

    // the deep silver body, darker along the back
    QLinearGradient g(0, 4, 0, 55);
    g.setColorAt(0, pal::fishBack);
    g.setColorAt(0.35, pal::fishSilver);
    g.setColorAt(0.75, pal::fishBelly);
    g.setColorAt(1, pal::fishSilver);
    const QPainterPath body = fishBody();
    fillPath(p, body, g, ink, 1.3 * unit);

    // scales: rows of small arcs, clipped to the body
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(120, 130, 126, 150), 0.8 * unit));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 9; ++col) {
            const double x = 30 + col * 6 + (row % 2) * 3;
            const double y = 12 + row * 6;
            p.drawArc(QRectF(x, y, 6, 6), 90 * 16, 180 * 16);
        }
    // a shine along the flank
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QRectF(24, 20, 44, 8));
    p.restore();

    // the lateral line, the gill cover, the mouth, the eye
    p.setPen(QPen(QColor(90, 100, 96), 0.9 * unit));
    p.setBrush(Qt::NoBrush);
    QPainterPath lateral;
    lateral.moveTo(26, 24);
    lateral.cubicTo(44, 21, 64, 24, 81, 30);
    p.drawPath(lateral);
    p.setPen(QPen(QColor(110, 110, 104), 1.2 * unit));
    QPainterPath gill;
    gill.moveTo(24, 12);
    gill.cubicTo(30, 22, 30, 38, 22, 48);
    p.drawPath(gill);
    p.setPen(QPen(ink, 1.1 * unit, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 31), QPointF(9, 32));
    fillPath(p, ellipseAt(13, 24, 4.2, 4.2), QColor(230, 200, 120), ink, 0.8 * unit);
    fillPath(p, ellipseAt(12.6, 24, 2.4, 2.4), pal::fishEye);
    fillPath(p, ellipseAt(11.8, 23, 0.9, 0.9), pal::white);
    // the pectoral fin over the body
    fillPath(p, finPath({{22, 40}, {31, 44}, {27, 50}}), QColor(190, 180, 150), ink, 0.9 * unit);
    p.restore();
}

Cell landedFish()
{
    return makeCell(48, 48, [](QPainter &p) {
        // lifted on the line: head up, body hanging
        p.translate(22, 27);
        p.rotate(-36);
        drawFish(p, QRectF(-22, -13, 44, 26.4), true);
    });
}

Cell reportFish()
{
    return makeCell(220, 124, [](QPainter &p) { drawFish(p, QRectF(4, 4, 212, 116), true); });
}

QImage catchBasket()
{
    QImage img = canvas(112, 72);
    QPainter p(&img);
    smooth(p);
    // dusk water, darker at the left where the count sits
    QLinearGradient g(0, 0, 112, 0);
    g.setColorAt(0, QColor(24, 34, 70));
    g.setColorAt(0.6, QColor(40, 52, 96));
    g.setColorAt(1, QColor(88, 72, 110));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(150, 140, 190, 90), 1));
    for (int y = 8; y < 72; y += 9)
        p.drawLine(QPointF(4 + (y * 7) % 20, y), QPointF(24 + (y * 7) % 20, y));
    // the woven basket on the right, a fish's tail peeking out
    QPainterPath basket;
    basket.moveTo(70, 22);
    basket.cubicTo(64, 40, 66, 62, 76, 68);
    basket.lineTo(100, 68);
    basket.cubicTo(110, 62, 110, 40, 104, 22);
    basket.closeSubpath();
    QLinearGradient bg(66, 0, 108, 0);
    bg.setColorAt(0, QColor(196, 156, 92));
    bg.setColorAt(1, QColor(130, 94, 52));
    fillPath(p, basket, bg, pal::ink, 1.4);
    p.save();
    p.setClipPath(basket);
    p.setPen(QPen(QColor(110, 80, 44), 1));
    for (int y = 26; y < 70; y += 5)
        p.drawLine(QPointF(60, y), QPointF(112, y));
    for (int x = 70; x < 108; x += 6)
        p.drawLine(QPointF(x, 22), QPointF(x + 2, 70));
    p.restore();
    fillPath(p, ellipseAt(87, 22, 17, 5), QColor(70, 50, 30), pal::ink, 1.2);
    // a tail fin peeking out of the basket
    fillPath(p, finPath({{84, 20}, {78, 6}, {84, 10}, {88, 3}, {90, 12}, {92, 20}}), pal::fishSilver, pal::ink, 1.1);
    p.setPen(QPen(pal::fishFin, 0.8));
    p.drawLine(QPointF(86, 19), QPointF(81, 8));
    p.drawLine(QPointF(89, 19), QPointF(88, 6));
    return img;
}

namespace {

void kingfisherBody(QPainter &p)
{
    // a perched kingfisher facing right in an 88 x 84 box: big head, long bill, short tail
    const QColor ink = pal::ink;
    // the branch it sits on
    QPainterPath branch;
    branch.moveTo(2, 70);
    branch.cubicTo(30, 66, 60, 68, 86, 72);
    branch.lineTo(86, 77);
    branch.cubicTo(60, 74, 30, 73, 2, 77);
    branch.closeSubpath();
    fillPath(p, branch, QColor(110, 78, 50), ink, 1.2);
    fillPath(p, finPath({{20, 70}, {12, 60}, {16, 60}, {26, 69}}), QColor(110, 78, 50), ink, 1);

    // the tail, pointing down and back
    fillPath(p, finPath({{22, 50}, {10, 68}, {16, 71}, {30, 56}}), pal::kfDeep, ink, 1.3);
    // the body: blue back, orange front
    QPainterPath body;
    body.moveTo(24, 48);
    body.cubicTo(22, 34, 34, 24, 48, 26);
    body.cubicTo(60, 28, 64, 42, 58, 56);
    body.cubicTo(52, 66, 36, 66, 28, 58);
    body.closeSubpath();
    fillPath(p, body, pal::kfOrange, ink, 1.4);
    // the folded wing over the back
    QPainterPath wing;
    wing.moveTo(26, 36);
    wing.cubicTo(32, 28, 46, 30, 48, 40);
    wing.cubicTo(48, 50, 40, 58, 26, 58);
    wing.cubicTo(22, 52, 22, 42, 26, 36);
    wing.closeSubpath();
    QLinearGradient wg(26, 30, 44, 58);
    wg.setColorAt(0, pal::kfBlue);
    wg.setColorAt(1, pal::kfDeep);
    fillPath(p, wing, wg, ink, 1.2);
    p.setPen(QPen(pal::kfCyan, 1.2));
    for (int i = 0; i < 4; ++i)
        p.drawPoint(QPointF(32 + i * 3, 42 + (i % 2) * 3));
    // the bright stripe down the back
    p.setPen(QPen(pal::kfCyan, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 46), QPointF(24, 54));
    // the head
    fillPath(p, ellipseAt(52, 22, 15, 14), pal::kfBlue, ink, 1.4);
    p.save();
    p.setClipPath(ellipseAt(52, 22, 15, 14));
    p.setPen(QPen(pal::kfCyan, 1.1));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(40 + i * 4, 11), QPointF(42 + i * 4, 15));
    // the orange cheek and the white throat
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kfOrange);
    p.drawEllipse(QPointF(56, 25), 8, 4.5);
    p.setBrush(pal::kfWhite);
    p.drawEllipse(QPointF(60, 34), 7, 5);
    p.drawEllipse(QPointF(44, 30), 3.5, 3);
    p.restore();
    // the long dagger bill
    fillPath(p, finPath({{63, 18}, {86, 22}, {63, 25}}), pal::kfBill, ink, 1);
    // the eye
    fillPath(p, ellipseAt(57, 20, 2.6, 2.6), pal::kfBill);
    fillPath(p, ellipseAt(56.2, 19.2, 0.9, 0.9), pal::white);
    // small red feet on the branch
    p.setPen(QPen(pal::kfFeet, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 63), QPointF(42, 69));
    p.drawLine(QPointF(46, 63), QPointF(49, 69));
}

void kingfisherInFlight(QPainter &p)
{
    // flying left in a 52 x 40 box: bill forward, wings up and down
    const QColor ink = pal::ink;
    // the far wing, raised
    QPainterPath far;
    far.moveTo(24, 18);
    far.cubicTo(24, 8, 30, 2, 40, 1);
    far.cubicTo(38, 8, 34, 14, 31, 19);
    far.closeSubpath();
    fillPath(p, far, pal::kfDeep, ink, 1);
    // tail
    fillPath(p, finPath({{38, 20}, {50, 16}, {50, 24}, {38, 24}}), pal::kfDeep, ink, 1);
    // body
    QPainterPath body;
    body.moveTo(12, 20);
    body.cubicTo(14, 14, 26, 13, 40, 18);
    body.cubicTo(38, 26, 26, 29, 14, 26);
    body.closeSubpath();
    fillPath(p, body, pal::kfOrange, ink, 1.2);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(10, 10, 32, 8), pal::kfBlue);
    p.setPen(QPen(pal::kfCyan, 2));
    p.drawLine(QPointF(18, 16.5), QPointF(40, 18.5));
    p.restore();
    // head and bill
    fillPath(p, ellipseAt(15, 19, 6.5, 6), pal::kfBlue, ink, 1.2);
    p.save();
    p.setClipPath(ellipseAt(15, 19, 6.5, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kfOrange);
    p.drawEllipse(QPointF(14, 21), 3.5, 2);
    p.setBrush(pal::kfWhite);
    p.drawEllipse(QPointF(12, 24.5), 3.5, 2);
    p.restore();
    fillPath(p, finPath({{10, 17.2}, {0.5, 20}, {10, 21.8}}), pal::kfBill, ink, 0.8);
    fillPath(p, ellipseAt(13, 18, 1.4, 1.4), pal::kfBill);
    // the near wing, swept down
    QPainterPath nearWing;
    nearWing.moveTo(20, 21);
    nearWing.cubicTo(26, 22, 32, 24, 34, 22);
    nearWing.cubicTo(36, 30, 34, 36, 28, 39);
    nearWing.cubicTo(26, 32, 22, 26, 20, 21);
    nearWing.closeSubpath();
    QLinearGradient wg(20, 21, 30, 39);
    wg.setColorAt(0, pal::kfBlue);
    wg.setColorAt(1, pal::kfDeep);
    fillPath(p, nearWing, wg, ink, 1.1);
    p.setPen(QPen(pal::kfCyan, 1));
    p.drawLine(QPointF(24, 24), QPointF(30, 33));
}

} // namespace

Cell kingfisherFlying()
{
    return makeCell(52, 40, kingfisherInFlight);
}

Cell kingfisherPerched()
{
    return makeCell(88, 84, kingfisherBody);
}

} // namespace nuyo::art
