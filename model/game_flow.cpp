// The game around the casts: its load and the new game, its close, the reports and the ranking,
// the small controls, the kingfisher's frames and the sounds.
#include "fish/fight.h"
#include "fish/school.h"
#include "host/appinfo.h"
#include "model/game.h"
#include "model/scene.h"
#include "ranking/rankingfile.h"
#include "ranking/rankingtable.h"
#include "scoring/summary.h"
#include "sound/soundlibrary.h"
#include "sound/sounds.h"
#include "scoring/grades.h"
#include "help/introduction.h"
#include "help/tips.h"

#include <QFileInfo>
#include <utility>

namespace nuyo {

namespace {} // namespace

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
    scene.loadWindow();
    SetupSound();
    app.rnd.seed(app.host.clockSeed());
    SetupSchool(app);
    g.BaitSetting = Bait::Normal;
    g.BaitWanted = Bait::Normal;
    g.RankOn = RankOn::NothingPending;
    LoadRanking(app);
    scene.showWindow(false);
}

void Game::NewGame()
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
    app.host.cancel(m_titleStep);
    m_titleStep = 0;
    newGameChosen();
}

void Game::newGameChosen()
{
    g.TitleCall = TitleCall::NewGameChosen;
    applyModeValues();
    scene.dressForMode(true);
    g.ActionState = Action::Cast;
    scene.resetForNewGame();
    m_furniture = true;
    SetupSchool(app);
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

void Game::CM(const std::function<void()> &then)
{
    scene.closeGame();
    m_furniture = false;
    stopTimers();
    g.RankOn = RankOn::ResultPending;
    if (g.GameMode == GameMode::Real) {
        if (g.RankingOff == RankingOff::Ranked)
            showRanking(then);
        else if (then)
            then();
        return;
    }
    scene.showComment(gradeText(g.BigLevel, g.Catches));
    if (then)
        then();
}

void Game::Form_QueryUnload()
{
    if (g.SoundOff == SoundOff::Available)
        SoundRelease(app);
    Q_EMIT unloadReport();
    stopTimers();
    app.host.msgBox(QCoreApplication::translate("Game", "終了します！  　　"), MsgBox::Exclamation,
                    QCoreApplication::translate("Game", " ぬ よ"));
    app.host.endApplication();
}

// SetupSound: opens the device, makes the five buffers (the background last) and starts the loop.
void Game::SetupSound()
{
    SoundInit(app, scene.windowHandle());
    g.Snd102 = SoundCreate(app, waveResource(102), 2);
    g.Snd103 = SoundCreate(app, waveResource(103), 3);
    g.Snd104 = SoundCreate(app, waveResource(104), 4);
    g.Snd105 = SoundCreate(app, waveResource(105), 5);
    g.Snd101 = SoundCreate(app, waveResource(101), 1);
    if (g.SoundOff == SoundOff::Available && app.sound)
        app.sound->dsPlayLooping(g.Snd101);
}

// ---- the report and the ranking window ----

void Game::showReport(std::function<void()> then)
{
    m_afterReport = std::move(then);
    const bool landed =
        g.LastKind != ResultKind::Miss && g.LastKind != ResultKind::FalseBite && g.LastKind != ResultKind::LineBreak;
    if (landed && g.FishSize >= 60) {
        // The 60 cm fish: its picture first, the master's two seconds later.
        if (g.BigLevel == 3)
            scene.showMasterColour();
        scheduleInto(m_reportStep, 2.0, [this] {
            SoundPlay(app, g.Snd104);
            Q_EMIT reportMaster();
        });
    }
    Q_EMIT reportRequested();
}

void Game::readyForNextCast()
{
    m_furniture = true;
    scene.readyForNextCast();
}

void Game::reportOk()
{
    if (g.FishSize != 0)
        g.TotalCm += g.FishSize;
    ++g.BaitsUsed;
    appendResultLine();
    g.Hooked = 0;
    readyForNextCast();
    if (g.LastKind == ResultKind::FalseBite)
        showWantedBaitHint(); // the fish want another bait
    if (g.BaitsUsed == g.BaitsAtStart)
        scene.appendLog(gameEndSummary(g));
    if (auto then = std::exchange(m_afterReport, nullptr))
        then();
}

void Game::showRanking(std::function<void()> then)
{
    m_afterRanking = std::move(then);
    // A finished game's result goes into the table before the window shows it.
    g.RankNo = 5;
    if (g.RankOn == RankOn::ResultPending && g.RankingOff == RankingOff::Ranked) {
        const QString result = ResultRow(g);
        g.RankNo = RankInsert(g);
        if (g.RankNo < 5)
            g.RankRecords[g.RankNo] = result;
    }
    Q_EMIT rankingRequested();
}

void Game::registerRankingName(const QString &name, bool tell)
{
    if (g.RankNo < 0 || g.RankNo > 4)
        return;
    g.RankRecords[g.RankNo] += name;
    // Another game sharing the file may have registered meanwhile: the table becomes what was saved.
    const Registration done = RegisterResult(app, g.Points, g.RankRecords[g.RankNo], tell);
    g.RankingSaved = done.saved;
    g.RankSavedRow = done.row;
}

void Game::rankingClosed()
{
    g.RankOn = RankOn::NothingPending;
    if (auto then = std::exchange(m_afterRanking, nullptr))
        then();
}

void Game::toggleRanking()
{
    if (g.RankingOff == RankingOff::Ranked) {
        app.host.msgBox(
            QCoreApplication::translate(
                "Game", "ゲーム結果を ランキングに 反映しません！\r\n\r\n（ 最後に ランキングを 表示しません ）"),
            MsgBox::OkOnly, appDefaultTitle());
        g.RankingOff = RankingOff::NotRanked;
    } else {
        app.host.msgBox(QCoreApplication::translate("Game", "ゲーム結果を ランキングに 登録します。"), MsgBox::OkOnly,
                        appDefaultTitle());
        g.RankingOff = RankingOff::Ranked;
    }
    scene.showRankingToggle();
}

// ---- the small controls ----

void Game::Command3_Click(int Index)
{
    if (Index >= 0 && Index <= 2)
        g.BaitSetting = Index + 1;
    scene.showBaitChoice(Index);
    scene.focusSink();
}

void Game::Command4_MouseDown(int Button)
{
    if (Button == Mouse::Left) {
        app.host.msgBox(tipText(TipNo), MsgBox::Information, appDefaultTitle());
        TipNo += 1;
        if (TipNo >= 9) {
            KingfisherVisit([this] {
                TipNo = 0;
                scene.showHintCaption(TipNo);
                scene.focusSink();
            });
            return;
        }
        scene.showHintCaption(TipNo);
    } else if (Button == Mouse::Right) {
        TipNo += 1;
        if (TipNo >= 8)
            TipNo = 0;
        scene.showHintCaption(TipNo);
    }
    scene.focusSink();
}

void Game::Command6_Click()
{
    showRanking([this] { scene.focusSink(); });
}

void Game::Command7_Click()
{
    scene.reopenForNewGame();
    NewGame();
}

void Game::Image3_Click()
{
    if (!m_furniture)
        return; // the game has ended
    const QString path = introductionPath(app.exeDir);
    if (QFileInfo(path).isFile()) {
        if (app.host.msgBox(QCoreApplication::translate("Game", "「 はじめに.txt 」を 表示しますか？"),
                            MsgBox::YesNo | MsgBox::Question, appDefaultTitle()) == MsgBox::Yes) {
            // The desktop's own viewer opens the file by its URL: no shell, no command line.
            if (!app.host.openDocument(path))
                app.host.msgBox(QCoreApplication::translate("Game", "「 はじめに.txt 」を 開けませんでした。"),
                                MsgBox::Exclamation, QString());
        }
    } else {
        app.host.msgBox(QCoreApplication::translate("Game", "「 はじめに .txt 」がありません！"), MsgBox::OkOnly,
                        QString());
    }
}

void Game::Label1_Click()
{
    g.FloatWidth = g.FloatWidth == FloatWidth::Thick ? FloatWidth::Thin : FloatWidth::Thick;
    scene.showFloatWidth(g.FloatWidth);
}

// ---- the kingfisher: frames a tenth of a second apart; the window takes no clicks meanwhile ----

void Game::birdAfter(double seconds, void (Game::*step)())
{
    scheduleInto(m_birdStep, seconds, [this, step] { (this->*step)(); });
}

void Game::birdDone()
{
    scene.setInputEnabled(true);
    if (auto done = std::exchange(m_birdThen, nullptr))
        done();
}

void Game::KingfisherPass(std::function<void()> then)
{
    m_birdThen = std::move(then);
    scene.setInputEnabled(false);
    scene.startPass();
    m_birdX = 288;
    m_birdY = 6;
    passFrame();
}

void Game::passFrame()
{
    // Nine frames, from the right edge of the scene to beyond its left.
    m_birdX -= 36;
    m_birdY += 3;
    scene.drawPassFrame(m_birdX, m_birdY);
    birdAfter(0.1, m_birdX > -12 ? &Game::passFrame : &Game::passEnd);
}

void Game::passEnd()
{
    scene.endPass();
    SoundPlay(app, g.Snd104);
    birdDone();
}

void Game::KingfisherVisit(std::function<void()> then)
{
    m_birdThen = std::move(then);
    scene.setInputEnabled(false);
    if (!scene.startVisit()) {
        scene.setInputEnabled(true);
        app.host.msgBox(QCoreApplication::translate("Game", "トラブル発生！　終了して下さい！"), MsgBox::Exclamation,
                        QCoreApplication::translate("Game", " 警告！"));
        birdDone();
        return;
    }
    birdAfter(1.0, &Game::visitTurn);
}

void Game::visitTurn()
{
    m_birdX = scene.turnVisit() - 26;
    m_birdY = 6;
    m_birdClip = 0;
    visitFrame();
}

void Game::visitFrame()
{
    // The bird flies off to the left, cut at the scene's left edge (x 32).
    m_birdX -= 42;
    m_birdY += 4;
    if (m_birdX < 32)
        m_birdClip = 32 - m_birdX;
    scene.drawVisitFrame(m_birdX, m_birdY, m_birdClip);
    birdAfter(0.1, m_birdX > 0 ? &Game::visitFrame : &Game::visitGone);
}

void Game::visitGone()
{
    scene.clearVisit();
    SoundPlay(app, g.Snd104);
    birdAfter(1.0, &Game::visitEnd);
}

void Game::visitEnd()
{
    scene.endVisit();
    birdDone();
}

} // namespace nuyo
