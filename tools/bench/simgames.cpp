// Whole simulated real games (20 casts) per second of wall time: a player who watches the
// float, strikes and fights, the reports and the ranking answered, under the simulated host;
// at the real windows (offscreen), or with --alone on the game alone, with no window at all.
//
//   nuyobench_sim [--alone] [--seconds S] [--seed N]
//
// Plays fresh games, one after another, until S seconds of wall time have passed (at least one
// game), and prints "games <n> wall_ms <ms> per_s <rate> casts <total casts> unfinished <n>".
#include "support/harness.h"
#include "support/headlessgame.h"
#include "support/player.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

using namespace nuyo;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    double seconds = 2;
    quint32 seed = 1;
    bool alone = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--alone"))
            alone = true;
        else if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = quint32(std::strtoul(argv[++i], nullptr, 10));
        else {
            std::fprintf(stderr, "usage: %s [--alone] [--seconds S] [--seed N]\n", argv[0]);
            return 2;
        }
    }

    int games = 0;
    int unfinished = 0;
    long casts = 0;
    QElapsedTimer wall;
    wall.start();
    // One whole real game on a seat; the state it ended in.
    const auto play = [](Seat &seat, bool &finished) -> const GameState & {
        Player p(seat, Player::Style::Eyes);
        finished = p.playGame() && seat.play().state().Baits == 0;
        return seat.play().state();
    };
    do {
        bool finished = false;
        int castsMade = 0;
        if (alone) {
            HeadlessGame h(seed++);
            h.start(GameMode::Real);
            const GameState &g = play(h, finished);
            castsMade = g.BaitsAtStart - g.Baits;
        } else {
            Harness h(seed++);
            h.start(GameMode::Real);
            const GameState &g = play(h, finished);
            castsMade = g.BaitsAtStart - g.Baits;
        }
        unfinished += finished ? 0 : 1;
        casts += castsMade;
        ++games;
    } while (wall.nsecsElapsed() < seconds * 1e9);
    const double ms = wall.nsecsElapsed() / 1e6;
    std::printf("games %d wall_ms %.1f per_s %.2f casts %ld unfinished %d\n", games, ms, games * 1000.0 / ms, casts,
                unfinished);
    return unfinished == 0 ? 0 : 1;
}
