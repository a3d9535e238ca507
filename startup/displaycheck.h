// Whether the displays the game may open answer, asked before Qt is: Qt's own answer to a display
// it cannot open is an abort that tells the player to reinstall.
#pragma once

#include <QByteArray>
#include <QString>

struct xcb_connection_t;

namespace nuyo {

// Chooses the platform (startup/platform.h) by opening the displays the way Qt is about to, and
// holds the X connection until `close`: a server whose last client leaves starts afresh, and would
// turn Qt away while it does. A platform or display given on the command line is left to Qt.
class DisplayCheck
{
public:
    DisplayCheck(int argc, char **argv);
    ~DisplayCheck() { close(); }
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // The line for standard error when no display answers (the game ends with status 1); empty
    // when one does.
    QString message() const { return m_message; }
    // The line for standard error when a display was passed over for another; the game goes on.
    QString note() const { return m_note; }
    // Qt has opened its display: the check's connection goes, and QT_QPA_PLATFORM is given back
    // as the user left it (programs the game opens choose for themselves).
    void close();

private:
    QString problem(const QByteArray &platform); // names the platform's display; why it does not answer
    QString name(const QByteArray &platform) const;

    xcb_connection_t *m_connection = nullptr;
    QString m_message;
    QString m_note;
    QByteArray m_userPlatform;
    bool m_platformSet = false;
};

// Why the X display behind `connection` cannot be used; empty when it can.
QString x11DisplayProblem(xcb_connection_t *connection);

// Where the Wayland display `name` listens (libwayland's rule: a path as it is, a name in
// `runtimeDir`, "wayland-0" when unnamed); empty when that cannot be known.
QString waylandSocketPath(const QByteArray &name, const QByteArray &runtimeDir);
// Why nothing answers at the Wayland socket `path`; empty when a compositor listens there.
QString waylandSocketProblem(const QString &path);

} // namespace nuyo
