// Where the game's windows open on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace nuyo {

// The top-left corner for a window whose frame measures `frame`: centred on the work area
// `area`, `raise` pixels above its middle, but never left of or above the area, so that the
// title bar and the window's corner stay on the screen when the window is larger than the area
// (a large display scale): it then hangs off the right and bottom edges instead.
QPoint placeOnWorkArea(const QRect &area, const QSize &frame, int raise = 0);

// Moves the top-level `window` there on the primary screen's work area.
void centreOnWorkArea(QWidget *window, const QSize &frame, int raise = 0);

} // namespace nuyo
