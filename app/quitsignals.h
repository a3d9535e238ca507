// Ending the game when the desktop asks it to: SIGTERM, SIGINT and SIGHUP (a logout, a closed
// terminal) end it the way "終了" does, without dialogs.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace nuyo {

struct App;

class QuitSignals : public QObject
{
    Q_OBJECT
public:
    // From now on the three signals call `onQuit` from the event loop (never inside the handler).
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals() override;

private:
    std::function<void()> m_onQuit;
    QSocketNotifier *m_notifier = nullptr;
};

// Ends the game quietly when another program destroys its main window: the game cannot go on
// without it, and would otherwise run on unseen, holding its lock.
class MainWindowWatch : public QAbstractNativeEventFilter
{
public:
    explicit MainWindowWatch(App &app) : m_app(app) {}
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    App &m_app;
};

} // namespace nuyo
