// Whether the displays the game may open answer, asked before Qt is (or, for an X display that is
// the only one to try, once Qt has failed): Qt's own answer to a display it cannot open is an abort
// that tells the player to reinstall.
#pragma once

#include <QByteArray>
#include <QString>

struct xcb_connection_t;

namespace nuyo {

// Chooses the platform (startup/platform.h) by opening the displays the way Qt is about to, and
// holds the X connection until `close`: a server whose last client leaves starts afresh, and would
// turn Qt away while it does. A platform or display given on the command line is left to Qt. So is
// an X display that is the only one to try: Qt opens it anyway, and asked twice the start would
// wait for the server twice; `lateMessage` asks why only once Qt has given up (DisplayOpening).
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
    // Why the display left to Qt does not answer, asked now: the line for standard error, or empty
    // when it answers (or nothing was left to Qt).
    QString lateMessage();

private:
    QString problem(const QByteArray &platform); // names the platform's display; why it does not answer
    QString name(const QByteArray &platform) const;

    xcb_connection_t *m_connection = nullptr;
    QString m_message;
    QString m_note;
    QByteArray m_userPlatform;
    QByteArray m_leftToQt; // the platform whose display only Qt opens
    bool m_platformSet = false;
};

// Stands by while Qt opens its display. Should Qt give up on a display the check left to it, the
// check's line goes to standard error instead of Qt's abort, and the game ends with status 1. What
// Qt says meanwhile is held, and passed on at `done` (or on Qt's own abort, when the check finds
// nothing wrong with the display).
class DisplayOpening
{
public:
    explicit DisplayOpening(DisplayCheck &check);
    ~DisplayOpening() { done(); }
    DisplayOpening(const DisplayOpening &) = delete;
    DisplayOpening &operator=(const DisplayOpening &) = delete;

    void done();
};

// Why the X display behind `connection` cannot be used; empty when it can.
QString x11DisplayProblem(xcb_connection_t *connection);

// Where the Wayland display `name` listens (libwayland's rule: a path as it is, a name in
// `runtimeDir`, "wayland-0" when unnamed); empty when that cannot be known.
QString waylandSocketPath(const QByteArray &name, const QByteArray &runtimeDir);
// Why nothing answers at the Wayland socket `path`; empty when a compositor listens there.
QString waylandSocketProblem(const QString &path);

} // namespace nuyo
