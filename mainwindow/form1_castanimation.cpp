// Timer1: the cast animation and the landing display.
#include "fish/school.h"
#include "mainwindow/form1.h"
#include "sound/vbdsound.h"

namespace nuyo {

namespace {
constexpr int LandingTicks = 20; // the landed fish comes up the line for two seconds
} // namespace

void Form1::drawResultMark()
{
    switch (g.ResultMark) {
    case ResultMark::LineBreak:
        PicPRE->paintPicture(Image5->picture(), Cell::Mark, Cell::MarkTopRow);
        break;
    case ResultMark::Landed:
        PicPRE->paintPicture(Image5->picture(), Cell::Mark, Cell::MarkBottomRow);
        break;
    case ResultMark::BigLanded:
        PicPRE->paintPicture(Image7->picture(), Cell::Mark, Cell::MarkTopRow);
        break;
    default:
        return;
    }
    PicPRE->paintPicture(PicCm->picture(), Cell::SizeStamp, Cell::StampSource);
}

void Form1::Timer1_Timer()
{
    ++Tick;
    if (g.CastStage == CastStage::Cast)
        castFrame();
    else if (g.CastStage == CastStage::Landing)
        landingFrame();
}

void Form1::castFrame()
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
    PicPRE->cls();
    drawAnglerFrame(t);
    drawResultMark();
}

void Form1::landingFrame()
{
    // The fish comes up the line toward the angler, drawn smaller or larger by its type.
    const int t = Tick;
    PicPRE->cls();
    drawAnglerFrame(3);
    int s = 36, x = 126;
    if (g.FishType >= 4) {
        s = 48;
        x = 120;
    } else if (g.FishType <= 1) {
        s = 24;
        x = 132;
    }
    const QImage &fish = Image2->picture();
    PicPRE->paintMasked(fish, Cell::LandedMask, fish, Cell::LandedSprite, QRect(x, 7 * t, s, s));
    PicPRE->line(247, 245, 145, 7 * t + s - 2, Colour::LandingLine);
    drawSizeText(1);
    if (g.ResultMark == ResultMark::BigLanded)
        PicPRE->paintPicture(Image7->picture(), Cell::Mark, Cell::MarkTopRow);
    else
        PicPRE->paintPicture(Image5->picture(), Cell::Mark, Cell::MarkBottomRow);
    if (t >= LandingTicks)
        landed();
}

void Form1::landed()
{
    Tick = 0;
    g.CastStage = CastStage::Cast;
    Timer1->setEnabled(false);
    if (g.FishSize >= 50)
        SoundPlay(app, g.Snd104);
    g.Catches += 1;
    showReport([this] { afterLandingReport(); });
}

void Form1::afterLandingReport()
{
    AWASE();
    refillAfterLanding(app, g.BiteFish, g.FishSize);
    Label4->setText(QString::number(g.Catches));
    if (g.FishType >= 3) {
        g.BaitWanted = Bait::Value(app.rnd.below(3) + 1);
        showWantedBaitHint();
        if (g.BaitWanted != g.BaitSetting)
            Label2[1]->setForeColor(Colour::BaitMismatch);
    }
    const auto ready = [this] { Command1->setEnabled(true); };
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

void Form1::showWantedBaitHint()
{
    if (g.BaitWanted < Bait::Hard || g.BaitWanted > Bait::Soft)
        return;
    Label3->setText(QStringLiteral("エサ合わせは『 ") + Bait::caption(g.BaitWanted) +
                    QStringLiteral(" 』 （ スレアタリが出たらエサ合わせを変る ）"));
}

} // namespace nuyo
