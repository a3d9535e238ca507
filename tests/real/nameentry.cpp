// The game's ranking window awaiting the name of a result that enters the table (beside the
// copy's own Point.dat), with the game's lock and its ending for a lost display.
#include "app/app.h"
#include "app/displayloss.h"
#include "host/realhost.h"
#include "layouts/fontsizes.h"
#include "model/game.h"
#include "ranking/rankingfile.h"
#include "sound/qtsoundlibrary.h"
#include "startup/singleinstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    nuyo::SingleInstance instance;
    nuyo::RealHost host;
    nuyo::App app(host, std::make_unique<nuyo::QtSoundLibrary>());
    app.fonts = nuyo::fontSizesFor(app.twipsPerPixel());
    // The game behind the window, its main window never shown: the result goes into the table.
    app.makeGame();
    nuyo::Game &game = *app.game();
    game.loadRanking();
    nuyo::GameState &g = game.stagedState();
    g.RankOn = nuyo::RankOn::ResultPending;
    g.Points = 1000; // above any row the script writes
    g.WeightKg = QStringLiteral("0.00");
    nuyo::endOnLostDisplay([&app] { app.registerPendingName(); }, [&instance] { instance.release(); });
    game.showRanking([] { QCoreApplication::quit(); });
    return qapp.exec();
}
