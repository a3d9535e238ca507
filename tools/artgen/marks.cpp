// The small marks that sit in the calm band at the bottom of the scene.
#include "drawings.h"

namespace nuyo::art {

namespace {

constexpr int MarkW = 100, MarkH = 24, Pitch = 25;

// A plaque on the band's colour with its text, at row `slot` of a stacked picture.
void plaque(QPainter &p, int slot, const QColor &face, const QString &text, const QColor &textColour,
            const QColor &textOutline)
{
    const QRectF r(1.5, slot * Pitch + 1.5, MarkW - 3, MarkH - 3);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, face.lighter(125));
    g.setColorAt(1, face.darker(115));
    p.setPen(QPen(face.lighter(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 9, 9);
    // A longer word of another language is set smaller rather than run into the rounded ends.
    outlinedText(p, r, text, fittedTo(gothic(17), text, MarkW - 12), textColour, textOutline, 3);
}

QImage stack(int slots)
{
    return canvas(MarkW, slots * Pitch - 1, pal::band);
}

} // namespace

QImage resultMarks(const PictureWords &words)
{
    QImage img = stack(2);
    QPainter p(&img);
    smooth(p);
    plaque(p, 0, QColor(150, 30, 36), words.lineBroke, pal::white, QColor(70, 0, 10));
    plaque(p, 1, QColor(34, 110, 84), words.landed, QColor(255, 240, 90), QColor(10, 50, 30));
    return img;
}

QImage bigCatchMarks(const PictureWords &words)
{
    QImage img = stack(4);
    QPainter p(&img);
    smooth(p);
    plaque(p, 0, QColor(196, 120, 20), words.bigOne, pal::white, QColor(110, 30, 0));
    plaque(p, 1, QColor(40, 90, 160), words.fiftyUp, QColor(255, 240, 120), QColor(10, 30, 70));
    plaque(p, 2, QColor(120, 40, 150), words.master, QColor(255, 230, 120), QColor(50, 0, 60));
    plaque(p, 3, QColor(200, 160, 30), words.grandMaster, QColor(180, 20, 20), QColor(255, 250, 220));
    return img;
}

QImage splashFrames()
{
    QImage img = stack(2);
    QPainter p(&img);
    smooth(p);
    for (int f = 0; f < 2; ++f) {
        const double top = f * Pitch;
        const QRectF r(1.5, top + 1.5, MarkW - 3, MarkH - 3);
        p.setPen(QPen(QColor(120, 170, 220), 1));
        p.setBrush(vertical(r.top(), r.bottom(), QColor(40, 90, 150), QColor(20, 50, 100)));
        p.drawRoundedRect(r, 9, 9);
        p.save();
        p.setClipRect(r.adjusted(1, 1, -1, -1));
        // rings on the water and a crown of spray that rises and falls between the frames
        ripple(p, 50, top + 19, 30 + 8 * f, 3.5, QColor(200, 230, 255, 180), 1.2);
        ripple(p, 50, top + 19, 16 + 6 * f, 2, QColor(230, 245, 255, 220), 1.2);
        const double rise = f == 0 ? 13 : 9;
        const double spread = f == 0 ? 12 : 20;
        p.setPen(QPen(QColor(235, 248, 255), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = -2; i <= 2; ++i) {
            QPainterPath jet;
            jet.moveTo(50 + i * 3, top + 19);
            jet.quadTo(50 + i * spread * 0.5, top + 19 - rise, 50 + i * spread * 0.9, top + 19 - rise * 0.6);
            p.drawPath(jet);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 252, 255));
        const double dx[6] = {-30, -22, -12, 14, 24, 32};
        for (int i = 0; i < 6; ++i) {
            const double x = 50 + dx[i] * (f == 0 ? 0.8 : 1.1);
            const double y = top + 6 + ((i + f) % 3) * 3;
            p.drawEllipse(QPointF(x, y), 1.4, 1.4);
        }
        // a silver flash of the fish's side
        p.setBrush(QColor(210, 220, 220));
        p.setPen(QPen(pal::ink, 0.8));
        p.drawEllipse(QPointF(50 + (f == 0 ? -4 : 4), top + 17), 7, 2.6);
        p.restore();
    }
    return img;
}

} // namespace nuyo::art
