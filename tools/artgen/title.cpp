// The title picture: the game's name over the evening pond, a float and a leaping fish.
#include "drawings.h"

namespace nuyo::art {

QImage titlePicture()
{
    constexpr int W = 340, H = 255, Horizon = 112, CalmTop = 200;
    QImage img = canvas(W, H);
    QPainter p(&img);
    smooth(p);

    // sky with the sun going down on the right
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, pal::duskTop);
    sky.setColorAt(0.6, pal::duskMid);
    sky.setColorAt(1, pal::duskGlow);
    p.fillRect(QRectF(0, 0, W, Horizon + 2), sky);
    QRadialGradient sun(QPointF(270, Horizon - 6), 80);
    sun.setColorAt(0, QColor(255, 236, 180, 220));
    sun.setColorAt(1, QColor(255, 170, 120, 0));
    p.fillRect(QRectF(0, 0, W, Horizon + 2), sun);
    fillPath(p, ellipseAt(270, Horizon - 8, 11, 11), QColor(255, 238, 196));

    // far shore
    QPainterPath shore;
    shore.moveTo(0, Horizon + 1);
    Dice d(17);
    for (int x = 0; x <= W; x += 8)
        shore.lineTo(x, Horizon - 8 - d.range(0, 8) - (x < 120 ? 6 : 0));
    shore.lineTo(W, Horizon + 1);
    shore.closeSubpath();
    fillPath(p, shore, pal::treeDark);

    // water, with the sun's path, then the calm band where the buttons sit
    p.fillRect(QRectF(0, Horizon, W, H - Horizon), vertical(Horizon, CalmTop, QColor(150, 108, 146), pal::waterNear));
    p.fillRect(QRectF(0, CalmTop, W, H - CalmTop), vertical(CalmTop, H, pal::waterNear, pal::waterDeep));
    for (int y = Horizon + 3; y < CalmTop - 4; y += 3) {
        const double t = double(y - Horizon) / (CalmTop - Horizon);
        for (int j = 0; j < 2; ++j) {
            const double x = 270 + d.range(-8 - 30 * t, 8 + 30 * t);
            QColor c = pal::sunGlow;
            c.setAlpha(int(210 * (1 - t)));
            p.setPen(QPen(c, 1.2));
            p.drawLine(QPointF(x - 4 - 6 * t, y), QPointF(x + 4 + 6 * t, y));
        }
    }

    // reeds at the left edge
    reedClump(p, 12, CalmTop + 4, 110, 10, 61, pal::reedDark, pal::reedHead.darker(120));
    reedClump(p, 328, CalmTop + 2, 70, 6, 67, pal::reedDark, pal::reedHead.darker(120));

    // the float standing in the water with its rings
    const double fx = 62, line = 178;
    ripple(p, fx, line + 2, 26, 4, QColor(255, 220, 190, 150), 1.2);
    ripple(p, fx, line + 4, 44, 7, QColor(230, 200, 200, 90), 1);
    p.setPen(Qt::NoPen);
    QLinearGradient fg(fx - 3, 0, fx + 3, 0);
    fg.setColorAt(0, pal::floatRed.darker(120));
    fg.setColorAt(0.4, pal::floatRed.lighter(130));
    fg.setColorAt(1, pal::floatRed.darker(140));
    p.setBrush(fg);
    p.drawRoundedRect(QRectF(fx - 3, 120, 6, 26), 3, 3);
    p.setBrush(pal::floatOrange);
    p.drawRect(QRectF(fx - 3, 134, 6, 5));
    QLinearGradient wg(fx - 5, 0, fx + 5, 0);
    wg.setColorAt(0, QColor(210, 200, 180));
    wg.setColorAt(0.4, pal::floatWhite);
    wg.setColorAt(1, QColor(170, 160, 150));
    p.setBrush(wg);
    p.drawRoundedRect(QRectF(fx - 5, 146, 10, line - 146), 4, 4);
    p.setBrush(pal::floatYellow);
    p.drawRect(QRectF(fx - 5, 164, 10, 5));

    // a fish leaping out of the water, with the spray it throws
    p.save();
    p.translate(250, 158);
    p.rotate(-28);
    drawFish(p, QRectF(-40, -24, 80, 46), true);
    p.restore();
    ripple(p, 262, 186, 34, 5, QColor(230, 240, 255, 170), 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 248, 255, 230));
    const QPointF drops[] = {{226, 176}, {232, 168}, {296, 172}, {300, 180}, {290, 164}, {240, 160}};
    for (const QPointF &pt : drops)
        p.drawEllipse(pt, 2, 2);

    // the name, large
    QFont big = gothic(92);
    QPainterPath name;
    name.addText(0, 0, big, QStringLiteral("ぬ よ"));
    const QRectF nb = name.boundingRect();
    name.translate(QPointF(170, 62) - nb.center());
    p.setPen(QPen(QColor(40, 20, 60), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(3, 4));
    p.setPen(QPen(QColor(60, 24, 70), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    QLinearGradient ng(0, nb.height() * -0.5 + 62 - nb.height() / 2, 0, 62 + nb.height() / 2);
    ng.setColorAt(0, QColor(255, 250, 220));
    ng.setColorAt(1, QColor(255, 190, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(ng);
    p.drawPath(name);
    return img;
}

} // namespace nuyo::art
