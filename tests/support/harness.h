// A whole game under the simulated host: the windows, a recording sound library, a temp folder.
#pragma once

#include "app/app.h"
#include "host/simhost.h"
#include "windows/mainwindow.h"
#include "model/game.h"
#include "support/recordingsound.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace nuyo {

class Harness
{
public:
    // A game whose executable folder is a fresh temporary folder, seeded with `seed`.
    explicit Harness(quint32 seed = 1, bool soundDevice = true);
    ~Harness();

    // Start-up and a press on the title's mode button: 0 practice, 1 the real game.
    void start(int mode);
    // Runs the game's clock until a new game's title has been answered and the game reset.
    void runUntilNewGame();

    SimHost host;
    RecordingSound *sound = nullptr; // owned by the app
    std::unique_ptr<App> app;
    QTemporaryDir dir;

    Form1 &form() { return *app->form1; }
    Game &game() { return *app->game; }
    GameState &g() { return app->g; }
};

// Runs `act` and says whether the game ended inside it (the simulated host's end of the process).
bool endsGame(const std::function<void()> &act);

class Form3;
// Runs `act` once the report's OK can be pressed (at once, or after the 60 cm fish's pause).
void whenReadyForOk(Form3 *report, const std::function<void()> &act);

} // namespace nuyo
