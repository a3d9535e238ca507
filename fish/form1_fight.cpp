// The end-of-cast picture, the bait timer, and the fight with its landing and line break.
#include "fish/fight.h"
#include "fish/school.h"
#include "game/form1.h"
#include "report/form3.h"
#include "sound/vbdsound.h"

namespace nuyo {

namespace {
const QPoint RodTip(150, 0);

// With the fish far out (Distance 7) no line shows: a short mark at the rod tip, red when the
// tension is at its highest.
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
    if (g.Fighting == 0) {
        // The bait dissolves a second at a time; it is gone once the float stands at its highest.
        if (g.FishStop != FishStop::Moving)
            return;
        g.BaitTime -= 1;
        if (g.BaitTime < 0) {
            g.BaitTime = 0;
            if (g.FloatY <= 20) {
                g.FishStop = FishStop::BaitGone;
                Timer3->setEnabled(false);
            }
        }
        return;
    }
    if (g.FishStop != FishStop::Struck)
        return;
    const int x = app.rnd.below(6) + 1;
    g.Tension = nextTension(g.Tension, x, g.FishType);
    lineColour = lineColourFor(g.Tension - g.Distance);
    const QImage &splash = Image4->picture();
    if (g.SplashFrame == 0) {
        PicPRE->paintPicture(splash, 100, 320, 100, 24, 0, 25, 100, 24);
        g.SplashFrame = 1;
    } else {
        PicPRE->paintPicture(splash, 100, 320, 100, 24, 0, 0, 100, 24);
        g.SplashFrame = 0;
    }
    if (g.Distance == 7)
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
    PicPRE->paintPicture(PicS[2]->picture(), 10, 100, 130, 45, 0, 0, 130, 45, Rop::SrcErase);
    PicPRE->paintPicture(PicS[0]->picture(), 10, 100, 130, 45, 0, 0, 130, 45, Rop::SrcInvert);

    const int d = g.Tension - g.Distance;
    if (d >= 3) {
        // The line breaks.
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
        showReport(app);
        if (g.FishType == 5)
            NewFish4(app, g.BiteFish);
        else if (g.FishType == 6)
            NewFish5(app, g.BiteFish);
        if (g.Baits <= 0) {
            PicPRE->cls();
            CM();
            Command1->setText(Action::caption(Action::End));
            Command1->setEnabled(true);
        } else {
            AWASE();
            Command1->setBackColor(Action::colour(Action::Cast));
            Command1->setText(Action::caption(Action::Cast));
            Command1->setEnabled(true);
            Label3->setText(g.LastResult + QStringLiteral(" ！"));
        }
        return;
    }
    lineColour = lineColourFor(d);

    if (g.Distance == 3 && d <= 0) {
        // Landed: pulled all the way in while the tension is at its lowest.
        g.Fighting = 0;
        g.SplashFrame = 0;
        Timer3->setEnabled(false);
        Command1->setEnabled(false);
        PicPRE->paintPicture(Image5->picture(), 100, 320, 100, 24, 0, 25, 100, 24);
        SoundPlay(app, g.Snd104);
        g.CastStage = CastStage::Landing;
        g.ResultMark = g.FishSize >= 50 ? ResultMark::BigLanded : ResultMark::Landed;
        CmCopy(Stamp::Landed);
        if (g.FishType >= 5) {
            const BigCatchChange c = bigCatch(g, g.FishSize);
            if (c.markRow >= 0) {
                PicPRE->cls();
                PicPRE->paintPicture(Image7->picture(), 0, 320, 100, 24, 0, c.markRow, 100, 24);
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
        Timer1->setEnabled(true);
    } else if (g.Distance < 7) {
        const QPoint end = lineEndFor(g.Distance);
        PicPRE->line(RodTip.x(), RodTip.y(), end.x(), end.y(), lineColour);
    }

    PicPRE->paintPicture(Image4->picture(), 100, 320, 100, 24, 0, g.SplashFrame == 0 ? 25 : 0, 100, 24);
    if (g.Distance == 7)
        rodTipMark(PicPRE, g.Tension);
}

} // namespace nuyo
