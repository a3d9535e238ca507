// Whether the X display the game is about to open can be opened, asked before Qt is: Qt's own
// answer to a display it cannot open is an abort that tells the player to reinstall.
#pragma once

#include <QByteArray>
#include <QString>

struct xcb_connection_t;

namespace nuyo {

// True when Qt will open its X11 platform and nothing else: QT_QPA_PLATFORM (`platform`, as the
// platform choice left it) names xcb alone, or is empty outside a Wayland session (Qt then tries
// Wayland first), with `display` set. A platform or display given on the command line is left to Qt.
bool opensX11DisplayOnly(const QByteArray &platform, const QByteArray &display, const QByteArray &sessionType,
                         bool commandLineChooses);

// Opens the session's X display the way Qt is about to, when it is the game's to check, and
// holds the connection until `close`: a server whose last client leaves starts afresh, and would
// turn Qt away while it does.
class DisplayCheck
{
public:
    DisplayCheck(int argc, char **argv);
    ~DisplayCheck() { close(); }
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // The message for standard error when the display cannot be opened; empty when it can, or
    // when it is not the game's to check.
    QString message() const { return m_message; }
    void close();

private:
    xcb_connection_t *m_connection = nullptr;
    QString m_message;
};

// Why the X display behind `connection` cannot be used; empty when it can.
QString x11DisplayProblem(xcb_connection_t *connection);

} // namespace nuyo
