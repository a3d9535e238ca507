// The game's ranking window awaiting the name of a result that enters the table (beside the
// copy's own Point.dat), with the game's lock and its ending for a lost display.
#include "app/app.h"
#include "host/realhost.h"
#include "windows/mainwindow.h"
#include "ranking/rankingfile.h"
#include "sound/qtsoundlibrary.h"
#include "app/displayloss.h"
#include "layouts/fontsizes.h"
#include "startup/singleinstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    nuyo::SingleInstance instance;
    nuyo::RealHost host;
    nuyo::App app(host, std::make_unique<nuyo::QtSoundLibrary>());
    nuyo::SetFontSizes(app.g, app.twipsPerPixel());
    nuyo::LoadRanking(app);
    app.g.RankOn = nuyo::RankOn::ResultPending;
    app.g.Points = 1000; // above any row the script writes
    app.g.WeightKg = QStringLiteral("0.00");
    nuyo::endOnLostDisplay([&instance] { instance.release(); });
    // The game behind the window, its main window never shown: the result goes into the table.
    app.form1 = new nuyo::Form1(app);
    app.wireMainWindow();
    app.game->showRanking([] { QCoreApplication::quit(); });
    return qapp.exec();
}
