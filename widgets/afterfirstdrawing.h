// Work a window can wait for: it runs once the window is on the screen, not on the way there.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace nuyo {

// Runs `then` once, when the event loop turns after `window`'s first drawing (never without a
// window).
class AfterFirstDrawing : public QObject
{
public:
    AfterFirstDrawing(QWidget *window, std::function<void()> then) : m_then(std::move(then))
    {
        if (window)
            window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_then) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_then, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace nuyo
