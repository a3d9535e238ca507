#include "game/app.h"

#include "fish/nuyoobject.h"
#include "game/form1.h"
#include "report/form3.h"
#include "sound/soundlibrary.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace nuyo {

App::App(Host &h, std::unique_ptr<SoundLibrary> s) : host(h), sound(std::move(s))
{
    exeDir = QCoreApplication::applicationDirPath();
    displayDepth = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 32;
    };
    twipsPerPixel = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    };
}

App::~App()
{
    unloadWindows();
}

void Wait(App &app, float seconds)
{
    GameState &g = app.g;
    app.host.waitFor(seconds, [&g] { return g.FishStop > FishStop::Moving; });
}

void App::unloadWindows()
{
    delete form3;
    form3 = nullptr;
    delete form1;
    form1 = nullptr;
}

} // namespace nuyo
