// A drawing surface that keeps its drawing: a backing image and a persistent picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

namespace nuyo {

// Raster operations of the picture boxes' painting.
enum class Rop {
    SrcCopy,   // the source replaces the destination
    SrcErase,  // source AND NOT destination: a mask pass
    SrcInvert, // source XOR destination: the sprite pass after a mask
};

// A drawing surface with a backing image that keeps its drawing, and a persistent picture
// that Cls restores. Coordinates are pixels inside the border.
//
// Drawing is recorded and carried out when somebody looks: when the box is painted, its image
// is read, or its drawing is kept. A scene redrawn many times before anybody sees it (as in a
// simulated game) costs almost nothing; what is seen is always the same pixels.
//
// On a dense screen (more than one device pixel per pixel) the box also keeps a fine drawing:
// the same operations at twice the pixels, from the pictures' twins drawn at that density, and
// shows it instead, scaled down smoothly on a fractional ratio. The image the game reads stays at
// its own pixels. Moving to a screen of another density draws the fine drawing again from the
// operations since the last Cls.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class Border { None, Flat, ThreeD };
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void setBorder(Border b);
    Border border() const { return m_border; }
    int borderWidth() const;
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor &c);
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor &c) { m_fore = c; }

    // Inner drawing area in pixels (ScaleWidth, ScaleHeight).
    int scaleWidth() const;
    int scaleHeight() const;
    // Sets the outer size in pixels, the border included.
    void setOuterSize(int w, int h);

    // Cls: back to the persistent picture (or the back colour); the print position to 0, 0.
    void cls();
    // Picture = image: shows it now and makes it what Cls restores.
    void setPicture(const QImage &picture);
    // The same with a picture read by `read` only when the box is first drawn or asked for it.
    void setPicture(std::function<QImage()> read);
    // Picture = nothing: Cls then clears to the back colour.
    void clearPicture();
    // Picture = Image: the current drawing becomes the persistent picture.
    void keepDrawing();
    QImage picture() const;
    bool hasPicture() const { return !m_picture.isNull() || m_readPicture; }

    // What is on show now.
    const QImage &image() const;
    // Makes the drawing now, so that the first drawing on the box later does not wait for its
    // memory; a picture of the box's size is then copied into it, not shared.
    void reserveDrawing() { flush(); }
    // Device pixels per pixel of the fine drawing: 1 (none), or 2 on a dense screen.
    int density() const { return m_density; }
    // What is on show now at density() device pixels per pixel.
    const QImage &fineImage() const;

    // PaintPicture: draws `src`'s rectangle (sx, sy, sw, sh) at (x, y) sized w × h.
    void paintPicture(const QImage &src, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                      Rop rop = Rop::SrcCopy);
    // PaintPicture with rectangles: `from` of `src` into `to`.
    void paintPicture(const QImage &src, const QRect &to, const QRect &from, Rop rop = Rop::SrcCopy)
    {
        paintPicture(src, to.x(), to.y(), to.width(), to.height(), from.x(), from.y(), from.width(), from.height(),
                     rop);
    }
    // A masked sprite in two passes: the mask's cell with SRCERASE, then the sprite's cell with
    // SRCINVERT, both drawn into `to`. The two cells may lie in one picture or in two.
    void paintMasked(const QImage &mask, const QRect &maskCell, const QImage &sprite, const QRect &spriteCell,
                     const QRect &to);
    // A one-pixel line from (x1, y1) to (x2, y2), both ends drawn.
    void line(int x1, int y1, int x2, int y2, const QColor &color);
    // Print: text at the print position in the box's font and fore colour.
    void print(const QString &text);
    int currentX = 0;
    int currentY = 0;

    // Repaints the box on screen.
    void refresh() { update(); }

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    bool event(QEvent *e) override;

private:
    struct Op {
        enum Kind { Blit, Line, Text } kind;
        QImage src;
        QRect target, source;
        Rop rop = Rop::SrcCopy;
        QColor colour;
        QFont font;
        QString text;
        QImage fineSrc; // the source's twin at twice the density, when it had one
    };
    void fitImage();
    void readPicture() const;                      // the picture set to be read, read now
    void takePicture(const QImage &picture) const; // Picture = picture, without the Cls
    void makeImage(bool fill = true) const;        // the drawing at the box's size, all back colour
    void restoreDirty() const;                     // what was drawn since the last Cls, as Cls leaves it
    QRect touched(const Op &op) const;             // the part of the drawing an operation may change
    void flush() const;
    void record(Op op);
    static void apply(QImage &target, const Op &op, int density);
    // The twin at twice the density of a picture the game hands over: a loaded picture's, or
    // another box's fine drawing of the same image.
    static QImage fineTwin(const QImage &picture);
    // Follows the screen's density; a change draws the fine drawing again.
    void followDensity();
    void clearFine() const; // the fine drawing all back colour, at the box's size
    void resetFine() const; // the fine drawing as a Cls leaves it: the back colour, the fine picture on it

    QSize m_size;           // the drawing's size: the inner area
    mutable QImage m_image; // made when first needed
    // The drawing is what Cls leaves it but inside m_dirty: a Cls puts back only that part.
    mutable bool m_clsBased = false;
    mutable QRect m_dirty;
    mutable std::vector<Op> m_pending;
    mutable bool m_clearPending = false;
    // The operations since the last Cls, to draw them again at another density; at most
    // MaxHistory, after which a change of density repeats the pixels until the next Cls.
    static constexpr size_t MaxHistory = 256;
    std::vector<Op> m_history;
    bool m_historyComplete = true;
    int m_density = 1;
    mutable QImage m_fineImage;
    mutable QImage m_finePicture;
    mutable QImage m_pictureOrigin; // what Picture was set from, to find its twin again
    mutable QImage m_picture;
    mutable std::function<QImage()> m_readPicture; // the picture not read yet
    QColor m_back{Qt::white};
    QColor m_fore{Qt::black};
    Border m_border = Border::None;
};

} // namespace nuyo
