// Measures the main window's real timers with the real host's clock, in a real process:
//   - the cast animation: the animation timer with the cast's stage, from enabling until it
//     disables itself;
//   - the float settling: the settling timer from a fresh cast's float until it disables itself;
//   - the bait timer: the second timer from enabling until its 60th tick.
// Prints one line per run: "<figure> <measured ms> <nominal ms> <ticks>".
//
//   nuyobench_timing [--runs N] [--bait-ticks N]
//
// The bait-timer runs go on side by side, one main window each, started a little apart; the
// other two are run one after another on the first window.
#include "app/app.h"
#include "host/realhost.h"
#include "layouts/fonts.h"
#include "model/game.h"
#include "silentsound.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace nuyo;

namespace {

struct Measured {
    double ms = -1;
    int ticks = 0;
};

// Runs `timer` from enabling until `done` holds after one of its ticks (checked after every
// tick); the tick handler itself is kept and only wrapped.
Measured timeTimer(RealHost &host, HostTimer &timer, double nominalMs, const std::function<bool(int ticks)> &done,
                   const std::function<void()> &afterEnd = {})
{
    Measured m;
    const std::function<void()> tick = timer.onTick;
    double start = 0;
    timer.onTick = [&] {
        tick();
        ++m.ticks;
        if (m.ms < 0 && done(m.ticks)) {
            m.ms = (host.now() - start) * 1000.0;
            timer.setEnabled(false);
            if (afterEnd)
                afterEnd();
        }
    };
    start = host.now();
    timer.setEnabled(true);
    host.waitFor(nominalMs * 3 / 1000.0, [&] { return m.ms >= 0; });
    timer.setEnabled(false);
    timer.onTick = tick;
    return m;
}

void print(const char *figure, const Measured &m, double nominalMs)
{
    std::printf("%s %.2f %.0f %d\n", figure, m.ms, nominalMs, m.ticks);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    int runs = 5;
    int baitTicks = 60;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--bait-ticks") && i + 1 < argc)
            baitTicks = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--bait-ticks N]\n", argv[0]);
            return 2;
        }
    }
    installFontSubstitutions();

    QTemporaryDir dir;
    RealHost host;
    std::vector<std::unique_ptr<App>> apps;
    for (int i = 0; i < runs; ++i) {
        auto app = std::make_unique<App>(host, std::make_unique<SilentSound>());
        app->exeDir = dir.path();
        app->userDataDir = dir.path();
        app->loadMainWindow(GameMode::Practice);
        apps.push_back(std::move(app));
    }
    host.waitFor(0.5); // let the windows show and settle
    Game &f = *apps.front()->game();
    GameState &g = f.stagedState();

    // The cast animation: 16 ticks of 100 ms.
    for (int r = 0; r < runs; ++r) {
        g.CastStage = CastStage::Cast;
        const Measured m =
            timeTimer(host, f.stagedAnimationTimer(), 1600, [&](int) { return !f.animationTimer().isEnabled(); });
        print("cast", m, 1600);
    }

    // The float settling: 21 ticks of 200 ms, from the float as a cast leaves it.
    for (int r = 0; r < runs; ++r) {
        g.FloatX = 96;
        g.FloatY = 20;
        g.FloatSrcW = 5;
        g.FloatH = 156;
        g.FloatWidth = 5;
        apps.front()->mainWindow()->ui.floatCloseUp->setVisible(true);
        const Measured m = timeTimer(
            host, f.stagedSettlingTimer(), 4200, [&](int) { return !f.settlingTimer().isEnabled(); },
            [&] { f.stagedSecondTimer().setEnabled(false); }); // the settling hands over to the bait timer
        print("settle", m, 4200);
    }

    // The bait timer: `baitTicks` ticks of 1000 ms on every window at once, started 150 ms apart.
    std::vector<Measured> bait(runs);
    std::vector<double> started(runs, -1);
    std::vector<std::function<void()>> ticks(runs);
    int finished = 0;
    for (int r = 0; r < runs; ++r) {
        Game &w = *apps[r]->game();
        GameState &wg = w.stagedState();
        wg.Fighting = false;
        wg.FishStop = FishStop::Moving;
        wg.BaitTime = 30000; // never runs out here
        wg.FloatY = 100;
        ticks[r] = w.secondTimer().onTick;
        w.stagedSecondTimer().onTick = [&, r] {
            ticks[r]();
            if (++bait[r].ticks == baitTicks) {
                bait[r].ms = (host.now() - started[r]) * 1000.0;
                apps[r]->game()->stagedSecondTimer().setEnabled(false);
                ++finished;
            }
        };
        started[r] = host.now();
        w.stagedSecondTimer().setEnabled(true);
        host.waitFor(0.15);
    }
    host.waitFor(baitTicks * 3.0, [&] { return finished == runs; });
    for (int r = 0; r < runs; ++r) {
        apps[r]->game()->stagedSecondTimer().setEnabled(false);
        apps[r]->game()->stagedSecondTimer().onTick = ticks[r];
        print("bait", bait[r], baitTicks * 1000.0);
    }

    for (auto &app : apps)
        app->unloadWindows();
    return 0;
}
