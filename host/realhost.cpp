#include "host/realhost.h"

#include "host/appinfo.h"
#include "host/eightbitbox.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
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

class RealTimer : public HostTimer
{
public:
    explicit RealTimer(int intervalMs)
    {
        m_timer.setInterval(intervalMs);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_inTick || !onTick)
                return;
            m_inTick = true;
            onTick();
            m_inTick = false;
        });
    }
    void setEnabled(bool on) override
    {
        if (on && !m_timer.isActive())
            m_timer.start();
        else if (!on)
            m_timer.stop();
    }
    bool isEnabled() const override { return m_timer.isActive(); }
    int interval() const override { return m_timer.interval(); }

private:
    QTimer m_timer;
    bool m_inTick = false;
};

} // namespace

RealHost::RealHost()
{
    m_clock.start();
}

double RealHost::now() const
{
    return m_clock.nsecsElapsed() / 1e9;
}

void RealHost::doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
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
    return std::make_unique<RealTimer>(intervalMs);
}

void RealHost::showModal(QWidget *window)
{
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    waitFor(Forever, [window] { return !window->isVisible(); });
}

int RealHost::msgBox(const QString &text, int style, const QString &caption)
{
    QMessageBox box;
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
    if ((style & 0x7) == MsgBox::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return execBox(box) == QMessageBox::Yes ? MsgBox::Yes : MsgBox::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    execBox(box);
    return MsgBox::Ok;
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
