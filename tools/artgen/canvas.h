// The art kit shared by every drawing: the palette, a repeatable random source, the shape and
// text helpers, and the sprite maker that turns a drawing into a sprite cell and an exact mask.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <functional>

namespace nuyo::art {

// The palette every picture draws from.
namespace pal {
// evening sky and water
inline const QColor duskTop(52, 48, 110), duskMid(140, 92, 150), duskGlow(246, 170, 112), sunGlow(255, 222, 150);
inline const QColor waterFar(120, 104, 150), waterMid(70, 82, 128), waterNear(34, 54, 92), waterDeep(22, 38, 70);
// daytime variant
inline const QColor dayTop(96, 160, 228), dayLow(200, 230, 250), dayWaterFar(120, 180, 210), dayWaterNear(40, 110, 150);
// land and plants
inline const QColor hillFar(70, 64, 104), treeDark(38, 50, 58), reed(78, 96, 52), reedDark(46, 62, 36),
    reedHead(112, 78, 46), grass(70, 104, 52), grassDark(44, 70, 38), earth(92, 70, 50);
// the calm band along the bottom of the scene where the marks sit
inline const QColor band(58, 46, 38), bandEdge(96, 76, 56);
// angler
inline const QColor hat(226, 196, 120), hatShade(176, 142, 80), hatBand(150, 44, 40), jacket(52, 82, 132),
    jacketShade(34, 56, 96), skin(236, 188, 150), hair(40, 32, 30), trousers(70, 62, 54), stool(120, 84, 52),
    rod(60, 42, 30), rodTip(200, 60, 40);
// fish
inline const QColor fishBack(96, 110, 100), fishSilver(200, 210, 206), fishBelly(238, 240, 232), fishFin(150, 150, 128),
    fishEye(20, 20, 24);
// kingfisher
inline const QColor kfBlue(24, 120, 200), kfCyan(60, 200, 230), kfDeep(20, 60, 120), kfOrange(236, 118, 40),
    kfWhite(246, 244, 236), kfBill(30, 28, 30), kfFeet(220, 70, 50);
// float
inline const QColor floatRed(232, 36, 28), floatOrange(255, 140, 0), floatYellow(255, 230, 80),
    floatWhite(248, 246, 236), floatStem(40, 34, 30);
// outlines and text
inline const QColor ink(30, 24, 28), white(255, 255, 255), black(0, 0, 0);
} // namespace pal

// A small linear congruential source, so scattered details land in the same place every run.
class Dice
{
public:
    explicit Dice(uint32_t seed) : state_(seed) {}
    uint32_t next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double unit() { return double(next() & 0xffff) / 65536.0; } // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    uint32_t state_;
};

// The density pictures are drawn at: 1 gives the game's own pixels, 2 the same shapes at twice the
// pixels for dense screens. Drawings keep their coordinates; canvases and cells grow with it.
int drawScale();
// Draws at `scale` while it lives.
class AtScale
{
public:
    explicit AtScale(int scale);
    ~AtScale();
    AtScale(const AtScale &) = delete;
    AtScale &operator=(const AtScale &) = delete;

private:
    int previous_;
};

// A fresh picture filled with one colour, w x h in drawing coordinates (times drawScale() pixels).
QImage canvas(int w, int h, const QColor &fill = pal::white);
// A painter with antialiasing on.
void smooth(QPainter &p);

// Shapes.
void fillPath(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &outline = QColor(),
              double outlineWidth = 0);
QLinearGradient vertical(double y0, double y1, const QColor &a, const QColor &b);
QPainterPath ellipseAt(double cx, double cy, double rx, double ry);

// Scenery pieces.
void reedClump(QPainter &p, double baseX, double baseY, double height, int stems, uint32_t seed, const QColor &leaf,
               const QColor &head);
void ripple(QPainter &p, double cx, double cy, double rx, double ry, const QColor &c, double width);

// Fonts: the IPA Gothic faces, registered from their files by loadFonts().
bool loadFonts();
QFont gothic(int pixelSize, bool bold = true, bool proportional = true);
// `font`, smaller by whole pixels where `text` set in it would be wider than `width`.
QFont fittedTo(const QFont &font, const QString &text, double width);
// Text with an outline, centred on the rectangle.
void outlinedText(QPainter &p, const QRectF &r, const QString &text, const QFont &font, const QBrush &fill,
                  const QColor &outline, double outlineWidth);

// A sprite and its mask, cut from one drawing: pixels the drawing covers at least `threshold`
// (of 255) belong to the sprite and show their full colour; the mask is black there and white
// elsewhere, and the sprite is pure white wherever the mask is white. The cells measure w x h
// times drawScale() pixels.
struct Cell {
    QImage sprite;
    QImage mask;
};
Cell makeCell(int w, int h, const std::function<void(QPainter &)> &draw, int threshold = 128);
Cell mirrored(const Cell &c);
// Puts cells side by side; `maskFirst` puts the mask on the left.
QImage pairOf(const Cell &c, bool maskFirst = false);

// Composites a sprite over a picture the way the game does (mask erase, then sprite xor).
void blitSprite(QImage &target, const Cell &c, int x, int y);

} // namespace nuyo::art
