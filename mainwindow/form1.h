// The main window, where the whole game is played.
#pragma once

#include "game/app.h"
#include "widgets/controls.h"

#include <QColor>

#include <QHash>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace nuyo {

struct BigCatchChange;

class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(App &app);
    ~Form1() override;

    // ---- set-up and new game (game/) ----
    void Form_Load();                     // sizes, centres and dresses the window, then shows it
    void NewGame();                       // hides the window and asks for the mode again
    void modeChosen(int mode);            // the title's choice for a new game: the reset 1.5 s later
    void titleClosed();                   // the title closed: the reset goes on with the mode chosen
    void newGameChosen();                 // resets the game for the chosen mode and shows the window
    void PrepareAngler();                 // the angler at rest in the scene
    void applyModeDressing(bool newGame); // caption, colours and pictures of the mode
    void Timer1_Timer();                  // cast animation (CastStage::Cast) or landing display (::Landing)
    void drawAnglerFrame(int k);          // angler frame k of Image1 into PicPRE (mask, then sprite)
    void drawSizeText(int colour);        // PicS(colour)'s size text over the water (0 red, 1 yellow)
    void drawResultMark();                // the last result's mark and stamp under the angler
    void setBackColor(const QColor &c);   // the window's own back colour
    void stopTimers();                    // Timer1, Timer2 and Timer3 off, in this order

    // ---- fish, float, strike, fight (fish/) ----
    // The float's answer to a fish step; true when the 60 cm fish is pulling it under (half of
    // it shows, and floatUnderWater takes it out of sight a tenth of a second later).
    bool FloatBite(int kind, int type, int slot, int heading);
    void floatUnderWater(); // the float pulled under: nothing shows until the next step
    void drawFloat();       // the float at (FloatX, FloatY), FloatH high, into PicUKI
    void Timer2_Timer();    // the float settling after a cast
    void Command1_MouseDown(int Button, int Shift = 0, float X = 0, float Y = 0); // the action button
    void showAction(Action::State state); // the action button's caption and colour for `state`
    void StrikeResult();                  // judges the strike, then shows its comment and the size stamps
    // The next cast, or the game's close when no bait is left; `then` once that is done (after
    // the ranking window, when the close opens it).
    void endCast(const std::function<void()> &then = {});
    void AWASE();            // the angler after a cast has ended, with the last result's mark
    void Timer3_Timer();     // bait countdown while watching; fight tick while a fish is on
    void WORK();             // redraws the fight and decides landing or line break
    void appendResultLine(); // "  n． result" into the catch log

    // ---- furniture (window/) ----
    void CmCopy(int kind); // composes the size stamp in PicCm: 1 break, 2 landing
    // Closes a game: freezes the controls, then the ranking (`then` once it closes) or the grade.
    void CM(const std::function<void()> &then = {});
    void SetMainFonts(); // display-scaled font sizes of the main window's controls
    // The kingfisher's surprises, frame by frame on the clock; the window takes no clicks
    // meanwhile, and `then` runs once the bird is gone.
    void KingfisherPass(std::function<void()> then = {});  // flies across the scene
    void KingfisherVisit(std::function<void()> then = {}); // perches on the window, then flies off
    void Command3_Click(int Index);                        // a bait-setting button
    void Command4_MouseDown(int Button);                   // the hint button
    void Command6_Click();                                 // the ranking button
    void Command7_Click();                                 // the new-game button
    void Form_QueryUnload();                               // the window is closing: release, say goodbye, end
    void Image3_Click();                                   // the help picture: offers the introduction text
    void Label1_Click();                                   // the float-thickness box
    void Text1_GotFocus();                                 // the catch log hands the focus on

    // ---- sound (sound/) ----
    void SetupSound(); // the device, the five buffers and the background loop

    // ---- what the other windows and the rules ask of the main window ----
    void appendLog(const QString &text);       // more text at the end of the catch log
    void showComment(const QString &text);     // the hint and comment line Label3
    void showWantedBaitHint();                 // names the bait the fish take now (BaitWanted)
    void printSizeStamps(const QString &text); // the struck fish's size into the three size texts
    void readyForNextCast();                   // after a report: stamps wiped, hint and ranking usable
    void showRankingToggle();                  // Command6's colour for RankingOff
    void showMasterColour();                   // the window's colour after a master's third big catch

    // ---- what the other windows tell the main window (wired by App) ----
    // The catch report for the cast just ended; `then` goes on after its OK.
    void showReport(std::function<void()> then = {});
    // The ranking window, with a finished game's result entered; `then` once it closes.
    void showRanking(std::function<void()> then = {});
    void reportOk();      // the report's OK: the log line, the counters, then the cast goes on
    void rankingClosed(); // the ranking window's "ＯＫ": whatever waited for it goes on
    void registerRankingName(const QString &name, bool tell); // the new row's name, then saved
    void toggleRanking();                                     // the ranking window's toggle: results ranked or not

