#include "startup/platform.h"

#include <QtGlobal>

namespace nuyo {

namespace {

const char *const PlatformVariable = "QT_QPA_PLATFORM";
const QByteArray WaylandPlatform = QByteArrayLiteral("wayland");

} // namespace

QByteArray choosePlatform(const QByteArray &userPlatform, const QByteArray &display, const QByteArray &waylandDisplay)
{
    if (!userPlatform.isEmpty())
        return userPlatform;
    if (waylandDisplay.isEmpty())
        return {}; // an X session, or nothing: Qt's own choice holds
    if (!display.isEmpty())
        return X11Platform;
    return WaylandPlatform;
}

bool applyPlatformChoice()
{
    const QByteArray user = qgetenv(PlatformVariable);
    const QByteArray chosen = choosePlatform(user, qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    if (!user.isEmpty() || chosen.isEmpty())
        return false;
    qputenv(PlatformVariable, chosen);
    return true;
}

} // namespace nuyo
