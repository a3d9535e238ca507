// The catch report's pictures: the water, a miss, a broken line and the big fish's head.
#include "drawings.h"

#include <cmath>

namespace nuyo::art {

namespace {

constexpr int W = 240, H = 220;

void waterFromAbove(QPainter &p)
{
    QLinearGradient g(0, 0, W, H);
    g.setColorAt(0, QColor(64, 108, 140));
    g.setColorAt(1, QColor(28, 56, 92));
    p.fillRect(QRectF(0, 0, W, H), g);
    Dice d(91);
    for (int i = 0; i < 60; ++i) {
        const double x = d.range(-20, W), y = d.range(0, H);
        const double len = d.range(8, 30);
        p.setPen(QPen(QColor(190, 220, 240, int(d.range(30, 90))), d.range(0.8, 1.8), Qt::SolidLine, Qt::RoundCap));
        QPainterPath wave;
        wave.moveTo(x, y);
        wave.quadTo(x + len / 2, y - 2, x + len, y);
        p.drawPath(wave);
    }
    // lily pads in a corner
    fillPath(p, ellipseAt(212, 26, 22, 12), QColor(60, 120, 70), QColor(30, 70, 40), 1.2);
    fillPath(p, ellipseAt(184, 12, 13, 7), QColor(70, 132, 78), QColor(30, 70, 40), 1.2);
    p.setPen(QPen(QColor(30, 70, 40), 1.2));
    p.drawLine(QPointF(212, 26), QPointF(232, 22));
}

void floatLyingAt(QPainter &p, const QPointF &at, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    ripple(p, 0, 0, 30, 9, QColor(220, 240, 255, 120), 1.2);
    fillPath(p, QPainterPath([] {
                 QPainterPath f;
                 f.addRoundedRect(QRectF(-30, -2.5, 22, 5), 2.5, 2.5);
                 return f;
             }()),
             pal::floatRed, pal::ink, 1);
    fillPath(p, QPainterPath([] {
                 QPainterPath f;
                 f.addRoundedRect(QRectF(-9, -4.5, 24, 9), 4, 4);
                 return f;
             }()),
             pal::floatWhite, pal::ink, 1);
    fillPath(p, QPainterPath([] {
                 QPainterPath f;
                 f.addRoundedRect(QRectF(14, -1.8, 16, 3.6), 1.8, 1.8);
                 return f;
             }()),
             pal::floatStem, pal::ink, 0.8);
    p.restore();
}

} // namespace

QImage reportWater()
{
    QImage img = canvas(W, H);
    QPainter p(&img);
    smooth(p);
    waterFromAbove(p);
    return img;
}

QImage missPicture()
{
    QImage img = reportWater();
    QPainter p(&img);
    smooth(p);
    // the line hangs slack from the top left to the float and on to a bare hook
    p.setPen(QPen(QColor(235, 235, 245), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath line;
    line.moveTo(-2, 8);
    line.cubicTo(40, 90, 90, 120, 124, 98);
    p.drawPath(line);
    QPainterPath tail;
    tail.moveTo(160, 104);
    tail.cubicTo(176, 112, 176, 128, 170, 140);
    p.drawPath(tail);
    floatLyingAt(p, QPointF(142, 100), 8);
    // the empty hook
    p.setPen(QPen(QColor(200, 200, 210), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hook;
    hook.moveTo(170, 140);
    hook.lineTo(170, 148);
    hook.arcTo(QRectF(162, 142, 10, 10), 0, -200);
    p.drawPath(hook);
    // a wandering question mark
    outlinedText(p, QRectF(40, 20, 60, 60), QStringLiteral("？"), gothic(44), QColor(255, 240, 120), QColor(40, 30, 60),
                 4);
    return img;
}

QImage brokenLinePicture(const PictureWords &words)
{
    QImage img = reportWater();
    QPainter p(&img);
    smooth(p);
    // the line from the rod comes down and ends in a frayed break
    p.setPen(QPen(QColor(235, 235, 245), 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath line;
    line.moveTo(-2, 6);
    line.cubicTo(30, 30, 70, 56, 96, 78);
    p.drawPath(line);
    p.setPen(QPen(QColor(235, 235, 245), 1));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(96, 78), QPointF(101 + 2 * i, 84 + 3 * i));
    // the snap
    p.setPen(QPen(QColor(255, 230, 80), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Eight rays 45 degrees apart, the first at 0.3 radians. The directions are turned step by step
    // with exactly rounded arithmetic: the C library's sine may round differently per CPU or build.
    const QPointF snap(112, 90);
    const double turn = std::sqrt(0.5);
    QPointF dir(0.955336489125606, 0.29552020666133955); // cos 0.3, sin 0.3
    for (int i = 0; i < 8; ++i) {
        p.drawLine(snap + dir * 7, snap + dir * 15);
        dir = QPointF((dir.x() - dir.y()) * turn, (dir.x() + dir.y()) * turn);
    }
    // the lost end drifts away with the float
    p.setPen(QPen(QColor(235, 235, 245), 1.6));
    QPainterPath lost;
    lost.moveTo(126, 100);
    lost.cubicTo(140, 116, 150, 118, 160, 116);
    p.drawPath(lost);
    floatLyingAt(p, QPointF(186, 120), -14);
    outlinedText(p, QRectF(130, 40, 100, 40), words.snap, fittedTo(gothic(24), words.snap, 100), pal::white,
                 QColor(150, 20, 30), 4);
    return img;
}

QImage bigHeadPicture(const QString &caption)
{
    QImage img = reportWater();
    QPainter p(&img);
    smooth(p);
    // the fish so close that its head fills the picture
    drawFish(p, QRectF(-6, 10, 560, 330), true);
    QRadialGradient glow(QPointF(170, 62), 80);
    glow.setColorAt(0, QColor(255, 255, 220, 110));
    glow.setColorAt(1, QColor(255, 255, 220, 0));
    p.fillRect(QRectF(0, 0, W, H), glow);
    outlinedText(p, QRectF(80, 18, 160, 90), caption, fittedTo(gothic(52), caption, 136), QColor(255, 230, 60),
                 QColor(170, 20, 30), 7);
    return img;
}

} // namespace nuyo::art
