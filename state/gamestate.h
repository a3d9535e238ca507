// The game's state: every value that outlives a single event.
#pragma once

#include "state/vocabulary.h"

#include <QString>
#include <array>

namespace nuyo {

// What outlives a single event, split by its owner. Numbers start at 0, strings empty; the
// per-game and per-cast steps give them their real starting values. The values of the state
// numbers have names in state/vocabulary.h (GameMode::Real, FishStop::Struck, ...). The game
// (model/Game) owns one GameState; it and the rules it calls write it, the windows only read it.

// The player's choices, and the flow of windows they lead to.
struct Settings {
    GameMode::Value GameMode = GameMode::Practice;   // practice ("練 習") or the real game ("本 番")
    TitleCall::Value TitleCall = TitleCall::StartUp; // why the title window shows
    bool RankResults = true;                         // a finished real game's result goes into the ranking
    int BaitSetting = 0; // the player's bait: 1 "硬め", 2 "ふつう", 3 "柔らかめ" (Bait::Value)
    int FloatWidth = 0;  // drawn float width: 5 thick, 4 thin
};

// The cast under way: what the action button does, the float and the fish at the bait.
struct CastState {
    CastStage::Value CastStage = CastStage::Cast; // what the animation timer animates: the cast or the landing
    // What a press on the action button does now; its caption and colour show it.
    Action::State ActionState = Action::Cast;
    FishStop::Value FishStop = FishStop::Moving; // what stopped the school
    int BaitWanted = 0;                          // the bait the fish take now, 1..3 (Bait::Value)
    int BaitTime = 0;                            // seconds of bait left on the hook; also the float's rest offset
    int FloatX = 0;                              // left of the drawn float in the float close-up
    int FloatY = 0;                              // top of the drawn float; 120 marks a float pulled under
    int FloatSrcW = 0;                           // width taken from the float picture
    int FloatH = 0;                              // visible float height; FloatY + FloatH is the water line
    int BiteDepth = 0;                           // how far a bite moves the float: 5 pixels per fish type
    int FishType = 0;                            // type of the fish on the bait cell after the latest step, 0 = none
    int BiteFish = 0;                            // school slot of that fish, 0 = none
    bool Hooked = false;                         // the last strike hooked a fish
    ResultMark::Value ResultMark = ResultMark::None; // mark of the last cast under the angler
    ResultKind::Value LastKind = ResultKind::None;   // what the last cast's result was
    QString LastResult;                              // text of the last cast's result, as shown
    // Records the last cast's result: its kind, and its text for the log and the report.
    void setResult(ResultKind::Value kind, int cm = 0)
    {
        LastKind = kind;
        LastResult = ResultText::of(kind, cm);
    }
};

// The fish on the line.
struct FightState {
    bool Fighting = false; // a fish is on the line
    int Tension = 0;       // line tension 3..9, shown beside the scene
    int Distance = 0;      // how far out the hooked fish is, 3..7; also the rod frame drawn
    int SplashFrame = 0;   // which of the two splash frames the fight shows
    int FishSize = 0;      // length in cm of the hooked fish; 0 after a miss or a break
};

// The game's record: baits, catch and score.
struct Record {
    int BaitsAtStart = 0; // casts in this game: 10 practice, 20 real
    int Baits = 0;        // baits left, shown in the main window's bait counter
    int BaitsUsed = 0;    // casts ended so far; also the catch log's line number
    int Catches = 0;      // fish landed, shown in the catch counter
    int TotalCm = 0;      // sum of the landed lengths; shown as kilograms with two decimals
    QString WeightKg;     // that weight as text, built at the game's end
    int Points = 0;       // the game's points, computed at the game's end
    int BigLevel = 0;     // big-catch level; multiplies the points above 1 and picks the grade
    int Count60 = 0;      // 60 cm fish for the ranking's "60cm" column
    int Count50 = 0;      // big fish for the ranking's "尺半上" column
};

// The ranking table (row 0 is the best; element 5 is never used) and a finished game's result
// waiting for the ranking window.
struct RankingState {
    RankOn::Value RankOn = RankOn::Unset;
    std::array<int, 6> RankPoints{};    // points of each row
    std::array<QString, 6> RankRecords; // the rest of each row's text
    int RankNo = 5;                     // the row the pending result went into, 5 = not entered
    int RankSavedRow = -1;              // that result's row as the file now holds it (5: outranked; -1: unread)
    bool FileUnreadable = false;        // the file was there but could not be read: never overwritten
    bool ProblemTold = false;           // the player has been told that it cannot be read or saved
    // Where the registration of the pending result's name in the file stands.
    Filing::Value RankFiling = Filing::Idle;
    int RankWaitSeconds = 0;        // how long it has waited for the file
    bool RankGiveUpOffered = false; // it has waited so long that the player may give it up
};

// The sound device and its five buffers, one for each Sound.
struct SoundState {
    bool SoundOn = true;               // false once the device failed or the sounds were released
    bool Muted = false;                // the player switched the sound off (kept between games)
    long SoundDevice = 0;              // the sound device's handle, 0 = none
    std::array<long, 5> SoundBuffer{}; // the buffers' handles, by Sound::Id - Sound::First
    long &buffer(Sound::Id id) { return SoundBuffer[std::size_t(id - Sound::First)]; }
    long buffer(Sound::Id id) const { return SoundBuffer[std::size_t(id - Sound::First)]; }
};

struct GameState : Settings, CastState, FightState, Record, RankingState, SoundState {
};

} // namespace nuyo
