#include "host/realhost.h"

#include "host/appinfo.h"
#include "host/eightbitbox.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace nuyo {

namespace {

// Runs the box and returns the standard button pressed. On a 256-colour X display, where Qt
// cannot paint it, the box is shown as a picture of itself in a plain X window.
int execBox(QMessageBox &box)
{
    if (onEightBitX()) {
        const QMessageBox::StandardButton pressed = execOnEightBitX(box);
        if (pressed != QMessageBox::NoButton)
            return pressed;
    }
    return box.exec();
}

} // namespace

class RealTimer : public HostTimer
{
public:
    RealTimer(RealHost &host, int intervalMs) : m_host(host), m_interval(intervalMs)
    {
        m_timer.setInterval(intervalMs);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_timer.interval() != m_interval) // the rest of an interval cut by a pause
                m_timer.start(m_interval);
            if (m_inTick || !onTick)
                return;
            m_inTick = true;
            onTick();
            m_inTick = false;
        });
        m_host.m_timers.insert(this);
    }
    ~RealTimer() override { m_host.m_timers.erase(this); }

    void setEnabled(bool on) override
    {
        if (on == m_enabled)
            return;
        m_enabled = on;
        m_msLeft = m_interval;
        if (!on)
            m_timer.stop();
        else if (!m_host.clockPaused())
            m_timer.start(m_interval);
    }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return m_interval; }

    void pause()
    {
        if (!m_enabled)
            return;
        m_msLeft = std::max(0, m_timer.remainingTime());
        m_timer.stop();
    }
    void resume()
    {
        if (m_enabled)
            m_timer.start(m_msLeft);
    }

private:
    RealHost &m_host;
    QTimer m_timer;
    int m_interval;
    int m_msLeft = 0;
    bool m_enabled = false;
    bool m_inTick = false;
};

RealHost::RealHost()
{
    m_clock.start();
}

RealHost::~RealHost()
{
    for (auto &[id, step] : m_steps)
        delete step.timer;
}

Host::StepId RealHost::schedule(double seconds, std::function<void()> run)
{
    return addStep(seconds, std::move(run), true);
}

Host::StepId RealHost::scheduleUnpaused(double seconds, std::function<void()> run)
{
    return addStep(seconds, std::move(run), false);
}

Host::StepId RealHost::addStep(double seconds, std::function<void()> run, bool clocked)
{
    const StepId id = ++m_lastStep;
    auto *timer = new QTimer;
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    const int ms = std::max(0, static_cast<int>(std::lround(seconds * 1000.0)));
    QObject::connect(timer, &QTimer::timeout, [this, id] {
        auto it = m_steps.find(id);
        if (it == m_steps.end())
            return;
        std::function<void()> run = std::move(it->second.run);
        it->second.timer->deleteLater();
        m_steps.erase(it);
        run();
    });
    m_steps.emplace(id, Step{timer, std::move(run), ms, clocked});
    if (m_pauses == 0 || !clocked)
        timer->start(ms);
    return id;
}

void RealHost::cancel(StepId id)
{
    auto it = m_steps.find(id);
    if (it == m_steps.end())
        return;
    it->second.timer->deleteLater();
    it->second.timer->stop();
    m_steps.erase(it);
}

void RealHost::pauseClock()
{
    if (m_pauses++ > 0)
        return;
    for (RealTimer *t : m_timers)
        t->pause();
    for (auto &[id, step] : m_steps) {
        if (step.clocked && step.timer->isActive()) {
            step.msLeft = std::max(0, step.timer->remainingTime());
            step.timer->stop();
        }
    }
}

void RealHost::resumeClock()
{
    if (m_pauses == 0 || --m_pauses > 0)
        return;
    for (RealTimer *t : m_timers)
        t->resume();
    for (auto &[id, step] : m_steps)
        if (step.clocked)
            step.timer->start(step.msLeft);
}

double RealHost::now() const
{
    return m_clock.nsecsElapsed() / 1e9;
}

void RealHost::waitFor(double seconds, const std::function<bool()> &stop)
{
    if (!(seconds > 0))
        return;
    const bool forever = std::isinf(seconds);
    const double deadline = now() + seconds;
    // A single-shot timer wakes the loop at the deadline; between events the process sleeps.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    if (!forever)
        wake.start(static_cast<int>(std::ceil(seconds * 1000.0)));
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (stop && stop())
            return;
        if (!forever && now() >= deadline)
            return;
        if (!forever && !wake.isActive())
            wake.start(std::max(1, static_cast<int>(std::ceil((deadline - now()) * 1000.0))));
    }
}

std::unique_ptr<HostTimer> RealHost::createTimer(int intervalMs)
{
    return std::make_unique<RealTimer>(*this, intervalMs);
}

void RealHost::showDialog(QWidget *window)
{
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

int RealHost::msgBox(const QString &text, int style, const QString &caption)
{
    // The box belongs to the window it was asked from: it goes and comes back with that window
    // when the desktop minimises it. Should that window be unloaded while the box is up, the box
    // goes with it and counts as answered.
    QPointer<QMessageBox> owned = new QMessageBox(QApplication::activeWindow());
    QMessageBox &box = *owned;
    box.setWindowTitle(caption.isEmpty() ? appDefaultTitle() : caption);
    box.setText(text);
    switch (style & 0x70) {
    case MsgBox::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgBox::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgBox::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgBox::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    // The box is modal and runs its own event loop: the game's clock stands still meanwhile, so
    // no tick or step of the game runs under it.
    pauseClock();
    int answer = MsgBox::Ok;
    if ((style & 0x7) == MsgBox::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        answer = execBox(box) == QMessageBox::Yes ? MsgBox::Yes : MsgBox::No;
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        execBox(box);
    }
    delete owned;
    resumeClock();
    return answer;
}

quint32 RealHost::clockSeed()
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() ^ (quint64(::getpid()) << 16));
}

bool RealHost::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void RealHost::endApplication()
{
    // Ending at once, from however deep inside nested waits: every file the game keeps was
    // written and committed before this point, so nothing is lost.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    if (beforeExit)
        beforeExit();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(0);
}

} // namespace nuyo
