#include "app/app.h"

#include "fish/fish.h"
#include "host/appinfo.h"
#include "windows/mainwindow.h"
#include "model/game.h"
#include "windows/rankingwindow.h"
#include "windows/catchreport.h"
#include "sound/soundlibrary.h"
#include "sound/sounds.h"
#include "layouts/fontsizes.h"
#include "windows/titlewindow.h"

#include <QApplication>
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

QWidget *App::mainWidget() const
{
    return form1;
}

bool App::openTitle()
{
    auto *form = new Form2(*this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (!form->Form_Load()) {
        delete form;
        return false;
    }
    title = form;
    QObject::connect(form, &Form2::modeChosen, form, [this](int mode) { titleChose(mode); });
    if (form1) {
        // A new game's choice: the game waits for it, its window hidden.
        QObject::connect(form, &Form2::closed, game, &Game::titleClosed);
        host.showDialog(form);
        return true;
    }
    form->show();
    form->raise();
    form->repaint();
    return true;
}

void App::titleChose(int mode)
{
    if (game) {
        game->modeChosen(mode);
        return;
    }
    loadMainWindow(mode);
    form1->raise();
    // Unloads the title of start-up: it is deleted when closed.
    if (title)
        title->close();
}

void App::loadMainWindow(int mode)
{
    if (form1)
        return;
    form1 = new Form1(*this);
    wireMainWindow();
    game->load(mode);
    if (!form3) {
        form3 = new Form3(*this);
        wireReport();
        form3->Form_Load();
    }
}

void App::wireMainWindow()
{
    if (!form1 || m_wired == form1)
        return;
    m_wired = form1;
    delete game;
    game = new Game(*this, *form1);
    QObject::connect(form1, &Form1::pressed, game, &Game::press);
    QObject::connect(form1, &Form1::minimisedChanged, game, &Game::setMinimised);
    QObject::connect(game, &Game::reportRequested, game, [this] { openReport(); });
    QObject::connect(game, &Game::rankingRequested, game, [this] { openRanking(); });
    QObject::connect(game, &Game::unloadReport, game, [this] { unloadReport(); });
    QObject::connect(game, &Game::titleRequested, game, [this] {
        // A display the game cannot use ends it here too, after the refusal.
        if (!openTitle())
            host.endApplication();
    });
    QObject::connect(game, &Game::titleDone, game, [this] {
        if (title)
            title->close();
    });
}

void App::wireReport()
{
    QObject::connect(form3, &Form3::okPressed, game, &Game::reportOk);
    QObject::connect(game, &Game::reportMaster, form3, &Form3::ShowMaster);
}

void App::openReport()
{
    if (form3)
        host.showDialog(form3);
}

void App::openRanking()
{
    // Loaded for one showing; unloaded when it closes.
    auto *form = new Form4(*this);
    form4 = form;
    if (game) {
        QObject::connect(form, &Form4::toggleRequested, game, &Game::toggleRanking);
        QObject::connect(form, &Form4::nameEntered, game, &Game::registerRankingName);
    }
    QObject::connect(form, &Form4::closed, form, [this, form] {
        form->deleteLater();
        if (game)
            game->rankingClosed();
    });
    form->Form_Load();
    host.showDialog(form);
}

void App::unloadReport()
{
    delete form3;
    form3 = nullptr;
}

void App::unloadWindows()
{
    delete form4;
    unloadReport();
    delete game;
    game = nullptr;
    delete form1;
    form1 = nullptr;
}

void App::endQuietly()
{
    registerPendingName();
    if (game)
        game->stopTimers();
    SoundRelease(*this);
    host.endApplication();
}

void endQuietly(App &app)
{
    app.endQuietly();
}

void registerPendingName()
{
    // A result waiting for its name is kept, as an empty or unfinished entry registers it: the
    // player cannot be asked any more, and losing the game's result would be worse.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (auto *ranking = qobject_cast<Form4 *>(w); ranking && ranking->isVisible())
            ranking->registerName(false);
    }
}

bool Main(App &app, bool anotherGameRuns)
{
    if (anotherGameRuns) {
        app.host.msgBox(QCoreApplication::translate("Title", "既に「 ぬ よ 」は起動しています！　　"),
                        MsgBox::Exclamation, appDefaultTitle());
        return false;
    }
    SetFontSizes(app.g, app.twipsPerPixel ? app.twipsPerPixel() : 15.0);
    return app.openTitle();
}

} // namespace nuyo
