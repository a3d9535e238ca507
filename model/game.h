// The game: it takes the player's presses, the three timers' ticks and its own steps on the
// host's clock, writes the game state, and says what changed to the main window (Scene) and, by
// signals, to whoever shows the other windows. It is built from its ports: the host, a scene,
// the sound library and the ranking file; it owns the state, the school and the random generator.
#pragma once

#include "fish/school.h"
#include "host/host.h"
#include "host/random.h"
#include "model/hints.h"
#include "ranking/rankingfile.h"
#include "sound/sounds.h"
#include "state/gamestate.h"

#include <QColor>
#include <QObject>
#include <functional>
#include <memory>

namespace nuyo {

class Scene;
class SoundLibrary;

class Game : public QObject
{
    Q_OBJECT
public:
    // `sound` may be null (no sound at all); `introductionDir` is where the introduction text is
    // looked for (the executable's folder).
    Game(Host &host, Scene &scene, SoundLibrary *sound, RankingFile ranking, QString introductionDir);
    ~Game() override;

    const GameState &state() const { return g; }
    const School &school() const { return m_school; }
    int tipNumber() const { return m_tipNo; }                             // the tip the hint button shows next
    int animationTicks() const { return m_tick; }                         // the animation timer's tick counter
    bool paused() const { return m_paused; }                              // the pause key stopped the clock
    QColor lineColour() const { return m_lineColour; }                    // the fishing line's colour in the fight
    const HostTimer &animationTimer() const { return *m_animationTimer; } // 100 ms: the cast and the landing
    const HostTimer &settlingTimer() const { return *m_settlingTimer; }   // 200 ms: the float settling
    const HostTimer &secondTimer() const { return *m_secondTimer; }       // 1 s: the bait and the fight
    static constexpr int AnimationMs = 100;
    static constexpr int SettlingMs = 200;
    static constexpr int SecondMs = 1000;

    // For tests and tools that stage a scene: the state, the school and the timers, writable. The
    // game never needs them.
    GameState &stagedState() { return g; }
    School &stagedSchool() { return m_school; }
    HostTimer &stagedAnimationTimer() { return *m_animationTimer; }
    HostTimer &stagedSettlingTimer() { return *m_settlingTimer; }
    HostTimer &stagedSecondTimer() { return *m_secondTimer; }

    // ---- inputs ----
    // A press on `control`: `arg` is the mouse button (1 left, 2 right) or a bait button's index.
    void press(Control control, int arg = Mouse::Left);
    void load(int mode);                                      // the main window's load: the game of `mode` starts
    void reportOk();                                          // the report's OK
    void rankingClosed();                                     // the ranking window's "ＯＫ"
    void toggleRanking();                                     // the ranking window's toggle
    void registerRankingName(const QString &name, bool tell); // the new row's name (registrationDone)
    void giveUpRegistration();                                // the player stops waiting for the file
    void modeChosen(int mode);                                // the title's choice for a new game
    void titleClosed();                                       // the title window closed
    void setMinimised(bool minimised);                        // the game's clock stops while the window is minimised
    void setKeyHints(bool keys);                              // the player plays by keys: the hints name keys
    void setMuted(bool muted);                                // the sound switch as the player left it

    // Steps and pieces the tests and tools drive directly.
    void quit();         // the close box: release, say goodbye, end
    void startNewGame(); // hides the main window and asks for the mode again
    void showAction(Action::State state);
    void showReport(std::function<void()> then = {});  // the report; `then` after its OK
    void showRanking(std::function<void()> then = {}); // the ranking; `then` after its "ＯＫ"
    // The float's answer to a fish step of `kind` (see cellKind); true when it is being pulled under.
    bool answerFishStep(int kind, int type, int slot, int heading);
    void floatUnderWater();                                // the float pulled under: nothing shows until the next step
    void kingfisherPass(std::function<void()> then = {});  // flies across the scene
    void kingfisherVisit(std::function<void()> then = {}); // perches on the window, flies off
    void stopTimers();
    void releaseSounds();
    void loadRanking();      // the ranking file into the table; a problem with it is told once
    void drawAnglerAtRest(); // the angler after a cast has ended, with the last result's mark
    void judgeFight();       // redraws the fight and decides landing or line break
    // The game is ending (a quit signal, the close box, a lost display): a result still waiting
    // for the file gets one last wait of at most LockWaitAtEnd, asleep (no window is kept alive),
    // and standard error says what became of a result that waited or was registered unasked.
    void registerBeforeEnd();

Q_SIGNALS:
    void reportRequested();        // show the catch report for the cast just ended
    void reportMaster();           // the 60 cm report's second picture, two seconds on
    void rankingRequested();       // load and show the ranking window
    void unloadReport();           // the game is being left: unload the report
    void titleRequested();         // a new game: show the title for the choice of mode
    void titleDone();              // the choice is taken: close the title
    void mutedChanged(bool muted); // the player switched the sound: keep the choice
    // The desktop could not open the introduction: show its text (`name`) in a window of the game's.
    void introductionText(const QString &name, const QString &text);
    // The name's registration: another program holds the ranking file, so it waits (at each try
    // again); it has ended: saved, not saved or given up (RankFiling says which).
    void registrationWaiting();
    void registrationDone();

private:
    // The presses, by control.
    void pressAction(int button); // what it does depends on ActionState
    void chooseBait(int index);
    void pressHint(int button);
    void rankingPressed();
    void newGamePressed();
    void toggleFloatWidth();
    void offerIntroduction();
    void togglePause();
    // The comment line: a hint that names a press (in the words for the player's hands), or any text.
    void showHint(Hint::Kind kind);
    void showComment(const QString &text);

