// The composition root: it makes the game from its ports, creates every window and wires the
// windows' signals to the game, here and nowhere else.
#pragma once

#include "host/host.h"
#include "layouts/fontsizes.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace nuyo {

class SoundLibrary;
class MainWindow;
class TitleWindow;
class CatchReport;
class RankingWindow;
class IntroductionWindow;
class Game;

class App
{
public:
    App(Host &host, std::unique_ptr<SoundLibrary> sound);
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    // Refuses a second game, sizes the fonts and shows the title window. False when the
    // application is to end at once.
    bool start(bool anotherGameRuns);

    // Ends the game quietly: the timers stop, the sounds are released, the windows go, a name
    // being entered is registered as it stands, and the host ends the process.
    void endQuietly();
    // Registers a result waiting for its name with what was typed (or the empty entry's name),
    // without telling the player anything; a result waiting for the file waits for it a last
    // time, asleep and bounded (Game::registerBeforeEnd), and standard error says what became of it.
    void registerPendingName();

    // Loads the main window for the game of `mode` and the hidden report, and shows the main
    // window (the title's choice at start-up does; so do tests and tools that skip the title).
    void loadMainWindow(int mode);
    // The pieces of that load, for tests and tools that stage a window without a whole game:
    // the main window and the game, wired, nothing shown (once); the hidden report, wired and
    // placed over the main window (once).
    void makeGame();
    void makeReport();
    // Unloads every window and the game.
    void unloadWindows();

    // What the game and its windows are while they are loaded (null before and after).
    Game *game() const { return m_game.get(); }
    MainWindow *mainWindow() const { return m_main; }
    QWidget *mainWidget() const; // the main window as a plain widget
    CatchReport *report() const { return m_report; }
    RankingWindow *ranking() const;
    TitleWindow *title() const;

    // The folder of the executable: where the introduction text and, for a game run from its
    // build folder or a portable copy, the ranking file live.
    QString exeDir;
    // The user's data folder of an installed game (empty: decided by the ranking's path rule).
    QString userDataDir;
    // Bits per pixel of the display the title window opens on.
    std::function<int()> displayDepth;
    // Twips per pixel of the display (1440 / logical dpi).
    std::function<double()> twipsPerPixel;
    // The windows' font sizes, from twipsPerPixel once the game starts.
    DisplayFonts fonts;
    // Where the player's choices (the sound switch) are kept; empty: the desktop's usual place.
    QString settingsFile;

private:
    // Shows the title window: at start-up (its choice loads the main window) or for a new game.
    // False when the display cannot be used.
    bool openTitle();
    void titleChose(int mode);
    void openReport();  // shows the catch report for the cast just ended
    void openRanking(); // loads and shows the ranking window
    void unloadReport();
    void showIntroduction(const QString &name, const QString &text); // in the game's own window

    Host &m_host;
    std::unique_ptr<SoundLibrary> m_sound;
    std::unique_ptr<Game> m_game;
    MainWindow *m_main = nullptr;
    CatchReport *m_report = nullptr;
    QPointer<RankingWindow> m_ranking; // while it is open
    QPointer<TitleWindow> m_title;     // while it is open
    QPointer<IntroductionWindow> m_introduction;
};

} // namespace nuyo
