#include "app/displayloss.h"

#include "ranking/rankingfile.h"
#include "startup/startupmessages.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace nuyo {

namespace {

// How Qt's X11 platform words it, both when its event reader finds the connection closed and
// when Xlib reports the broken connection.
const QString ConnectionBroke = QStringLiteral("The X11 connection broke");
constexpr int LostDisplayStatus = 1; // as Qt's own ending: the session broke, nobody asked to quit
// How long another thread that met the loss leaves the main thread to take up the ending, and
// then to finish it: a result may wait for the ranking file that long.
constexpr int HandOverSeconds = 5;
constexpr int EndingSeconds = int(LockWaitAtEnd.count()) + HandOverSeconds;

QtMessageHandler previousHandler = nullptr;
std::function<void()> keepPendingResult;
std::function<void()> releaseLock;
std::atomic<bool> ending{false};

[[noreturn]] void endNow()
{
    const QString line = QString::fromUtf8(StartupText::DisplayLost).arg(qEnvironmentVariable("DISPLAY"));
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    std::fflush(stderr);
    if (keepPendingResult)
        keepPendingResult(); // says itself what became of a result waiting for its name
    if (releaseLock)
        releaseLock();
    std::fflush(stderr);
    ::_exit(LostDisplayStatus);
}

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(ConnectionBroke)) {
        if (previousHandler)
            previousHandler(type, context, message);
        return;
    }
    const bool onMainThread =
        QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
    if (onMainThread) {
        if (ending.exchange(true))
            return; // met again inside the ending itself
        endNow();
    }
    // The game's state belongs to the main thread: it is asked to end the game, and meets the
    // broken connection itself at its next turn of the event loop anyway. Returning here would
    // let the caller end the process at once.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app,
            [] {
                if (!ending.exchange(true))
                    endNow();
            },
            Qt::QueuedConnection);
    }
    const timespec pause{1, 0};
    for (int waited = 0; waited < HandOverSeconds; ++waited)
        ::nanosleep(&pause, nullptr);
    // The main thread is stuck: only what is safe from here, the lock's file.
    if (!ending.exchange(true)) {
        if (releaseLock)
            releaseLock();
        ::_exit(LostDisplayStatus);
    }
    // The main thread is ending the game, and ends the process when it is done.
    for (int waited = 0; waited < EndingSeconds; ++waited)
        ::nanosleep(&pause, nullptr);
    ::_exit(LostDisplayStatus);
}

} // namespace

void endOnLostDisplay(std::function<void()> keepResult, std::function<void()> release)
{
    keepPendingResult = std::move(keepResult);
    releaseLock = std::move(release);
    previousHandler = qInstallMessageHandler(onMessage);
}

} // namespace nuyo