    // The cast's steps, one after another on the host's clock, never one inside another.
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
    // can be cancelled. `whilePaused`: it runs on time while the game's clock is paused.
    void scheduleInto(Host::StepId &pending, double seconds, std::function<void()> step, bool whilePaused = false);
    void loseBait();
    void baitLostPressed();
    void strikePressed();
    void fightPressed(int button);
    void endPressed();
    void showStrikeResult();
    void endCast(const std::function<void()> &then = {});
    void closeGame(const std::function<void()> &then = {});
    void readyForNextCast();
    void showWantedBaitHint();
    void appendResultLine();
    void drawFloat(); // where the state puts it
    // The animation timer's two animations, the settling, the second timer's two duties and the
    // fight's two endings.
    void onAnimationTimer();
    void castFrame();
    void landingFrame();
    void landed();
    void afterLandingReport();
    void onSettlingTimer();
    void onSecondTimer();
    void baitTick();
    void fightTick();
    void breakLine();
    void landFish();
    void newGameChosen();
    void applyModeValues();
    // Telling the player once in a run what went wrong with the ranking file.
    void tellRankingProblem(const QString &headline, const QString &reason);
    // The name's registration: one try at the file's lock; the wait while another program holds
    // it (the game's clock paused, a try every FileRetrySeconds); the end of it.
    void tryRegistration();
    void waitForFile();
    void finishRegistration(const Registration &done);
    // The kingfisher's frames.
    void birdAfter(double seconds, void (Game::*step)());
    void birdDone();
    void passFrame();
    void passEnd();
    void visitTurn();
    void visitFrame();
    void visitGone();
    void visitEnd();

    Host &m_host;
    Scene &scene;
    GameState g;
    School m_school;
    Random m_rnd;
    Sounds m_sounds;
    RankingFile m_ranking;
    QString m_introductionDir;
    std::unique_ptr<HostTimer> m_animationTimer;
    std::unique_ptr<HostTimer> m_settlingTimer;
    std::unique_ptr<HostTimer> m_secondTimer;
    QColor m_lineColour;
    int m_tipNo = 0;         // the tip the next left click on the hint button shows
    int m_tick = 0;          // the animation timer's tick counter, shared by both animations
    int m_settleTicks = 0;   // the settling timer's ticks
    bool m_furniture = true; // the hint button (and with it the basket picture) takes presses
    bool m_minimised = false;
    bool m_paused = false;
    bool m_keyHints = false;        // the hints name keys
    Hint::Kind m_hint = Hint::None; // the hint on the comment line
    Host::StepId m_castStep = 0;    // the cast's pending step
    Host::StepId m_birdStep = 0;    // the kingfisher's next frame
    Host::StepId m_reportStep = 0;  // the 60 cm report's second picture
    Host::StepId m_titleStep = 0;   // the new game's pause after the choice of mode
    Host::StepId m_fileStep = 0;    // the registration's next try at the ranking file
    int m_fish = 1;                 // the fish whose step is next
    bool m_pullingUnder = false;    // the float is on its way under
    int m_birdX = 0, m_birdY = 0, m_birdClip = 0;
    std::function<void()> m_birdThen;     // after the kingfisher
    std::function<void()> m_afterReport;  // after the report's OK
    std::function<void()> m_afterRanking; // after the ranking window's "ＯＫ"
    // The result whose name is being registered, kept until the file holds it or the player
    // gives it up.
    struct UnsavedResult {
        int points = 0;
        QString name;
        QString record;   // the row's text with the name
        bool tell = true; // a failure is told to the player (not when the game is ending)
        QString reason;   // why it was not saved
    } m_unsaved;
    double m_waitStarted = 0; // when the registration began to wait for the file
};

} // namespace nuyo
