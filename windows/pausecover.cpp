#include "windows/pausecover.h"

#include <QMouseEvent>
#include <QPainter>

namespace nuyo {

namespace {
const QColor Veil(0, 0, 48, 150);
const QColor Words(255, 255, 255);
const QColor Halo(0, 0, 0);
} // namespace

PauseCover::PauseCover(QWidget *window, QWidget *pond, const QFont &font) : QWidget(window), m_pond(pond)
{
    setFont(font);
    setGeometry(window->rect());
    setVisible(false);
}

void PauseCover::setText(const QString &text)
{
    m_text = text;
    setAccessibleName(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    update();
}

void PauseCover::paintEvent(QPaintEvent *)
{
    if (!m_pond)
        return;
    QPainter p(this);
    const QRect pond = m_pond->geometry();
    p.fillRect(pond, Veil);
    p.setFont(font());
    // A thin halo keeps the words readable over bright water as well as dark.
    p.setPen(Halo);
    for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        p.drawText(pond.translated(d), Qt::AlignCenter | Qt::TextWordWrap, m_text);
    p.setPen(Words);
    p.drawText(pond, Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void PauseCover::mousePressEvent(QMouseEvent *e)
{
    e->accept(); // taken here, so that the release comes back as a click
}

void PauseCover::mouseReleaseEvent(QMouseEvent *)
{
    Q_EMIT clicked();
}

} // namespace nuyo
