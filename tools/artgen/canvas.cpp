#include "canvas.h"

#include "quantize.h"

#include <QFontDatabase>
#include <QStringList>

namespace nuyo::art {

namespace {
int currentScale = 1;
}

int drawScale()
{
    return currentScale;
}

AtScale::AtScale(int scale) : previous_(currentScale)
{
    currentScale = scale;
}

AtScale::~AtScale()
{
    currentScale = previous_;
}

QImage canvas(int w, int h, const QColor &fill)
{
    const int s = drawScale();
    QImage img(w * s, h * s, QImage::Format_ARGB32_Premultiplied);
    // The painter then takes drawing coordinates and lands on the finer pixels.
    img.setDevicePixelRatio(s);
    img.fill(fill);
    return img;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &outline, double outlineWidth)
{
    p.save();
    if (outline.isValid() && outlineWidth > 0)
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QLinearGradient vertical(double y0, double y1, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QPainterPath ellipseAt(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

void reedClump(QPainter &p, double baseX, double baseY, double height, int stems, uint32_t seed, const QColor &leaf,
               const QColor &head)
{
    Dice d(seed);
    p.save();
    for (int i = 0; i < stems; ++i) {
        const double x = baseX + d.range(-height * 0.12, height * 0.12);
        const double hgt = height * d.range(0.6, 1.0);
        const double lean = d.range(-0.25, 0.25) * hgt;
        QPainterPath stem;
        stem.moveTo(x, baseY);
        stem.quadTo(x + lean * 0.2, baseY - hgt * 0.6, x + lean, baseY - hgt);
        p.setPen(QPen(leaf, std::max(1.0, height / 40.0), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        if (d.unit() < 0.45) {
            // a cattail head near the top of the stem
            const QPointF top(x + lean * 0.92, baseY - hgt * 0.9);
            p.setPen(Qt::NoPen);
            p.setBrush(head);
            p.drawRoundedRect(QRectF(top.x() - height / 50.0 - 0.8, top.y(), height / 25.0 + 1.6, height * 0.12), 2, 2);
        } else {
            // a long leaf bending away
            QPainterPath blade;
            const double side = d.unit() < 0.5 ? -1 : 1;
            blade.moveTo(x, baseY - hgt * 0.2);
            blade.quadTo(x + side * hgt * 0.15, baseY - hgt * 0.6, x + side * hgt * 0.35, baseY - hgt * 0.75);
            p.setPen(QPen(leaf.darker(115), std::max(1.0, height / 55.0), Qt::SolidLine, Qt::RoundCap));
            p.drawPath(blade);
        }
    }
    p.restore();
}

void ripple(QPainter &p, double cx, double cy, double rx, double ry, const QColor &c, double width)
{
    p.save();
    p.setPen(QPen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), rx, ry);
    p.restore();
}

namespace {
QString gothicFamily, pGothicFamily;
}

bool loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/");
    const int fixed = QFontDatabase::addApplicationFont(dir + QStringLiteral("ipag.ttf"));
    const int prop = QFontDatabase::addApplicationFont(dir + QStringLiteral("ipagp.ttf"));
    if (fixed < 0 || prop < 0)
        return false;
    gothicFamily = QFontDatabase::applicationFontFamilies(fixed).value(0);
    pGothicFamily = QFontDatabase::applicationFontFamilies(prop).value(0);
    return !gothicFamily.isEmpty() && !pGothicFamily.isEmpty();
}

QFont gothic(int pixelSize, bool bold, bool proportional)
{
    QFont f(proportional ? pGothicFamily : gothicFamily);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    return f;
}

QFont fittedTo(const QFont &font, const QString &text, double width)
{
    QFont f = font;
    for (;;) {
        QPainterPath path;
        path.addText(0, 0, f, text);
        if (path.boundingRect().width() <= width || f.pixelSize() <= 8)
            return f;
        f.setPixelSize(f.pixelSize() - 1);
    }
}

void outlinedText(QPainter &p, const QRectF &r, const QString &text, const QFont &font, const QBrush &fill,
                  const QColor &outline, double outlineWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    path.translate(r.center() - b.center());
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

Cell makeCell(int w, int h, const std::function<void(QPainter &)> &draw, int threshold)
{
    const int s = drawScale();
    QImage layer(w * s, h * s, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(s);
    layer.fill(Qt::transparent);
    w *= s;
    h *= s;
    {
        QPainter p(&layer);
        smooth(p);
        draw(p);
    }
    const QImage straight = straightAlpha(layer);
    Cell c{QImage(w, h, QImage::Format_RGB32), QImage(w, h, QImage::Format_RGB32)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb px = straight.pixel(x, y);
            const bool inside = qAlpha(px) >= threshold;
            c.sprite.setPixel(x, y, inside ? (px | 0xff000000u) : qRgb(255, 255, 255));
            c.mask.setPixel(x, y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return c;
}

Cell mirrored(const Cell &c)
{
    return {c.sprite.mirrored(true, false), c.mask.mirrored(true, false)};
}

QImage pairOf(const Cell &c, bool maskFirst)
{
    const int w = c.sprite.width(), h = c.sprite.height();
    QImage out(2 * w, h, QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, maskFirst ? c.mask : c.sprite);
    p.drawImage(w, 0, maskFirst ? c.sprite : c.mask);
    return out;
}

void blitSprite(QImage &target, const Cell &c, int x, int y)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    p.drawImage(x, y, c.mask);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(x, y, c.sprite);
}

} // namespace nuyo::art
