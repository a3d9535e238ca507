#include "startup/displaycheck.h"
#include "startup/platform.h"

#include "startup/startupmessages.h"

#include <cstring>
#include <xcb/xcb.h>

namespace nuyo {

namespace {

bool choosesOnCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-')
            ++arg;
        if (std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "-display") == 0)
            return true;
    }
    return false;
}

} // namespace

bool opensX11DisplayOnly(const QByteArray &platform, const QByteArray &display, const QByteArray &sessionType,
                         bool commandLineChooses)
{
    if (display.isEmpty() || commandLineChooses)
        return false;
    if (platform.isEmpty())
        return sessionType != QByteArrayLiteral("wayland");
    // "xcb" or "xcb:options"; a list such as "xcb;wayland" has somewhere else to go.
    return platform == X11Platform || platform.startsWith(X11Platform + ':');
}

QString x11DisplayProblem(xcb_connection_t *connection)
{
    switch (const int error = xcb_connection_has_error(connection)) {
    case 0:
        return {};
    case XCB_CONN_CLOSED_PARSE_ERR:
        return QString::fromUtf8(StartupText::DisplayMalformed);
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return QString::fromUtf8(StartupText::DisplayNoScreen);
    case XCB_CONN_ERROR:
        return QString::fromUtf8(StartupText::DisplayRefused);
    default:
        return QString::fromUtf8(StartupText::DisplayOtherFault).arg(error);
    }
}

DisplayCheck::DisplayCheck(int argc, char **argv)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (!opensX11DisplayOnly(qgetenv("QT_QPA_PLATFORM"), display, qgetenv("XDG_SESSION_TYPE"),
                             choosesOnCommandLine(argc, argv)))
        return;
    m_connection = xcb_connect(display.constData(), nullptr);
    if (const QString problem = x11DisplayProblem(m_connection); !problem.isEmpty())
        m_message = QString::fromUtf8(StartupText::DisplayUnusable).arg(QString::fromLocal8Bit(display), problem);
}

void DisplayCheck::close()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}

} // namespace nuyo
