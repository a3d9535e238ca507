// Everything one running game shares: the host, the state, the random generator, the sound
// library and the windows.
#pragma once

#include "state/gamestate.h"
#include "host/host.h"
#include "host/random.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace nuyo {

class SoundLibrary;
class Form1;
class Form2;
class Form3;
class Form4;
class Game;
class NUYOObject;

// The composition root: it owns the state, the random generator and the sound library, creates
// every window and wires the windows' signals to the main window's handlers, here and nowhere
// else.
struct App {
    App(Host &host, std::unique_ptr<SoundLibrary> sound);
    ~App();

    Host &host;
    GameState g;                         // the shared game state
    Random rnd;                          // the one random generator
    std::unique_ptr<SoundLibrary> sound; // the sound library behind the wrappers

    // Fish: the school, slots 1..4 (index 0 unused); created on first use.
    std::unique_ptr<NUYOObject> Fish[5];

    Game *game = nullptr;        // the game itself, loaded with the main window
    Form1 *form1 = nullptr;      // the main window, once loaded
    Form3 *form3 = nullptr;      // the catch report, loaded with the main window
    QPointer<Form4> form4;       // the ranking window while it is open
    QPointer<Form2> title;       // the title window while it is open
    QWidget *mainWidget() const; // the main window as a plain widget (others sit over it)

    // The folder of the executable: where the introduction text and, for a game run from
    // its build folder or a portable copy, the ranking file live.
    QString exeDir;
    // The user's data folder of an installed game (empty: decided by the ranking's path rule).
    QString userDataDir;

    // The ranking file was there but could not be read: this run never overwrites it.
    bool rankingUnreadable = false;
    // The player has been told that the ranking cannot be read or saved (told once in a run).
    bool rankingProblemTold = false;

    // Bits per pixel of the display the title window opens on.
    std::function<int()> displayDepth;
    // Twips per pixel of the display (1440 / logical dpi).
    std::function<double()> twipsPerPixel;

    // Shows the title window: at start-up (its choice loads the main window) or for a new game.
    // False when the display cannot be used.
    bool openTitle();
    // Loads the main window for the game of `mode` and the hidden report, and shows the main window.
    void loadMainWindow(int mode);
    // Creates the game for the main window `form1` and wires their signals (once); loadMainWindow
    // does, and so do tests that create the main window themselves.
    void wireMainWindow();
    void wireReport();
    void openReport();  // shows the catch report for the cast just ended
    void openRanking(); // loads and shows the ranking window
    void unloadReport();
    // Unloads every window.
    void unloadWindows();

    // Ends the game at once and quietly: a name being entered is registered as it stands, the
    // timers stop, the sounds are released, and the host ends the process.
    void endQuietly();

private:
    void titleChose(int mode);
    QPointer<QObject> m_wired; // the main window whose signals are wired
};

// Main: refuses a second game, sizes the fonts and shows the title window. False when the
// application is to end at once.
bool Main(App &app, bool anotherGameRuns);

// Ends the game at once and quietly (see App::endQuietly).
void endQuietly(App &app);

// Registers a result waiting for its name with what was typed (or the empty entry's name), without
// telling the player anything.
void registerPendingName();

} // namespace nuyo
