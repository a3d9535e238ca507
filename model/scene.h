// What the game asks of the main window: the scene it draws and the controls it shows. The game
// (model/game.h) says what changed; the main window, which implements this, only draws it.
#pragma once

#include "state/vocabulary.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QtGlobal>

namespace nuyo {

struct BigCatchChange;

// The pictures of 100 x 24 marks drawn under the angler.
enum class MarkPicture {
    Splashes, // the fight's two splash frames
    Results,  // the line break's mark (top row) and the landing's (bottom row)
    BigCatch, // the big-catch marks
};

class Scene
{
public:
    virtual ~Scene() = default;

    // ---- the window ----
    // Sizes, places and dresses it for the game of `mode`, the button showing `action`.
    virtual void loadWindow(GameMode::Value mode, Action::State action, int baits) = 0;
    // Caption, colours and pictures of the mode; `ranked`: results go into the ranking.
    virtual void dressForMode(GameMode::Value mode, bool newGame, bool ranked) = 0;
    virtual void resetForNewGame(Action::State action, int baits) = 0; // every control as a new game starts
    virtual void reopenForNewGame() = 0;                               // the closed game's banner and buttons go
    virtual void showWindow(bool newGame) = 0;                         // shown (and raised, for a new game)
    virtual void hideWindow() = 0;
    virtual void setInputEnabled(bool on) = 0; // the whole window takes clicks or not
    virtual quintptr windowHandle() = 0;       // for the sound library
    virtual void focusSink() = 0;              // the off-screen button takes the keyboard
    virtual void showPaused(bool paused) = 0;  // the pond says the game is paused

    // ---- controls ----
    virtual void showAction(Action::State state) = 0; // the action button's caption and colour
    virtual void enableAction(bool on) = 0;
    virtual void enableFurniture(bool on) = 0;         // the hint and ranking buttons
    virtual void showComment(const QString &text) = 0; // the comment line
    virtual void showBaits(int baits) = 0;             // the bait counter
    virtual void showCatches(int catches) = 0;         // the catch counter
    virtual void showTension(int tension) = 0;         // the tension gauge
    virtual void showBaitLabel(const QColor &c) = 0;   // "エサ合わせ"'s colour
    virtual void showBaitChoice(int index) = 0;        // the chosen bait button marked
    virtual void showFloatWidth(int width) = 0;        // the float's thickness
    virtual void showHintCaption(int tipNo) = 0;       // the hint button: the next tip's number
    virtual void showRankingToggle(bool ranked) = 0;   // the ranking button's colour
    virtual void showMasterColour() = 0;               // the window after a master's catch
    virtual void appendLog(const QString &text) = 0;   // the catch log
    virtual void closeGame() = 0;                      // the closed game's frozen controls

    // ---- the float close-up ----
    virtual void showFloatBox(bool on) = 0;
    virtual void clearFloat() = 0;
    // The float at (x, y), `width` wide and `height` high, from the float picture's first
    // `sourceWidth` columns.
    virtual void drawFloat(int x, int y, int width, int sourceWidth, int height) = 0;

    // ---- the pond scene ----
    virtual void clearScene() = 0;
    virtual void drawAnglerFrame(int k) = 0;                 // the angler's frame k (mask, then sprite)
    virtual void drawResultMark(ResultMark::Value mark) = 0; // the last result's mark and stamp under him
    virtual void drawSizeText(int colour) = 0;               // size text `colour` (0 red, 1 yellow) over the water
    virtual void drawLandedFish(int tick, int fishType) = 0; // the fish coming up the line, and the line
    virtual void drawMark(MarkPicture picture, int row) = 0; // a 100 x 24 cell `row` (0, 1) under him
    virtual void drawLine(const QPoint &end, const QColor &c) = 0; // from the rod tip
    virtual void drawRodTip(const QColor &c) = 0;                  // the short mark of a fish far out
    virtual void composeStamp(int kind) = 0;                       // the size stamp beside the result mark
    virtual void showBigCatch(const BigCatchChange &change) = 0;
    virtual void printSizeStamps(const QString &text) = 0; // the struck fish's size
    // After a report: the size stamps wiped, the button in the cast's colour, the hint and
    // ranking buttons usable.
    virtual void readyForNextCast() = 0;

    // ---- the kingfisher ----
    virtual void startPass() = 0; // the scene's copy under the flying bird
    virtual void drawPassFrame(int x, int y) = 0;
    virtual void endPass() = 0;
    virtual bool startVisit() = 0; // the window's picture with the perched bird; false: failed
    virtual int turnVisit() = 0;   // the bird faces left; returns the picture's width
    virtual void drawVisitFrame(int x, int y, int clip) = 0;
    virtual void clearVisit() = 0;
    virtual void endVisit() = 0;
};

} // namespace nuyo
