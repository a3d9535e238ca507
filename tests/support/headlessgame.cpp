#include "support/headlessgame.h"

#include "ranking/rankingtable.h"

#include <cstdlib>

namespace nuyo {

namespace {
QString rankingFileIn(QTemporaryDir &dir, const QString &path)
{
    return path.isEmpty() ? dir.filePath(QStringLiteral("Point.dat")) : path;
}
} // namespace

HeadlessGame::HeadlessGame(quint32 seed, const QString &rankingPath)
    : sound(host), game(host, scene, &sound, RankingFile(rankingFileIn(dir, rankingPath)), dir.path())
{
    host.seed = seed;
}

bool HeadlessGame::floatLeftRest()
{
    // As a player at the window sees it: gone from view, or a bite's depth from its rest.
    if (!scene.floatBoxShown)
        return false;
    return scene.floatTop < 0 || std::abs(scene.floatTop - (game.state().BaitTime + 20)) >= 5;
}

void HeadlessGame::answerDialogs(std::function<QString()> rankingName)
{
    // A report is read for a second once it is all there (a 60 cm fish's after its second picture).
    const auto ok = [this] { host.after(1.0, [this] { game.reportOk(); }); };
    QObject::connect(&game, &Game::reportRequested, &game, [this, ok] {
        const GameState &g = game.state();
        const bool landed = g.LastKind != ResultKind::Miss && g.LastKind != ResultKind::FalseBite &&
                            g.LastKind != ResultKind::LineBreak;
        if (!landed || g.FishSize < 60)
            ok();
    });
    QObject::connect(&game, &Game::reportMaster, &game, ok);
    QObject::connect(&game, &Game::rankingRequested, &game, [this, rankingName] {
        host.after(1.0, [this, rankingName] {
            if (game.state().RankNo < 5)
                game.registerRankingName(fileSafeText(rankingName().toUpper()), true);
            host.after(1.0, [this] { game.rankingClosed(); });
        });
    });
}

} // namespace nuyo
