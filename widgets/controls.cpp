#include "widgets/controls.h"
#include "widgets/finepictures.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QtMath>
#include <utility>

namespace nuyo {

namespace {

int vbButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// Tells a screen reader that a control's caption, and so its accessible name, changed.
void announceNameChange(QWidget *w)
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// True when `text` drawn in `font` with `flags` in `area` (which clips it) loses no ink: drawn
// unclipped on a canvas with room all round, its ink stays inside the area, give or take the
// one pixel of a glyph's smoothed edge.
bool inkFits(const QFont &font, const QRect &area, int flags, const QString &text)
{
    const QFontMetrics metrics(font);
    const int room = metrics.height();
    const QRect kept = area.adjusted(-1, -1, 1, 1);
    const QRect canvasRect = metrics.boundingRect(area, flags, text).united(area).adjusted(-room, -room, room, room);
    QImage canvas(canvasRect.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.translate(-canvasRect.topLeft());
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(area, flags | Qt::TextDontClip, text);
    p.end();
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(line[x]) && !kept.contains(canvasRect.topLeft() + QPoint(x, y)))
                return false;
    }
    return true;
}

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

void drawFrame(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void drawBevel(QPainter &p, const QRect &r, bool sunken)
{
    const QColor light(255, 255, 255), mid(160, 160, 160), dark(64, 64, 64);
    drawFrame(p, r, sunken ? mid : light, sunken ? light : dark);
    drawFrame(p, r.adjusted(1, 1, -1, -1), sunken ? dark : QColor(228, 228, 228), sunken ? QColor(228, 228, 228) : mid);
}

// ---- ColourButton ----

ColourButton::ColourButton(QWidget *parent) : QWidget(parent), m_back(212, 208, 200)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourButton::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
    announceNameChange(this);
}

QRect ColourButton::textArea() const
{
    return rect().adjusted(3, 3, -3, -3);
}

bool ColourButton::textFits() const
{
    return inkFits(font(), textArea(), CaptionFlags, m_text);
}

void ColourButton::setBackColor(const QColor &c)
{
    m_back = c;
    update();
}

void ColourButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ColourButton::press(int button)
{
    if (!isEnabled() || !isVisible())
        return;
    // While a modal window is up, only its own controls take a press, as with a real mouse.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != window())
        return;
    Q_EMIT mouseDown(button);
    if (button == 1)
        Q_EMIT clicked();
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_back);
    drawBevel(p, r, m_down);
    const QPoint shift = m_down ? QPoint(1, 1) : QPoint();
    if (!m_picture.isNull()) {
        const QPoint at = r.center() - QPoint(m_picture.width() / 2, m_picture.height() / 2) + shift;
        // On a dense screen the same picture drawn at twice the pixels, in the same place.
        const QImage fine = devicePixelRatioF() > 1 ? finePicture(m_picture) : QImage();
        if (fine.isNull()) {
            p.drawImage(at, m_picture);
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(at, m_picture.size()), fine);
        }
    }
    if (!m_text.isEmpty()) {
        p.setFont(font());
        const QRect tr = textArea().translated(shift);
        // A window disabled for a moment (an animation) keeps its controls' looks; only a
        // control disabled itself greys its text.
        if (isEnabledTo(window())) {
            p.setPen(Qt::black);
            p.drawText(tr, CaptionFlags, m_text);
        } else {
            p.setPen(Qt::white);
            p.drawText(tr.translated(1, 1), CaptionFlags, m_text);
            p.setPen(QColor(128, 128, 128));
            p.drawText(tr, CaptionFlags, m_text);
        }
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void ColourButton::mousePressEvent(QMouseEvent *e)
{
    const int b = vbButton(e->button());
    if (e->button() == Qt::LeftButton) {
        m_down = true;
        update();
    }
    if (!b)
        return;
    const QPointer<ColourButton> self(this);
    Q_EMIT mouseDown(b);
    // The press's handler may have run for long, or shown a modal window that takes the release:
    // once the left button is up, or the release can no longer come here, the press is over and
    // the button stands raised again.
    const QWidget *modal = QApplication::activeModalWidget();
    if (self && m_down && (!(QGuiApplication::mouseButtons() & Qt::LeftButton) || (modal && modal != window())))
        setDown(false);
}

void ColourButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_down)
        return;
    setDown(false);
    if (rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

void ColourButton::keyPressEvent(QKeyEvent *e)
{
    // Space or Return presses a focused button as the left mouse button does, once however long
    // it is held.
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat())
            press(1);
        return;
    }
    QWidget::keyPressEvent(e);
}

