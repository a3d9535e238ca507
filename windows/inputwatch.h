// The player's hands on the main window, watched before any of its controls sees them: whether
// the player plays by keys or with the mouse, and a press that is the second half of a
// double-click begun on another of the game's windows (the ranking's "ＯＫ", the report's OK, a
// message box's button), which the main window never takes: that window has closed under the
// pointer, and the second click would otherwise land on whatever lies below it.
#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;
class QWidget;

namespace nuyo {

class InputWatch : public QObject
{
    Q_OBJECT
public:
    // Watches the application's input for `window`; lives as long as the window.
    explicit InputWatch(QWidget *window);

Q_SIGNALS:
    void keysInUse(bool keys); // the player went over to the keys, or back to the mouse

protected:
    bool eventFilter(QObject *target, QEvent *e) override;

private:
    bool secondHalfFromElsewhere(const QWidget *receiver, const QMouseEvent *press) const;
    void setKeys(bool keys);

    QWidget *m_window;
    bool m_keys = false;
    bool m_swallowing = false; // a press was kept from the window: its release and double-click go too
    // The last mouse press anywhere in the application.
    bool m_pressed = false;
    bool m_pressOnWindow = false;
    quint64 m_pressAt = 0;
    QPointF m_pressWhere;
};

} // namespace nuyo
