// The main window from the keyboard. Every key presses the control a click presses, through the
// same widget, so a key is refused wherever a click is (a disabled button during the throw and
// the landing, the whole window during the kingfisher's flight, any window but the one a dialog
// leaves usable). A key held down presses once: the fight is played press by press, as with the
// mouse, and a key's auto-repeat would make it a different game at every desktop's repeat rate.
//
//   Space, Return   the action button (cast, strike, reel in, bait lost, end); on a focused
//                   button, that button
//   Left, Right     in the fight only: pull in (the left button), give line (the right button)
//   1, 2, 3         the baits "硬め", "ふつう", "柔らかめ"
//   H, Shift+H      the hint button: the next tip, or only its number
//   F               the float's thickness (the bait counter's click)
//   R               the ranking button, where it shows
//   Ctrl+N          the new-game button, where it shows
//   P, Pause, Esc   pause, and go on
//   M               all the sounds off, or on again
//   F1, Ctrl+Q      the introduction, the close box (windows/standardkeys.cpp)
//   Tab             the visible buttons in turn: action, baits, hint, ranking, new game
#include "layouts/fonts.h"
#include "model/hints.h"
#include "windows/inputwatch.h"
#include "windows/mainwindow.h"
#include "windows/pausecover.h"

#include <QKeyEvent>

namespace nuyo {

void MainWindow::connectKeys()
{
    // The off-screen button holds the focus, so no visible control shows a focus mark the player
    // did not ask for; Tab never lands on it, and Space there presses the action button. The
    // action and hint buttons take the focus from Tab only: a click leaves it where it was.
    ui.keyboardSink->setFocusPolicy(Qt::NoFocus);
    ui.actionButton->setFocusPolicy(Qt::TabFocus);
    ui.hintButton->setFocusPolicy(Qt::TabFocus);
    ui.catchLog->setFocusPolicy(Qt::ClickFocus);
    QWidget *const order[] = {ui.keyboardSink,   ui.actionButton, ui.baitButtons[0], ui.baitButtons[1],
                              ui.baitButtons[2], ui.hintButton,   ui.rankingButton,  ui.newGameButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    ui.keyboardSink->setFocus();
    connect(ui.keyboardSink, &ColourButton::clicked, ui.actionButton, [this] { ui.actionButton->press(Mouse::Left); });

    // A screen reader names each control's keys.
    const auto says = [](const char *text) { return QCoreApplication::translate("MainWindow", text); };
    ui.actionButton->setAccessibleDescription(
        says(QT_TRANSLATE_NOOP("MainWindow", "スペースキー。取り込み中は ← キーで引き寄せ、→ キーで糸を送る")));
    ui.baitButtons[0]->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "１キー")));
    ui.baitButtons[1]->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "２キー")));
    ui.baitButtons[2]->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "３キー")));
    ui.hintButton->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "Ｈキー：表示、Shift＋Ｈ：数字送り")));
    ui.rankingButton->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "Ｒキー")));
    ui.newGameButton->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "Ctrl＋Ｎ")));
    ui.baitCounter->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "Ｆキー：ウキ巾を変える")));
    ui.basket->setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "F1キー")));
    setAccessibleDescription(says(QT_TRANSLATE_NOOP("MainWindow", "Ｐキー：一時停止、Ｍキー：音を消す")));

    QFont font = gameFont(proportionalFaceName(), m_fonts.FontSize14 > 0 ? m_fonts.FontSize14 : 14);
    font.setBold(true);
    m_pauseCover = new PauseCover(this, ui.pond, font);
    m_pauseCover->setText(Hint::paused());
    connect(m_pauseCover, &PauseCover::clicked, this, [this] { Q_EMIT pressed(Control::Pause, Mouse::Left); });
    connect(new InputWatch(this), &InputWatch::keysInUse, this, &MainWindow::keysInUse);
}

void MainWindow::showPaused(bool paused)
{
    m_pauseCover->setGeometry(rect());
    m_pauseCover->setVisible(paused);
    m_pauseCover->raise();
}

void MainWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->isAutoRepeat())
        return;
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // Keys with Ctrl or Alt are the desktop's, but for Ctrl+N; Shift only changes H.
    if (mods & Qt::AltModifier || (mods & Qt::ControlModifier && e->key() != Qt::Key_N)) {
        QWidget::keyPressEvent(e);
        return;
    }
    const bool fight = m_shownAction == Action::Fight;
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: // no button has the focus (the window was disabled a moment)
        ui.actionButton->press(Mouse::Left);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (fight)
            ui.actionButton->press(e->key() == Qt::Key_Left ? Mouse::Left : Mouse::Right);
        return;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        ui.baitButtons[size_t(e->key() - Qt::Key_1)]->press(Mouse::Left);
        return;
    case Qt::Key_H:
        ui.hintButton->press(mods & Qt::ShiftModifier ? Mouse::Right : Mouse::Left);
        return;
    case Qt::Key_F:
        Q_EMIT ui.baitCounter->clicked();
        return;
    case Qt::Key_R:
        ui.rankingButton->press(Mouse::Left);
        return;
    case Qt::Key_N:
        if (mods == Qt::ControlModifier)
            ui.newGameButton->press(Mouse::Left);
        return;
    case Qt::Key_P:
    case Qt::Key_Pause:
    case Qt::Key_Escape:
        Q_EMIT pressed(Control::Pause, Mouse::Left);
        return;
    case Qt::Key_M:
        Q_EMIT pressed(Control::Mute, Mouse::Left);
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

} // namespace nuyo
