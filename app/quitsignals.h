// Ending the game when the desktop asks it to: SIGTERM, SIGINT and SIGHUP (a logout, a closed
// terminal) end it the way "終了" does, without dialogs.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QSocketNotifier;

class QWidget;

namespace nuyo {

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
    // `mainWindow` says which window that is now (null: none); `onLost` ends the game.
    MainWindowWatch(std::function<QWidget *()> mainWindow, std::function<void()> onLost)
        : m_mainWindow(std::move(mainWindow)), m_onLost(std::move(onLost))
    {}
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    std::function<QWidget *()> m_mainWindow;
    std::function<void()> m_onLost;
};

} // namespace nuyo
