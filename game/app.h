// Everything one running game shares: the host, the state, the random generator, the sound
// library and the windows.
#pragma once

#include "game/gamestate.h"
#include "host/host.h"
#include "host/random.h"

#include <QString>
#include <functional>
#include <memory>

namespace nuyo {

class SoundLibrary;
class Form1;
class Form3;
class NUYOObject;

struct App {
    App(Host &host, std::unique_ptr<SoundLibrary> sound);
    ~App();

    Host &host;
    GameState g;                         // the shared game state
    Random rnd;                          // the one random generator
    std::unique_ptr<SoundLibrary> sound; // the sound library behind the wrappers

    // Fish: the school, slots 1..4 (index 0 unused); created on first use.
    std::unique_ptr<NUYOObject> Fish[5];

    Form1 *form1 = nullptr; // the main window, once loaded
    // The float's answer to a fish step (kind of cell, type, slot, heading): the main window's
    // FloatBite while it is loaded.
    std::function<void(int kind, int type, int slot, int heading)> floatBite;
    Form3 *form3 = nullptr; // the catch report, loaded with the main window

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

    // Creates the main window, unloads everything it owns when destroyed.
    void unloadWindows();
};

// Wait: runs events for `seconds`; returns early when FishStop > 0.
void Wait(App &app, float seconds);

} // namespace nuyo
