// The action button: every cast is played from it. What a press does depends on the cast's
// state (ActionState), which the button's caption and colour show.
#include "fish/floatrules.h"
#include "fish/strike.h"
#include "model/game.h"
#include "model/hints.h"
#include "model/scene.h"
#include "scoring/summary.h"

namespace nuyo {

namespace {
QString goodbyeCaption()
{
    return QCoreApplication::translate("Game", " * ぬ よ  *　－ 終了。");
}
// The goodbye box's points; the "！" grade marks a game with more than one big catch.
QString goodbyeText(int points, bool bigGame)
{
    const QString text =
        bigGame
            ? QCoreApplication::translate("Game", "　　おつかれさま ．．．　　\r\n\r\n　　＜ 成績 ：！ %1　ポイント ＞")
            : QCoreApplication::translate("Game",
                                          "　　おつかれさま ．．．　　\r\n\r\n　　＜ 成績 ：　 %1　ポイント ＞");
    return text.arg(points);
}
} // namespace

Game::Game(Host &host, Scene &s, SoundLibrary *sound, RankingFile ranking, QString introductionDir)
    : m_host(host), scene(s), m_sounds(g, sound, host), m_ranking(std::move(ranking)),
      m_introductionDir(std::move(introductionDir))
{
    m_animationTimer = m_host.createTimer(AnimationMs);
    m_settlingTimer = m_host.createTimer(SettlingMs);
    m_secondTimer = m_host.createTimer(SecondMs);
    m_animationTimer->onTick = [this] { onAnimationTimer(); };
    m_settlingTimer->onTick = [this] { onSettlingTimer(); };
    m_secondTimer->onTick = [this] { onSecondTimer(); };
}

Game::~Game()
{
    for (Host::StepId step : {m_castStep, m_birdStep, m_reportStep, m_titleStep, m_fileStep})
        m_host.cancel(step);
    if (m_minimised)
        m_host.resumeClock();
    if (g.RankFiling == Filing::Waiting)
        m_host.resumeClock();
    if (m_paused)
        m_host.resumeClock();
}

void Game::press(Control control, int arg)
{
    // While the game is paused a press only goes on with it; closing and the sound still work.
    if (m_paused && control != Control::Pause && control != Control::CloseBox && control != Control::Mute)
        return;
    switch (control) {
    case Control::Action:
        pressAction(arg);
        break;
    case Control::Bait:
        chooseBait(arg);
        break;
    case Control::Hint:
        pressHint(arg);
        break;
    case Control::Ranking:
        rankingPressed();
        break;
    case Control::NewGame:
        newGamePressed();
        break;
    case Control::FloatWidth:
        toggleFloatWidth();
        break;
    case Control::Introduction:
        offerIntroduction();
        break;
    case Control::CloseBox:
        quit();
        break;
    case Control::Pause:
        togglePause();
        break;
    case Control::Mute:
        m_sounds.setMuted(!g.Muted);
        Q_EMIT mutedChanged(g.Muted);
        break;
    }
}

void Game::setMinimised(bool minimised)
{
    if (minimised == m_minimised)
        return;
    m_minimised = minimised;
    if (minimised)
        m_host.pauseClock();
    else
        m_host.resumeClock();
}

void Game::stopTimers()
{
    m_animationTimer->setEnabled(false);
    m_settlingTimer->setEnabled(false);
    m_secondTimer->setEnabled(false);
}

void Game::releaseSounds()
{
    m_sounds.release();
}

void Game::appendResultLine()
{
    scene.appendLog(resultLine(g.BaitsUsed, g.LastResult));
}

void Game::showAction(Action::State state)
{
    g.ActionState = state;
    scene.showAction(state);
}

void Game::pressAction(int button)
{
    switch (g.ActionState) {
    case Action::Cast:
        throwLine();
        break;
    case Action::BaitLost:
        baitLostPressed();
        break;
    case Action::Fight:
        fightPressed(button);
        break;
    case Action::Strike:
        strikePressed();
        break;
    case Action::End:
        endPressed();
        break;
    }
}

void Game::scheduleInto(Host::StepId &pending, double seconds, std::function<void()> step, bool whilePaused)
{
    auto run = [&pending, step = std::move(step)] {
        pending = 0;
        step();
    };
    pending = whilePaused ? m_host.scheduleUnpaused(seconds, std::move(run)) : m_host.schedule(seconds, std::move(run));
}

void Game::after(float seconds, void (Game::*step)())
{
    scheduleInto(m_castStep, seconds, [this, step] { (this->*step)(); });
}

void Game::throwLine()
{
    g.FishStop = FishStop::Moving;
    m_furniture = false;
    scene.enableFurniture(false);
    showComment(QString());
    scene.enableAction(false);
    m_animationTimer->setEnabled(true);
    after(3.0f, &Game::floatOut); // the angler casts
}

void Game::floatOut()
{
    g.Distance = 7;
    scene.showFloatBox(true);
    g.BaitTime = 60;
    g.FloatX = 96;
    g.FloatY = 20;
    g.FloatSrcW = 5;
    g.FloatH = 156;
    m_settlingTimer->setEnabled(true);
    after(5.5f, &Game::watchFloat); // the float settles
}

void Game::watchFloat()
{
    showAction(Action::Strike);
    scene.enableAction(true);
    g.ResultMark = ResultMark::None;
    scene.clearScene();
    scene.drawAnglerFrame(0);
    showHint(Hint::Watch);
    m_fish = 1;
    fishStep();
}

void Game::fishStep()
{
    // The school steps in turn, fish 1 to 4, until a strike or the bait's end stops it.
    Fish &fish = m_school.at(m_fish);
    const int kind = fish.step(m_host);
    m_pullingUnder =
        kind == 1 ? answerFishStep(kind, fish.type, fish.slot, fish.heading) : answerFishStep(kind, 0, 0, 0);
    if (m_pullingUnder)
        after(0.1f, &Game::floatGoneUnder); // the float shows half its height for a moment
    else
        after(0.2f, &Game::fishPause);
}

void Game::floatGoneUnder()
{
    m_pullingUnder = false;
    floatUnderWater();
    after(0.2f, &Game::fishPause);
}

void Game::fishPause()
{
    after(0.5f, &Game::nextFish);
}

void Game::nextFish()
{
    m_fish = m_fish % 4 + 1;
    fishStep();
}

bool Game::stopWatching()
{
    // A float on its way under finishes going under, whatever stopped the watch: the caller
    // lets it, once it has done its own work.
    const bool goingUnder = m_pullingUnder;
    m_host.cancel(m_castStep);
    m_castStep = 0;
    m_pullingUnder = false;
    return goingUnder;
}

bool Game::answerFishStep(int kind, int type, int slot, int heading)
{
    if (floatAnswer(g, kind, type, slot, heading) == FloatMove::PulledUnder) {
        // Half the float shows for a moment; then floatUnderWater takes it out of sight.
        g.FloatH = g.FloatH / 2;
        g.FloatY = g.FloatY + g.FloatH;
        scene.clearFloat();
        drawFloat();
        return true;
    }
    scene.clearFloat();
    if (g.FloatY == 120) {
        floatAtRest(g);
        return false;
    }
    drawFloat();
    return false;
}

void Game::drawFloat()
{
    scene.drawFloat(g.FloatX, g.FloatY, g.FloatWidth, g.FloatSrcW, g.FloatH);
}

void Game::floatUnderWater()
{
    // Pulled under: nothing shows until the next step draws the float at rest.
    g.FloatY = 120;
    scene.clearFloat();
    floatAtRest(g);
}

void Game::onSettlingTimer()
{
    // The float settles after the cast: 21 ticks of 3 pixels, then the bait timer starts.
    ++m_settleTicks;
    g.FloatY += 3;
    g.FloatH -= 3;
    scene.clearFloat();
    drawFloat();
    if (m_settleTicks > 20) {
        m_secondTimer->setEnabled(true);
        m_settlingTimer->setEnabled(false);
        m_settleTicks = 0;
    }
}

void Game::loseBait()
{
    g.Baits -= 1;
    scene.showBaits(g.Baits);
    g.BaitsUsed += 1;
    g.setResult(ResultKind::BaitLost);
    appendResultLine();
    m_sounds.play(Sound::Failure);
    showComment(ResultText::comment(g.LastResult));
    showAction(Action::BaitLost);
    m_furniture = true;
    scene.enableFurniture(true);
    if (g.BaitsUsed == g.BaitsAtStart)
        scene.appendLog(gameEndSummary(g));
}

void Game::baitLostPressed()
{
    scene.showFloatBox(false);
    endCast();
}

void Game::fightPressed(int button)
{
    if (button == Mouse::Left)
        g.Distance = std::max(3, g.Distance - 1);
    else if (button == Mouse::Right)
        g.Distance = std::min(7, g.Distance + 1);
    judgeFight();
}

void Game::strikePressed()
{
    const bool goingUnder = stopWatching();
    g.FishStop = FishStop::Struck;
    scene.showFloatBox(false);
    g.Baits -= 1;
    scene.showBaits(g.Baits);
    showStrikeResult();
    if (!g.Hooked) {
        drawAnglerAtRest();
        m_sounds.play(Sound::Failure);
        showReport([this, goingUnder] {
            stopTimers();
            g.CastStage = CastStage::Cast;
            endCast([this, goingUnder] {
                if (goingUnder)
                    floatUnderWater();
            });
        });
        return;
    }
    m_sounds.play(Sound::Whoosh);
    showAction(Action::Fight);
    g.Distance = 7;
    g.Fighting = true;
    m_secondTimer->setEnabled(true);
    fightPressed(Mouse::Left); // the strike itself is the first pull
    if (goingUnder)
        floatUnderWater();
}

void Game::endPressed()
{
    stopTimers();
    m_sounds.release();
    Q_EMIT unloadReport();
    g.SoundOn = false;
    m_host.msgBox(goodbyeText(g.Points, g.BigLevel > 1), MsgBox::OkOnly, goodbyeCaption());
    quit();
}

void Game::showStrikeResult()
{
    judgeStrike(g, m_rnd);
    if (g.Hooked) {
        showHint(Hint::Fight);
        scene.printSizeStamps(QString::number(g.FishSize) + QStringLiteral("cm!"));
    } else {
        showComment(ResultText::comment(g.LastResult));
    }
}

void Game::endCast(const std::function<void()> &then)
{
    if (g.Baits <= 0) {
        scene.clearScene();
        closeGame([this, then] {
            showAction(Action::End);
            if (then)
                then();
        });
    } else {
        drawAnglerAtRest();
        showAction(Action::Cast);
        if (then)
            then();
    }
}

void Game::drawAnglerAtRest()
{
    scene.clearScene();
    scene.drawAnglerFrame(5);
    scene.drawResultMark(g.ResultMark);
}

} // namespace nuyo
