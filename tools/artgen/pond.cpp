// The pond: the scene behind the angler, the float close-up and the float.
#include "drawings.h"

#include <algorithm>
#include <cmath>

namespace nuyo::art {

namespace {

constexpr int SceneW = 300, SceneH = 354;
constexpr int Horizon = 52;  // where the far bank meets the water
constexpr int BankTop = 292; // the near bank, under the angler
constexpr int BandTop = 314; // the calm band where the marks sit

struct Look {
    QColor skyTop, skyLow, glow, waterFar, waterNear, hills, trees, sparkle;
    bool sun;
};

Look lookFor(bool evening)
{
    if (evening)
        return {pal::duskTop,  pal::duskGlow,         pal::sunGlow, QColor(150, 112, 150), pal::waterNear, pal::hillFar,
                pal::treeDark, QColor(255, 214, 150), true};
    return {pal::dayTop,        pal::dayLow,           QColor(255, 255, 240),
            pal::dayWaterFar,   pal::dayWaterNear,     QColor(96, 140, 120),
            QColor(52, 96, 70), QColor(240, 250, 255), false};
}

void sky(QPainter &p, const Look &k)
{
    QLinearGradient g(0, 0, 0, Horizon);
    g.setColorAt(0, k.skyTop);
    g.setColorAt(0.55, k.sun ? pal::duskMid : k.skyTop.lighter(120));
    g.setColorAt(1, k.skyLow);
    p.fillRect(QRectF(0, 0, SceneW, Horizon + 4), g);
    if (k.sun) {
        QRadialGradient glow(QPointF(46, Horizon - 4), 60);
        glow.setColorAt(0, QColor(255, 236, 180, 230));
        glow.setColorAt(0.25, QColor(255, 190, 120, 140));
        glow.setColorAt(1, QColor(255, 160, 120, 0));
        p.fillRect(QRectF(0, 0, SceneW, Horizon + 4), glow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 190));
        p.drawEllipse(QPointF(46, Horizon - 6), 9, 9);
        // a few thin clouds lit from below
        p.setBrush(QColor(200, 120, 140, 150));
        p.drawRoundedRect(QRectF(120, 14, 90, 4), 2, 2);
        p.drawRoundedRect(QRectF(180, 24, 70, 3), 2, 2);
        p.drawRoundedRect(QRectF(8, 20, 50, 3), 2, 2);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        for (const QRectF &r :
             {QRectF(20, 10, 46, 12), QRectF(40, 4, 30, 14), QRectF(190, 16, 60, 11), QRectF(210, 9, 30, 14)})
            p.drawEllipse(r);
    }
}

void farBank(QPainter &p, const Look &k)
{
    // low hills, then a band of trees along the far shore
    QPainterPath hills;
    hills.moveTo(0, Horizon);
    hills.cubicTo(40, 30, 90, 26, 130, 38);
    hills.cubicTo(170, 48, 210, 22, 260, 30);
    hills.cubicTo(280, 33, 292, 38, 300, 40);
    hills.lineTo(300, Horizon);
    hills.closeSubpath();
    fillPath(p, hills, k.hills);

    Dice d(7);
    QPainterPath trees;
    trees.moveTo(0, Horizon + 1);
    for (int x = 0; x <= SceneW; x += 6)
        trees.lineTo(x, Horizon - 6 - d.range(0, 7) - (x > 80 && x < 130 ? 5 : 0));
    trees.lineTo(SceneW, Horizon + 1);
    trees.closeSubpath();
    fillPath(p, trees, k.trees);
}

void water(QPainter &p, const Look &k)
{
    QLinearGradient g(0, Horizon, 0, BankTop);
    g.setColorAt(0, k.waterFar);
    g.setColorAt(0.35, k.sun ? pal::waterMid : k.waterFar.darker(115));
    g.setColorAt(1, k.waterNear);
    p.fillRect(QRectF(0, Horizon, SceneW, BankTop - Horizon + 10), g);

    // the far trees mirrored on the water, faint
    p.fillRect(QRectF(0, Horizon, SceneW, 7), QColor(k.trees.red(), k.trees.green(), k.trees.blue(), 110));

    // ripple strokes, thin and close far away, longer nearer
    Dice d(11);
    for (int i = 0; i < 90; ++i) {
        const double t = d.unit();
        const double y = Horizon + 8 + t * t * (BankTop - Horizon - 8);
        const double len = 6 + 34 * t;
        const double x = d.range(-10, SceneW);
        QColor c = k.sparkle;
        c.setAlpha(int(40 + 60 * (1 - t)));
        p.setPen(QPen(c, 0.8 + t));
        p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    if (k.sun) {
        // the sun's path on the water
        Dice s(23);
        for (int y = Horizon + 2; y < 230; y += 3) {
            const double t = double(y - Horizon) / (230 - Horizon);
            const double half = 5 + 22 * t;
            for (int j = 0; j < 2; ++j) {
                const double x = 46 + s.range(-half, half);
                const double len = 3 + s.range(0, 8 + 10 * t);
                QColor c = k.glow;
                c.setAlpha(int(200 * (1 - t)));
                p.setPen(QPen(c, 1.2));
                p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
            }
        }
    }
}

void nearBank(QPainter &p, const Look &k)
{
    const QColor grass = k.sun ? QColor(56, 72, 48) : pal::grass;
    const QColor grassDark = k.sun ? QColor(36, 48, 36) : pal::grassDark;
    QPainterPath bank;
    bank.moveTo(0, BankTop - 14);
    bank.cubicTo(60, BankTop - 4, 120, BankTop - 2, 170, BankTop);
    bank.cubicTo(220, BankTop + 2, 270, BankTop - 8, 300, BankTop - 16);
    bank.lineTo(300, BandTop);
    bank.lineTo(0, BandTop);
    bank.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(BankTop - 16, BandTop, grass, grassDark));
    p.drawPath(bank);
    // grass tufts along the edge
    Dice d(5);
    p.setPen(QPen(grass.lighter(130), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 70; ++i) {
        const double x = d.range(0, SceneW);
        const double y = BankTop - 12 + 10 * (1 - std::abs(x - 170) / 170) + d.range(0, 16);
        p.drawLine(QPointF(x, std::min(y, double(BandTop - 2))),
                   QPointF(x + d.range(-3, 3), std::min(y, double(BandTop - 2)) - d.range(3, 7)));
    }
}

void reeds(QPainter &p, const Look &k)
{
    const QColor leaf = k.sun ? QColor(60, 74, 46) : pal::reed;
    const QColor leafDark = k.sun ? QColor(36, 46, 34) : pal::reedDark;
    // distant reeds on the far shore
    reedClump(p, 250, Horizon + 4, 16, 6, 31, k.trees.lighter(120), k.trees);
    reedClump(p, 160, Horizon + 3, 12, 4, 37, k.trees.lighter(120), k.trees);
    // the big clumps at both edges of the foreground
    reedClump(p, 14, BankTop - 6, 130, 14, 41, leafDark, pal::reedHead.darker(130));
    reedClump(p, 30, BankTop - 2, 100, 10, 43, leaf, pal::reedHead);
    reedClump(p, 288, BankTop - 10, 120, 12, 47, leafDark, pal::reedHead.darker(130));
    reedClump(p, 272, BankTop - 4, 84, 8, 53, leaf, pal::reedHead);
    // a water-lily pad or two
    p.setPen(Qt::NoPen);
    p.setBrush(k.sun ? QColor(46, 74, 60) : QColor(60, 120, 80));
    QPainterPath pad;
    pad.addEllipse(QPointF(60, 250), 14, 4);
    pad.addEllipse(QPointF(84, 262), 10, 3);
    p.drawPath(pad);
}

void band(QPainter &p)
{
    p.fillRect(QRectF(0, BandTop, SceneW, SceneH - BandTop), pal::band);
    p.fillRect(QRectF(0, BandTop, SceneW, 2), pal::bandEdge);
}

} // namespace

QImage pondScene(bool evening)
{
    const Look k = lookFor(evening);
    QImage img = canvas(SceneW, SceneH);
    QPainter p(&img);
    smooth(p);
    sky(p, k);
    water(p, k);
    farBank(p, k);
    reeds(p, k);
    nearBank(p, k);
    p.setRenderHint(QPainter::Antialiasing, false);
    band(p);
    return img;
}

QImage floatCloseUp()
{
    constexpr int W = 200, H = 240, Line = 176, FloatX = 96;
    QImage img = canvas(W, H);
    QPainter p(&img);
    smooth(p);
    // the far shore across the top
    p.fillRect(QRectF(0, 0, W, 30), vertical(0, 30, QColor(150, 130, 170), QColor(226, 190, 170)));
    QPainterPath trees;
    Dice d(3);
    trees.moveTo(0, 30);
    for (int x = 0; x <= W; x += 8)
        trees.lineTo(x, 12 + d.range(0, 10));
    trees.lineTo(W, 30);
    trees.closeSubpath();
    fillPath(p, trees, pal::treeDark);
    // the water surface seen low across the pond, the evening sky in it
    QLinearGradient g(0, 30, 0, Line);
    g.setColorAt(0, QColor(74, 80, 110));
    g.setColorAt(0.5, QColor(128, 128, 164));
    g.setColorAt(1, QColor(196, 176, 180));
    p.fillRect(QRectF(0, 30, W, Line - 30), g);
    // ripple bands, closer together far away
    for (int i = 0; i < 22; ++i) {
        const double t = double(i) / 22;
        const double y = 32 + t * t * (Line - 40);
        QColor c(240, 236, 250, int(40 + 70 * t));
        p.setPen(QPen(c, 0.6 + 1.6 * t));
        const double shift = d.range(0, 60);
        for (double x = -60 + shift; x < W; x += 40 + 50 * t)
            p.drawLine(QPointF(x, y), QPointF(x + 14 + 30 * t, y));
    }
    // under the water line: the near water, darker and calm
    p.fillRect(QRectF(0, Line, W, H - Line), vertical(Line, H, QColor(70, 76, 112), pal::waterDeep));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0, Line, W, 1), QColor(226, 220, 236));
    p.fillRect(QRectF(0, Line + 1, W, 1), QColor(120, 110, 140));
    p.setRenderHint(QPainter::Antialiasing, true);
    // faint rings where the float stands
    ripple(p, FloatX + 2.5, Line + 3, 22, 3.5, QColor(230, 200, 190, 120), 1);
    ripple(p, FloatX + 2.5, Line + 6, 40, 6, QColor(200, 180, 190, 70), 1);
    return img;
}

