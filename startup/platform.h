// Which Qt windowing platform the game starts on.
#pragma once

#include <QByteArray>

namespace nuyo {

// Qt's name of the X11 platform.
inline const QByteArray X11Platform = QByteArrayLiteral("xcb");

// The platform for a session, from its environment: the user's own QT_QPA_PLATFORM, else the X
// server when there is one (XWayland in a Wayland session, where every window can be placed
// where the game puts it), else native Wayland. Empty leaves the choice to Qt.
QByteArray choosePlatform(const QByteArray &userPlatform, const QByteArray &display, const QByteArray &waylandDisplay);

// Applies that choice to this process before the application object is built: sets
// QT_QPA_PLATFORM when the game chose and returns true, so that the caller can take the
// variable back once Qt has read it (programs the game opens choose for themselves).
bool applyPlatformChoice();

} // namespace nuyo
