// The action button: every cast is played from it. What a press does depends on the cast's
// state (ActionState), which the button's caption and colour show.
#include "fish/floatrules.h"
#include "fish/fish.h"
#include "fish/school.h"
#include "fish/strike.h"
#include "model/game.h"
#include "model/hints.h"
#include "model/scene.h"
#include "scoring/summary.h"
#include "sound/sounds.h"

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

Game::Game(App &a, Scene &s) : app(a), g(a.g), scene(s)
{
    Timer1 = app.host.createTimer(Timer1Ms);
    Timer2 = app.host.createTimer(Timer2Ms);
    Timer3 = app.host.createTimer(Timer3Ms);
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
    Timer3->onTick = [this] { Timer3_Timer(); };
}

Game::~Game()
{
    for (Host::StepId step : {m_castStep, m_birdStep, m_reportStep, m_titleStep})
        app.host.cancel(step);
    if (m_minimised)
        app.host.resumeClock();
}

void Game::press(Control control, int arg)
{
    switch (control) {
    case Control::Command1:
        Command1_MouseDown(arg);
        break;
    case Control::Command3:
        Command3_Click(arg);
        break;
    case Control::Command4:
        Command4_MouseDown(arg);
        break;
    case Control::Command6:
        Command6_Click();
        break;
    case Control::Command7:
        Command7_Click();
        break;
    case Control::Label1:
        Label1_Click();
        break;
    case Control::Image3:
        Image3_Click();
        break;
    case Control::CloseBox:
        Form_QueryUnload();
        break;
    }
}

void Game::setMinimised(bool minimised)
{
    if (minimised == m_minimised)
        return;
    m_minimised = minimised;
    if (minimised)
        app.host.pauseClock();
    else
        app.host.resumeClock();
}

void Game::stopTimers()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
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

void Game::Command1_MouseDown(int Button)
{
    switch (g.ActionState) {
    case Action::Cast:
        castPressed();
        break;
    case Action::BaitLost:
        baitLostPressed();
        break;
    case Action::Fight:
        fightPressed(Button);
        break;
    case Action::Strike:
        strikePressed();
        break;
    case Action::End:
        endPressed();
        break;
    }
}

void Game::castPressed()
{
    throwLine();
}

void Game::scheduleInto(Host::StepId &pending, double seconds, std::function<void()> step)
{
    pending = app.host.schedule(seconds, [&pending, step = std::move(step)] {
        pending = 0;
        step();
    });
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
    scene.showComment(QString());
    scene.enableAction(false);
    Timer1->setEnabled(true);
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
    Timer2->setEnabled(true);
    after(5.5f, &Game::watchFloat); // the float settles
}

void Game::watchFloat()
{
    showAction(Action::Strike);
    scene.enableAction(true);
    g.ResultMark = ResultMark::None;
    scene.clearScene();
    scene.drawAnglerFrame(0);
    scene.showComment(Hint::watch());
    m_fish = 1;
    fishStep();
}

void Game::fishStep()
{
    // The school steps in turn, fish 1 to 4, until a strike or the bait's end stops it.
    NUYOObject &fish = fishAt(app, m_fish);
    const int kind = fish.Task(app.host);
    m_pullingUnder = kind == 1 ? FloatBite(kind, fish.SIZ, fish.FAC, fish.VEC) : FloatBite(kind, 0, 0, 0);
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
    app.host.cancel(m_castStep);
    m_castStep = 0;
    m_pullingUnder = false;
    return goingUnder;
}

bool Game::FloatBite(int kind, int type, int slot, int heading)
{
    if (floatAnswer(g, kind, type, slot, heading) == FloatMove::PulledUnder) {
        // Half the float shows for a moment; then floatUnderWater takes it out of sight.
        g.FloatH = g.FloatH / 2;
        g.FloatY = g.FloatY + g.FloatH;
        scene.clearFloat();
        scene.drawFloat();
        return true;
    }
    scene.clearFloat();
    if (g.FloatY == 120) {
        floatAtRest(g);
        return false;
    }
    scene.drawFloat();
    return false;
}

void Game::floatUnderWater()
{
    // Pulled under: nothing shows until the next step draws the float at rest.
    g.FloatY = 120;
    scene.clearFloat();
    floatAtRest(g);
}

void Game::Timer2_Timer()
{
    // The float settles after the cast: 21 ticks of 3 pixels, then the bait timer starts.
    ++Timer2Count;
    g.FloatY += 3;
    g.FloatH -= 3;
    scene.clearFloat();
    scene.drawFloat();
    if (Timer2Count > 20) {
        Timer3->setEnabled(true);
        Timer2->setEnabled(false);
        Timer2Count = 0;
    }
}

void Game::loseBait()
{
    g.Baits -= 1;
    scene.showBaits(g.Baits);
    g.BaitsUsed += 1;
    g.setResult(ResultKind::BaitLost);
    appendResultLine();
    SoundPlay(app, g.Snd105);
    scene.showComment(ResultText::comment(g.LastResult));
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

void Game::fightPressed(int Button)
{
    if (Button == Mouse::Left)
        g.Distance = std::max(3, g.Distance - 1);
    else if (Button == Mouse::Right)
        g.Distance = std::min(7, g.Distance + 1);
    WORK();
}

void Game::strikePressed()
{
    const bool goingUnder = stopWatching();
    g.FishStop = FishStop::Struck;
    scene.showFloatBox(false);
    g.Baits -= 1;
    scene.showBaits(g.Baits);
    StrikeResult();
    if (g.Hooked == 0) {
        AWASE();
        SoundPlay(app, g.Snd105);
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
    SoundPlay(app, g.Snd102);
    showAction(Action::Fight);
    g.Distance = 7;
    g.Fighting = 1;
    Timer3->setEnabled(true);
    fightPressed(Mouse::Left); // the strike itself is the first pull
    if (goingUnder)
        floatUnderWater();
}

void Game::endPressed()
{
    stopTimers();
    SoundRelease(app);
    Q_EMIT unloadReport();
    g.SoundOff = SoundOff::Silent;
    app.host.msgBox(goodbyeText(g.Points, g.BigLevel > 1), MsgBox::OkOnly, goodbyeCaption());
    Form_QueryUnload();
}

void Game::StrikeResult()
{
    judgeStrike(g, app.rnd);
    if (g.Hooked == 1) {
        scene.showComment(Hint::fight());
        scene.printSizeStamps(QString::number(g.FishSize) + QStringLiteral("cm!"));
    } else {
        scene.showComment(ResultText::comment(g.LastResult));
    }
}

void Game::endCast(const std::function<void()> &then)
{
    if (g.Baits <= 0) {
        scene.clearScene();
        CM([this, then] {
            showAction(Action::End);
            if (then)
                then();
        });
    } else {
        AWASE();
        showAction(Action::Cast);
        if (then)
            then();
    }
}

void Game::AWASE()
{
    scene.clearScene();
    scene.drawAnglerFrame(5);
    scene.drawResultMark();
}

} // namespace nuyo
