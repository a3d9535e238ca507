// The game around the casts: its load and the new game, its close, the sounds and the small
// controls.
#include "help/introduction.h"
#include "help/tips.h"
#include "host/appinfo.h"
#include "model/game.h"
#include "model/scene.h"
#include "scoring/grades.h"

#include <QFileInfo>

namespace nuyo {

// ---- load, new game, close ----

void Game::applyModeValues()
{
    const bool practice = g.GameMode == GameMode::Practice;
    g.FloatWidth = practice ? FloatWidth::Thick : FloatWidth::Thin;
    g.BaitsAtStart = practice ? 10 : 20;
    g.Baits = g.BaitsAtStart;
}

void Game::load(int mode)
{
    g.GameMode = mode == GameMode::Real ? GameMode::Real : GameMode::Practice;
    applyModeValues();
    g.ActionState = Action::Cast;
    scene.loadWindow(g.GameMode, g.ActionState, g.Baits);
    m_hint = Hint::AtStart; // the window shows it as it loads
    m_sounds.setUp(scene.windowHandle());
    m_rnd.seed(m_host.clockSeed());
    m_school.setUp(m_rnd);
    g.BaitSetting = Bait::Normal;
    g.BaitWanted = Bait::Normal;
    g.RankOn = RankOn::NothingPending;
    loadRanking();
    scene.showWindow(false);
}

void Game::startNewGame()
{
    g.TitleCall = TitleCall::NewGameChoice;
    scene.hideWindow();
    Q_EMIT titleRequested();
}

void Game::modeChosen(int mode)
{
    g.GameMode = mode == GameMode::Real ? GameMode::Real : GameMode::Practice;
    // The title says it is getting ready for a moment before the game is reset.
    scheduleInto(m_titleStep, 1.5, [this] { Q_EMIT titleDone(); });
}

void Game::titleClosed()
{
    if (g.TitleCall != TitleCall::NewGameChoice)
        return;
    // Closed by its frame before the pause was over, the title lets the reset go on at once.
    m_host.cancel(m_titleStep);
    m_titleStep = 0;
    newGameChosen();
}

void Game::newGameChosen()
{
    g.TitleCall = TitleCall::NewGameChosen;
    applyModeValues();
    scene.dressForMode(g.GameMode, true, g.RankResults);
    g.ActionState = Action::Cast;
    scene.resetForNewGame(g.ActionState, g.Baits);
    if (m_keyHints)
        showHint(Hint::AtStart);
    else
        m_hint = Hint::AtStart;
    m_furniture = true;
    m_school.setUp(m_rnd);
    g.Catches = 0;
    g.Points = 0;
    g.BigLevel = 0;
    g.Count60 = 0;
    g.Count50 = 0;
    g.BaitsUsed = 0;
    g.BaitSetting = Bait::Normal;
    g.BaitWanted = Bait::Normal;
    g.ResultMark = ResultMark::None;
    g.TotalCm = 0;
    g.RankOn = RankOn::NothingPending;
    g.setResult(ResultKind::None);
    scene.showWindow(true);
}

void Game::closeGame(const std::function<void()> &then)
{
    scene.closeGame();
    m_furniture = false;
    stopTimers();
    g.RankOn = RankOn::ResultPending;
    if (g.GameMode == GameMode::Real) {
        if (g.RankResults)
            showRanking(then);
        else if (then)
            then();
        return;
    }
    showComment(gradeText(g.BigLevel, g.Catches));
    if (then)
        then();
}

void Game::quit()
{
    if (g.SoundOn)
        m_sounds.release();
    Q_EMIT unloadReport();
    stopTimers();
    m_host.msgBox(QCoreApplication::translate("Game", "終了します！  　　"), MsgBox::Exclamation,
                  QCoreApplication::translate("Game", " ぬ よ"));
    registerBeforeEnd();
    m_host.endApplication();
}

// ---- the small controls ----

void Game::togglePause()
{
    // The clock stands still exactly as while the window is minimised.
    m_paused = !m_paused;
    if (m_paused)
        m_host.pauseClock();
    else
        m_host.resumeClock();
    scene.showPaused(m_paused);
}

void Game::setMuted(bool muted)
{
    m_sounds.setMuted(muted);
}

void Game::setKeyHints(bool keys)
{
    if (keys == m_keyHints)
        return;
    m_keyHints = keys;
    if (m_hint != Hint::None)
        showHint(m_hint);
}

void Game::showHint(Hint::Kind kind)
{
    m_hint = kind;
    scene.showComment(Hint::of(kind, m_keyHints));
}

void Game::showComment(const QString &text)
{
    m_hint = Hint::None;
    scene.showComment(text);
}

void Game::chooseBait(int index)
{
    if (index >= 0 && index <= 2)
        g.BaitSetting = index + 1;
    scene.showBaitChoice(index);
    scene.focusSink();
}

void Game::pressHint(int button)
{
    if (button == Mouse::Left) {
        m_host.msgBox(tipText(m_tipNo, m_keyHints), MsgBox::Information, appDefaultTitle());
        m_tipNo += 1;
        if (m_tipNo >= 9) {
            kingfisherVisit([this] {
                m_tipNo = 0;
                scene.showHintCaption(m_tipNo);
                scene.focusSink();
            });
            return;
        }
        scene.showHintCaption(m_tipNo);
    } else if (button == Mouse::Right) {
        m_tipNo += 1;
        if (m_tipNo >= 8)
            m_tipNo = 0;
        scene.showHintCaption(m_tipNo);
    }
    scene.focusSink();
}

void Game::rankingPressed()
{
    showRanking([this] { scene.focusSink(); });
}

void Game::newGamePressed()
{
    scene.reopenForNewGame();
    startNewGame();
}

void Game::offerIntroduction()
{
    if (!m_furniture)
        return; // the game has ended
    const QString path = introductionPath(m_introductionDir);
    if (QFileInfo(path).isFile()) {
        if (m_host.msgBox(QCoreApplication::translate("Game", "「 はじめに.txt 」を 表示しますか？"),
                          MsgBox::YesNo | MsgBox::Question, appDefaultTitle()) == MsgBox::Yes) {
            // The desktop's own viewer opens the file by its URL: no shell, no command line. Where
            // the desktop has none, the game shows the text itself.
            if (m_host.openDocument(path))
                return;
            QString text;
            if (readIntroduction(path, text))
                Q_EMIT introductionText(QFileInfo(path).fileName(), text);
            else
                m_host.msgBox(QCoreApplication::translate("Game", "「 %1 」を 開けませんでした。").arg(path),
                              MsgBox::Exclamation, QString());
        }
    } else {
        m_host.msgBox(QCoreApplication::translate("Game", "「 はじめに .txt 」がありません！"), MsgBox::OkOnly,
                      QString());
    }
}

void Game::toggleFloatWidth()
{
    g.FloatWidth = g.FloatWidth == FloatWidth::Thick ? FloatWidth::Thin : FloatWidth::Thick;
    scene.showFloatWidth(g.FloatWidth);
}

} // namespace nuyo
