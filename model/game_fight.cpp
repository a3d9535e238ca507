// The timers' ticks: the cast animation and the landing (the animation timer), the bait timer and
// the fight (the second timer), and judging the fight, which decides its two endings.
#include "fish/fight.h"
#include "model/game.h"
#include "model/hints.h"
#include "model/scene.h"

namespace nuyo {

namespace {
constexpr int LandingTicks = 20; // the landed fish comes up the line for two seconds
constexpr int FarOut = 7;        // the Distance of a fish just hooked: no line shows yet
// The rows of the 100 x 24 marks under the angler.
constexpr int TopRow = 0, BottomRow = 1;

// With the fish far out no line shows: a short mark at the rod tip, red when the tension is at
// its highest.
QColor rodTipColour(int tension)
{
    return tension >= 9 ? Colour::DangerLine : Colour::RodTip;
}
} // namespace

void Game::onAnimationTimer()
{
    ++m_tick;
    if (g.CastStage == CastStage::Cast)
        castFrame();
    else if (g.CastStage == CastStage::Landing)
        landingFrame();
}

void Game::castFrame()
{
    int t = m_tick;
    if (t == 10) {
        m_sounds.play(Sound::Plop);
        return;
    }
    if (t == 4)
        m_sounds.play(Sound::Whoosh);
    if (t == 8 || t == 9 || (t >= 11 && t <= 15))
        return;
    if (t >= 16) {
        m_animationTimer->setEnabled(false);
        m_tick = 0;
        t = 0;
    }
    scene.clearScene();
    scene.drawAnglerFrame(t);
    scene.drawResultMark(g.ResultMark);
}

void Game::landingFrame()
{
    // The fish comes up the line toward the angler.
    const int t = m_tick;
    scene.clearScene();
    scene.drawAnglerFrame(3);
    scene.drawLandedFish(t, g.FishType);
    scene.drawSizeText(1);
    if (g.ResultMark == ResultMark::BigLanded)
        scene.drawMark(MarkPicture::BigCatch, TopRow);
    else
        scene.drawMark(MarkPicture::Results, BottomRow);
    if (t >= LandingTicks)
        landed();
}

void Game::landed()
{
    m_tick = 0;
    g.CastStage = CastStage::Cast;
    m_animationTimer->setEnabled(false);
    if (g.FishSize >= 50)
        m_sounds.play(Sound::Chime);
    g.Catches += 1;
    showReport([this] { afterLandingReport(); });
}

void Game::afterLandingReport()
{
    drawAnglerAtRest();
    m_school.refillAfterLanding(g.BiteFish, g.FishSize, m_rnd);
    scene.showCatches(g.Catches);
    if (g.FishType >= 3) {
        g.BaitWanted = m_rnd.below(3) + 1;
        showWantedBaitHint();
        if (g.BaitWanted != g.BaitSetting)
            scene.showBaitLabel(Colour::BaitMismatch);
    }
    const auto ready = [this] { scene.enableAction(true); };
    if (g.Baits <= 0) {
        // The last fish: a 60 cm one brings the kingfisher before the game closes.
        if (g.FishSize == 60)
            kingfisherVisit([this, ready] { endCast(ready); });
        else
            endCast(ready);
        return;
    }
    endCast();
    if (g.FishSize < 20)
        kingfisherPass(ready);
    else if (g.FishSize == 60)
        kingfisherVisit(ready);
    else
        ready();
}

void Game::showWantedBaitHint()
{
    if (g.BaitWanted < Bait::Hard || g.BaitWanted > Bait::Soft)
        return;
    showComment(Hint::wantedBait(g.BaitWanted));
}

void Game::onSecondTimer()
{
    if (!g.Fighting)
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
            m_secondTimer->setEnabled(false);
            if (stopWatching())
                floatUnderWater();
            loseBait();
        }
    }
}

void Game::fightTick()
{
    const int x = m_rnd.below(6) + 1;
    g.Tension = nextTension(g.Tension, x, g.FishType);
    m_lineColour = lineColourFor(g.Tension - g.Distance);
    if (g.SplashFrame == 0) {
        scene.drawMark(MarkPicture::Splashes, BottomRow);
        g.SplashFrame = 1;
    } else {
        scene.drawMark(MarkPicture::Splashes, TopRow);
        g.SplashFrame = 0;
    }
    if (g.Distance == FarOut)
        scene.drawRodTip(rodTipColour(g.Tension));
    scene.showTension(g.Tension);
    judgeFight();
}

void Game::judgeFight()
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
    m_lineColour = lineColourFor(d);
    if (g.Distance == 3 && d <= 0)
        landFish(); // pulled all the way in while the tension is at its lowest
    else if (g.Distance < FarOut)
        scene.drawLine(lineEndFor(g.Distance), m_lineColour);
    scene.drawMark(MarkPicture::Splashes, g.SplashFrame == 0 ? BottomRow : TopRow);
    if (g.Distance == FarOut)
        scene.drawRodTip(rodTipColour(g.Tension));
}

void Game::breakLine()
{
    g.Fighting = false;
    m_secondTimer->setEnabled(false);
    scene.enableAction(false);
    g.ResultMark = ResultMark::LineBreak;
    g.FishSize = 0;
    g.SplashFrame = 0;
    scene.composeStamp(Stamp::LineBreak);
    drawAnglerAtRest();
    g.setResult(ResultKind::LineBreak);
    m_sounds.play(Sound::Failure);
    showReport([this] {
        // The big fish that got away is a little smaller next time.
        if (g.FishType == 5)
            m_school.newFish(g.BiteFish, 4, m_rnd);
        else if (g.FishType == 6)
            m_school.newFish(g.BiteFish, 5, m_rnd);
        endCast([this] {
            scene.enableAction(true);
            if (g.Baits > 0)
                showComment(ResultText::comment(g.LastResult));
        });
    });
}

void Game::landFish()
{
    g.Fighting = false;
    g.SplashFrame = 0;
    m_secondTimer->setEnabled(false);
    scene.enableAction(false);
    scene.drawMark(MarkPicture::Results, BottomRow);
    m_sounds.play(Sound::Chime);
    g.CastStage = CastStage::Landing;
    g.ResultMark = g.FishSize >= 50 ? ResultMark::BigLanded : ResultMark::Landed;
    scene.composeStamp(Stamp::Landed);
    if (g.FishType >= 5)
        scene.showBigCatch(bigCatch(g, g.FishSize));
    m_animationTimer->setEnabled(true);
}

} // namespace nuyo
