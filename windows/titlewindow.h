// The title window: the choice of practice or the real game.
#pragma once

#include "app/app.h"
#include "widgets/controls.h"

#include <QHash>
#include <QWidget>
#include <array>

namespace nuyo {

class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(App &app);

    // Checks the display, places the window 200 twips above the screen's middle, sets fonts.
    // False when the display cannot be used (the application then ends).
    bool Form_Load();
    void Command1_Click(int Index); // a mode button: 0 "練 習", 1 "本 番"
    void SetTitleFonts();           // display-scaled fonts of the buttons and the label

    App &app;
    const GameState &g;
    std::array<ColourButton *, 2> Command1; // the mode buttons
    ColourButton *Command3;                 // off-screen, first in the focus order
    TextLabel *Label1;                      // "  只今、準備中 ・・・" behind the buttons
    ImageBox *Image1;                       // the title picture
    QHash<QString, QWidget *> controls;

Q_SIGNALS:
    void modeChosen(int mode); // a mode button was pressed
    void closed();             // the window is unloaded

protected:
    void closeEvent(QCloseEvent *e) override;
};

} // namespace nuyo
