// The size stamp of the fish just played, and the close of a game.
#include "game/form1.h"
#include "ranking/form4.h"
#include "window/grades.h"

namespace nuyo {

void Form1::CmCopy(int kind)
{
    PicCm->cls();
    PicCm->paintPicture(PicPRE->picture(), 0, 0, 62, 20, 226, 320, 62, 20);
    if (kind == 1 || kind == 2) {
        PicCm->paintPicture(PicS[2]->picture(), 0, 0, 62, 20, 0, 0, 130, 45, Rop::SrcErase);
        PicCm->paintPicture(PicS[kind == 1 ? 0 : 1]->picture(), 0, 0, 62, 20, 0, 0, 130, 45, Rop::SrcInvert);
    }
    PicCm->keepDrawing();
}

void Form1::CM()
{
    Label2[1]->setForeColor(Colour::BaitLabel);
    Command1->setBackColor(Action::colour(Action::End));
    Command4->setEnabled(false);
    for (ColourButton *b : Command3) {
        b->setBackColor(Colour::OtherBait);
        b->setEnabled(false);
    }
    Label6->setVisible(true);
    Command1->resize(Command1->width(), 161);
    Command7->setVisible(true);
    stopTimers();
    g.RankOn = RankOn::ResultPending;
    if (g.GameMode == GameMode::Real) {
        if (g.RankingOff == RankingOff::Ranked)
            showRankingWindow(app);
        return;
    }
    Label3->setText(gradeText(g.BigLevel, g.Catches));
}

} // namespace nuyo
