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
    Label2[1]->setForeColor(QColor(0, 0, 255));
    Command1->setBackColor(QColor(255, 192, 255));
    Command4->setEnabled(false);
    for (VbButton *b : Command3) {
        b->setBackColor(QColor(255, 192, 255));
        b->setEnabled(false);
    }
    Label6->setVisible(true);
    Command1->resize(Command1->width(), 161);
    Command7->setVisible(true);
    stopTimers();
    g.RankOn = 2;
    if (g.GameMode == 1) {
        if (g.RankingOff == 0)
            showRankingWindow(app);
        return;
    }
    Label3->setText(gradeText(g.BigLevel, g.Catches));
}

} // namespace nuyo
