#include "widgets/logbox.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextLine>
#include <QWheelEvent>
#include <QtMath>
#include <qdrawutil.h>

#include <algorithm>
#include <climits>

namespace nuyo {

namespace {

constexpr int FrameWidth = 2; // the etched box: a dark line and a light one
constexpr qreal Margin = 4;   // between the box and the text, above the first line and below the last
constexpr int BarWidth = 7;   // the slim scroll bar, inside the box at its right edge
constexpr int HandleMinimum = 16;
constexpr qreal HandleRadius = 3;
const QColor HandleColour(0, 0, 128, 90); // a translucent navy over whatever lies behind the bar

// A line's height, its leading included: a negative leading draws lines closer by whole pixels.
qreal heightOf(const QTextLayout &layout)
{
    const QTextLine l = layout.lineAt(0);
    return l.height() + (l.leading() < 0 ? qCeil(l.leading()) : 0);
}

// The game's text, CR LF between lines, as the lines it shows.
QStringList linesOf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
}

} // namespace

LogBox::LogBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    layOut(linesOf(m_text));
}

LogBox::~LogBox() = default;

void LogBox::setBackColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Window, c);
    setLooks(pal);
}

void LogBox::setForeColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, c);
    setLooks(pal);
}

void LogBox::setLooks(QPalette pal)
{
    // The same in every state: the log never greys out while its window is busy.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        pal.setColor(QPalette::Inactive, r, pal.color(QPalette::Active, r));
        pal.setColor(QPalette::Disabled, r, pal.color(QPalette::Active, r));
    }
    setPalette(pal);
}

void LogBox::setText(const QString &text)
{
    // Only a screen reader listening is told what the log said before.
    const bool told = QAccessible::isActive();
    const QString before = told ? shownText() : QString();
    m_text = text;
    layOut(linesOf(text));
    // New text is shown from its start, then scrolled as little as brings its end into sight.
    m_top = 0;
    m_shift = 0;
    scrollToEnd();
    keepEndInSight();
    update();
    if (told) {
        QAccessibleTextUpdateEvent changed(this, 0, before, shownText());
        QAccessible::updateAccessibility(&changed);
    }
}

void LogBox::appendText(const QString &text)
{
    setText(m_text + text);
}

void LogBox::layOut(const QStringList &lines)
{
    // A line already laid out in the same place is kept: the log mostly grows at its end.
    std::vector<std::unique_ptr<QTextLayout>> layouts(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i < m_lines.size() && m_lines[i] == lines[i] && m_layouts[size_t(i)])
            layouts[size_t(i)] = std::move(m_layouts[size_t(i)]);
        else
            layouts[size_t(i)] = layOutLine(lines[i]);
    }
    m_lines = lines;
    m_layouts = std::move(layouts);
    m_widest = 0;
    for (const auto &layout : m_layouts)
        m_widest = std::max(m_widest, layout->lineAt(0).naturalTextWidth() + 2 * Margin);
}

std::unique_ptr<QTextLayout> LogBox::layOutLine(const QString &line)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    auto layout = std::make_unique<QTextLayout>(line, font(), this);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine l = layout->createLine();
    l.setLeadingIncluded(true);
    l.setLineWidth(INT_MAX / 2);
    l.setPosition(QPointF(Margin, 0));
    layout->endLayout();
    return layout;
}

int LogBox::lastTopLine() const
{
    // As many lines from the end as fit between the margins; the last one's margin goes with it.
    const qreal room = height() - 2 * FrameWidth - Margin - 1;
    const int n = int(m_layouts.size());
    qreal y = Margin;
    int fit = 0;
    for (int i = n - 1; i >= 0; --i) {
        y += heightOf(*m_layouts[size_t(i)]);
        if (y > room)
            break;
        ++fit;
    }
    return std::max(0, n - fit);
}

int LogBox::linesInSight() const
{
    return int(m_layouts.size()) - lastTopLine();
}

QRect LogBox::textArea() const
{
    const int bar = lastTopLine() > 0 ? BarWidth : 0;
    return rect().adjusted(FrameWidth, FrameWidth, -FrameWidth - bar, -FrameWidth);
}

QRect LogBox::barArea() const
{
    return QRect(width() - FrameWidth - BarWidth, FrameWidth, BarWidth, std::max(0, height() - 2 * FrameWidth));
}

QRect LogBox::handle() const
{
    const int range = lastTopLine();
    const QRect groove = barArea();
    const int page = linesInSight();
    const int length =
        std::min(std::max(int(qint64(page) * groove.height() / (range + page)), HandleMinimum), groove.height());
    const int at = QStyle::sliderPositionFromValue(0, range, m_top, groove.height() - length);
    return QRect(groove.x(), groove.y() + at, groove.width(), length);
}

qreal LogBox::lineTop(int line) const
{
    // The first line keeps the margin above it; scrolled, the top line starts at the very top.
    qreal y = m_top == 0 ? Margin : 0;
    for (int i = m_top; i < line; ++i)
        y += heightOf(*m_layouts[size_t(i)]);
    return y;
}

