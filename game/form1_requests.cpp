// What the other windows and the rules ask of the main window: they say what they want, and the
// main window alone touches its controls.
#include "game/form1.h"

namespace nuyo {

void Form1::appendLog(const QString &text)
{
    Text1->appendText(text);
}

void Form1::showComment(const QString &text)
{
    Label3->setText(text);
}

void Form1::printSizeStamps(const QString &text)
{
    // PicS(0..2): the red text, the yellow text and their black mask.
    for (int i = 0; i <= 2; ++i) {
        PicS[i]->print(text);
        PicS[i]->keepDrawing();
    }
}

void Form1::readyForNextCast()
{
    Command1->setBackColor(Action::colour(Action::Cast));
    // PicS(3) is never printed on: its picture wipes the size text of the last strike.
    const QImage blank = PicS[3]->picture();
    for (int i = 0; i <= 2; ++i) {
        PicS[i]->cls();
        if (blank.isNull()) {
            PicS[i]->clearPicture();
            PicS[i]->cls();
        } else {
            PicS[i]->setPicture(blank);
        }
    }
    Command4->setEnabled(true);
    Command6->setEnabled(true);
}

void Form1::showRankingToggle()
{
    Command6->setBackColor(g.RankingOff == RankingOff::NotRanked ? Colour::NotRanked : Colour::Ranked);
}

void Form1::showMasterColour()
{
    setBackColor(Colour::MasterBack);
}

} // namespace nuyo
