#include "widgets/picturebox.h"

#include "widgets/controls.h"
#include "widgets/finepictures.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>

namespace nuyo {

namespace {

QPainter::CompositionMode compositionOf(Rop rop)
{
    switch (rop) {
    case Rop::SrcErase:
        return QPainter::RasterOp_SourceAndNotDestination;
    case Rop::SrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case Rop::SrcCopy:
    default:
        return QPainter::CompositionMode_Source;
    }
}

// One row of a raster operation; `pixel` gives the source's colour at a column.
template <typename Pixel> void blitRow(quint32 *d, int w, Rop rop, Pixel pixel)
{
    switch (rop) {
    case Rop::SrcErase:
        for (int i = 0; i < w; ++i)
            d[i] = (pixel(i) & ~d[i]) | 0xff000000u;
        break;
    case Rop::SrcInvert:
        for (int i = 0; i < w; ++i)
            d[i] = (pixel(i) ^ d[i]) | 0xff000000u;
        break;
    case Rop::SrcCopy:
        for (int i = 0; i < w; ++i)
            d[i] = pixel(i) | 0xff000000u;
        break;
    }
}

// An unscaled copy onto an opaque 32-bit image from a 32-bit or 8-bit palette image, clipped
// to both, pixel for pixel what the painter's raster operations give, without their general
// machinery.
void blit(QImage &dst, const QImage &src, QRect target, QPoint from, Rop rop)
{
    int dx = target.x(), dy = target.y(), sx = from.x(), sy = from.y();
    int w = target.width(), h = target.height();
    if (dx < 0) {
        sx -= dx, w += dx, dx = 0;
    }
    if (dy < 0) {
        sy -= dy, h += dy, dy = 0;
    }
    if (sx < 0) {
        dx -= sx, w += sx, sx = 0;
    }
    if (sy < 0) {
        dy -= sy, h += sy, sy = 0;
    }
    w = std::min({w, dst.width() - dx, src.width() - sx});
    h = std::min({h, dst.height() - dy, src.height() - sy});
    if (w <= 0 || h <= 0)
        return;
    const bool indexed = src.format() == QImage::Format_Indexed8;
    // A palette picture's colours, all 256 of them (black past the end of its table).
    std::array<quint32, 256> colours{};
    if (indexed) {
        const QList<QRgb> table = src.colorTable();
        std::copy_n(table.cbegin(), std::min<qsizetype>(table.size(), 256), colours.begin());
    }
    for (int row = 0; row < h; ++row) {
        auto *d = reinterpret_cast<quint32 *>(dst.scanLine(dy + row)) + dx;
        if (indexed) {
            const uchar *s = src.constScanLine(sy + row) + sx;
            blitRow(d, w, rop, [&](int i) { return colours[s[i]]; });
        } else {
            const auto *s = reinterpret_cast<const quint32 *>(src.constScanLine(sy + row)) + sx;
            blitRow(d, w, rop, [s](int i) { return s[i]; });
        }
    }
}

QRect times(const QRect &r, int k)
{
    return QRect(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}

// Every box alive, so that a picture handed from one box to another finds its fine twin.
std::vector<PictureBox *> &liveBoxes()
{
    static std::vector<PictureBox *> boxes;
    return boxes;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    liveBoxes().push_back(this);
}

PictureBox::~PictureBox()
{
    auto &boxes = liveBoxes();
    boxes.erase(std::remove(boxes.begin(), boxes.end(), this), boxes.end());
}

QImage PictureBox::fineTwin(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    const qint64 key = picture.cacheKey();
    for (const PictureBox *b : liveBoxes()) {
        if (b->m_density == 1)
            continue;
        // A box sharing the picture itself (a palette picture is kept as it is) may not have
        // its fine drawing yet: only one it has is the twin.
        if (b->m_picture.cacheKey() == key && !b->m_finePicture.isNull())
            return b->m_finePicture;
        if (b->m_image.cacheKey() == key && !b->m_clearPending && !b->m_fineImage.isNull())
            return b->m_fineImage;
    }
    return finePicture(picture);
}

void PictureBox::clearFine() const
{
    m_fineImage = QImage(m_size * m_density, QImage::Format_RGB32);
    m_fineImage.fill(m_back);
}

void PictureBox::resetFine() const
{
    if (!m_finePicture.isNull() && m_finePicture.size() == m_size * m_density &&
        m_finePicture.format() == QImage::Format_RGB32) {
        m_fineImage = m_finePicture; // shared until the next drawing
        return;
    }
    clearFine();
    if (!m_finePicture.isNull())
        blit(m_fineImage, m_finePicture, QRect(QPoint(), m_finePicture.size()), QPoint(), Rop::SrcCopy);
}

void PictureBox::followDensity()
{
    const int want = densityFor(devicePixelRatioF());
    if (want == m_density)
        return;
    flush();
    m_density = want;
    if (want == 1) {
        m_fineImage = QImage();
        m_finePicture = QImage();
        update();
        return;
    }
    readPicture();
    m_finePicture = hasPicture() ? atDensity(m_picture, fineTwin(m_pictureOrigin), want) : QImage();
    if (!m_historyComplete) {
        // Too much was drawn since the last Cls to draw it again: the pixels are repeated.
        m_fineImage = atDensity(m_image, QImage(), want);
    } else {
        resetFine();
        for (const Op &op : m_history)
            apply(m_fineImage, op, want);
    }
    update();
}

bool PictureBox::event(QEvent *e)
{
    // A window moved to a screen of another density, or shown for the first time.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        followDensity();
    return QWidget::event(e);
}

void PictureBox::setBorder(Border b)
{
    m_border = b;
    fitImage();
    update();
}

int PictureBox::borderWidth() const
{
    switch (m_border) {
    case Border::ThreeD:
        return 2;
    case Border::Flat:
        return 1;
    default:
        return 0;
    }
}

void PictureBox::setBackColor(const QColor &c)
{
    m_back = c;
    m_clsBased = false;
    if (!hasPicture()) {
        m_pending.clear();
        m_history.clear();
        m_historyComplete = true;
        m_clearPending = false;
        if (!m_image.isNull()) { // otherwise it is made in this colour when first drawn on
            m_image.fill(m_back);
            if (m_density > 1)
                clearFine();
        }
        update();
    }
}

int PictureBox::scaleWidth() const
{
    return std::max(0, width() - 2 * borderWidth());
}

int PictureBox::scaleHeight() const
{
    return std::max(0, height() - 2 * borderWidth());
}

void PictureBox::setOuterSize(int w, int h)
{
    resize(w, h);
    fitImage();
}

void PictureBox::fitImage()
{
    const QSize want(std::max(1, scaleWidth()), std::max(1, scaleHeight()));
    if (m_size == want)
        return;
    if (m_image.isNull()) { // nothing drawn yet: the drawing is made at this size when needed
        m_size = want;
        return;
    }
    flush();
    m_size = want;
    m_clsBased = false;
    QImage grown(want, QImage::Format_RGB32);
    grown.fill(m_back);
    if (!m_image.isNull())
        blit(grown, m_image, QRect(QPoint(), m_image.size()), QPoint(), Rop::SrcCopy);
    m_image = grown;
    if (m_density > 1) {
        const QImage old = m_fineImage;
        clearFine();
        blit(m_fineImage, old, QRect(QPoint(), old.size()), QPoint(), Rop::SrcCopy);
    }
}

void PictureBox::cls()
{
    followDensity();
    fitImage();
    m_pending.clear();
    m_history.clear();
    m_historyComplete = true;
    m_clearPending = true;
    currentX = 0;
    currentY = 0;
    update();
}

void PictureBox::setPicture(const QImage &picture)
{
    followDensity();
    m_readPicture = nullptr;
    takePicture(picture);
    cls();
}

void PictureBox::setPicture(std::function<QImage()> read)
{
    followDensity();
    m_readPicture = std::move(read);
    m_picture = QImage();
    m_pictureOrigin = QImage();
    m_finePicture = QImage();
    cls();
}

QImage PictureBox::picture() const
{
    readPicture();
    return m_picture;
}

void PictureBox::readPicture() const
{
    if (m_readPicture)
        takePicture(std::exchange(m_readPicture, nullptr)());
}

void PictureBox::takePicture(const QImage &picture) const
{
    m_clsBased = false;
    m_pictureOrigin = picture;
    if (picture.isNull()) {
        m_picture = QImage();
    } else if (picture.devicePixelRatio() > 1) {
        // A snapshot of a dense screen: the game's pixels are its own, smoothly scaled down.
        m_picture =
            picture.scaled(picture.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(1);
    } else if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_RGB32) {
        m_picture = picture; // kept as it is, shared: a palette picture takes a byte a pixel
    } else {
        m_picture = picture.convertToFormat(QImage::Format_RGB32);
    }
    m_finePicture = QImage();
    if (m_density > 1 && !m_picture.isNull()) {
        m_finePicture = atDensity(m_picture, fineTwin(picture), m_density).convertToFormat(QImage::Format_RGB32);
        m_finePicture.setDevicePixelRatio(1);
    }
}

void PictureBox::clearPicture()
{
    m_clsBased = false;
    m_readPicture = nullptr;
    m_picture = QImage();
    m_finePicture = QImage();
    m_pictureOrigin = QImage();
    update();
}

void PictureBox::keepDrawing()
{
    flush();
    m_readPicture = nullptr;
    m_clsBased = true; // the drawing is the picture now: nothing drawn over it
    m_dirty = QRect();
    m_picture = m_image;
    m_pictureOrigin = m_image;
    m_finePicture = m_fineImage;
}

const QImage &PictureBox::image() const
{
    flush();
    return m_image;
}

const QImage &PictureBox::fineImage() const
{
    flush();
    return m_density > 1 ? m_fineImage : m_image;
}

void PictureBox::record(Op op)
{
    followDensity();
    fitImage();
    if (m_historyComplete && m_history.size() < MaxHistory) {
        m_history.push_back(op);
    } else {
        m_history.clear();
        m_historyComplete = false;
    }
    m_pending.push_back(std::move(op));
    update();
}

void PictureBox::paintMasked(const QImage &mask, const QRect &maskCell, const QImage &sprite, const QRect &spriteCell,
                             const QRect &to)
{
    paintPicture(mask, to.x(), to.y(), to.width(), to.height(), maskCell.x(), maskCell.y(), maskCell.width(),
                 maskCell.height(), Rop::SrcErase);
    paintPicture(sprite, to.x(), to.y(), to.width(), to.height(), spriteCell.x(), spriteCell.y(), spriteCell.width(),
                 spriteCell.height(), Rop::SrcInvert);
}

void PictureBox::paintPicture(const QImage &src, int x, int y, int w, int h, int sx, int sy, int sw, int sh, Rop rop)
{
    if (src.isNull())
        return;
    // Pictures stay as they were loaded (many with a palette); they are converted only where a
    // scaled copy needs it.
    const bool direct = src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_Indexed8;
    Op op{Op::Blit,
          direct ? src : src.convertToFormat(QImage::Format_RGB32),
          QRect(x, y, w, h),
          QRect(sx, sy, sw, sh),
          rop,
          {},
          {},
          {},
          m_density > 1 ? fineTwin(src) : QImage()};
    record(std::move(op));
}

void PictureBox::line(int x1, int y1, int x2, int y2, const QColor &color)
{
    record(Op{Op::Line, {}, QRect(QPoint(x1, y1), QPoint(x2, y2)), {}, Rop::SrcCopy, color, {}, {}, {}});
}

void PictureBox::print(const QString &text)
{
    const QFontMetrics fm(font());
    record(Op{Op::Text, {}, QRect(currentX, currentY + fm.ascent(), 0, 0), {}, Rop::SrcCopy, m_fore, font(), text, {}});
    currentX = 0;
    currentY += fm.height();
}

void PictureBox::makeImage(bool fill) const
{
    if (!m_size.isValid())
        return; // never sized: nothing to draw on
    m_image = QImage(m_size, QImage::Format_RGB32);
    if (fill)
        m_image.fill(m_back);
    m_clsBased = false;
    if (m_density > 1)
        clearFine();
}

void PictureBox::restoreDirty() const
{
    const QRect r = m_dirty & QRect(QPoint(), m_size);
    if (r.isEmpty())
        return;
    if (!hasPicture() || !QRect(QPoint(), m_picture.size()).contains(r)) {
        const quint32 back = m_back.rgb();
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(reinterpret_cast<quint32 *>(m_image.scanLine(y)) + r.left(), r.width(), back);
    }
    if (hasPicture())
        blit(m_image, m_picture, r, r.topLeft(), Rop::SrcCopy);
}

QRect PictureBox::touched(const Op &op) const
{
    switch (op.kind) {
    case Op::Blit:
        return op.target;
    case Op::Line: // its two end points, one pixel wider all round
        return QRect(op.target.topLeft(), op.target.bottomRight()).normalized().adjusted(-1, -1, 1, 1);
    case Op::Text:
    default:
        return QRect(QPoint(), m_size);
    }
}

void PictureBox::flush() const
{
    if (m_clearPending) {
        m_clearPending = false;
        readPicture();
        if (m_clsBased && !m_image.isNull()) {
            // Only what was drawn since the last Cls goes back to the picture.
            restoreDirty();
        } else if (hasPicture() && m_picture.size() == m_size && m_picture.format() == QImage::Format_RGB32 &&
                   !(m_image.size() == m_size && m_image.isDetached())) {
            // Shared until the next drawing; a drawing the box has of its own is copied into
            // instead, as its memory is there already.
            m_image = m_picture;
        } else {
            // A picture that covers the whole drawing leaves no back colour to fill in.
            const bool covered =
                hasPicture() && m_picture.width() >= m_size.width() && m_picture.height() >= m_size.height();
            if (m_image.isNull())
                makeImage(!covered);
            else if (!covered)
                m_image.fill(m_back);
            if (hasPicture())
                blit(m_image, m_picture, QRect(QPoint(), m_picture.size()), QPoint(), Rop::SrcCopy);
        }
        m_clsBased = true;
        m_dirty = QRect();
        if (m_density > 1)
            resetFine();
    }
    // A box is drawn on only once somebody looks: hidden ones never drawn on take no memory.
    if (m_image.isNull())
        makeImage();
    if (m_pending.empty())
        return;
    std::vector<Op> ops;
    ops.swap(m_pending);
    for (const Op &op : ops) {
        apply(m_image, op, 1);
        m_dirty |= touched(op);
        if (m_density > 1)
            apply(m_fineImage, op, m_density);
    }
}

void PictureBox::apply(QImage &target, const Op &op, int density)
{
    // At a finer density every pixel of the drawing is density x density device pixels: the
    // pictures' twins are copied pixel for pixel, and lines and text are drawn at that size.
    QImage src = op.src;
    if (op.kind == Op::Blit && density > 1)
        src = atDensity(op.src, op.fineSrc.isNull() ? fineTwin(op.src) : op.fineSrc, density);
    if (op.kind == Op::Blit && op.target.size() == op.source.size()) {
        blit(target, src, times(op.target, density), op.source.topLeft() * density, op.rop);
        return;
    }
    QPainter p(&target);
    switch (op.kind) {
    case Op::Blit:
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setCompositionMode(compositionOf(op.rop));
        p.drawImage(times(op.target, density), src.convertToFormat(QImage::Format_RGB32), times(op.source, density));
        break;
    case Op::Line:
        p.setRenderHint(QPainter::Antialiasing, false);
        if (density == 1) {
            p.setPen(QPen(op.colour, 1));
            // A line's target holds its two end points as corners.
            p.drawLine(op.target.topLeft(), op.target.bottomRight());
        } else {
            // The same pixels' centres, the pen as wide as one pixel, both ends drawn.
            p.setPen(QPen(op.colour, density, Qt::SolidLine, Qt::SquareCap));
            const QPointF half(0.5, 0.5);
            p.drawLine((QPointF(op.target.topLeft()) + half) * density,
                       (QPointF(op.target.bottomRight()) + half) * density);
        }
        break;
    case Op::Text:
        if (density > 1)
            p.scale(density, density);
        p.setFont(op.font);
        p.setPen(op.colour);
        p.drawText(op.target.topLeft(), op.text);
        break;
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    followDensity();
    flush();
    QPainter p(this);
    const int b = borderWidth();
    if (m_density > 1) {
        // Exact at the density itself; smoothly scaled to a fractional ratio.
        p.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() != m_density);
        p.drawImage(QRectF(b, b, m_image.width(), m_image.height()), m_fineImage);
    } else {
        p.drawImage(b, b, m_image);
    }
    const QRect r = rect();
    if (m_border == Border::ThreeD)
        drawBevel(p, r, true);
    else if (m_border == Border::Flat)
        drawFrame(p, r, Qt::black, Qt::black);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    fitImage();
}

} // namespace nuyo
