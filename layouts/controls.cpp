#include "layouts/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>

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

} // namespace

void drawBevel(QPainter &p, const QRect &r, bool sunken)
{
    const QColor light(255, 255, 255), mid(160, 160, 160), dark(64, 64, 64);
    const QColor tl1 = sunken ? mid : light, br1 = sunken ? light : dark;
    const QColor tl2 = sunken ? dark : QColor(228, 228, 228), br2 = sunken ? QColor(228, 228, 228) : mid;
    p.setPen(tl1);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(br1);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QRect i = r.adjusted(1, 1, -1, -1);
    p.setPen(tl2);
    p.drawLine(i.topLeft(), i.topRight() - QPoint(1, 0));
    p.drawLine(i.topLeft(), i.bottomLeft() - QPoint(0, 1));
    p.setPen(br2);
    p.drawLine(i.bottomLeft(), i.bottomRight());
    p.drawLine(i.topRight(), i.bottomRight());
}

namespace {} // namespace

// ---- VbButton ----

VbButton::VbButton(QWidget *parent) : QWidget(parent), m_back(212, 208, 200)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VbButton::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
}

void VbButton::setBackColor(const QColor &c)
{
    m_back = c;
    update();
}

void VbButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void VbButton::press(int button)
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

void VbButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_back);
    drawBevel(p, r, m_down);
    const QPoint shift = m_down ? QPoint(1, 1) : QPoint();
    if (!m_picture.isNull()) {
        const QPoint at = r.center() - QPoint(m_picture.width() / 2, m_picture.height() / 2) + shift;
        p.drawImage(at, m_picture);
    }
    if (!m_text.isEmpty()) {
        p.setFont(font());
        const QRect tr = r.adjusted(3, 3, -3, -3).translated(shift);
        // A window disabled for a moment (an animation) keeps its controls' looks; only a
        // control disabled itself greys its text.
        if (isEnabledTo(window())) {
            p.setPen(Qt::black);
            p.drawText(tr, Qt::AlignCenter | Qt::TextWordWrap, m_text);
        } else {
            p.setPen(Qt::white);
            p.drawText(tr.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, m_text);
            p.setPen(QColor(128, 128, 128));
            p.drawText(tr, Qt::AlignCenter | Qt::TextWordWrap, m_text);
        }
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void VbButton::mousePressEvent(QMouseEvent *e)
{
    const int b = vbButton(e->button());
    if (e->button() == Qt::LeftButton) {
        m_down = true;
        update();
    }
    if (!b)
        return;
    const QPointer<VbButton> self(this);
    Q_EMIT mouseDown(b);
    // The press's handler may have run for long, or shown a window that took the release: once
    // the left button is up, the press is over and the button stands raised again.
    if (self && m_down && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        setDown(false);
}

void VbButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_down)
        return;
    setDown(false);
    if (rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

void VbButton::keyPressEvent(QKeyEvent *e)
{
    // A key clicks a button as a push button's would; a press that only a mouse button makes
    // (the action button's) is never made by a key.
    if ((e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        Q_EMIT clicked();
        return;
    }
    QWidget::keyPressEvent(e);
}

void VbButton::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled())
        m_down = false;
    QWidget::changeEvent(e);
    update();
}

void VbButton::hideEvent(QHideEvent *e)
{
    // Hidden in the middle of a press (its window hidden for a new game): it comes back raised.
    setDown(false);
    QWidget::hideEvent(e);
}

void VbButton::setDown(bool down)
{
    if (m_down == down)
        return;
    m_down = down;
    update();
}

// ---- VbLabel ----

VbLabel::VbLabel(QWidget *parent) : QWidget(parent) {}

void VbLabel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
}

void VbLabel::setBackColor(const QColor &c)
{
    m_back = c;
    update();
}

void VbLabel::setForeColor(const QColor &c)
{
    m_fore = c;
    update();
}

void VbLabel::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void VbLabel::setBorder(bool on)
{
    m_border = on;
    update();
}

