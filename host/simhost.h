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
    void doEvents() override;
    void waitFor(double seconds, const std::function<bool()> &stop = {}) override;
    std::unique_ptr<HostTimer> createTimer(int intervalMs) override;
    void showModal(QWidget *window) override;
    int msgBox(const QString &text, int style, const QString &caption) override;
    quint32 clockSeed() override { return seed; }
    bool openDocument(const QString &path) override;
    [[noreturn]] void endApplication() override;

    // Scripted input: `action` runs when the clock reaches `t`, inside whatever wait is running.
    void at(double t, std::function<void()> action);
    void after(double dt, std::function<void()> action) { at(m_clock + dt, std::move(action)); }

    // Runs events until the clock reaches `t` (a top-level wait, as the idle event loop).
    void runUntil(double t, const std::function<bool()> &stop = {});

    // Pending scripted or timer actions.
    bool idle() const { return m_queue.empty(); }

    quint32 seed = 1;
    // Also pumps Qt's own events between actions (keeps widgets painted for screenshots).
    bool pumpQt = false;
    // Called whenever a modal window is shown, before its wait begins.
    std::function<void(QWidget *)> onModal;
    // Answers a message box; by default OK, and Yes to a question.
    std::function<int(const Message &)> onMessage;

    std::vector<Message> messages;
    QStringList openedDocuments;
    bool documentsOpen = true;

private:
    friend class SimTimer;
    struct Key {
        double t;
        quint64 seq;
        bool operator<(const Key &o) const { return t < o.t || (t == o.t && seq < o.seq); }
    };
    Key schedule(double t, std::function<void()> action);
    void cancel(const Key &key) { m_queue.erase(key); }
    bool runNext(double limit);

    double m_clock = 0;
    quint64 m_seq = 0;
    std::map<Key, std::function<void()>> m_queue;
    int m_depth = 0;
};

} // namespace nuyo