QImage floatPicture()
{
    constexpr int W = 5, H = 170;
    QImage img = canvas(W, H, pal::floatStem);
    // shading across the round float: lit from the left
    const double shade[W] = {0.78, 1.12, 1.0, 0.86, 0.66};
    auto colourAt = [](int y) -> QColor {
        if (y < 48) {
            // the top: red and orange bands with fine dark rings between them
            if (y % 12 == 11)
                return pal::ink;
            return (y / 12) % 2 == 0 ? pal::floatRed : pal::floatOrange;
        }
        if (y < 54)
            return pal::ink;
        if (y < 84)
            return pal::floatWhite;
        if (y < 110)
            return pal::floatYellow;
        if (y < 113)
            return pal::floatRed;
        return pal::floatStem;
    };
    // At a finer density the rows keep their bands and the shading runs smoothly across the columns.
    const int scale = drawScale();
    auto shadeAt = [&](int x) {
        const double across = std::clamp((x + 0.5) / scale - 0.5, 0.0, W - 1.0);
        const int left = std::min(int(across), W - 2);
        const double t = across - left;
        return shade[left] * (1 - t) + shade[left + 1] * t;
    };
    for (int y = 0; y < H * scale; ++y)
        for (int x = 0; x < W * scale; ++x) {
            const QColor c = colourAt(y / scale);
            const double s = scale == 1 ? shade[x] : shadeAt(x);
            img.setPixel(x, y,
                         qRgb(std::min(255, int(c.red() * s + (s > 1 ? 30 : 0))),
                              std::min(255, int(c.green() * s + (s > 1 ? 30 : 0))),
                              std::min(255, int(c.blue() * s + (s > 1 ? 30 : 0)))));
        }
    return img;
}

} // namespace nuyo::art
