// The main window, where the whole game is played: it draws what the game (model/game.h) says
// has changed and passes the player's presses on.
#pragma once

#include "layouts/fontsizes.h"
#include "layouts/mainwindowlayout.h"
#include "model/scene.h"
#include "widgets/afterfirstdrawing.h"

#include <QColor>
#include <QWidget>
#include <functional>

namespace nuyo {

class PauseCover;

class MainWindow : public QWidget, public Scene
{
    Q_OBJECT
public:
    explicit MainWindow(const DisplayFonts &fonts);
    ~MainWindow() override;

    // ---- Scene: what the game asks the window to show ----
    void loadWindow(GameMode::Value mode, Action::State action, int baits) override;
    void dressForMode(GameMode::Value mode, bool newGame, bool ranked) override;
    void resetForNewGame(Action::State action, int baits) override;
    void reopenForNewGame() override;
    void showWindow(bool newGame) override;
    void hideWindow() override;
    void setInputEnabled(bool on) override;
    quintptr windowHandle() override;
    void focusSink() override;
    void showPaused(bool paused) override;
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
    static QString tipCaption(int tipNo); // the hint button's caption for the tip of that index
    void showHintCaption(int tipNo) override;
    void showRankingToggle(bool ranked) override;
    void showMasterColour() override;
    void appendLog(const QString &text) override;
    void closeGame() override;
    void showFloatBox(bool on) override;
    void clearFloat() override;
    void drawFloat(int x, int y, int width, int sourceWidth, int height) override;
    void clearScene() override;
    void drawAnglerFrame(int k) override;
    void drawResultMark(ResultMark::Value mark) override;
    void drawSizeText(int colour) override;
    void drawLandedFish(int tick, int fishType) override;
    void drawMark(MarkPicture picture, int row) override;
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

    void setBackColor(const QColor &c); // the window's own back colour

    MainWindowControls ui; // every control, by its role

    // Where the kingfisher's visit takes its picture of the window (by default the window's
    // own rendering of its client area).
    std::function<QImage()> windowSnapshot;

Q_SIGNALS:
    void pressed(Control control, int arg); // the player pressed a control
    void minimisedChanged(bool minimised);  // the game's clock stops while the window is minimised
    void keysInUse(bool keys);              // the player plays by keys (or with the mouse again)

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void connectControls();  // the controls' events to the signal `pressed`
    void connectKeys();      // the keyboard: the focus order, the keys' descriptions, the pause
    void drawAnglerAtRest(); // the angler at rest in the scene
    void setFonts();         // display-scaled font sizes of the controls
    void preparePass();      // the pass's box at its size, with its drawing made

    const DisplayFonts m_fonts;
    bool m_closing = false;
    bool m_minimised = false;
    Action::State m_shownAction = Action::Cast; // what the action button shows: the arrows work the fight's line
    PauseCover *m_pauseCover = nullptr;
    // The kingfisher's pass comes without warning: its drawing is made once the window is up.
    AfterFirstDrawing m_passPrepared{this, [this] { preparePass(); }};
};

} // namespace nuyo
