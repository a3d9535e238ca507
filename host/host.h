// The one seam through which time passes, events run, timers tick and dialogs are answered.
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <limits>
#include <memory>

class QWidget;

namespace nuyo {

// Message box styles and answers, as the game's dialogs are written.
namespace MsgBox {
enum Style {
    OkOnly = 0,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};
enum Answer { Ok = 1, Yes = 6, No = 7 };
} // namespace MsgBox

// A periodic timer on the game's clock. Its tick never re-enters itself: while one tick runs
// (a message box may be up), further ticks of the same timer are skipped. While the clock is
// paused it does not tick; it goes on with the part of its interval that was left.
class HostTimer
{
public:
    virtual ~HostTimer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;
    virtual int interval() const = 0;
    std::function<void()> onTick;
};

class Host
{
public:
    static constexpr double Forever = std::numeric_limits<double>::infinity();

    virtual ~Host() = default;

    // Seconds on a clock that never jumps back.
    virtual double now() const = 0;

    // For the programs that drive a game (tools, tests), never for the game itself: runs events
    // until `seconds` have passed or `stop` holds; `stop` is tested after every event. Returns
    // at once when `seconds` is not positive.
    virtual void waitFor(double seconds, const std::function<bool()> &stop = {}) = 0;

    virtual std::unique_ptr<HostTimer> createTimer(int intervalMs) = 0;

    // A step of the game that runs once, `seconds` from now on the game's clock, from the event
    // loop (never inside another step). Cancelling a step that has run or was cancelled does
    // nothing. Steps due at the same moment as a timer tick or an input run after them.
    using StepId = quint64;
    virtual StepId schedule(double seconds, std::function<void()> step) = 0;
    // The same, for a step that runs on time while the game's clock is paused: the game trying a
    // file again while it waits for it, its clock paused meanwhile.
    virtual StepId scheduleUnpaused(double seconds, std::function<void()> step) = 0;
    virtual void cancel(StepId step) = 0;

    // The game's clock: while it is paused (a minimised window, an open message box), no timer
    // ticks and no step runs; afterwards each goes on with the time it had left. Pauses nest.
    virtual void pauseClock() = 0;
    virtual void resumeClock() = 0;
    virtual bool clockPaused() const = 0;

    // Shows `window` over the others, taking the input from them until it is hidden, and
    // returns at once: the window says by a signal when it is done.
    virtual void showDialog(QWidget *window) = 0;

    // A message box with the game's style value; returns the button pressed. The game's clock
    // is paused while it is up.
    virtual int msgBox(const QString &text, int style, const QString &caption) = 0;

    // A seed for the random generator, taken from the clock by the real host.
    virtual quint32 clockSeed() = 0;

    // Opens a document in the desktop's viewer; false when that failed.
    virtual bool openDocument(const QString &path) = 0;

    // Ends the application at once: no further events run.
    [[noreturn]] virtual void endApplication() = 0;
};

} // namespace nuyo
