// The main window's load, the mode's dressing and the new-game reset, as the game asks.
#include "layouts/placement.h"
#include "model/hints.h"
#include "windows/mainwindow.h"

namespace nuyo {

namespace {

QString logHeading()
{
    return QCoreApplication::translate("MainWindow", "     <  釣  果  > \r\n ");
}

} // namespace

void MainWindow::setBackColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    update();
}

void MainWindow::dressForMode(GameMode::Value mode, bool newGame, bool ranked)
{
    const bool practice = mode == GameMode::Practice;
    setWindowTitle(practice ? QCoreApplication::translate("MainWindow", " 釣りゲーム　「 ぬ よ 」　　＜　練習　＞")
                            : QCoreApplication::translate("MainWindow", " 釣りゲーム　「 ぬ よ 」　　＜　野釣り　＞"));
    setBackColor(practice ? Colour::PracticeBack : Colour::RealBack);
    ui.catchLog->setBackColor(practice ? Colour::PracticeLog : Colour::RealLog);
    if (practice)
        ui.pond->setPicture(ui.practicePond->picture());
    else if (newGame)
        ui.pond->setPicture(ui.realPond->picture());
    // At load the real game keeps the scene's own picture.
    if (practice)
        ui.commentLine->setVisible(true);
    else if (newGame)
        ui.commentLine->setVisible(false);
    ui.floatWidthLabel->setText(FloatWidth::caption(practice ? FloatWidth::Thick : FloatWidth::Thin));
    if (practice) {
        if (newGame)
            ui.rankingButton->setVisible(false);
    } else {
        ui.rankingButton->setVisible(true);
        if (newGame)
            showRankingToggle(ranked);
    }
    if (practice) {
        if (newGame) {
            ui.realGameEmblem->setVisible(false);
            ui.realGameTitle->setVisible(false);
        }
    } else {
        ui.realGameEmblem->move(ui.realGameEmblem->x(), 390); // the window measures in pixels
        ui.realGameEmblem->setVisible(true);
        ui.realGameTitle->setVisible(true);
    }
}

void MainWindow::loadWindow(GameMode::Value mode, Action::State action, int baits)
{
    // The window's outer size is 9240 × 6780 twips with a 3-pixel frame and a 22-pixel caption.
    setFixedSize(px(9240) - 6, px(6780) - 25);
    centreOnWorkArea(this, QSize(px(9240), px(6780)));
    setFonts();
    dressForMode(mode, false, true);
    ui.pond->setOuterSize(300, 353);
    drawAnglerAtRest();
    showAction(action);
    ui.baitCounter->setText(QString::number(baits));
    ui.commentLine->setText(Hint::atStart());
    ui.catchCounter->setForeColor(Colour::CatchCount);
    ui.sizeTexts[1]->setForeColor(Colour::CatchCount);
    ui.catchLog->setText(logHeading());
}

void MainWindow::hideWindow()
{
    hide();
}

void MainWindow::showWindow(bool newGame)
{
    show();
    if (newGame) {
        raise();
        // Back in front with the keyboard, where a window manager would otherwise leave it behind.
        activateWindow();
    }
    ui.keyboardSink->setFocus();
}

void MainWindow::reopenForNewGame()
{
    ui.newGameButton->setVisible(false);
    ui.actionButton->resize(ui.actionButton->width(), 201);
    ui.endBanner->setVisible(false);
}

void MainWindow::resetForNewGame(Action::State action, int baits)
{
    drawAnglerAtRest();
    ui.bigCatchFrame->setBorderColor(Colour::BigCatchFrame);
    ui.bigCatchFrame->setBorderWidth(1);
    ui.bigCatchFrame->setVisible(false);
    ui.sceneFrame->setBorderColor(Colour::SceneFrame);
    ui.sceneFrame->setBorderWidth(2);
    showAction(action);
    ui.baitCounter->setText(QString::number(baits));
    ui.commentLine->setText(Hint::atStart());
    ui.catchCounter->setText(QStringLiteral("0"));
    ui.catchLog->setText(logHeading());
    ui.hintButton->setEnabled(true);
    for (ColourButton *b : ui.baitButtons) {
        b->setBackColor(Colour::OtherBait);
        b->setEnabled(true);
    }
    ui.baitButtons[1]->setBackColor(Colour::ChosenBait);
}

} // namespace nuyo
