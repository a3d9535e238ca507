// The controls the game's windows are made of: buttons that paint their colour, labels,
// picture stores, outlines, and picture boxes that keep their drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <functional>

#include "widgets/logbox.h"
#include "widgets/picturebox.h"

namespace nuyo {

// A one-pixel frame along the inside of `r`: its top and left sides in one colour, its bottom and
// right sides in the other. Its sides are filled, not stroked: on a screen of more than one device
// pixel per pixel a stroke lies half a pixel up and left of a fill, and a control's own colour then
// showed outside its right and bottom edges.
void drawFrame(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight);
// The raised or sunken bevel of a 3D frame, as the game's buttons and boxes draw it.
void drawBevel(QPainter &p, const QRect &r, bool sunken);

// A push button that shows its back colour (and optionally a picture) and reports a press
// of any mouse button, as the game's buttons react on the press, not on the release.
class ColourButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool textFits READ textFits)
public:
    explicit ColourButton(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor &c);
    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }

    // Presses the button with mouse button 1 (left) or 2 (right), as a click would.
    void press(int button = 1);
    // True when the caption shows whole in the button's font: no stroke of it cut off.
    bool textFits() const;

Q_SIGNALS:
    void mouseDown(int button); // any mouse button went down on the enabled button, or Space or Return
    void clicked();             // the left button was released over it, or Space or Return was pressed

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    void setDown(bool down); // the sunken look of a left press in progress
    QRect textArea() const;  // where the caption is drawn, inside the bevel

    QString m_text;
    QColor m_back;
    QImage m_picture;
    bool m_down = false;
};

// Static text: transparent or on its back colour, optionally framed and centred.
class TextLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool textFits READ textFits)
public:
    explicit TextLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor &c);
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor &c);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    void setBorder(bool on);
    bool border() const { return m_border; }
    void setAlignment(Qt::Alignment a);
    Qt::Alignment alignment() const { return m_align; }
    // A halo around the text in this colour (invalid: none).
    void setOutline(const QColor &c);
    // A control of the same window that lies over the text, in the room its first run of spaces
    // leaves: where that room is too narrow for it in the label's font, the words after the run
    // start right of the control, so that every letter shows. The text itself stays as it is.
    void keepClearOf(QWidget *cover);
    // True when the text shows whole in the label's font: no stroke of it cut off.
    bool textFits() const;
    // What a screen reader is told of the text besides the text itself, made from the text as it
    // is when it is read (a ranking line's columns by name); none when not set.
    std::function<QString(const QString &)> describe;
    // Where the label shows anything: all of it, or only the box of its text when it is
    // transparent and unframed.
    QRect drawnArea() const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    // Where the words after the first run of spaces start, when they must move right of the
    // cover; -1 when the text is drawn as one piece. `head` and `tail` are the two pieces.
    int clearedTail(const QRect &textRect, QString &head, QString &tail) const;
    // The caption's pieces, each with the rectangle it is drawn in: the whole text, or the words
    // before the first run of spaces and those after it, right of the cover.
    QVector<QPair<QRect, QString>> captionPieces() const;
    int textFlags() const;  // how the text lies in its area: wrapped at words, or one right-aligned line
    int pieceFlags() const; // how each piece is drawn in its rectangle (a right-aligned one from its left)

    QPointer<QWidget> m_cover;
    QRect textArea() const; // where the text is drawn, inside the frame

    QString m_text;
    QColor m_back{Qt::white};
    QColor m_fore{Qt::black};
    bool m_transparent = false;
    bool m_border = false;
    Qt::Alignment m_align = Qt::AlignLeft | Qt::AlignTop;
    QColor m_outline;
};

// A picture shown at its size or stretched to the box; most are hidden picture stores.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);

    QImage picture() const;
    void setPicture(const QImage &picture);
    // A picture of `size` read by `read` only when it is first shown or asked for.
    void setPicture(QSize size, std::function<QImage()> read);
    void setStretch(bool on);
    void setBorder(bool on);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    mutable QImage m_picture;
    mutable std::function<QImage()> m_read; // the picture not read yet
    bool m_stretch = false;
    bool m_border = false;
};

// A rectangle outline (optionally filled), or a straight line.
class OutlineShape : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Rectangle, Line };
    explicit OutlineShape(Kind kind, QWidget *parent = nullptr);

    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &c);
    int borderWidth() const { return m_width; }
    void setBorderWidth(int w);
    void setFill(const QColor &c); // invalid colour = transparent inside
    // For a line: its end points in the parent's pixels.
    void setLine(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Kind m_kind;
    QColor m_border{Qt::black};
    QColor m_fill;
    int m_width = 1;
    QPoint m_from, m_to;
};

// A single-line entry with a per-character filter on typed and pasted text.
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit FilteredLineEdit(QWidget *parent = nullptr);
    // Returns the character code to insert, 0 to drop it; 13 is Enter.
    std::function<int(int)> keyFilter;

    // Types one character through the filter, as a key press would.
    void typeChar(QChar c);
    // Pastes text: each character goes through the filter.
    void pasteText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

} // namespace nuyo
