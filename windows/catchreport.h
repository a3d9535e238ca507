// The catch report: the result of every cast that came to a strike.
#pragma once

#include "layouts/catchreportlayout.h"
#include "layouts/fontsizes.h"
#include "state/gamestate.h"
#include "widgets/afterfirstdrawing.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace nuyo {

class CatchReport : public QWidget
{
    Q_OBJECT
public:
    // The report of the game whose state is `g`, shown over `mainWindow`.
    CatchReport(const GameState &g, const DisplayFonts &fonts, QWidget *mainWindow);

    void place();      // over the main window, with its fonts
    void pressOk();    // OK: hides the report and says so
    void showMaster(); // the 60 cm fish: the master's picture, and OK usable

    // Where and how large a landed fish of `cm` centimetres is drawn in the picture (below 60 cm).
    static QRect fishRect(int cm);

    // Each time the hidden report is shown it shows the cast's result anew (after the window is
    // mapped, so that the 60 cm pause runs with the window on the screen).
    void setVisible(bool visible) override;

    CatchReportControls ui;

Q_SIGNALS:
    void okPressed();  // the player has read the report
    void readyForOk(); // OK can be pressed (at once, or after the 60 cm fish's pause)

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override; // Escape is OK

private:
    void showResult(); // the picture and text of the result
    void placeOverMainWindow();

    const GameState &g;
    const DisplayFonts m_fonts;
    QPointer<QWidget> m_mainWindow;
    // The first strike's picture comes at once: the drawing it goes into is made once the main
    // window is drawn.
    AfterFirstDrawing m_pictureReserved{m_mainWindow, [this] { ui.picture->reserveDrawing(); }};
};

} // namespace nuyo
