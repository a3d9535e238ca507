// The ranking window: the five best games, a finished game's result and the name entry.
#pragma once

#include "layouts/fontsizes.h"
#include "layouts/rankingwindowlayout.h"
#include "state/gamestate.h"

#include <QWidget>

namespace nuyo {

class RankingWindow : public QWidget
{
    Q_OBJECT
public:
    // The ranking of the game whose state is `g`, over `mainWindow`.
    RankingWindow(const GameState &g, const DisplayFonts &fonts, QWidget *mainWindow);

    // The OK button's captions, and the name prompt's word on the new row: registered, or not
    // saved (the result then stays only for this run), or waiting for the file (%1 seconds so far).
    static QString okCaption();
    static QString registerCaption();
    static QString giveUpCaption();
    static QString registeredText();
    static QString notSavedText();
    static QString waitingText();

    void place();                // over the main window, with its fonts
    void showTable();            // fills the table, handles a pending result and places the window again
    void pressOk();              // "ＯＫ" closes; "登録" registers the name
    void pressToggle();          // asks for the ranking of results on or off
    int filterNameKey(int code); // the name entry's filter: the code to insert, 0 drops it
    // While a name is awaited: shows the entry (or "- - -") in the new row and hands it on to be
    // registered in the file as it is now (a failed save is told to the player when `tell`).
    void registerName(bool tell);
    // The registration waits for the file: the prompt counts the seconds, the button waits too
    // until giving up is offered.
    void showWaiting();
    // The registration has ended: the prompt says how, the table shows what was saved, "ＯＫ".
    void showRegistration();

    RankingWindowControls ui;

Q_SIGNALS:
    void toggleRequested(); // the toggle was pressed: results ranked or not
    // The name for the new row, as the file will give it back; `tell`: a failed save is told.
    void nameEntered(const QString &name, bool tell);
    void closed();          // "ＯＫ" closed the window
    void giveUpRequested(); // the player gives up waiting for the file

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override; // Escape presses "ＯＫ" or "登録"

private:
    // What the OK button does now: it reads "登録" while a name is awaited (and, disabled, while its
    // registration waits for the file), "あきらめる" once giving up that wait is offered, "ＯＫ" otherwise.
    enum class Button { Ok, Register, GiveUp };
    void showButton(Button b);
    void showToggleColours();   // the indicator and the toggle as the setting says
    void placeOverMainWindow(); // 480 and 560 twips from the main window's corner
    void showRows();            // the five rows as the table holds them
    void setFonts();            // display-scaled font sizes

    const GameState &g;
    const DisplayFonts m_fonts;
    int m_row = 5; // the row of the pending result, 5 = not ranked
    Button m_button = Button::Ok;
    bool m_activated = false;  // the table has been shown for this showing
    bool m_registered = false; // the pending result's name has been registered
};

} // namespace nuyo
