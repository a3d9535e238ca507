// The game's vocabulary: every caption, colour, state number, message style and sprite cell has
// its one name here. The game, its tests and its tools say them by these names. The texts are
// written in Japanese, the game's own language, and translated when they are asked for, so they
// follow the translator installed at start-up.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QString>

namespace nuyo {

// ---- The values of the game state's integer fields. The fields stay plain 16-bit numbers, as
// the game state has them; these are the numbers' names.

namespace GameMode { // which game is played
enum Value { Practice = 0, Real = 1 };
}

namespace TitleCall { // why the title window shows
enum Value { StartUp = 0, NewGameChoice = 1, NewGameChosen = 2 };
}

namespace RankOn { // whether a finished game waits for the ranking window
enum Value { Unset = 0, NothingPending = 1, ResultPending = 2 };
}

namespace Filing { // where the registration of a result's name in the ranking file stands
enum Value {
    Idle = 0,     // no name registered yet
    Waiting = 1,  // another program holds the file: the game tries again on its clock
    Saved = 2,    // the file holds the result
    NotSaved = 3, // it could not be saved (the player was told why), or other results outrank it
    GivenUp = 4,  // the player gave up waiting: the result is dropped
};
}

namespace CastStage { // what the animation timer animates
enum Value { Cast = 0, Landing = 1 };
}

namespace FishStop { // what stopped the school during a cast
enum Value { Moving = 0, BaitGone = 1, Struck = 2 };
}

namespace ResultMark { // the mark of the last cast under the angler
enum Value { None = 0, LineBreak = 1, Landed = 2, BigLanded = 3 };
}

namespace Bait { // BaitSetting and BaitWanted: the three bait buttons, counted from 1
enum Value { Hard = 1, Normal = 2, Soft = 3 };
// The bait buttons' captions (as their layout has them), as the hints name them.
inline QString caption(int bait)
{
    switch (bait) {
    case Hard:
        return QCoreApplication::translate("Layout", "硬め");
    case Normal:
        return QCoreApplication::translate("Layout", "ふつう");
    case Soft:
        return QCoreApplication::translate("Layout", "柔らかめ");
    }
    return QString();
}
} // namespace Bait

namespace FloatWidth { // the drawn float's width in pixels, which the main window names
enum Value { Thin = 4, Thick = 5 };
inline QString caption(int width)
{
    return width == Thin ? QCoreApplication::translate("MainWindow", "ウキ：細")
                         : QCoreApplication::translate("MainWindow", "ウキ：太");
}
} // namespace FloatWidth

namespace Stamp { // the kinds of size stamp beside the result mark
enum Value { Blank = 0, LineBreak = 1, Landed = 2 };
}

namespace Sound { // the five recordings, by what they mean; the values are their resource ids
enum Id {
    Background = 101, // the pond's loop
    Whoosh = 102,     // the cast's whoosh and the hooking strike
    Plop = 103,       // the float landing on the water
    Chime = 104,      // a landing, the kingfisher, the 60 cm report
    Failure = 105,    // a lost bait, a missed strike, a broken line
    First = Background,
    Last = Failure,
};
}

namespace Mouse { // the mouse buttons as the press handlers receive them
enum Value { Left = 1, Right = 2 };
}

// The main window's controls a player presses.
enum class Control {
    Action,       // the action button: cast, strike, fight, bait lost, end
    Bait,         // a bait button (the argument is its index)
    Hint,         // the hint button
    Ranking,      // the ranking button
    NewGame,      // the new-game button
    FloatWidth,   // the float-thickness box
    Introduction, // the basket picture: the introduction text
    CloseBox,     // the window's close box
    Pause,        // the pause key, or a click on the paused game: the clock stops or goes on
    Mute,         // the sound key: all five sounds off or on again
};

// ---- The action button: its caption is the state of the cast.

namespace Action {
enum State {
    Cast,     // "振り込み": ready to cast
    Strike,   // "合わせ": the float is watched, a press strikes
    Fight,    // "取り込み": a fish is on, left pulls, right gives line
    BaitLost, // "エサ落ち": the bait dissolved, a press makes ready again
    End,      // "終了": the game is over, a press leaves it
};

inline QString caption(State s)
{
    switch (s) {
    case Cast:
        return QCoreApplication::translate("Action", "振り込み");
    case Strike:
        return QCoreApplication::translate("Action", "合わせ");
    case Fight:
        return QCoreApplication::translate("Action", "取り込み");
    case BaitLost:
        return QCoreApplication::translate("Action", "エサ落ち");
    case End:
        return QCoreApplication::translate("Action", "終了");
    }
    return QString();
}

inline QColor colour(State s)
{
    switch (s) {
    case Cast:
        return QColor(192, 192, 0);
    case Strike:
        return QColor(255, 192, 128);
    case Fight:
        return QColor(255, 128, 64);
    case BaitLost:
        return QColor(0, 192, 0);
    case End:
        return QColor(255, 192, 255); // the closed game's colour
    }
    return QColor();
}
} // namespace Action

// ---- The results of a cast: what happened, and its text as the log, the comment line and the
// report write it. The game decides by the kind; the text is only shown.

namespace ResultKind {
enum Value { None = 0, BaitLost, FalseBite, Miss, LineBreak, Hooked };
}

namespace ResultText {
inline QString baitLost()
{
    return QCoreApplication::translate("ResultText", "エサ落ち");
}
inline QString falseBite()
{
    return QCoreApplication::translate("ResultText", "スレアタリ");
}
inline QString miss()
{
    return QCoreApplication::translate("ResultText", "空アワセ");
}
inline QString lineBreak()
{
    return QCoreApplication::translate("ResultText", "ハリス切れ");
}
// "ぬよ　n ㎝": a hooked fish of n centimetres.
inline QString hooked(int cm)
{
    return QCoreApplication::translate("ResultText", "ぬよ　%1 ㎝").arg(cm);
}
// The text of a result of the given kind; `cm` is the hooked fish's length.
inline QString of(ResultKind::Value kind, int cm = 0)
{
    switch (kind) {
    case ResultKind::None:
        return QString();
    case ResultKind::BaitLost:
        return baitLost();
    case ResultKind::FalseBite:
        return falseBite();
    case ResultKind::Miss:
        return miss();
    case ResultKind::LineBreak:
        return lineBreak();
    case ResultKind::Hooked:
        return hooked(cm);
    }
    return QString();
}
// The comment line's words on a result: "result ！".
inline QString comment(const QString &result)
{
    return QCoreApplication::translate("ResultText", "%1 ！").arg(result);
}
} // namespace ResultText

// ---- Colours, by their role.

namespace Colour {
inline const QColor ChosenBait(255, 0, 0);        // the bait button in use
inline const QColor OtherBait(255, 192, 255);     // the other bait buttons, and all after the game
inline const QColor BaitLabel(0, 0, 255);         // "エサ合わせ" at ease
inline const QColor BaitMismatch(255, 255, 0);    // "エサ合わせ" when the fish want another bait
inline const QColor PracticeBack(255, 192, 255);  // the practice game's window
inline const QColor RealBack(192, 192, 255);      // the real game's window
inline const QColor MasterBack(192, 0, 192);      // the window after a master's third big catch
inline const QColor PracticeLog(255, 220, 255);   // the practice game's catch log
inline const QColor RealLog(210, 210, 255);       // the real game's catch log
inline const QColor BigCatchLog(255, 255, 192);   // the catch log inside the red frame
inline const QColor BigCatchFrame(255, 0, 0);     // Shape1 around the scene after a big catch
inline const QColor SceneFrame(0, 0, 255);        // Shape3 at the start of a game
inline const QColor Ranked(0, 192, 0);            // the ranking toggles while results are ranked
inline const QColor NotRanked(0, 192, 192);       // the same, while they are not
inline const QColor CatchCount(255, 200, 0);      // the catch count and the landed size text
inline const QColor BannerOutline(255, 255, 255); // the halo of the end-of-game banner
inline const QColor LandingLine(128, 128, 255);   // the line the landed fish comes up on
inline const QColor SlackLine(0, 192, 255);       // the fight's line with tension to spare
inline const QColor WarningLine(255, 255, 0);     // the line one step from breaking
inline const QColor DangerLine(255, 0, 0);        // the line about to break; the rod tip then
inline const QColor RodTip(0, 0, 0);              // the rod-tip mark while the line holds
} // namespace Colour

// ---- Sprite cells: where the pictures are cut from and where they go (pixels).

namespace Cell {
inline const QRect Angler(90, 0, 160, 314);      // an angler frame in the pond scene
inline const QRect AnglerSprite(0, 0, 160, 314); // an angler picture: the drawing, its mask to the right
inline const QRect AnglerMask(160, 0, 160, 314);
inline const QRect Mark(100, 320, 100, 24);       // the result mark or splash under the angler
inline const QRect BigCatchMark(0, 320, 100, 24); // the big-catch level mark left of it
inline const QRect MarkTopRow(0, 0, 100, 24);     // the result marks: the line break; the splashes: one splash
inline const QRect MarkBottomRow(0, 25, 100, 24); // the result marks: a landing; the splashes: the other one
inline const QRect SizeStamp(226, 320, 62, 20);   // the size stamp beside the mark
inline const QRect StampSource(0, 0, 62, 20);     // the whole of the size stamp
inline const QRect SizeText(10, 100, 130, 45);    // the size text over the water
inline const QRect SizeTextSource(0, 0, 130, 45); // the whole of a size text's picture
inline const QRect LandedSprite(0, 0, 48, 48);    // the landed fish, its mask to the right
inline const QRect LandedMask(48, 0, 48, 48);
inline const QRect FlyingBird(0, 0, 52, 40);  // the flying kingfisher, mask to the right
inline const QRect PerchedBird(0, 0, 88, 84); // a perched kingfisher, facing either way
} // namespace Cell

} // namespace nuyo
