#include "startup/displaycheck.h"
#include "startup/platform.h"

#include "startup/startupmessages.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>
#include <xcb/xcb.h>

namespace nuyo {

namespace {

const char *const PlatformVariable = "QT_QPA_PLATFORM";
const QByteArray UnnamedWaylandDisplay = QByteArrayLiteral("wayland-0");

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

QString text(const char *message)
{
    return QString::fromUtf8(message);
}

// Connects to the socket at `name` and lets go at once; 0 or the error.
int connectError(const QByteArray &name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path)
        return ENAMETOOLONG;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return errno;
    const int error = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

QString x11DisplayProblem(xcb_connection_t *connection)
{
    switch (const int error = xcb_connection_has_error(connection)) {
    case 0:
        return {};
    case XCB_CONN_CLOSED_PARSE_ERR:
        return text(StartupText::DisplayMalformed);
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return text(StartupText::DisplayNoScreen);
    case XCB_CONN_ERROR:
        return text(StartupText::DisplayRefused);
    default:
        return text(StartupText::DisplayOtherFault).arg(error);
    }
}

QString waylandSocketPath(const QByteArray &name, const QByteArray &runtimeDir)
{
    const QByteArray display = name.isEmpty() ? UnnamedWaylandDisplay : name;
    if (display.startsWith('/'))
        return QFile::decodeName(display);
    if (runtimeDir.isEmpty())
        return {};
    return QFile::decodeName(runtimeDir + '/' + display);
}

QString waylandSocketProblem(const QString &path)
{
    if (path.isEmpty())
        return text(StartupText::WaylandNoRuntimeDir);
    const QByteArray name = QFile::encodeName(path);
    switch (const int error = connectError(name)) {
    case 0:
    case EAGAIN: // it listens, and is busy
        return {};
    case ENOENT:
        return text(StartupText::WaylandNoSocket);
    case ECONNREFUSED: {
        struct stat st {
        };
        const bool socket = ::stat(name.constData(), &st) == 0 && S_ISSOCK(st.st_mode);
        return text(socket ? StartupText::WaylandNotListening : StartupText::WaylandNotASocket);
    }
    default:
        return text(StartupText::WaylandOtherFault).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

DisplayCheck::DisplayCheck(int argc, char **argv) : m_userPlatform(qgetenv(PlatformVariable))
{
    if (choosesOnCommandLine(argc, argv))
        return;
    const QByteArray display = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (m_userPlatform.isEmpty() && display.isEmpty() && wayland.isEmpty()) {
        m_message = text(StartupText::NoDisplay);
        return;
    }
    const QList<QByteArray> candidates = platformCandidates(m_userPlatform, display, wayland);
    if (candidates.size() == 1 && displayKind(candidates.front()) == DisplayKind::X11 && !display.isEmpty())
        m_leftToQt = candidates.front(); // nothing to choose: Qt opens it, and lateMessage asks why
    const PlatformChoice choice = m_leftToQt.isEmpty()
                                      ? choosePlatform(candidates, [this](const QByteArray &p) { return problem(p); })
                                      : PlatformChoice{m_leftToQt, {}};
    const QString refusals = choice.refusals.join(text(StartupText::DisplayNor));
    if (choice.platform.isEmpty()) {
        m_message = text(StartupText::DisplayUnusable).arg(refusals);
        return;
    }
    if (!refusals.isEmpty())
        m_note = text(StartupText::DisplayInstead).arg(refusals, name(choice.platform));
    if (choice.platform != m_userPlatform) {
        qputenv(PlatformVariable, choice.platform);
        m_platformSet = true;
    }
}

QString DisplayCheck::name(const QByteArray &platform) const
{
    switch (displayKind(platform)) {
    case DisplayKind::X11:
        return text(StartupText::XDisplayNamed).arg(qEnvironmentVariable("DISPLAY"));
    case DisplayKind::Wayland: {
        const QString path = waylandSocketPath(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_RUNTIME_DIR"));
        return text(StartupText::WaylandDisplayNamed)
            .arg(path.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : path);
    }
    case DisplayKind::Other:
        break;
    }
    return text(StartupText::PlatformNamed).arg(QString::fromLocal8Bit(platform));
}

QString DisplayCheck::problem(const QByteArray &platform)
{
    QString why;
    if (displayKind(platform) == DisplayKind::Wayland) {
        // A compositor that started the game may hand it its connection instead of a name.
        if (qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
            why = waylandSocketProblem(waylandSocketPath(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_RUNTIME_DIR")));
    } else if (displayKind(platform) == DisplayKind::X11 && qEnvironmentVariableIsEmpty("DISPLAY")) {
        why = text(StartupText::DisplayUnset);
    } else if (displayKind(platform) == DisplayKind::X11 && !m_connection) {
        int screen = 0; // asked for, so that a screen the server lacks is refused as Qt refuses it
        m_connection = xcb_connect(qgetenv("DISPLAY").constData(), &screen);
        why = x11DisplayProblem(m_connection);
        if (!why.isEmpty()) {
            xcb_disconnect(m_connection);
            m_connection = nullptr;
        }
    }
    return why.isEmpty() ? why : name(platform) + QStringLiteral(": ") + why;
}

QString DisplayCheck::lateMessage()
{
    if (m_leftToQt.isEmpty())
        return {};
    const QString why = problem(m_leftToQt);
    close();
    return why.isEmpty() ? why : text(StartupText::DisplayUnusable).arg(why);
}

void DisplayCheck::close()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
    if (!m_platformSet)
        return;
    m_platformSet = false;
    if (m_userPlatform.isEmpty())
        qunsetenv(PlatformVariable);
    else
        qputenv(PlatformVariable, m_userPlatform);
}

namespace {

// What Qt said while it opened its display, held for the handler that was there before.
struct HeldMessage {
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

DisplayCheck *openingCheck = nullptr;
QtMessageHandler handlerBefore = nullptr;
std::vector<HeldMessage> held;

void passOnHeld()
{
    for (const HeldMessage &m : std::exchange(held, {})) {
        const QMessageLogContext context(m.file, m.line, m.function, m.category);
        handlerBefore(m.type, context, m.text);
    }
}

// Only the thread that builds the application logs while Qt opens its display.
void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QString why = openingCheck->lateMessage();
        if (!why.isEmpty()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(why));
            std::_Exit(1);
        }
        passOnHeld();
        handlerBefore(type, context, message);
        return;
    }
    held.push_back({type, context.file, context.line, context.function, context.category, message});
}

} // namespace

DisplayOpening::DisplayOpening(DisplayCheck &check)
{
    openingCheck = &check;
    handlerBefore = qInstallMessageHandler(holdWhileOpening);
}

void DisplayOpening::done()
{
    if (!openingCheck)
        return;
    qInstallMessageHandler(handlerBefore);
    passOnHeld();
    openingCheck = nullptr;
}

} // namespace nuyo
