// Timer1: the cast animation and the landing display.
#include "fish/school.h"
#include "game/form1.h"
#include "report/form3.h"
#include "sound/vbdsound.h"

namespace nuyo {

void Form1::drawResultMark()
{
    switch (g.ResultMark) {
    case 1:
        PicPRE->paintPicture(Image5->picture(), 100, 320, 100, 24, 0, 0, 100, 24);
        break;
    case 2:
        PicPRE->paintPicture(Image5->picture(), 100, 320, 100, 24, 0, 25, 100, 24);
        break;
    case 3:
        PicPRE->paintPicture(Image7->picture(), 100, 320, 100, 24, 0, 0, 100, 24);
        break;
    default:
        return;
    }
    PicPRE->paintPicture(PicCm->picture(), 226, 320, 62, 20, 0, 0, 62, 20);
}

void Form1::Timer1_Timer()
{
    ++Tick;
    if (g.CastStage == CastStage::Cast) {
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
        return;
    }
    if (g.CastStage != CastStage::Landing)
        return;

    // The landing: the fish comes up the line toward the angler for two seconds.
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
    PicPRE->paintPicture(fish, x, 7 * t, s, s, 48, 0, 48, 48, Rop::SrcErase);
    PicPRE->paintPicture(fish, x, 7 * t, s, s, 0, 0, 48, 48, Rop::SrcInvert);
    PicPRE->line(247, 245, 145, 7 * t + s - 2, Colour::LandingLine);
    PicPRE->paintPicture(PicS[2]->picture(), 10, 100, 130, 45, 0, 0, 130, 45, Rop::SrcErase);
    PicPRE->paintPicture(PicS[1]->picture(), 10, 100, 130, 45, 0, 0, 130, 45, Rop::SrcInvert);
    if (g.ResultMark == ResultMark::BigLanded)
        PicPRE->paintPicture(Image7->picture(), 100, 320, 100, 24, 0, 0, 100, 24);
    else
        PicPRE->paintPicture(Image5->picture(), 100, 320, 100, 24, 0, 25, 100, 24);
    if (t < 20)
        return;

    Tick = 0;
    g.CastStage = CastStage::Cast;
    Timer1->setEnabled(false);
    if (g.FishSize >= 50)
        SoundPlay(app, g.Snd104);
    g.Catches += 1;
    showReport(app);
    AWASE();
    refillAfterLanding(app, g.BiteFish, g.FishSize);
    Label4->setText(QString::number(g.Catches));
    if (g.FishType >= 3) {
        g.BaitWanted = app.rnd.below(3) + 1;
        ColourButton *wanted = Command3[g.BaitWanted - 1];
        Label3->setText(QStringLiteral("エサ合わせは『 ") + wanted->text() +
                        QStringLiteral(" 』 （ スレアタリが出たらエサ合わせを変る ）"));
        if (wanted->backColor() != Colour::ChosenBait)
            Label2[1]->setForeColor(Colour::BaitMismatch);
    }
    if (g.Baits <= 0) {
        if (g.FishSize == 60)
            KingfisherVisit();
        PicPRE->cls();
        CM();
        Command1->setText(Action::caption(Action::End));
    } else {
        Command1->setBackColor(Action::colour(Action::Cast));
        Command1->setText(Action::caption(Action::Cast));
        if (g.FishSize < 20)
            KingfisherPass();
        else if (g.FishSize == 60)
            KingfisherVisit();
    }
    Command1->setEnabled(true);
}

} // namespace nuyo
