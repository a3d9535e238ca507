// The game: it takes the player's presses, the three timers' ticks and its own steps on the
// host's clock, writes the game state, and says what changed to the main window (Scene) and, by
// signals, to App (which windows to show).
#pragma once

#include "app/app.h"
#include "state/gamestate.h"
#include "host/host.h"

#include <QColor>
#include <QObject>
#include <functional>
#include <memory>

namespace nuyo {

class Scene;
struct BigCatchChange;

// The controls a player presses, by their names in the main window.
enum class Control {
    Command1, // the action button
    Command3, // a bait button (the argument is its index)
    Command4, // the hint button
    Command6, // the ranking button
    Command7, // the new-game button
    Label1,   // the float-thickness box
    Image3,   // the help picture
    CloseBox, // the window's close box
};

class Game : public QObject
{
    Q_OBJECT
public:
    Game(App &app, Scene &scene);
    ~Game() override;

    const GameState &state() const { return g; }

    // ---- inputs ----
    // A press on `control`: `arg` is the mouse button (1 left, 2 right) or a bait button's index.
    void press(Control control, int arg = Mouse::Left);
    void load(int mode);                                      // the main window's load: the game of `mode` starts
    void reportOk();                                          // the report's OK
    void rankingClosed();                                     // the ranking window's "ＯＫ"
    void toggleRanking();                                     // the ranking window's toggle
    void registerRankingName(const QString &name, bool tell); // the new row's name
    void modeChosen(int mode);                                // the title's choice for a new game
    void titleClosed();                                       // the title window closed
    void setMinimised(bool minimised);                        // the game's clock stops while the window is minimised

    // The handlers by their documented names (press() calls them).
    void Command1_MouseDown(int Button); // the action button: what it does depends on ActionState
    void Command3_Click(int Index);      // a bait-setting button
    void Command4_MouseDown(int Button); // the hint button
    void Command6_Click();               // the ranking button
    void Command7_Click();               // the new-game button
    void Label1_Click();                 // the float-thickness box
    void Image3_Click();                 // the help picture: offers the introduction text
    void Form_QueryUnload();             // the window is closing: release, say goodbye, end

    // Steps and pieces the tests and tools drive directly.
    void NewGame(); // hides the main window and asks for the mode again
    void showAction(Action::State state);
    void showReport(std::function<void()> then = {});          // the report; `then` after its OK
    void showRanking(std::function<void()> then = {});         // the ranking; `then` after its "ＯＫ"
    bool FloatBite(int kind, int type, int slot, int heading); // the float's answer to a fish step
    void floatUnderWater();                                // the float pulled under: nothing shows until the next step
    void KingfisherPass(std::function<void()> then = {});  // flies across the scene
    void KingfisherVisit(std::function<void()> then = {}); // perches on the window, flies off
    void stopTimers();                                     // Timer1, Timer2 and Timer3 off
    void AWASE();      // the angler after a cast has ended, with the last result's mark
    void WORK();       // redraws the fight and decides landing or line break
    void SetupSound(); // the device, the five buffers and the background loop

    std::unique_ptr<HostTimer> Timer1; // 100 ms: cast animation and landing display
    std::unique_ptr<HostTimer> Timer2; // 200 ms: float settling
    std::unique_ptr<HostTimer> Timer3; // 1 s: bait timer and fight tick
    static constexpr int Timer1Ms = 100;
    static constexpr int Timer2Ms = 200;
    static constexpr int Timer3Ms = 1000;

    QColor lineColour;   // the fishing line's colour in the fight, from the danger
    int TipNo = 0;       // the tip the next left click on the hint button shows
    int Tick = 0;        // Timer1's tick counter, shared by both animations
    int Timer2Count = 0; // Timer2's settling tick counter

Q_SIGNALS:
    void reportRequested();  // show the catch report for the cast just ended
    void reportMaster();     // the 60 cm report's second picture, two seconds on
    void rankingRequested(); // load and show the ranking window
    void unloadReport();     // the game is being left: unload the report
    void titleRequested();   // a new game: show the title for the choice of mode
    void titleDone();        // the choice is taken: close the title

private:
    // The cast's steps, one after another on the host's clock, never one inside another.
    void castPressed();
    void throwLine();      // the cast animation; the float goes out 3 s later
    void floatOut();       // the float in the water, settling; the watch begins 5.5 s later
    void watchFloat();     // the strike button; the school starts stepping
    void fishStep();       // one step of fish m_fish and the float's answer
    void floatGoneUnder(); // the 60 cm fish's float a tenth of a second later
    void fishPause();      // 0.2 s after a fish step
    void nextFish();       // 0.5 s later: the next fish steps
    bool stopWatching();   // true when the float was on its way under (the caller finishes it)
    // The cast's next step. The pauses are single-precision numbers of seconds (0.2f is a
    // little over 0.2), as the game's clock has always counted them.
    void after(float seconds, void (Game::*step)());
    // Schedules `step` on the host's clock; `pending` holds it until it runs (then 0), so that it
    // can be cancelled.
    void scheduleInto(Host::StepId &pending, double seconds, std::function<void()> step);
    void loseBait();
    void baitLostPressed();
    void strikePressed();
    void fightPressed(int Button);
    void endPressed();
    void StrikeResult();
    void endCast(const std::function<void()> &then = {});
    void CM(const std::function<void()> &then = {});
    void readyForNextCast();
    void showWantedBaitHint();
    void appendResultLine();
    // Timer1's two animations, Timer2's settling, Timer3's two duties and WORK's two endings.
    void Timer1_Timer();
    void castFrame();
    void landingFrame();
    void landed();
    void afterLandingReport();
    void Timer2_Timer();
    void Timer3_Timer();
    void baitTick();
    void fightTick();
    void breakLine();
    void landFish();
    void CmCopy(int kind);
    void newGameChosen();
    void applyModeValues();
    // The kingfisher's frames.
    void birdAfter(double seconds, void (Game::*step)());
    void birdDone();
    void passFrame();
    void passEnd();
    void visitTurn();
    void visitFrame();
    void visitGone();
    void visitEnd();

    App &app;
    GameState &g;
    Scene &scene;
    bool m_furniture = true; // the hint button (and with it the help picture) takes presses
    bool m_minimised = false;
    Host::StepId m_castStep = 0;   // the cast's pending step
    Host::StepId m_birdStep = 0;   // the kingfisher's next frame
    Host::StepId m_reportStep = 0; // the 60 cm report's second picture
    Host::StepId m_titleStep = 0;  // the new game's pause after the choice of mode
    int m_fish = 1;                // the fish whose step is next
    bool m_pullingUnder = false;   // the float is on its way under
    int m_birdX = 0, m_birdY = 0, m_birdClip = 0;
    std::function<void()> m_birdThen;     // after the kingfisher
    std::function<void()> m_afterReport;  // after the report's OK
    std::function<void()> m_afterRanking; // after the ranking window's "ＯＫ"
};

} // namespace nuyo
