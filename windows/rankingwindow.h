// The ranking window: the five best games, a finished game's result and the name entry.
#pragma once

#include "app/app.h"
#include "widgets/controls.h"

#include <QHash>
#include <QWidget>
#include <array>

namespace nuyo {

class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(App &app);

    // Command1's captions, and Label1(8)'s word on the new row: registered, or not saved (the
    // result then stays only for this run).
    static QString okCaption();
    static QString registerCaption();
    static QString registeredText();
    static QString notSavedText();

    void Form_Load();                 // places the window over the main window, sets its fonts
    void Form_Activate();             // fills the table and handles a pending result
    void Command1_Click();            // "ＯＫ" closes; "登録" registers the name
    void Command2_Click();            // asks for the ranking of results on or off
    void showToggleColours();         // Label2 and Command2 as RankingOff says
    int Text1_KeyPress(int KeyAscii); // the name entry's filter: the code to insert, 0 drops it
    void SetRankFonts();              // display-scaled font sizes
    // While a name is awaited: shows the entry (or "- - -") in the new row and hands it on to be
    // registered in the file as it is now (a failed save is told to the player when `tell`), then
    // shows the table as saved. Returns whether the file holds it.
    bool registerName(bool tell);

    App &app;
    const GameState &g;
    int RankNo = 5;                    // the row of the pending result, 5 = not ranked
    std::array<TextLabel *, 9> Label1; // title, header, rank numbers, name prompt
    std::array<TextLabel *, 6> lblP;   // the five rows and the sixth line
    FilteredLineEdit *Text1;           // the name entry
    ColourButton *Command1;            // "ＯＫ" / "登録"
    ColourButton *Command2;            // the ranking on/off toggle
    TextLabel *Label2;                 // "POINTS        RANKING", the toggle's indicator
    TextLabel *Label3;                 // "!"
    PictureBox *Picture1;              // the panel holding the table
    QHash<QString, QWidget *> controls;

Q_SIGNALS:
    void toggleRequested(); // the toggle was pressed: results ranked or not
    // The name for the new row, as the file will give it back; `tell`: a failed save is told.
    void nameEntered(const QString &name, bool tell);
    void closed(); // "ＯＫ" closed the window

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // What "Command1" does now: it reads "登録" while a name is awaited, "ＯＫ" otherwise.
    enum class Button { Ok, Register };
    void showButton(Button b);
    void placeOverMainWindow(); // 480 and 560 twips from the main window's corner
    void showRows();            // the five rows as the table holds them
    Button m_button = Button::Ok;
    bool m_activated = false;  // Form_Activate has run for this showing
    bool m_registered = false; // the pending result's name has been registered
};

} // namespace nuyo
