// The host of a real game: the Qt event loop, QTimer, QMessageBox, the desktop.
#pragma once

#include "host/host.h"

#include <QElapsedTimer>
#include <map>
#include <set>

class QTimer;

namespace nuyo {

class RealHost : public Host
{
public:
    RealHost();

    ~RealHost() override;

    double now() const override;
    void waitFor(double seconds, const std::function<bool()> &stop = {}) override;
    std::unique_ptr<HostTimer> createTimer(int intervalMs) override;
    StepId schedule(double seconds, std::function<void()> step) override;
    StepId scheduleUnpaused(double seconds, std::function<void()> step) override;
    void cancel(StepId step) override;
    void pauseClock() override;
    void resumeClock() override;
    bool clockPaused() const override { return m_pauses > 0; }
    void showDialog(QWidget *window) override;
    int msgBox(const QString &text, int style, const QString &caption) override;
    quint32 clockSeed() override;
    bool openDocument(const QString &path) override;
    [[noreturn]] void endApplication() override;

    // Runs just before the process ends (the single-instance lock is given back there).
    std::function<void()> beforeExit;

private:
    friend class RealTimer;
    struct Step {
        QTimer *timer;
        std::function<void()> run;
        int msLeft = -1;     // while paused: the time it had left
        bool clocked = true; // held while the game's clock is paused
    };
    StepId addStep(double seconds, std::function<void()> run, bool clocked);
    QElapsedTimer m_clock;
    StepId m_lastStep = 0;
    std::map<StepId, Step> m_steps;
    std::set<class RealTimer *> m_timers;
    int m_pauses = 0;
};

} // namespace nuyo
