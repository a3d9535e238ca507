// The icons: the window's float, the real game's emblem and the ranking toggle's trophy.
#include "drawings.h"

namespace nuyo::art {

namespace {

// Icons are designed on a 32 x 32 grid and scaled to the size asked for.
QImage iconCanvas(int size, const std::function<void(QPainter &)> &draw)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    smooth(p);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return img;
}

} // namespace

QImage windowIcon(int size)
{
    return iconCanvas(size, [](QPainter &p) {
        // a round patch of water with the float standing in it
        fillPath(p, ellipseAt(16, 16, 15, 15), QColor(40, 90, 170), QColor(10, 30, 80), 1.2);
        p.save();
        p.setClipPath(ellipseAt(16, 16, 15, 15));
        p.fillRect(QRectF(0, 21, 32, 11), QColor(24, 60, 130));
        p.restore();
        ripple(p, 16, 21.5, 9, 2, QColor(200, 230, 255), 1);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::floatRed);
        p.drawRoundedRect(QRectF(14, 3, 4, 8), 2, 2);
        p.setBrush(pal::floatOrange);
        p.drawRect(QRectF(14, 8, 4, 3));
        p.setBrush(pal::floatWhite);
        p.drawRoundedRect(QRectF(13, 11, 6, 10.5), 2.5, 2.5);
        p.setBrush(pal::floatYellow);
        p.drawRect(QRectF(13, 16, 6, 2));
    });
}

QImage emblemIcon(int size)
{
    return iconCanvas(size, [](QPainter &p) {
        // a gold medal with the silver pond fish
        fillPath(p, ellipseAt(16, 16, 15, 15), QColor(240, 190, 40), QColor(120, 70, 0), 1.2);
        fillPath(p, ellipseAt(16, 16, 11.5, 11.5), QColor(30, 60, 130), QColor(160, 110, 10), 1);
        p.save();
        p.translate(16, 16);
        p.rotate(-15);
        drawFish(p, QRectF(-10, -6, 20, 12), true);
        p.restore();
    });
}

QImage rankingIcon(int size)
{
    return iconCanvas(size, [](QPainter &p) {
        // a trophy cup
        const QColor gold(250, 200, 40), dark(130, 80, 0);
        p.setPen(QPen(dark, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 6, 8, 9));
        p.drawEllipse(QRectF(21, 6, 8, 9));
        QPainterPath cup;
        cup.moveTo(7, 4);
        cup.lineTo(25, 4);
        cup.cubicTo(25, 14, 21, 19, 16, 20);
        cup.cubicTo(11, 19, 7, 14, 7, 4);
        cup.closeSubpath();
        QLinearGradient g(7, 0, 25, 0);
        g.setColorAt(0, gold.lighter(130));
        g.setColorAt(1, gold.darker(120));
        fillPath(p, cup, g, dark, 1.2);
        fillPath(p, QPainterPath([] {
                     QPainterPath s;
                     s.addRect(QRectF(14, 20, 4, 4));
                     s.addRoundedRect(QRectF(9, 24, 14, 5), 1.5, 1.5);
                     return s;
                 }()),
                 gold.darker(110), dark, 1.2);
        p.setPen(QPen(QColor(255, 255, 230), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 7), QPointF(12, 13));
    });
}

} // namespace nuyo::art
