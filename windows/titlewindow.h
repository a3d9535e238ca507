// The title window: the choice of practice or the real game.
#pragma once

#include "layouts/fontsizes.h"
#include "layouts/titlewindowlayout.h"

#include <QWidget>

namespace nuyo {

class TitleWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TitleWindow(const DisplayFonts &fonts);

    // Places the window 200 twips above the work area's middle and sets its fonts.
    void place();
    void chooseMode(int index); // a mode button: 0 "練 習", 1 "本 番"

    TitleWindowControls ui;

Q_SIGNALS:
    void modeChosen(int mode); // a mode button was pressed
    void closed();             // the window is unloaded

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override; // Escape is the close box

private:
    void setFonts(); // display-scaled fonts of the buttons and the label
    const DisplayFonts m_fonts;
};

} // namespace nuyo
