// The main window's load, the mode's dressing and the new-game reset, as the game asks.
#include "layouts/layout.h"
#include "windows/mainwindow.h"
#include "model/hints.h"
#include "layouts/placement.h"

namespace nuyo {

namespace {

QString logHeading()
{
    return QCoreApplication::translate("MainWindow", "     <  釣  果  > \r\n ");
}

} // namespace

void Form1::setBackColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    update();
}

void Form1::dressForMode(bool newGame)
{
    const bool practice = g.GameMode == GameMode::Practice;
    setWindowTitle(practice ? QCoreApplication::translate("MainWindow", " 釣りゲーム　「 ぬ よ 」　　＜　練習　＞")
                            : QCoreApplication::translate("MainWindow", " 釣りゲーム　「 ぬ よ 」　　＜　野釣り　＞"));
    setBackColor(practice ? Colour::PracticeBack : Colour::RealBack);
    Text1->setBackColor(practice ? Colour::PracticeLog : Colour::RealLog);
    if (practice)
        PicPRE->setPicture(Image6->picture());
    else if (newGame)
        PicPRE->setPicture(Image12->picture());
    // At load the real game keeps the scene's own picture.
    if (practice)
        Label3->setVisible(true);
    else if (newGame)
        Label3->setVisible(false);
    Label8->setText(FloatWidth::caption(practice ? FloatWidth::Thick : FloatWidth::Thin));
    if (practice) {
        if (newGame)
            Command6->setVisible(false);
    } else {
        Command6->setVisible(true);
        if (newGame)
            showRankingToggle();
    }
    if (practice) {
        if (newGame) {
            Image11->setVisible(false);
            Label9->setVisible(false);
        }
    } else {
        Image11->move(Image11->x(), 390); // the window measures in pixels
        Image11->setVisible(true);
        Label9->setVisible(true);
    }
}

void Form1::loadWindow()
{
    // The window's outer size is 9240 × 6780 twips with a 3-pixel frame and a 22-pixel caption.
    setFixedSize(px(9240) - 6, px(6780) - 25);
    centreOnWorkArea(this, QSize(px(9240), px(6780)));
    SetMainFonts();
    dressForMode(false);
    PicPRE->setOuterSize(300, 353);
    PrepareAngler();
    showAction(g.ActionState);
    Label1->setText(QString::number(g.Baits));
    Label3->setText(Hint::atStart());
    Label4->setForeColor(Colour::CatchCount);
    PicS[1]->setForeColor(Colour::CatchCount);
    Text1->setText(logHeading());
}

void Form1::hideWindow()
{
    hide();
}

void Form1::showWindow(bool newGame)
{
    show();
    if (newGame) {
        raise();
        // Back in front with the keyboard, where a window manager would otherwise leave it behind.
        activateWindow();
    }
    Command5->setFocus();
}

void Form1::reopenForNewGame()
{
    Command7->setVisible(false);
    Command1->resize(Command1->width(), 201);
    Label6->setVisible(false);
}

void Form1::resetForNewGame()
{
    PrepareAngler();
    Shape1->setBorderColor(Colour::BigCatchFrame);
    Shape1->setBorderWidth(1);
    Shape1->setVisible(false);
    Shape3->setBorderColor(Colour::SceneFrame);
    Shape3->setBorderWidth(2);
    showAction(g.ActionState);
    Label1->setText(QString::number(g.Baits));
    Label3->setText(Hint::atStart());
    Label4->setText(QStringLiteral("0"));
    Text1->setText(logHeading());
    Command4->setEnabled(true);
    for (ColourButton *b : Command3) {
        b->setBackColor(Colour::OtherBait);
        b->setEnabled(true);
    }
    Command3[1]->setBackColor(Colour::ChosenBait);
}

} // namespace nuyo
