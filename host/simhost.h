// A host with a virtual clock: whole games run in simulated time, driven by scripted input.
#pragma once

#include "host/host.h"

#include <QStringList>
#include <deque>
#include <map>
#include <stdexcept>
#include <vector>

namespace nuyo {

// Thrown by the simulated host where the real one would end the process.
struct ApplicationEnded {
};

// Thrown when a wait could only end by input that no script will ever give.
struct SimulationStalled : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SimHost : public Host
{
public:
    struct Message {
        QString text;
        int style = 0;
        QString caption;
        double at = 0;
    };

    SimHost();
    ~SimHost() override;

    double now() const override { return m_clock; }
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
    quint32 clockSeed() override { return seed; }
    bool openDocument(const QString &path) override;
    [[noreturn]] void endApplication() override;

    // Scripted input: `action` runs when the clock reaches `t` (a paused game clock does not
    // hold it back).
    void at(double t, std::function<void()> action);
    void after(double dt, std::function<void()> action) { at(m_clock + dt, std::move(action)); }

    // Runs events until the clock reaches `t` (a top-level wait, as the idle event loop).
    void runUntil(double t, const std::function<bool()> &stop = {});

    // Pending scripted or timer actions.
    bool idle() const { return m_queue.empty(); }

    quint32 seed = 1;
    // Also pumps Qt's own events between actions (keeps widgets painted for screenshots).
    bool pumpQt = false;
    // Called whenever a dialog window is shown.
    std::function<void(QWidget *)> onDialog;
    // Answers a message box; by default OK, and Yes to a question.
    std::function<int(const Message &)> onMessage;

    std::vector<Message> messages;
    QStringList openedDocuments;
    bool documentsOpen = true;

private:
    friend class SimTimer;
    // Due time, then inputs and timer ticks before the game's steps of the same moment, then
    // the order of scheduling.
    struct Key {
        double t;
        bool step;
        quint64 seq;
        bool operator<(const Key &o) const
        {
            if (t != o.t)
                return t < o.t;
            if (step != o.step)
                return !step;
            return seq < o.seq;
        }
    };
    struct Entry {
        std::function<void()> action;
        bool clocked = false; // a timer's tick or a step: held while the game's clock is paused
    };
    quint64 enqueue(double t, bool step, bool clocked, std::function<void()> action);
    void remove(quint64 seq);
    bool runNext(double limit);

    double m_clock = 0;
    quint64 m_seq = 0;
    std::map<Key, Entry> m_queue;
    std::map<quint64, Key> m_keys;                   // every queued entry by its sequence number
    std::map<quint64, std::pair<Key, Entry>> m_held; // paused entries; Key::t is the time left
    int m_pauses = 0;
};

} // namespace nuyo
