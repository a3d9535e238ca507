#include "layouts/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace nuyo {

QPoint placeOnWorkArea(const QRect &area, const QSize &frame, int raise)
{
    const int left = area.x() + (area.width() - frame.width()) / 2;
    const int top = area.y() + (area.height() - frame.height()) / 2 - raise;
    return {std::max(left, area.x()), std::max(top, area.y())};
}

void centreOnWorkArea(QWidget *window, const QSize &frame, int raise)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(placeOnWorkArea(screen->availableGeometry(), frame, raise));
}

} // namespace nuyo
