#include "host/simhost.h"

#include <QCoreApplication>
#include <QWidget>
#include <cmath>

namespace nuyo {

class SimTimer : public HostTimer
{
public:
    SimTimer(SimHost &host, int intervalMs) : m_host(host), m_interval(intervalMs) {}
    ~SimTimer() override { setEnabled(false); }

    void setEnabled(bool on) override
    {
        if (on == m_enabled)
            return;
        m_enabled = on;
        if (on)
            arm();
        else if (m_pending) {
            m_host.remove(m_pendingSeq);
            m_pending = false;
        }
    }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return m_interval; }

private:
    void arm()
    {
        m_pendingSeq = m_host.enqueue(m_host.now() + m_interval / 1000.0, false, true, [this] { fire(); });
        m_pending = true;
    }
    void fire()
    {
        m_pending = false;
        if (!m_enabled)
            return;
        arm(); // the next tick is due one interval later, whatever this one does
        if (m_inTick || !onTick)
            return;
        m_inTick = true;
        onTick();
        m_inTick = false;
    }

    SimHost &m_host;
    int m_interval;
    bool m_enabled = false;
    bool m_inTick = false;
    bool m_pending = false;
    quint64 m_pendingSeq = 0;
};

SimHost::SimHost() = default;
SimHost::~SimHost() = default;

quint64 SimHost::enqueue(double t, bool step, bool clocked, std::function<void()> action)
{
    const Key key{std::max(t, m_clock), step, ++m_seq};
    if (clocked && m_pauses > 0) {
        m_held.emplace(key.seq, std::make_pair(Key{key.t - m_clock, step, key.seq}, Entry{std::move(action), true}));
        return key.seq;
    }
    m_queue.emplace(key, Entry{std::move(action), clocked});
    m_keys.emplace(key.seq, key);
    return key.seq;
}

void SimHost::remove(quint64 seq)
{
    if (auto it = m_keys.find(seq); it != m_keys.end()) {
        m_queue.erase(it->second);
        m_keys.erase(it);
    }
    m_held.erase(seq);
}

void SimHost::at(double t, std::function<void()> action)
{
    enqueue(t, false, false, std::move(action));
}

Host::StepId SimHost::schedule(double seconds, std::function<void()> step)
{
    return enqueue(m_clock + std::max(0.0, seconds), true, true, std::move(step));
}

Host::StepId SimHost::scheduleUnpaused(double seconds, std::function<void()> step)
{
    return enqueue(m_clock + std::max(0.0, seconds), true, false, std::move(step));
}

void SimHost::cancel(StepId step)
{
    remove(step);
}

void SimHost::pauseClock()
{
    if (m_pauses++ > 0)
        return;
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (!it->second.clocked) {
            ++it;
            continue;
        }
        const Key &k = it->first;
        m_held.emplace(k.seq, std::make_pair(Key{k.t - m_clock, k.step, k.seq}, std::move(it->second)));
        m_keys.erase(k.seq);
        it = m_queue.erase(it);
    }
}

void SimHost::resumeClock()
{
    if (m_pauses == 0 || --m_pauses > 0)
        return;
    // Back in the queue in their old order, each with the time it had left.
    for (auto &[seq, held] : m_held) {
        const Key key{m_clock + held.first.t, held.first.step, seq};
        m_queue.emplace(key, std::move(held.second));
        m_keys.emplace(seq, key);
    }
    m_held.clear();
}

bool SimHost::runNext(double limit)
{
    if (m_queue.empty())
        return false;
    auto it = m_queue.begin();
    if (it->first.t > limit)
        return false;
    m_clock = std::max(m_clock, it->first.t);
    auto action = std::move(it->second.action);
    m_keys.erase(it->first.seq);
    m_queue.erase(it);
    action();
    if (pumpQt)
        QCoreApplication::processEvents();
    return true;
}

void SimHost::waitFor(double seconds, const std::function<bool()> &stop)
{
    if (!(seconds > 0))
        return;
    const double deadline = m_clock + seconds;
    for (;;) {
        if (!runNext(deadline)) {
            if (std::isinf(deadline))
                throw SimulationStalled("a wait without end, and no input will ever come");
            m_clock = deadline;
            return;
        }
        if (stop && stop())
            return;
        if (m_clock >= deadline)
            return;
    }
}

void SimHost::runUntil(double t, const std::function<bool()> &stop)
{
    while (runNext(t)) {
        if (stop && stop())
            return;
    }
    if (!stop || !stop())
        m_clock = std::max(m_clock, t);
}

std::unique_ptr<HostTimer> SimHost::createTimer(int intervalMs)
{
    return std::make_unique<SimTimer>(*this, intervalMs);
}

void SimHost::showDialog(QWidget *window)
{
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (onDialog)
        onDialog(window);
}

int SimHost::msgBox(const QString &text, int style, const QString &caption)
{
    // Answered at once: the game's clock has no time to pause for.
    Message m{text, style, caption, m_clock};
    messages.push_back(m);
    if (onMessage)
        return onMessage(m);
    return (style & 0x7) == MsgBox::YesNo ? MsgBox::Yes : MsgBox::Ok;
}

bool SimHost::openDocument(const QString &path)
{
    openedDocuments << path;
    return documentsOpen;
}

void SimHost::endApplication()
{
    throw ApplicationEnded{};
}

} // namespace nuyo
