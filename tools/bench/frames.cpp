// The worst frame of the moments a player meets for the first time: the main window's load (from
// the choice on the title until the pond's loop plays), the first cast (from the press until the
// float is watched), the first catch report (from the strike until the report is up), the
// kingfisher's first pass over the scene and its first visit to the window. A frame is one
// stretch of the event loop's work: the events it handles one right after another, less than a
// millisecond apart, painting included. The game runs as it does for a player: its title, the
// practice game, the real windows and, unless --silent, the real sound device.
// Prints one line per moment: "<moment> <worst frame ms> <worst frame's processor ms> <frames>":
// the processor time of the game's thread is what a frame cost, without the waits for a processor
// that a busy machine adds to the clock time.
//
//   nuyobench_frames [--silent]
#include "app/app.h"
#include "host/realhost.h"
#include "layouts/fonts.h"
#include "model/game.h"
#include "silentsound.h"
#include "sound/qtsoundlibrary.h"
#include "windows/catchreport.h"
#include "windows/mainwindow.h"
#include "windows/titlewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

using namespace nuyo;

namespace {

// Times every event the application handles at the top of the event loop, and joins the ones
// that follow each other closely into frames.
class FrameClock : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth > 0)
            return QApplication::notify(receiver, event);
        const double start = ms();
        const double startCpu = cpuMs();
        ++m_depth;
        const bool done = QApplication::notify(receiver, event);
        --m_depth;
        const double end = ms();
        if (start - m_frameEnd > Gap) {
            m_frameStart = start;
            m_frameCpu = 0;
            if (m_watching)
                ++m_frames;
        }
        m_frameEnd = end;
        m_frameCpu += cpuMs() - startCpu;
        if (m_watching) {
            m_worst = std::max(m_worst, m_frameEnd - m_frameStart);
            m_worstCpu = std::max(m_worstCpu, m_frameCpu);
        }
        return done;
    }

    void startWatching()
    {
        m_watching = true;
        m_worst = 0;
        m_worstCpu = 0;
        m_frames = 0;
    }
    void report(const char *moment)
    {
        m_watching = false;
        std::printf("%s %.2f %.2f %d\n", moment, m_worst, m_worstCpu, m_frames);
        std::fflush(stdout);
    }

private:
    static constexpr double Gap = 1.0; // ms between two events of one frame, at most
    double ms() const { return m_clock.nsecsElapsed() / 1e6; }
    static double cpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }

    QElapsedTimer m_clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    int m_depth = 0;
    bool m_watching = false;
    double m_frameStart = 0, m_frameEnd = -1e9, m_frameCpu = 0, m_worst = 0, m_worstCpu = 0;
    int m_frames = 0;
};

// Runs `step` from the event loop, as a press or a tick arrives there.
void fromLoop(const std::function<void()> &step)
{
    QTimer::singleShot(0, qApp, step);
}

} // namespace

int main(int argc, char *argv[])
{
    FrameClock clock(argc, argv);
    bool silent = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--silent"))
            silent = true;
        else {
            std::fprintf(stderr, "usage: %s [--silent]\n", argv[0]);
            return 2;
        }
    }
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    QApplication::setFont(gameFont(defaultFaceName(), 9));

    QTemporaryDir dir;
    RealHost host;
    std::unique_ptr<SoundLibrary> sound;
    if (silent)
        sound = std::make_unique<SilentSound>();
    else
        sound = std::make_unique<QtSoundLibrary>();
    App app(host, std::move(sound));
    app.exeDir = dir.path();
    app.userDataDir = dir.path();
    auto fail = [](const char *what) {
        std::fprintf(stderr, "frames: %s\n", what);
        return 1;
    };

    // The title, then the practice game, as a player chooses it; the pond's loop settles.
    if (!app.start(false) || !app.title())
        return fail("the title window did not open");
    host.waitFor(0.5);
    clock.startWatching();
    fromLoop([&app] { app.title()->chooseMode(0); });
    host.waitFor(10, [&app] { return app.mainWindow() && app.mainWindow()->isVisible(); });
    if (!app.game())
        return fail("the main window did not load");
    host.waitFor(1.5);
    clock.report("load");
    Game &game = *app.game();
    GameState &g = game.stagedState();

    // The first cast: the throw, the float going out and settling, until the float is watched.
    clock.startWatching();
    fromLoop([&game] { game.press(Control::Action, Mouse::Left); });
    host.waitFor(20, [&g] { return g.ActionState == Action::Strike; });
    if (g.ActionState != Action::Strike)
        return fail("the cast did not reach the watch");
    host.waitFor(0.3);
    clock.report("cast");

    // The first report: a strike with the wrong bait is a false bite, which the report shows.
    g.BaitSetting = g.BaitWanted == 1 ? 2 : 1;
    clock.startWatching();
    fromLoop([&game] { game.press(Control::Action, Mouse::Left); });
    host.waitFor(5, [&app] { return app.report() && app.report()->isVisible(); });
    if (!app.report() || !app.report()->isVisible())
        return fail("the report did not show");
    host.waitFor(0.5);
    clock.report("report");
    fromLoop([&app] { app.report()->pressOk(); });
    host.waitFor(5, [&g] { return g.ActionState == Action::Cast; });
    host.waitFor(0.5);

    // The kingfisher: its pass over the scene, then its visit to the window.
    bool flown = false;
    clock.startWatching();
    fromLoop([&game, &flown] { game.kingfisherPass([&flown] { flown = true; }); });
    host.waitFor(10, [&flown] { return flown; });
    host.waitFor(0.3);
    clock.report("kingfisher-pass");
    flown = false;
    clock.startWatching();
    fromLoop([&game, &flown] { game.kingfisherVisit([&flown] { flown = true; }); });
    host.waitFor(10, [&flown] { return flown; });
    host.waitFor(0.3);
    clock.report("kingfisher-visit");
    if (!flown)
        return fail("the kingfisher did not finish");

    game.stopTimers();
    app.unloadWindows();
    return 0;
}