void ColourButton::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled())
        m_down = false;
    QWidget::changeEvent(e);
    update();
}

void ColourButton::hideEvent(QHideEvent *e)
{
    // Hidden in the middle of a press (its window hidden for a new game): it comes back raised.
    setDown(false);
    QWidget::hideEvent(e);
}

void ColourButton::setDown(bool down)
{
    if (m_down == down)
        return;
    m_down = down;
    update();
}

// ---- TextLabel ----

TextLabel::TextLabel(QWidget *parent) : QWidget(parent) {}

void TextLabel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
    announceNameChange(this);
}

QRect TextLabel::textArea() const
{
    const QRect inside = m_border ? rect().adjusted(1, 1, -1, -1) : rect();
    return inside.adjusted(1, 0, -1, 0);
}

bool TextLabel::textFits() const
{
    return inkFits(font(), textArea(), textFlags(), m_text);
}

void TextLabel::setBackColor(const QColor &c)
{
    m_back = c;
    update();
}

void TextLabel::setForeColor(const QColor &c)
{
    m_fore = c;
    update();
}

void TextLabel::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TextLabel::setBorder(bool on)
{
    m_border = on;
    update();
}

void TextLabel::setOutline(const QColor &c)
{
    m_outline = c;
    update();
}

void TextLabel::setAlignment(Qt::Alignment a)
{
    m_align = a;
    update();
}

void TextLabel::keepClearOf(QWidget *cover)
{
    m_cover = cover;
    update();
}

int TextLabel::clearedTail(const QRect &textRect, QString &head, QString &tail) const
{
    if (!m_cover || !(m_align & Qt::AlignLeft))
        return -1;
    const int gap = int(m_text.indexOf(QLatin1String("  ")));
    if (gap <= 0)
        return -1;
    int after = gap;
    while (after < m_text.size() && m_text[after] == QLatin1Char(' '))
        ++after;
    if (after >= m_text.size())
        return -1;
    // The cover's right edge in this label's pixels, and a pixel of room beside it.
    constexpr int Room = 2;
    const QWidget *top = window();
    const int clear = mapFrom(top, m_cover->mapTo(top, QPoint(m_cover->width(), 0))).x() + Room;
    const QFontMetrics metrics(font());
    const int bearing = metrics.leftBearing(m_text[after]); // italic ink may start left of the pen
    const int natural = textRect.left() + metrics.horizontalAdvance(m_text.left(after));
    if (natural + bearing >= clear)
        return -1;
    head = m_text.left(gap);
    tail = m_text.mid(after);
    return clear - bearing;
}

QVector<QPair<QRect, QString>> TextLabel::captionPieces() const
{
    const QRect textRect = textArea();
    QString head, tail;
    const int tailX = clearedTail(textRect, head, tail);
    if (tailX < 0 && (m_align & Qt::AlignRight)) {
        // Drawn from a whole pixel, as a left-aligned text is, and ending at the right edge: a text
        // whose width ends in half a pixel would otherwise put every stroke half a pixel off, smudged.
        const int width = qCeil(QFontMetricsF(font()).horizontalAdvance(m_text));
        return {{textRect.adjusted(qMax(0, textRect.width() - width), 0, 0, 0), m_text}};
    }
    if (tailX < 0)
        return {{textRect, m_text}};
    return {{textRect, head}, {QRect(QPoint(tailX, textRect.top()), textRect.bottomRight()), tail}};
}

int TextLabel::textFlags() const
{
    return (m_align & Qt::AlignRight) ? int(m_align) : int(m_align) | Qt::TextWordWrap;
}

int TextLabel::pieceFlags() const
{
    return (m_align & Qt::AlignRight) ? int((m_align & ~Qt::AlignRight) | Qt::AlignLeft) : textFlags();
}

