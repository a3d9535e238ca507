// The action button: every cast is played from it. Its caption is the state of the cast, and
// each state has its own handler.
#include "fish/nuyoobject.h"
#include "fish/school.h"
#include "fish/strike.h"
#include "game/form1.h"
#include "report/form3.h"
#include "report/summary.h"
#include "sound/vbdsound.h"

namespace nuyo {

namespace {
const QString WatchHint = QStringLiteral("ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』");
const QString GoodbyeCaption = QStringLiteral(" * ぬ よ  *　－ 終了。");
} // namespace

void Form1::appendResultLine()
{
    Text1->appendText(resultLine(g.BaitsUsed, g.LastResult));
}

void Form1::showAction(Action::State state)
{
    Command1->setBackColor(Action::colour(state));
    Command1->setText(Action::caption(state));
}

void Form1::Command1_MouseDown(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    const QString caption = Command1->text();
    if (caption == Action::caption(Action::Cast))
        castPressed();
    else if (caption == Action::caption(Action::BaitLost))
        baitLostPressed();
    else if (caption == Action::caption(Action::Fight))
        fightPressed(Button);
    else if (caption == Action::caption(Action::Strike))
        strikePressed();
    else if (caption == Action::caption(Action::End))
        endPressed();
}

void Form1::castPressed()
{
    throwLine();
    watchFloat();
    if (g.FishStop == FishStop::Struck)
        return; // the strike's press has played the rest of the cast
    loseBait();
}

void Form1::throwLine()
{
    g.FishStop = FishStop::Moving;
    Command4->setEnabled(false);
    Command6->setEnabled(false);
    Label3->setText(QString());
    Command1->setEnabled(false);
    Timer1->setEnabled(true);
    Wait(app, 3.0f);
    g.Distance = 7;
    PicUKI->setVisible(true);
    g.BaitTime = 60;
    g.FloatX = 96;
    g.FloatY = 20;
    g.FloatSrcW = 5;
    g.FloatH = 156;
    Timer2->setEnabled(true);
    Wait(app, 5.5f);
    showAction(Action::Strike);
    Command1->setEnabled(true);
    g.ResultMark = ResultMark::None;
    PicPRE->cls();
    drawAnglerFrame(0);
    Label3->setText(WatchHint);
}

void Form1::watchFloat()
{
    // The school steps in turn until a strike or the bait's end stops it.
    do {
        for (int i = 1; i <= 4; ++i) {
            fishAt(app, i).Task(app);
            Wait(app, 0.5f);
            app.host.doEvents();
            if (g.FishStop != FishStop::Moving)
                break;
        }
        app.host.doEvents();
    } while (g.FishStop == FishStop::Moving);
}

void Form1::loseBait()
{
    g.Baits -= 1;
    Label1->setText(QString::number(g.Baits));
    g.BaitsUsed += 1;
    g.LastResult = ResultText::baitLost();
    appendResultLine();
    SoundPlay(app, g.Snd105);
    Label3->setText(g.LastResult + QStringLiteral(" ！"));
    showAction(Action::BaitLost);
    Command4->setEnabled(true);
    Command6->setEnabled(true);
    if (g.BaitsUsed == g.BaitsAtStart)
        appendLog(gameEndSummary(g));
}

void Form1::baitLostPressed()
{
    PicUKI->setVisible(false);
    endCast();
}

void Form1::fightPressed(int Button)
{
    if (Button == Mouse::Left)
        g.Distance = std::max(3, g.Distance - 1);
    else if (Button == Mouse::Right)
        g.Distance = std::min(7, g.Distance + 1);
    WORK();
}

void Form1::strikePressed()
{
    g.FishStop = FishStop::Struck;
    if (PicUKI->isVisible())
        PicUKI->setVisible(false);
    g.Baits -= 1;
    Label1->setText(QString::number(g.Baits));
    StrikeResult();
    if (g.Hooked == 0) {
        AWASE();
        SoundPlay(app, g.Snd105);
        showReport(app);
        stopTimers();
        g.CastStage = CastStage::Cast;
        endCast();
        return;
    }
    SoundPlay(app, g.Snd102);
    showAction(Action::Fight);
    g.Distance = 7;
    g.Fighting = 1;
    Timer3->setEnabled(true);
    Command1_MouseDown(Mouse::Left, 0, 0, 0);
}

void Form1::endPressed()
{
    stopTimers();
    SoundRelease(app);
    delete app.form3;
    app.form3 = nullptr;
    g.SoundOff = SoundOff::Silent;
    const QString grade = g.BigLevel > 1 ? QStringLiteral("　　＜ 成績 ：！ ") : QStringLiteral("　　＜ 成績 ：　 ");
    app.host.msgBox(QStringLiteral("　　おつかれさま ．．．　　\r\n\r\n") + grade + QString::number(g.Points) +
                        QStringLiteral("　ポイント ＞"),
                    MsgBox::OkOnly, GoodbyeCaption);
    Form_QueryUnload();
}

void Form1::StrikeResult()
{
    judgeStrike(g, app.rnd);
    if (g.Hooked == 1) {
        showComment(QStringLiteral("『 左クリック 』で引き寄せ、糸が「赤く」なったら『 右クリック 』"));
        printSizeStamps(QString::number(g.FishSize) + QStringLiteral("cm!"));
    } else {
        showComment(g.LastResult + QStringLiteral(" ！"));
    }
}

void Form1::endCast()
{
    if (g.Baits <= 0) {
        PicPRE->cls();
        CM();
        showAction(Action::End);
    } else {
        AWASE();
        showAction(Action::Cast);
    }
}

} // namespace nuyo
