// What the game asks the main window to show: its controls, the float close-up and the pond
// scene. Nothing here decides anything; the game (model/game.h) has decided.
#include "fish/fight.h"
#include "windows/mainwindow.h"

namespace nuyo {

namespace {
const QPoint RodTip(150, 0);
} // namespace

// ---- controls ----

void MainWindow::setInputEnabled(bool on)
{
    setEnabled(on);
}

quintptr MainWindow::windowHandle()
{
    // The sound library only needs a non-zero window identity; don't force a native window for it.
    return internalWinId() ? quintptr(internalWinId()) : reinterpret_cast<quintptr>(this);
}

void MainWindow::focusSink()
{
    ui.keyboardSink->setFocus();
}

void MainWindow::showAction(Action::State state)
{
    m_shownAction = state;
    ui.actionButton->setBackColor(Action::colour(state));
    ui.actionButton->setText(Action::caption(state));
}

void MainWindow::enableAction(bool on)
{
    // A focus mark on the disabled button does not move on to a neighbour, where the next Space
    // would press something else: the off-screen button takes it, and Space there presses the
    // action button again.
    if (!on && ui.actionButton->hasFocus())
        ui.keyboardSink->setFocus();
    ui.actionButton->setEnabled(on);
}

void MainWindow::enableFurniture(bool on)
{
    ui.hintButton->setEnabled(on);
    ui.rankingButton->setEnabled(on);
}

void MainWindow::showComment(const QString &text)
{
    ui.commentLine->setText(text);
}

void MainWindow::showBaits(int baits)
{
    ui.baitCounter->setText(QString::number(baits));
}

void MainWindow::showCatches(int catches)
{
    ui.catchCounter->setText(QString::number(catches));
}

void MainWindow::showTension(int tension)
{
    ui.tensionGauge->setText(QString::number(tension));
}

void MainWindow::showBaitLabel(const QColor &c)
{
    ui.baitLabels[1]->setForeColor(c);
}

void MainWindow::showBaitChoice(int index)
{
    for (ColourButton *b : ui.baitButtons)
        b->setBackColor(Colour::OtherBait);
    if (index >= 0 && index <= 2)
        ui.baitButtons[index]->setBackColor(Colour::ChosenBait);
    ui.baitLabels[1]->setForeColor(Colour::BaitLabel);
}

void MainWindow::showFloatWidth(int width)
{
    ui.floatWidthLabel->setText(FloatWidth::caption(width));
}

QString MainWindow::tipCaption(int tipNo)
{
    return QCoreApplication::translate("MainWindow", "ワンポイント * %1").arg(tipNo + 1);
}

void MainWindow::showHintCaption(int tipNo)
{
    ui.hintButton->setText(tipCaption(tipNo));
}

void MainWindow::showRankingToggle(bool ranked)
{
    ui.rankingButton->setBackColor(ranked ? Colour::Ranked : Colour::NotRanked);
}

void MainWindow::showMasterColour()
{
    setBackColor(Colour::MasterBack);
}

void MainWindow::appendLog(const QString &text)
{
    ui.catchLog->appendText(text);
}

void MainWindow::closeGame()
{
    ui.baitLabels[1]->setForeColor(Colour::BaitLabel);
    ui.actionButton->setBackColor(Action::colour(Action::End));
    ui.hintButton->setEnabled(false);
    for (ColourButton *b : ui.baitButtons) {
        b->setBackColor(Colour::OtherBait);
        b->setEnabled(false);
    }
    ui.endBanner->setVisible(true);
    ui.actionButton->resize(ui.actionButton->width(), 161);
    ui.newGameButton->setVisible(true);
}

void MainWindow::readyForNextCast()
{
    ui.actionButton->setBackColor(Action::colour(Action::Cast));
    // The blank size text is never printed on: its picture wipes the size text of the last strike.
    const QImage blank = ui.sizeTexts[3]->picture();
    for (int i = 0; i <= 2; ++i) {
        ui.sizeTexts[i]->cls();
        if (blank.isNull()) {
            ui.sizeTexts[i]->clearPicture();
            ui.sizeTexts[i]->cls();
        } else {
            ui.sizeTexts[i]->setPicture(blank);
        }
    }
    ui.hintButton->setEnabled(true);
    ui.rankingButton->setEnabled(true);
}

// ---- the float close-up ----

void MainWindow::showFloatBox(bool on)
{
    ui.floatCloseUp->setVisible(on);
}

void MainWindow::clearFloat()
{
    ui.floatCloseUp->cls();
}

void MainWindow::drawFloat(int x, int y, int width, int sourceWidth, int height)
{
    ui.floatCloseUp->paintPicture(ui.floatPicture->picture(), x, y, width, height, 0, 0, sourceWidth, height);
}

// ---- the pond scene ----

void MainWindow::clearScene()
{
    ui.pond->cls();
}

void MainWindow::drawAnglerAtRest()
{
    ui.pond->cls();
    drawAnglerFrame(0);
}

void MainWindow::drawAnglerFrame(int k)
{
    const QImage &frame = ui.anglerFrames[k]->picture();
    ui.pond->paintMasked(frame, Cell::AnglerMask, frame, Cell::AnglerSprite, Cell::Angler);
}

void MainWindow::drawSizeText(int colour)
{
    ui.pond->paintMasked(ui.sizeTexts[2]->picture(), Cell::SizeTextSource, ui.sizeTexts[colour]->picture(),
                         Cell::SizeTextSource, Cell::SizeText);
}

void MainWindow::drawResultMark(ResultMark::Value mark)
{
    switch (mark) {
    case ResultMark::LineBreak:
        ui.pond->paintPicture(ui.resultMarks->picture(), Cell::Mark, Cell::MarkTopRow);
        break;
    case ResultMark::Landed:
        ui.pond->paintPicture(ui.resultMarks->picture(), Cell::Mark, Cell::MarkBottomRow);
        break;
    case ResultMark::BigLanded:
        ui.pond->paintPicture(ui.bigCatchMarks->picture(), Cell::Mark, Cell::MarkTopRow);
        break;
    default:
        return;
    }
    ui.pond->paintPicture(ui.sizeStamp->picture(), Cell::SizeStamp, Cell::StampSource);
}

void MainWindow::drawLandedFish(int t, int fishType)
{
    // The fish comes up the line toward the angler, drawn smaller or larger by its type.
    int s = 36, x = 126;
    if (fishType >= 4) {
        s = 48;
        x = 120;
    } else if (fishType <= 1) {
        s = 24;
        x = 132;
    }
    const QImage &fish = ui.landedFish->picture();
    ui.pond->paintMasked(fish, Cell::LandedMask, fish, Cell::LandedSprite, QRect(x, 7 * t, s, s));
    ui.pond->line(247, 245, 145, 7 * t + s - 2, Colour::LandingLine);
}

void MainWindow::drawMark(MarkPicture picture, int row)
{
    const ImageBox *source = picture == MarkPicture::Splashes  ? ui.splashes
                             : picture == MarkPicture::Results ? ui.resultMarks
                                                               : ui.bigCatchMarks;
    ui.pond->paintPicture(source->picture(), Cell::Mark, row == 0 ? Cell::MarkTopRow : Cell::MarkBottomRow);
}

void MainWindow::drawLine(const QPoint &end, const QColor &c)
{
    ui.pond->line(RodTip.x(), RodTip.y(), end.x(), end.y(), c);
}

void MainWindow::drawRodTip(const QColor &c)
{
    ui.pond->line(163, 1, 163, 5, c);
}

void MainWindow::composeStamp(int kind)
{
    // The size stamp beside the result mark, from the scene's picture and the size text.
    ui.sizeStamp->cls();
    ui.sizeStamp->paintPicture(ui.pond->picture(), Cell::StampSource, Cell::SizeStamp);
    if (kind == Stamp::LineBreak || kind == Stamp::Landed) {
        const QImage &text = ui.sizeTexts[kind == Stamp::LineBreak ? 0 : 1]->picture();
        ui.sizeStamp->paintMasked(ui.sizeTexts[2]->picture(), Cell::SizeTextSource, text, Cell::SizeTextSource,
                                  Cell::StampSource);
    }
    ui.sizeStamp->keepDrawing();
}

void MainWindow::showBigCatch(const BigCatchChange &c)
{
    if (c.markRow >= 0) {
        ui.pond->cls();
        ui.pond->paintPicture(ui.bigCatchMarks->picture(), Cell::BigCatchMark,
                              Cell::MarkTopRow.translated(0, c.markRow));
        ui.pond->keepDrawing();
    }
    if (c.frameWidth > 0) {
        ui.sceneFrame->setBorderWidth(c.frameWidth);
        ui.sceneFrame->setBorderColor(c.frameColour);
    }
    if (c.showRedFrame) {
        ui.bigCatchFrame->setVisible(true);
        ui.catchLog->setBackColor(Colour::BigCatchLog);
    }
}

void MainWindow::printSizeStamps(const QString &text)
{
    // The red text, the yellow text and their black mask.
    for (int i = 0; i <= 2; ++i) {
        ui.sizeTexts[i]->print(text);
        ui.sizeTexts[i]->keepDrawing();
    }
}

} // namespace nuyo
