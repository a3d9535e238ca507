#include "app/quitsignals.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nuyo {

namespace {

// The handler's only work: one byte into this socket, read back by the event loop.
int quitPipe[2] = {-1, -1};

constexpr int QuitSignalNumbers[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onQuitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(quitPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit) : m_onQuit(std::move(onQuit))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, quitPipe) != 0)
        return; // the signals keep their default action: the game simply ends
    m_notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(quitPipe[0], bytes, sizeof bytes) > 0) {
        }
        if (m_onQuit)
            m_onQuit();
    });
    struct sigaction action {
    };
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : QuitSignalNumbers)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    for (int signal : QuitSignalNumbers)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    for (int &fd : quitPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

namespace {

// The X11 DestroyNotify event as it arrives: its layout is fixed by the X protocol.
struct DestroyNotify {
    quint8 responseType; // 17; the top bit marks an event sent by another client
    quint8 pad;
    quint16 sequence;
    quint32 event;
    quint32 window;
};
constexpr quint8 DestroyNotifyType = 17;

} // namespace

bool MainWindowWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *e = static_cast<const DestroyNotify *>(message);
    if ((e->responseType & 0x7f) != DestroyNotifyType)
        return false;
    // The game's own windows are destroyed only after they are unloaded (the main window is then
    // gone), and a window made afresh has a new id: this is somebody else's doing.
    QWidget *main = m_mainWindow ? m_mainWindow() : nullptr;
    if (!main || !main->testAttribute(Qt::WA_WState_Created) || WId(e->window) != main->internalWinId())
        return false;
    QTimer::singleShot(0, [onLost = m_onLost] {
        if (onLost)
            onLost();
    });
    return false;
}

} // namespace nuyo
