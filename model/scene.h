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

class Scene
{
public:
    virtual ~Scene() = default;

    // ---- the window ----
    virtual void loadWindow() = 0;               // sizes, places and dresses it for the mode
    virtual void dressForMode(bool newGame) = 0; // caption, colours and pictures of the mode
    virtual void resetForNewGame() = 0;          // every control as a new game starts
    virtual void reopenForNewGame() = 0;         // the closed game's banner and buttons go
    virtual void showWindow(bool newGame) = 0;   // shown (and raised, for a new game)
    virtual void hideWindow() = 0;
    virtual void setInputEnabled(bool on) = 0; // the whole window takes clicks or not
    virtual quintptr windowHandle() = 0;       // for the sound library
    virtual void focusSink() = 0;              // the off-screen button takes the keyboard

    // ---- controls ----
    virtual void showAction(Action::State state) = 0; // Command1's caption and colour
    virtual void enableAction(bool on) = 0;
    virtual void enableFurniture(bool on) = 0;         // the hint and ranking buttons
    virtual void showComment(const QString &text) = 0; // Label3
    virtual void showBaits(int baits) = 0;             // Label1
    virtual void showCatches(int catches) = 0;         // Label4
    virtual void showTension(int tension) = 0;         // Label7
    virtual void showBaitLabel(const QColor &c) = 0;   // "エサ合わせ"'s colour
    virtual void showBaitChoice(int index) = 0;        // Command3: the chosen bait marked
    virtual void showFloatWidth(int width) = 0;        // Label8
    virtual void showHintCaption(int tipNo) = 0;       // Command4: the next tip's number
    virtual void showRankingToggle() = 0;              // Command6's colour
    virtual void showMasterColour() = 0;               // the window after a master's catch
    virtual void appendLog(const QString &text) = 0;   // the catch log
    virtual void closeGame() = 0;                      // the closed game's frozen controls

    // ---- the float close-up PicUKI ----
    virtual void showFloatBox(bool on) = 0;
    virtual void clearFloat() = 0;
    virtual void drawFloat() = 0; // at (FloatX, FloatY), FloatWidth wide, FloatH high

    // ---- the pond scene PicPRE ----
    virtual void clearScene() = 0;
    virtual void drawAnglerFrame(int k) = 0;                       // angler frame k of Image1 (mask, then sprite)
    virtual void drawResultMark() = 0;                             // the last result's mark and stamp under him
    virtual void drawSizeText(int colour) = 0;                     // PicS(colour)'s size text over the water
    virtual void drawLandedFish(int tick) = 0;                     // the fish coming up the line, and the line
    virtual void drawMark(int image, int row) = 0;                 // Image4, 5 or 7's 100 x 24 cell `row` under him
    virtual void drawLine(const QPoint &end, const QColor &c) = 0; // from the rod tip
    virtual void drawRodTip(const QColor &c) = 0;                  // the short mark of a fish far out
    virtual void composeStamp(int kind) = 0;                       // CmCopy: the size stamp in PicCm
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
