#include "windows/inputwatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

namespace nuyo {

InputWatch::InputWatch(QWidget *window) : QObject(window), m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool InputWatch::secondHalfFromElsewhere(const QWidget *receiver, const QMouseEvent *press) const
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    return receiver->window() == m_window && m_pressed && !m_pressOnWindow &&
           press->timestamp() - m_pressAt < quint64(hints->mouseDoubleClickInterval()) &&
           (press->globalPosition() - m_pressWhere).manhattanLength() <= hints->mouseDoubleClickDistance();
}

bool InputWatch::eventFilter(QObject *target, QEvent *e)
{
    if (!target->isWidgetType())
        return false;
    const auto *receiver = static_cast<QWidget *>(target);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: { // xcb brings a double-click's second press as the double-click alone
        const auto *press = static_cast<QMouseEvent *>(e);
        const bool swallow = secondHalfFromElsewhere(receiver, press);
        m_pressed = true;
        m_pressOnWindow = receiver->window() == m_window;
        m_pressAt = press->timestamp();
        m_pressWhere = press->globalPosition();
        m_swallowing = swallow;
        if (swallow)
            return true;
        if (m_pressOnWindow)
            setKeys(false);
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (!m_swallowing)
            return false;
        m_swallowing = false;
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(e);
        const bool modifierAlone = key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                                   key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta;
        if (receiver->window() == m_window && !key->isAutoRepeat() && !modifierAlone)
            setKeys(true);
        return false;
    }
    default:
        return false;
    }
}

void InputWatch::setKeys(bool keys)
{
    if (keys == m_keys)
        return;
    m_keys = keys;
    Q_EMIT keysInUse(keys);
}

} // namespace nuyo
