// What the game asks the main window to show: its controls, the float close-up and the pond
// scene. Nothing here decides anything; the game (model/game.h) has decided.
#include "fish/fight.h"
#include "windows/mainwindow.h"

namespace nuyo {

namespace {
const QPoint RodTip(150, 0);
} // namespace

// ---- controls ----

void Form1::setInputEnabled(bool on)
{
    setEnabled(on);
}

quintptr Form1::windowHandle()
{
    // The sound library only needs a non-zero window identity; don't force a native window for it.
    return internalWinId() ? quintptr(internalWinId()) : reinterpret_cast<quintptr>(this);
}

void Form1::focusSink()
{
    Command5->setFocus();
}

void Form1::Text1_GotFocus()
{
    Command5->setFocus();
}

void Form1::showAction(Action::State state)
{
    Command1->setBackColor(Action::colour(state));
    Command1->setText(Action::caption(state));
}

void Form1::enableAction(bool on)
{
    Command1->setEnabled(on);
}

void Form1::enableFurniture(bool on)
{
    Command4->setEnabled(on);
    Command6->setEnabled(on);
}

void Form1::showComment(const QString &text)
{
    Label3->setText(text);
}

void Form1::showBaits(int baits)
{
    Label1->setText(QString::number(baits));
}

void Form1::showCatches(int catches)
{
    Label4->setText(QString::number(catches));
}

void Form1::showTension(int tension)
{
    Label7->setText(QString::number(tension));
}

void Form1::showBaitLabel(const QColor &c)
{
    Label2[1]->setForeColor(c);
}

void Form1::showBaitChoice(int index)
{
    for (ColourButton *b : Command3)
        b->setBackColor(Colour::OtherBait);
    if (index >= 0 && index <= 2)
        Command3[index]->setBackColor(Colour::ChosenBait);
    Label2[1]->setForeColor(Colour::BaitLabel);
}

void Form1::showFloatWidth(int width)
{
    Label8->setText(FloatWidth::caption(width));
}

QString Form1::tipCaption(int tipNo)
{
    return QCoreApplication::translate("MainWindow", "ワンポイント * %1").arg(tipNo + 1);
}

void Form1::showHintCaption(int tipNo)
{
    Command4->setText(tipCaption(tipNo));
}

void Form1::showRankingToggle()
{
    Command6->setBackColor(g.RankingOff == RankingOff::NotRanked ? Colour::NotRanked : Colour::Ranked);
}

void Form1::showMasterColour()
{
    setBackColor(Colour::MasterBack);
}

void Form1::appendLog(const QString &text)
{
    Text1->appendText(text);
}

void Form1::closeGame()
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

// ---- the float close-up ----

void Form1::showFloatBox(bool on)
{
    PicUKI->setVisible(on);
}

void Form1::clearFloat()
{
    PicUKI->cls();
}

void Form1::drawFloat()
{
    PicUKI->paintPicture(ImgU->picture(), g.FloatX, g.FloatY, g.FloatWidth, g.FloatH, 0, 0, g.FloatSrcW, g.FloatH);
}

// ---- the pond scene ----

void Form1::clearScene()
{
    PicPRE->cls();
}

void Form1::PrepareAngler()
{
    PicPRE->cls();
    drawAnglerFrame(0);
}

void Form1::drawAnglerFrame(int k)
{
    const QImage &frame = Image1[k]->picture();
    PicPRE->paintMasked(frame, Cell::AnglerMask, frame, Cell::AnglerSprite, Cell::Angler);
}

void Form1::drawSizeText(int colour)
{
    PicPRE->paintMasked(PicS[2]->picture(), Cell::SizeTextSource, PicS[colour]->picture(), Cell::SizeTextSource,
                        Cell::SizeText);
}

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

void Form1::drawLandedFish(int t)
{
    // The fish comes up the line toward the angler, drawn smaller or larger by its type.
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
}

void Form1::drawMark(int image, int row)
{
    const ImageBox *source = image == 4 ? Image4 : image == 5 ? Image5 : Image7;
    PicPRE->paintPicture(source->picture(), Cell::Mark, row == 0 ? Cell::MarkTopRow : Cell::MarkBottomRow);
}

void Form1::drawLine(const QPoint &end, const QColor &c)
{
    PicPRE->line(RodTip.x(), RodTip.y(), end.x(), end.y(), c);
}

void Form1::drawRodTip(const QColor &c)
{
    PicPRE->line(163, 1, 163, 5, c);
}

void Form1::composeStamp(int kind)
{
    // CmCopy: the size stamp beside the result mark, from the scene's picture and the size text.
    PicCm->cls();
    PicCm->paintPicture(PicPRE->picture(), Cell::StampSource, Cell::SizeStamp);
    if (kind == Stamp::LineBreak || kind == Stamp::Landed) {
        const QImage &text = PicS[kind == Stamp::LineBreak ? 0 : 1]->picture();
        PicCm->paintMasked(PicS[2]->picture(), Cell::SizeTextSource, text, Cell::SizeTextSource, Cell::StampSource);
    }
    PicCm->keepDrawing();
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

void Form1::printSizeStamps(const QString &text)
{
    // PicS(0..2): the red text, the yellow text and their black mask.
    for (int i = 0; i <= 2; ++i) {
        PicS[i]->print(text);
        PicS[i]->keepDrawing();
    }
}

} // namespace nuyo