void VbLabel::setOutline(const QColor &c)
{
    m_outline = c;
    update();
}

void VbLabel::setAlignment(Qt::Alignment a)
{
    m_align = a;
    update();
}

void VbLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (!m_transparent)
        p.fillRect(r, m_back);
    if (m_border) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    p.setFont(font());
    if (m_outline.isValid()) {
        // A thin halo keeps a transparent caption readable over a busy picture.
        p.setPen(m_outline);
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            p.drawText(r.adjusted(1, 0, -1, 0).translated(d), int(m_align) | Qt::TextWordWrap, m_text);
    }
    p.setPen(isEnabledTo(window()) ? m_fore : QColor(128, 128, 128));
    p.drawText(r.adjusted(1, 0, -1, 0), int(m_align) | Qt::TextWordWrap, m_text);
}

void VbLabel::mousePressEvent(QMouseEvent *e)
{
    if (const int b = vbButton(e->button()))
        Q_EMIT mouseDown(b);
}

void VbLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

// ---- VbImage ----

VbImage::VbImage(QWidget *parent) : QWidget(parent) {}

void VbImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (!m_stretch && !picture.isNull())
        resize(picture.size());
    update();
}

void VbImage::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void VbImage::setBorder(bool on)
{
    m_border = on;
    update();
}

void VbImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (m_border) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    if (m_picture.isNull())
        return;
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, m_picture);
    } else {
        p.drawImage(r.topLeft(), m_picture);
    }
}

void VbImage::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

// ---- VbShape ----

VbShape::VbShape(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VbShape::setBorderColor(const QColor &c)
{
    m_border = c;
    update();
}

void VbShape::setBorderWidth(int w)
{
    m_width = std::max(1, w);
    update();
}

void VbShape::setFill(const QColor &c)
{
    m_fill = c;
    update();
}

void VbShape::setLine(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    const QRect box = QRect(from, to).normalized().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(box);
    update();
}

void VbShape::paintEvent(QPaintEvent *)
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
    for (int i = 0; i < m_width; ++i) {
        p.setPen(m_border);
        p.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
    }
}

// ---- VbTextBox ----

VbTextBox::VbTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // A result stays on one line; a long log scrolls with a slim bar that takes little room.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 7px; background: transparent; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 128, 90); border-radius: 3px; min-height: 16px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::ArrowCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFrameShape(QFrame::Box);
}

void VbTextBox::setBackColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Window, c);
    setLooks(pal);
}

void VbTextBox::setForeColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, c);
    setLooks(pal);
}

void VbTextBox::setLooks(QPalette pal)
{
    // The same in every state: the log never greys out while its window is busy.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        pal.setColor(QPalette::Inactive, r, pal.color(QPalette::Active, r));
        pal.setColor(QPalette::Disabled, r, pal.color(QPalette::Active, r));
    }
    setPalette(pal);
}

QString VbTextBox::text() const
{
    return m_text;
}

void VbTextBox::setText(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void VbTextBox::appendText(const QString &text)
{
    setText(m_text + text);
}

void VbTextBox::focusInEvent(QFocusEvent *e)
{
    QPlainTextEdit::focusInEvent(e);
    Q_EMIT gotFocus();
}

// ---- VbLineEdit ----

VbLineEdit::VbLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void VbLineEdit::typeChar(QChar c)
{
    int code = c.unicode();
    if (keyFilter)
        code = keyFilter(code);
    if (code == 13) {
        Q_EMIT enterPressed();
        return;
    }
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

void VbLineEdit::pasteText(const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue; // a pasted line break does not register the name
        typeChar(c);
    }
}

void VbLineEdit::keyPressEvent(QKeyEvent *e)
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

void VbLineEdit::inputMethodEvent(QInputMethodEvent *e)
{
    // No input method: committed text still goes through the filter, one character at a time.
    const QString commit = e->commitString();
    e->setCommitString(QString());
    for (QChar c : commit)
        typeChar(c);
}

void VbLineEdit::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

} // namespace nuyo