QRect TextLabel::drawnArea() const
{
    if (!m_transparent || m_border)
        return rect();
    QRect ink;
    const QFontMetrics metrics(font());
    for (const auto &[where, text] : captionPieces())
        if (!text.isEmpty())
            ink |= metrics.boundingRect(where, pieceFlags(), text);
    return m_outline.isValid() ? ink.adjusted(-1, -1, 1, 1) : ink;
}

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (!m_transparent)
        p.fillRect(r, m_back);
    if (m_border)
        drawFrame(p, r, Qt::black, Qt::black);
    p.setFont(font());
    const QVector<QPair<QRect, QString>> pieces = captionPieces();
    const int flags = pieceFlags();
    const auto drawCaption = [&](QPoint d) {
        for (const auto &[where, text] : pieces)
            p.drawText(where.translated(d), flags, text);
    };
    if (m_outline.isValid()) {
        // A thin halo keeps a transparent caption readable over a busy picture.
        p.setPen(m_outline);
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            drawCaption(d);
    }
    p.setPen(isEnabledTo(window()) ? m_fore : QColor(128, 128, 128));
    drawCaption(QPoint());
}

void TextLabel::mousePressEvent(QMouseEvent *e)
{
    // Taken here, so that the release comes back to the label as a click.
    e->accept();
}

void TextLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

// ---- ImageBox ----

ImageBox::ImageBox(QWidget *parent) : QWidget(parent) {}

QImage ImageBox::picture() const
{
    if (m_read)
        m_picture = std::exchange(m_read, nullptr)();
    return m_picture;
}

void ImageBox::setPicture(const QImage &picture)
{
    m_read = nullptr;
    m_picture = picture;
    if (!m_stretch && !picture.isNull())
        resize(picture.size());
    update();
}

void ImageBox::setPicture(QSize size, std::function<QImage()> read)
{
    m_picture = QImage();
    m_read = std::move(read);
    if (!m_stretch && size.isValid())
        resize(size);
    update();
}

void ImageBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageBox::setBorder(bool on)
{
    m_border = on;
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (m_border) {
        drawFrame(p, r, Qt::black, Qt::black);
        r.adjust(1, 1, -1, -1);
    }
    const QImage shown = picture();
    if (shown.isNull())
        return;
    // On a dense screen the picture's twin at twice the density shows the same shapes finer.
    const QImage fine = devicePixelRatioF() > 1 ? finePicture(shown) : QImage();
    if (m_stretch || !fine.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(m_stretch ? QRectF(r) : QRectF(r.topLeft(), shown.size()), fine.isNull() ? shown : fine);
    } else {
        p.drawImage(r.topLeft(), shown);
    }
}

void ImageBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

// ---- OutlineShape ----

OutlineShape::OutlineShape(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::setBorderColor(const QColor &c)
{
    m_border = c;
    update();
}

void OutlineShape::setBorderWidth(int w)
{
    m_width = std::max(1, w);
    update();
}

void OutlineShape::setFill(const QColor &c)
{
    m_fill = c;
    update();
}

void OutlineShape::setLine(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    const QRect box = QRect(from, to).normalized().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(box);
    update();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_kind == Line) {
        p.setPen(QPen(m_border, m_width));
        p.drawLine(m_from - pos(), m_to - pos());
        return;
    }
    const QRect r = rect();
    if (m_fill.isValid())
        p.fillRect(r, m_fill);
    // The outline lies inside the shape's rectangle, as wide as its border width.
    for (int i = 0; i < m_width; ++i)
        drawFrame(p, r.adjusted(i, i, -i, -i), m_border, m_border);
}

// ---- FilteredLineEdit ----

FilteredLineEdit::FilteredLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void FilteredLineEdit::typeChar(QChar c)
{
    int code = c.unicode();
    if (keyFilter)
        code = keyFilter(code);
    if (code == 13)
        return; // Enter inserts nothing
    if (code == 8) {
        backspace();
        return;
    }
    if (code <= 0 || code < 32)
        return;
    if (maxLength() > 0 && text().size() >= maxLength() && !hasSelectedText())
        return;
    insert(QString(QChar(code)));
}

void FilteredLineEdit::pasteText(const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue; // a pasted line break does not register the name
        typeChar(c);
    }
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        typeChar(QChar(13));
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        typeChar(QChar(8));
        return;
    }
    const QString t = e->text();
    if (!t.isEmpty() && t.at(0).isPrint()) {
        for (QChar c : t)
            typeChar(c);
        return;
    }
    // Cursor movement, selection and deletion keys edit as usual.
    QLineEdit::keyPressEvent(e);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent *e)
{
    // No input method: committed text still goes through the filter, one character at a time.
    const QString commit = e->commitString();
    e->setCommitString(QString());
    for (QChar c : commit)
        typeChar(c);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

} // namespace nuyo
