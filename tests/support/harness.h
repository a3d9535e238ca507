// A whole game under the simulated host: the windows, a recording sound library, a temp folder.
#pragma once

#include "app/app.h"
#include "host/simhost.h"
#include "model/game.h"
#include "support/player.h"
#include "support/recordingsound.h"
#include "windows/mainwindow.h"

#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace nuyo {

class Harness : public Seat
{
public:
    // A game whose executable folder is a fresh temporary folder, seeded with `seed`.
    explicit Harness(quint32 seed = 1, bool soundDevice = true);
    ~Harness() override;

    // Start-up and a press on the title's mode button: 0 practice, 1 the real game.
    void start(int mode);
    // Runs the game's clock until a new game's title has been answered and the game reset.
    void runUntilNewGame();

    SimHost host;
    RecordingSound *sound = nullptr; // owned by the app
    std::unique_ptr<App> app;
    QTemporaryDir dir;

    MainWindow &window() { return *app->mainWindow(); }
    Game &game() { return *app->game(); }
    const GameState &g() { return app->game()->state(); }
    // A test's own arrangement of the state; the game is made (not loaded) when there is none yet.
    GameState &stage()
    {
        app->makeGame();
        return app->game()->stagedState();
    }

    // A player's seat at the real windows.
    SimHost &clock() override { return host; }
    Game &play() override { return game(); }
    bool actionUsable() override;
    QString commentShown() override;
    bool floatLeftRest() override;
    void press(Control control, int arg) override;
    void answerDialogs(std::function<QString()> rankingName) override;

private:
    QImage m_floatBack;       // the close-up box's background, as 32-bit pixels
    qint64 m_floatBackOf = 0; // the cache key of the picture it was made from
};

// Runs `act` and says whether the game ended inside it (the simulated host's end of the process).
bool endsGame(const std::function<void()> &act);

class CatchReport;
// Runs `act` once the report's OK can be pressed (at once, or after the 60 cm fish's pause).
void whenReadyForOk(CatchReport *report, const std::function<void()> &act);

} // namespace nuyo