void LogBox::scrollToEnd()
{
    const int last = int(m_layouts.size()) - 1;
    const qreal room = textArea().height();
    if (lineTop(last) + heightOf(*m_layouts[size_t(last)]) < room)
        return; // the end is in sight already
    // The first line from which the rest fits, the last one ending at the bottom or above it.
    int top = last;
    qreal h = heightOf(*m_layouts[size_t(last)]);
    while (h < room && top > 0) {
        --top;
        h += heightOf(*m_layouts[size_t(top)]);
    }
    if (h + (top == 0 ? Margin : 0) > room && top < last)
        ++top;
    setTop(top);
}

void LogBox::scrollPage(int direction)
{
    const qreal room = textArea().height();
    const int n = int(m_layouts.size());
    const qreal shownTop = m_top == 0 ? -Margin : 0;
    int top = m_top;
    if (direction > 0) {
        // Down to the first line not wholly in sight.
        qreal h = 0;
        for (;;) {
            const qreal lineHeight = heightOf(*m_layouts[size_t(top)]) + (top == n - 1 ? Margin : 0);
            if (h + lineHeight > shownTop + room)
                break;
            if (top == n - 1)
                return; // the end is in sight
            h += lineHeight;
            ++top;
        }
    } else {
        // Up by what is in sight: the line just below the one that reaches above the page.
        const qreal pageTop = shownTop - room;
        qreal h = 0;
        while (h >= pageTop && top > 0) {
            --top;
            h -= heightOf(*m_layouts[size_t(top)]);
        }
        if (h < pageTop && top + 1 < m_top)
            ++top;
    }
    setTop(top);
}

int LogBox::furthestShift() const
{
    return std::max(0, int(m_widest) - textArea().width());
}

void LogBox::keepEndInSight()
{
    // A last line too long for the box is shifted left until its end shows, as far as the widest
    // line and its margins allow.
    m_shift = std::clamp(m_shift, 0, furthestShift());
    const QTextLine last = m_layouts.back()->lineAt(0);
    const int end = qRound(last.cursorToX(last.textLength())) - m_shift;
    const int width = textArea().width();
    if (end < 0 || end > width - 1)
        m_shift = end + m_shift - width / 2;
    m_shift = std::clamp(m_shift, 0, furthestShift());
}

void LogBox::setTop(int top)
{
    top = std::clamp(top, 0, lastTopLine());
    if (top == m_top)
        return;
    m_top = top;
    update();
}

void LogBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    qDrawShadeRect(&p, rect(), palette(), true, 1, 0);
    const QRect area = textArea();
    p.fillRect(area, palette().color(QPalette::Base));
    p.save();
    p.setClipRect(area);
    p.setPen(palette().color(QPalette::Text));
    qreal y = m_top == 0 ? Margin : 0;
    for (size_t i = size_t(m_top); i < m_layouts.size() && y <= area.height(); ++i) {
        m_layouts[i]->draw(&p, QPointF(area.left() - m_shift, area.top() + y));
        y += heightOf(*m_layouts[i]);
    }
    p.restore();
    if (lastTopLine() > 0) {
        QPainterPath path;
        path.addRoundedRect(QRectF(handle()), HandleRadius, HandleRadius);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(path, HandleColour);
    }
}

void LogBox::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange) {
        m_lines.clear(); // every line laid out again in the new font
        layOut(linesOf(m_text));
        setTop(m_top);
        m_shift = std::clamp(m_shift, 0, furthestShift());
        update();
    }
    QWidget::changeEvent(e);
}

void LogBox::resizeEvent(QResizeEvent *)
{
    setTop(m_top);
    m_shift = std::clamp(m_shift, 0, furthestShift());
}

void LogBox::wheelEvent(QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (lastTopLine() == 0 || delta == 0) {
        e->ignore();
        return;
    }
    // Three lines a notch as the desktop sets it, a part of a line kept for the next turn, and
    // never more than what is in sight at once.
    const qreal lines = QApplication::wheelScrollLines() * delta / 120.0;
    if (m_wheelRest * lines < 0)
        m_wheelRest = 0;
    m_wheelRest += lines;
    const int page = linesInSight();
    const int steps = std::clamp(int(m_wheelRest), -page, page);
    m_wheelRest -= int(m_wheelRest);
    setTop(m_top - steps);
    e->accept();
}

void LogBox::mousePressEvent(QMouseEvent *e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() != Qt::LeftButton || lastTopLine() == 0 || !barArea().contains(at)) {
        QWidget::mousePressEvent(e);
        return;
    }
    const QRect h = handle();
    if (h.contains(at))
        m_dragFrom = at.y() - h.top();
    else
        scrollPage(at.y() < h.top() ? -1 : 1);
}

void LogBox::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragFrom < 0)
        return;
    const QRect groove = barArea();
    const int span = groove.height() - handle().height();
    setTop(QStyle::sliderValueFromPosition(0, lastTopLine(), int(e->position().y()) - m_dragFrom - groove.top(), span));
}

void LogBox::mouseReleaseEvent(QMouseEvent *e)
{
    m_dragFrom = -1;
    QWidget::mouseReleaseEvent(e);
}

void LogBox::focusInEvent(QFocusEvent *e)
{
    QWidget::focusInEvent(e);
    Q_EMIT gotFocus();
}

} // namespace nuyo
