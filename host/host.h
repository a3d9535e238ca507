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

// A periodic timer owned by a window. Its tick never re-enters itself: while one tick
// runs (it may wait or show a dialog), further ticks of the same timer are skipped.
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

    // Runs every pending event once and returns.
    virtual void doEvents() = 0;

    // Runs events until `seconds` have passed or `stop` holds; `stop` is tested after every
    // round of events. Returns at once when `seconds` is not positive.
    virtual void waitFor(double seconds, const std::function<bool()> &stop = {}) = 0;

    virtual std::unique_ptr<HostTimer> createTimer(int intervalMs) = 0;

    // Shows `window` modally and runs events until it is hidden.
    virtual void showModal(QWidget *window) = 0;

    // A message box with the game's style value; returns the button pressed.
    virtual int msgBox(const QString &text, int style, const QString &caption) = 0;

    // A seed for the random generator, taken from the clock by the real host.
    virtual quint32 clockSeed() = 0;

    // Opens a document in the desktop's viewer; false when that failed.
    virtual bool openDocument(const QString &path) = 0;

    // Ends the application at once: no further events run.
    [[noreturn]] virtual void endApplication() = 0;
};

} // namespace nuyo
