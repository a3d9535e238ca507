// The main window, where the whole game is played: it draws what the game (model/game.h) says
// has changed and passes the player's presses on.
#pragma once

#include "app/app.h"
#include "model/game.h"
#include "model/scene.h"
#include "widgets/controls.h"

#include <QColor>
#include <QHash>
#include <QWidget>
#include <array>
#include <functional>

namespace nuyo {

class Form1 : public QWidget, public Scene
{
    Q_OBJECT
public:
    explicit Form1(App &app);
    ~Form1() override;

    // ---- Scene: what the game asks the window to show ----
    void loadWindow() override;
    void dressForMode(bool newGame) override;
    void resetForNewGame() override;
    void reopenForNewGame() override;
    void showWindow(bool newGame) override;
    void hideWindow() override;
    void setInputEnabled(bool on) override;
    quintptr windowHandle() override;
    void focusSink() override;
    void showAction(Action::State state) override;
    void enableAction(bool on) override;
    void enableFurniture(bool on) override;
    void showComment(const QString &text) override;
    void showBaits(int baits) override;
    void showCatches(int catches) override;
    void showTension(int tension) override;
    void showBaitLabel(const QColor &c) override;
    void showBaitChoice(int index) override;
    void showFloatWidth(int width) override;
    static QString tipCaption(int tipNo); // Command4's caption for the tip of that index
    void showHintCaption(int tipNo) override;
    void showRankingToggle() override;
    void showMasterColour() override;
    void appendLog(const QString &text) override;
    void closeGame() override;
    void showFloatBox(bool on) override;
    void clearFloat() override;
    void drawFloat() override;
    void clearScene() override;
    void drawAnglerFrame(int k) override;
    void drawResultMark() override;
    void drawSizeText(int colour) override;
    void drawLandedFish(int tick) override;
    void drawMark(int image, int row) override;
    void drawLine(const QPoint &end, const QColor &c) override;
    void drawRodTip(const QColor &c) override;
    void composeStamp(int kind) override;
    void showBigCatch(const BigCatchChange &change) override;
    void printSizeStamps(const QString &text) override;
    void readyForNextCast() override;
    void startPass() override;
    void drawPassFrame(int x, int y) override;
    void endPass() override;
    bool startVisit() override;
    int turnVisit() override;
    void drawVisitFrame(int x, int y, int clip) override;
    void clearVisit() override;
    void endVisit() override;

    void PrepareAngler();               // the angler at rest in the scene
    void SetMainFonts();                // display-scaled font sizes of the main window's controls
    void setBackColor(const QColor &c); // the window's own back colour
    void Text1_GotFocus();              // the catch log hands the focus on

Q_SIGNALS:
    void pressed(Control control, int arg); // the player pressed a control (Game::press)
    void minimisedChanged(bool minimised);  // the game's clock stops while the window is minimised

public:
    App &app;
    const GameState &g;

    // Controls, by their names in the window's layout.
    ColourButton *Command1;                 // the action button
    std::array<ColourButton *, 3> Command3; // bait settings "硬め", "ふつう", "柔らかめ"
    ColourButton *Command4;                 // the hint button "ワンポイント * n"
    ColourButton *Command5;                 // off-screen focus sink
    ColourButton *Command6;                 // "成績ランキング"
    ColourButton *Command7;                 // "新規ゲーム"
    TextLabel *Label1;                      // baits left; click toggles the float thickness
    std::array<TextLabel *, 2> Label2;      // "エサの数" and "エサ合わせ"
    TextLabel *Label3;                      // hint and comment line
    TextLabel *Label4;                      // catch count
    TextLabel *Label5;                      // "尾"
    TextLabel *Label6;                      // end-of-game banner over the scene
    TextLabel *Label7;                      // line tension
    TextLabel *Label8;                      // float thickness "ウキ：太" / "ウキ：細"
    TextLabel *Label9;                      // the real game's title line
    LogBox *Text1;                          // the catch log
    PictureBox *PicPRE;                     // the pond scene with the angler
    PictureBox *PicUKI;                     // the float close-up inside the scene
    PictureBox *PicCm;                      // the size stamp buffer
    std::array<PictureBox *, 4> PicS;       // size texts: 0 red, 1 yellow, 2 black mask, 3 blank
    PictureBox *PicKF;                      // the perched kingfisher over the whole window
    PictureBox *PicKF2;                     // the flying kingfisher over the scene
    PictureBox *Picture1;                   // unused panel
    std::array<ImageBox *, 8> Image1;       // angler frames 0..7: drawing left, mask right
    ImageBox *Image2;                       // the landed fish: drawing left, mask right
    ImageBox *Image3;                       // help picture behind the catch count
    ImageBox *Image4;                       // two fight splash frames
    ImageBox *Image5;                       // two result marks
    ImageBox *Image6;                       // practice play picture
    ImageBox *Image7;                       // big-catch marks
    ImageBox *Image8;                       // flying kingfisher
    ImageBox *Image9;                       // perched kingfisher facing left
    ImageBox *Image10;                      // perched kingfisher facing right
    ImageBox *Image11;                      // the real game's emblem
    ImageBox *Image12;                      // real-game play picture
    ImageBox *ImgU;                         // the float
    OutlineShape *Shape1;                   // the red frame of the big catch
    OutlineShape *Shape3;                   // the frame around the scene and the buttons
    QHash<QString, QWidget *> controls;     // every control by name, for tests and tools

    // Where the kingfisher's visit takes its picture of the window (by default the window's
    // own rendering of its client area).
    std::function<QImage()> windowSnapshot;

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void findControls();    // the members above, from the built layout
    void connectControls(); // the controls' events to the signal `pressed`

    bool m_closing = false;
    bool m_minimised = false;
};

} // namespace nuyo