Q_SIGNALS:
    void reportRequested();                // show the catch report for the cast just ended
    void reportMaster();                   // the 60 cm report's second picture, two seconds on
    void rankingRequested();               // load and show the ranking window
    void unloadReport();                   // the game is being left: unload the report
    void titleRequested();                 // a new game: show the title for the choice of mode
    void titleDone();                      // the choice is taken: close the title
    void minimisedChanged(bool minimised); // the game's clock stops while the window is minimised

public:
    App &app;
    GameState &g;

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
    std::unique_ptr<HostTimer> Timer1;      // cast and landing animation
    std::unique_ptr<HostTimer> Timer2;      // float settling
    std::unique_ptr<HostTimer> Timer3;      // bait timer and fight tick
    static constexpr int Timer1Ms = 100;
    static constexpr int Timer2Ms = 200;
    static constexpr int Timer3Ms = 1000;

    int Tick = 0;        // Timer1's tick counter, shared by both animations
    int Timer2Count = 0; // Timer2's settling tick counter
    int TipNo = 0;       // the tip the next left click on the hint button shows
    QColor lineColour;   // PicPRE's drawing colour for the fishing line

    QHash<QString, QWidget *> controls; // every control by name, for tests and tools

    // Where the kingfisher's visit takes its picture of the window (by default the window's
    // own rendering of its client area).
    std::function<QImage()> windowSnapshot;

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void findControls();    // the members above, from the built layout
    void connectControls(); // the controls' events to their handlers

    // The action button's states, one handler each (Command1_MouseDown dispatches by caption).
    // The cast's steps run one after another on the host's clock, never one inside another.
    void castPressed();    // "振り込み": throws the line
    void throwLine();      // the cast animation; the float goes out 3 s later
    void floatOut();       // the float in the water, settling; the watch begins 5.5 s later
    void watchFloat();     // the strike button; the school starts stepping
    void fishStep();       // one step of fish m_fish and the float's answer
    void floatGoneUnder(); // the 60 cm fish's float a tenth of a second later
    void fishPause();      // 0.2 s after a fish step
    void nextFish();       // 0.5 s later: the next fish steps
    // Stops the watch; true when the float was on its way under (the caller finishes that).
    bool stopWatching();
    // The cast's next step. The pauses are single-precision numbers of seconds (0.2f is a
    // little over 0.2), as the game's clock has always counted them.
    void after(float seconds, void (Form1::*step)());
    void stopCastSteps();
    void loseBait();               // the bait dissolved: "エサ落ち"
    void baitLostPressed();        // "エサ落ち": ready for the next cast
    void strikePressed();          // "合わせ": judges the strike; a hooked fish starts the fight
    void fightPressed(int Button); // "取り込み": left pulls, right gives line
    void endPressed();             // "終了": releases the sounds, shows the points, ends
    // Timer1's two animations and the landing's bookkeeping.
    void castFrame();
    void landingFrame();
    void landed();
    // Timer3's two duties, and WORK's two endings.
    void baitTick();
    void fightTick();
    void breakLine();
    void landFish();
    void showBigCatch(const BigCatchChange &change);
    void afterLandingReport(); // the landing's bookkeeping once its report is closed

    // The kingfisher's frames.
    void birdAfter(double seconds, void (Form1::*step)());
    void birdDone();
    void passFrame();
    void passEnd();
    void visitTurn();
    void visitFrame();
    void visitGone();
    void visitEnd();

    bool m_closing = false;
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
