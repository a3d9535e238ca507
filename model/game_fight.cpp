// The three timers' ticks: the cast animation and the landing (Timer1), the bait timer and the
// fight (Timer3), and WORK, which decides the fight's two endings.
#include "fish/fight.h"
#include "fish/school.h"
#include "model/game.h"
#include "model/hints.h"
#include "model/scene.h"
#include "sound/sounds.h"

namespace nuyo {

namespace {
constexpr int LandingTicks = 20; // the landed fish comes up the line for two seconds
constexpr int FarOut = 7;        // the Distance of a fish just hooked: no line shows yet
// The pictures whose 100 x 24 cells go under the angler.
constexpr int SplashImage = 4, ResultImage = 5, BigImage = 7;
constexpr int TopRow = 0, BottomRow = 1;

// With the fish far out no line shows: a short mark at the rod tip, red when the tension is at
// its highest.
QColor rodTipColour(int tension)
{
    return tension >= 9 ? Colour::DangerLine : Colour::RodTip;
}
} // namespace

void Game::Timer1_Timer()
{
    ++Tick;
    if (g.CastStage == CastStage::Cast)
        castFrame();
    else if (g.CastStage == CastStage::Landing)
        landingFrame();
}

void Game::castFrame()
{
    int t = Tick;
    if (t == 10) {
        SoundPlay(app, g.Snd103);
        return;
    }
    if (t == 4)
        SoundPlay(app, g.Snd102);
    if (t == 8 || t == 9 || (t >= 11 && t <= 15))
        return;
    if (t >= 16) {
        Timer1->setEnabled(false);
        Tick = 0;
        t = 0;
    }
    scene.clearScene();
    scene.drawAnglerFrame(t);
    scene.drawResultMark();
}

void Game::landingFrame()
{
    // The fish comes up the line toward the angler.
    const int t = Tick;
    scene.clearScene();
    scene.drawAnglerFrame(3);
    scene.drawLandedFish(t);
    scene.drawSizeText(1);
    if (g.ResultMark == ResultMark::BigLanded)
        scene.drawMark(BigImage, TopRow);
    else
        scene.drawMark(ResultImage, BottomRow);
    if (t >= LandingTicks)
        landed();
}

void Game::landed()
{
    Tick = 0;
    g.CastStage = CastStage::Cast;
    Timer1->setEnabled(false);
    if (g.FishSize >= 50)
        SoundPlay(app, g.Snd104);
    g.Catches += 1;
    showReport([this] { afterLandingReport(); });
}

void Game::afterLandingReport()
{
    AWASE();
    refillAfterLanding(app, g.BiteFish, g.FishSize);
    scene.showCatches(g.Catches);
    if (g.FishType >= 3) {
        g.BaitWanted = app.rnd.below(3) + 1;
        showWantedBaitHint();
        if (g.BaitWanted != g.BaitSetting)
            scene.showBaitLabel(Colour::BaitMismatch);
    }
    const auto ready = [this] { scene.enableAction(true); };
    if (g.Baits <= 0) {
        // The last fish: a 60 cm one brings the kingfisher before the game closes.
        if (g.FishSize == 60)
            KingfisherVisit([this, ready] { endCast(ready); });
        else
            endCast(ready);
        return;
    }
    endCast();
    if (g.FishSize < 20)
        KingfisherPass(ready);
    else if (g.FishSize == 60)
        KingfisherVisit(ready);
    else
        ready();
}

void Game::showWantedBaitHint()
{
    if (g.BaitWanted < Bait::Hard || g.BaitWanted > Bait::Soft)
        return;
    scene.showComment(Hint::wantedBait(g.BaitWanted));
}

void Game::Timer3_Timer()
{
    if (g.Fighting == 0)
        baitTick();
    else if (g.FishStop == FishStop::Struck)
        fightTick();
}

void Game::baitTick()
{
    // The bait dissolves a second at a time; it is gone once the float stands at its highest.
    if (g.FishStop != FishStop::Moving)
        return;
    g.BaitTime -= 1;
    if (g.BaitTime < 0) {
        g.BaitTime = 0;
        if (g.FloatY <= 20) {
            g.FishStop = FishStop::BaitGone;
            Timer3->setEnabled(false);
            if (stopWatching())
                floatUnderWater();
            loseBait();
        }
    }
}

void Game::fightTick()
{
    const int x = app.rnd.below(6) + 1;
    g.Tension = nextTension(g.Tension, x, g.FishType);
    lineColour = lineColourFor(g.Tension - g.Distance);
    if (g.SplashFrame == 0) {
        scene.drawMark(SplashImage, BottomRow);
        g.SplashFrame = 1;
    } else {
        scene.drawMark(SplashImage, TopRow);
        g.SplashFrame = 0;
    }
    if (g.Distance == FarOut)
        scene.drawRodTip(rodTipColour(g.Tension));
    scene.showTension(g.Tension);
    WORK();
}

void Game::WORK()
{
    if (g.FishStop == FishStop::Moving)
        return;
    scene.clearScene();
    scene.drawAnglerFrame(g.Distance);
    scene.drawSizeText(0);

    const int d = g.Tension - g.Distance;
    if (d >= 3) {
        breakLine();
        return;
    }
    lineColour = lineColourFor(d);
    if (g.Distance == 3 && d <= 0)
        landFish(); // pulled all the way in while the tension is at its lowest
    else if (g.Distance < FarOut)
        scene.drawLine(lineEndFor(g.Distance), lineColour);
    scene.drawMark(SplashImage, g.SplashFrame == 0 ? BottomRow : TopRow);
    if (g.Distance == FarOut)
        scene.drawRodTip(rodTipColour(g.Tension));
}

void Game::breakLine()
{
    g.Fighting = 0;
    Timer3->setEnabled(false);
    scene.enableAction(false);
    g.ResultMark = ResultMark::LineBreak;
    g.FishSize = 0;
    g.SplashFrame = 0;
    CmCopy(Stamp::LineBreak);
    AWASE();
    g.setResult(ResultKind::LineBreak);
    SoundPlay(app, g.Snd105);
    showReport([this] {
        if (g.FishType == 5)
            NewFish4(app, g.BiteFish);
        else if (g.FishType == 6)
            NewFish5(app, g.BiteFish);
        endCast([this] {
            scene.enableAction(true);
            if (g.Baits > 0)
                scene.showComment(ResultText::comment(g.LastResult));
        });
    });
}

void Game::landFish()
{
    g.Fighting = 0;
    g.SplashFrame = 0;
    Timer3->setEnabled(false);
    scene.enableAction(false);
    scene.drawMark(ResultImage, BottomRow);
    SoundPlay(app, g.Snd104);
    g.CastStage = CastStage::Landing;
    g.ResultMark = g.FishSize >= 50 ? ResultMark::BigLanded : ResultMark::Landed;
    CmCopy(Stamp::Landed);
    if (g.FishType >= 5)
        scene.showBigCatch(bigCatch(g, g.FishSize));
    Timer1->setEnabled(true);
}

void Game::CmCopy(int kind)
{
    scene.composeStamp(kind);
}

} // namespace nuyo
