// The catch report: the result of every cast that came to a strike.
#pragma once

#include "app/app.h"
#include "widgets/controls.h"

#include <QHash>
#include <QRect>
#include <QWidget>

namespace nuyo {

class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(App &app);

    void Form_Load();      // places the window over the main window, sets its fonts
    void Form_Activate();  // the picture and text of the result
    void Command1_Click(); // OK: hides the report and says so
    void SetReportFonts(); // display-scaled fonts of the button and the text
    void ShowMaster();     // the 60 cm fish: the master's picture, and OK usable

    // Where and how large a landed fish of `cm` centimetres is drawn in Pic1 (below 60 cm).
    static QRect fishRect(int cm);

    App &app;
    const GameState &g;
    PictureBox *Pic1;       // the report's picture
    ColourButton *Command1; // "OK"
    TextLabel *Label2;      // the result text
    ImageBox *Image1;       // the master's picture (60 cm, shown after the pause)
    ImageBox *Image2;       // plain background under a drawn fish
    ImageBox *Image3;       // the 60 cm picture
    ImageBox *Img1;         // the fish: drawing left, mask right
    ImageBox *Img2;         // the line-break picture
    ImageBox *Img3;         // the miss picture
    QHash<QString, QWidget *> controls;

    // Each time the hidden report is shown it is activated anew (after the window is mapped,
    // so that the 60 cm pause runs with the window on the screen).
    void setVisible(bool visible) override;

Q_SIGNALS:
    void okPressed();  // the player has read the report
    void readyForOk(); // OK can be pressed (at once, or after the 60 cm fish's pause)

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void placeOverMainWindow();
};

} // namespace nuyo
