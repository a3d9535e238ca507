// The main window's table and the record of its controls, each named for its role; the table
// names each control as the window's layout does (the glossary in docs/ARCHITECTURE.md maps them).
#pragma once

#include "layouts/layout.h"
#include "widgets/controls.h"

#include <array>

namespace nuyo {

struct MainWindowControls {
    QHash<QString, QWidget *> byName; // every control by its table key, for tests and tools

    ColourButton *actionButton = nullptr;        // cast, strike, reel in, end
    std::array<ColourButton *, 3> baitButtons{}; // "硬め", "ふつう", "柔らかめ"
    ColourButton *hintButton = nullptr;          // "ワンポイント * n"
    ColourButton *keyboardSink = nullptr;        // off-screen: holds the keyboard focus
    ColourButton *rankingButton = nullptr;       // "成績ランキング"
    ColourButton *newGameButton = nullptr;       // "新規ゲーム"
    TextLabel *baitCounter = nullptr;            // baits left; a click toggles the float's thickness
    std::array<TextLabel *, 2> baitLabels{};     // "エサの数" and "エサ合わせ"
    TextLabel *commentLine = nullptr;            // hints and comments
    TextLabel *catchCounter = nullptr;           // fish landed
    TextLabel *catchUnit = nullptr;              // "尾"
    TextLabel *endBanner = nullptr;              // over the scene once the game has ended
    TextLabel *tensionGauge = nullptr;           // the line's tension
    TextLabel *floatWidthLabel = nullptr;        // "ウキ：太" / "ウキ：細"
    TextLabel *realGameTitle = nullptr;          // the real game's title line
    LogBox *catchLog = nullptr;                  // the catch log
    PictureBox *pond = nullptr;                  // the pond scene with the angler
    PictureBox *floatCloseUp = nullptr;          // the float close-up inside the scene
    PictureBox *sizeStamp = nullptr;             // the size stamp beside the result mark
    std::array<PictureBox *, 4> sizeTexts{};     // the struck fish's size: red, yellow, their mask, blank
    PictureBox *kingfisherVisit = nullptr;       // the perched kingfisher over the whole window
    PictureBox *kingfisherPass = nullptr;        // the flying kingfisher over the scene
    PictureBox *spareBoard = nullptr;            // an unused panel
    std::array<ImageBox *, 8> anglerFrames{};    // the angler's frames: drawing left, mask right
    ImageBox *landedFish = nullptr;              // the landed fish: drawing left, mask right
    ImageBox *basket = nullptr;                  // the basket behind the catch count: the introduction
    ImageBox *splashes = nullptr;                // the fight's two splash frames
    ImageBox *resultMarks = nullptr;             // the line break's and the landing's marks
    ImageBox *practicePond = nullptr;            // the practice game's pond
    ImageBox *bigCatchMarks = nullptr;           // the big-catch marks
    ImageBox *flyingBird = nullptr;              // the flying kingfisher
    ImageBox *perchedBirdLeft = nullptr;         // the perched kingfisher facing left
    ImageBox *perchedBirdRight = nullptr;        // the perched kingfisher facing right
    ImageBox *realGameEmblem = nullptr;          // the real game's emblem
    ImageBox *realPond = nullptr;                // the real game's pond
    ImageBox *floatPicture = nullptr;            // the float
    OutlineShape *bigCatchFrame = nullptr;       // the red frame of a big catch
    OutlineShape *sceneFrame = nullptr;          // the frame around the scene and the buttons
};

const WindowTable &mainWindowLayout();
// Builds the main window's controls on `window`.
MainWindowControls buildMainWindow(QWidget *window);

} // namespace nuyo
