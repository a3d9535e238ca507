// The size stamp of the fish just played, and the close of a game.
#include "mainwindow/form1.h"
#include "window/grades.h"

namespace nuyo {

void Form1::CmCopy(int kind)
{
    PicCm->cls();
    PicCm->paintPicture(PicPRE->picture(), Cell::StampSource, Cell::SizeStamp);
    if (kind == Stamp::LineBreak || kind == Stamp::Landed) {
        const QImage &text = PicS[kind == Stamp::LineBreak ? 0 : 1]->picture();
        PicCm->paintMasked(PicS[2]->picture(), Cell::SizeTextSource, text, Cell::SizeTextSource, Cell::StampSource);
    }
    PicCm->keepDrawing();
}

void Form1::CM(const std::function<void()> &then)
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
            showRanking(then);
        else if (then)
            then();
        return;
    }
    Label3->setText(gradeText(g.BigLevel, g.Catches));
    if (then)
        then();
}

} // namespace nuyo
