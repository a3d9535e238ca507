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
            m_host.cancel(m_pendingKey);
            m_pending = false;
        }
    }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return m_interval; }

private:
    void arm()
    {
        m_pendingKey = m_host.schedule(m_host.now() + m_interval / 1000.0, [this] { fire(); });
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
    SimHost::Key m_pendingKey{0, 0};
};

SimHost::SimHost() = default;
SimHost::~SimHost() = default;

SimHost::Key SimHost::schedule(double t, std::function<void()> action)
{
    const Key key{std::max(t, m_clock), ++m_seq};
    m_queue.emplace(key, std::move(action));
    return key;
}

void SimHost::at(double t, std::function<void()> action)
{
    schedule(t, std::move(action));
}

bool SimHost::runNext(double limit)
{
    if (m_queue.empty())
        return false;
    auto it = m_queue.begin();
    if (it->first.t > limit)
        return false;
    m_clock = std::max(m_clock, it->first.t);
    auto action = std::move(it->second);
    m_queue.erase(it);
    ++m_depth;
    action();
    --m_depth;
    if (pumpQt)
        QCoreApplication::processEvents();
    return true;
}

void SimHost::doEvents()
{
    // Everything due by now, but nothing scheduled by these actions for now as well:
    // one round, as one pass of a real event loop.
    const quint64 last = m_seq;
    while (!m_queue.empty() && m_queue.begin()->first.t <= m_clock && m_queue.begin()->first.seq <= last)
        runNext(m_clock);
    if (pumpQt)
        QCoreApplication::processEvents();
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

void SimHost::showModal(QWidget *window)
{
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (onModal)
        onModal(window);
    waitFor(Forever, [window] { return !window->isVisible(); });
}

int SimHost::msgBox(const QString &text, int style, const QString &caption)
{
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
