#include "app/app.h"

#include "host/appinfo.h"
#include "model/game.h"
#include "ranking/rankingfile.h"
#include "sound/soundchoice.h"
#include "sound/soundlibrary.h"
#include "windows/catchreport.h"
#include "windows/introductionwindow.h"
#include "windows/mainwindow.h"
#include "windows/rankingwindow.h"
#include "windows/titlewindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace nuyo {

App::App(Host &host, std::unique_ptr<SoundLibrary> sound) : m_host(host), m_sound(std::move(sound))
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
    delete m_title;
}

QWidget *App::mainWidget() const
{
    return m_main;
}

RankingWindow *App::ranking() const
{
    return m_ranking;
}

TitleWindow *App::title() const
{
    return m_title;
}

bool App::start(bool anotherGameRuns)
{
    if (anotherGameRuns) {
        m_host.msgBox(QCoreApplication::translate("Title", "既に「 ぬ よ 」は起動しています！　　"),
                      MsgBox::Exclamation, appDefaultTitle());
        return false;
    }
    fonts = fontSizesFor(twipsPerPixel ? twipsPerPixel() : 15.0);
    return openTitle();
}

bool App::openTitle()
{
    if (displayDepth && displayDepth() == 8) {
        // The box may not be readable on such a display: the refusal goes to the terminal too.
        const QString refusal = QCoreApplication::translate("Title", "  ２５６色では使用できません！  ");
        qCritical("%s", qUtf8Printable(refusal));
        m_host.msgBox(refusal, MsgBox::Exclamation, appDefaultTitle());
        return false;
    }
    auto *title = new TitleWindow(fonts);
    title->setAttribute(Qt::WA_DeleteOnClose);
    title->place();
    m_title = title;
    QObject::connect(title, &TitleWindow::modeChosen, title, [this](int mode) { titleChose(mode); });
    if (m_game) {
        // A new game's choice: the game waits for it, its window hidden.
        QObject::connect(title, &TitleWindow::closed, m_game.get(), &Game::titleClosed);
        m_host.showDialog(title);
        return true;
    }
    // Closed at start-up before a mode was chosen: nothing else is loaded, so the game ends.
    QObject::connect(title, &TitleWindow::closed, title, [this] {
        if (!m_game)
            QCoreApplication::quit();
    });
    title->show();
    title->raise();
    title->repaint();
    return true;
}

void App::titleChose(int mode)
{
    if (m_game) {
        m_game->modeChosen(mode);
        return;
    }
    loadMainWindow(mode);
    m_main->raise();
    // Unloads the title of start-up: it is deleted when closed.
    if (m_title)
        m_title->close();
}

void App::loadMainWindow(int mode)
{
    if (m_game)
        return;
    makeGame();
    m_game->load(mode);
    makeReport();
}

void App::makeGame()
{
    if (m_game)
        return;
    m_main = new MainWindow(fonts);
    m_game = std::make_unique<Game>(m_host, *m_main, m_sound.get(), RankingFile(rankingFilePath(exeDir, userDataDir)),
                                    exeDir);
    Game *game = m_game.get();
    QObject::connect(m_main, &MainWindow::pressed, game, &Game::press);
    QObject::connect(m_main, &MainWindow::minimisedChanged, game, &Game::setMinimised);
    QObject::connect(m_main, &MainWindow::keysInUse, game, &Game::setKeyHints);
    game->setMuted(savedMute(settingsFile));
    QObject::connect(game, &Game::mutedChanged, game, [this](bool muted) { saveMute(settingsFile, muted); });
    QObject::connect(game, &Game::introductionText, game,
                     [this](const QString &name, const QString &text) { showIntroduction(name, text); });
    QObject::connect(game, &Game::reportRequested, game, [this] { openReport(); });
    QObject::connect(game, &Game::rankingRequested, game, [this] { openRanking(); });
    QObject::connect(game, &Game::unloadReport, game, [this] { unloadReport(); });
    QObject::connect(game, &Game::titleRequested, game, [this] {
        // A display the game cannot use ends it here too, after the refusal.
        if (!openTitle())
            m_host.endApplication();
    });
    QObject::connect(game, &Game::titleDone, game, [this] {
        if (m_title)
            m_title->close();
    });
}

void App::makeReport()
{
    if (m_report || !m_game)
        return;
    m_report = new CatchReport(m_game->state(), fonts, m_main);
    QObject::connect(m_report, &CatchReport::okPressed, m_game.get(), &Game::reportOk);
    QObject::connect(m_game.get(), &Game::reportMaster, m_report, &CatchReport::showMaster);
    m_report->place();
}

void App::openReport()
{
    if (m_report)
        m_host.showDialog(m_report);
}

void App::openRanking()
{
    // Loaded for one showing; unloaded when it closes.
    auto *ranking = new RankingWindow(m_game->state(), fonts, m_main);
    m_ranking = ranking;
    Game *game = m_game.get();
    QObject::connect(ranking, &RankingWindow::toggleRequested, game, &Game::toggleRanking);
    QObject::connect(ranking, &RankingWindow::nameEntered, game, &Game::registerRankingName);
    QObject::connect(ranking, &RankingWindow::giveUpRequested, game, &Game::giveUpRegistration);
    QObject::connect(game, &Game::registrationWaiting, ranking, &RankingWindow::showWaiting);
    QObject::connect(game, &Game::registrationDone, ranking, &RankingWindow::showRegistration);
    QObject::connect(ranking, &RankingWindow::closed, ranking, [ranking, game] {
        ranking->deleteLater();
        game->rankingClosed();
    });
    ranking->place();
    m_host.showDialog(ranking);
}

void App::unloadReport()
{
    delete m_report;
    m_report = nullptr;
}

void App::showIntroduction(const QString &name, const QString &text)
{
    if (!m_introduction)
        m_introduction = new IntroductionWindow(m_main);
    m_introduction->showText(name, text);
}

void App::unloadWindows()
{
    delete m_ranking;
    unloadReport();
    m_game.reset();
    delete m_main;
    m_main = nullptr;
}

void App::endQuietly()
{
    if (m_game) {
        m_game->stopTimers();
        m_game->releaseSounds();
    }
    // The player is done with the windows: none stays up, frozen, while a result may wait for
    // its file one last time.
    for (QWidget *window : {static_cast<QWidget *>(m_ranking), mainWidget()})
        if (window)
            window->hide();
    registerPendingName();
    m_host.endApplication();
}

void App::registerPendingName()
{
    // A result waiting for its name is kept, as an empty or unfinished entry registers it: the
    // player cannot be asked any more, and losing the game's result would be worse. One waiting
    // for the file gets its last wait.
    if (m_ranking)
        m_ranking->registerName(false);
    if (m_game)
        m_game->registerBeforeEnd();
}

} // namespace nuyo
