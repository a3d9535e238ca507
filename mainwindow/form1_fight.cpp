// The end-of-cast picture, the bait timer, and the fight with its landing and line break.
#include "fish/fight.h"
#include "fish/school.h"
#include "mainwindow/form1.h"
#include "sound/vbdsound.h"

namespace nuyo {

namespace {
const QPoint RodTip(150, 0);
constexpr int FarOut = 7; // the Distance of a fish just hooked: no line shows yet

// With the fish far out no line shows: a short mark at the rod tip, red when the tension is at
// its highest.
void rodTipMark(PictureBox *scene, int tension)
{
    scene->line(163, 1, 163, 5, tension >= 9 ? Colour::DangerLine : Colour::RodTip);
}
} // namespace

void Form1::AWASE()
{
    PicPRE->cls();
    drawAnglerFrame(5);
    drawResultMark();
}

void Form1::Timer3_Timer()
{
    if (g.Fighting == 0)
        baitTick();
    else if (g.FishStop == FishStop::Struck)
        fightTick();
}

void Form1::baitTick()
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

void Form1::fightTick()
{
    const int x = app.rnd.below(6) + 1;
    g.Tension = nextTension(g.Tension, x, g.FishType);
    lineColour = lineColourFor(g.Tension - g.Distance);
    if (g.SplashFrame == 0) {
        PicPRE->paintPicture(Image4->picture(), Cell::Mark, Cell::MarkBottomRow);
        g.SplashFrame = 1;
    } else {
        PicPRE->paintPicture(Image4->picture(), Cell::Mark, Cell::MarkTopRow);
        g.SplashFrame = 0;
    }
    if (g.Distance == FarOut)
        rodTipMark(PicPRE, g.Tension);
    Label7->setText(QString::number(g.Tension));
    WORK();
}

void Form1::WORK()
{
    if (g.FishStop == FishStop::Moving)
        return;
    PicPRE->cls();
    drawAnglerFrame(g.Distance);
    drawSizeText(0);

    const int d = g.Tension - g.Distance;
    if (d >= 3) {
        breakLine();
        return;
    }
    lineColour = lineColourFor(d);
    if (g.Distance == 3 && d <= 0)
        landFish(); // pulled all the way in while the tension is at its lowest
    else if (g.Distance < FarOut) {
        const QPoint end = lineEndFor(g.Distance);
        PicPRE->line(RodTip.x(), RodTip.y(), end.x(), end.y(), lineColour);
    }
    PicPRE->paintPicture(Image4->picture(), Cell::Mark, g.SplashFrame == 0 ? Cell::MarkBottomRow : Cell::MarkTopRow);
    if (g.Distance == FarOut)
        rodTipMark(PicPRE, g.Tension);
}

void Form1::breakLine()
{
    g.Fighting = 0;
    Timer3->setEnabled(false);
    Command1->setEnabled(false);
    g.ResultMark = ResultMark::LineBreak;
    g.FishSize = 0;
    g.SplashFrame = 0;
    CmCopy(Stamp::LineBreak);
    AWASE();
    g.LastResult = ResultText::LineBreak;
    SoundPlay(app, g.Snd105);
    showReport([this] {
        if (g.FishType == 5)
            NewFish4(app, g.BiteFish);
        else if (g.FishType == 6)
            NewFish5(app, g.BiteFish);
        endCast([this] {
            Command1->setEnabled(true);
            if (g.Baits > 0)
                Label3->setText(g.LastResult + QStringLiteral(" ！"));
        });
    });
}

void Form1::landFish()
{
    g.Fighting = 0;
    g.SplashFrame = 0;
    Timer3->setEnabled(false);
    Command1->setEnabled(false);
    PicPRE->paintPicture(Image5->picture(), Cell::Mark, Cell::MarkBottomRow);
    SoundPlay(app, g.Snd104);
    g.CastStage = CastStage::Landing;
    g.ResultMark = g.FishSize >= 50 ? ResultMark::BigLanded : ResultMark::Landed;
    CmCopy(Stamp::Landed);
    if (g.FishType >= 5)
        showBigCatch(bigCatch(g, g.FishSize));
    Timer1->setEnabled(true);
}

void Form1::showBigCatch(const BigCatchChange &c)
{
    if (c.markRow >= 0) {
        PicPRE->cls();
        PicPRE->paintPicture(Image7->picture(), Cell::BigCatchMark, Cell::MarkTopRow.translated(0, c.markRow));
        PicPRE->keepDrawing();
    }
    if (c.frameWidth > 0) {
        Shape3->setBorderWidth(c.frameWidth);
        Shape3->setBorderColor(c.frameColour);
    }
    if (c.showRedFrame) {
        Shape1->setVisible(true);
        Text1->setBackColor(Colour::BigCatchLog);
    }
}

} // namespace nuyo
