// The action button: every cast is played from it. Its caption is the state of the cast, and
// each state has its own handler.
#include "fish/nuyoobject.h"
#include "fish/school.h"
#include "fish/strike.h"
#include "mainwindow/form1.h"
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
    g.ActionState = state;
    Command1->setBackColor(Action::colour(state));
    Command1->setText(Action::caption(state));
}

void Form1::Command1_MouseDown(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    switch (g.ActionState) {
    case Action::Cast:
        castPressed();
        break;
    case Action::BaitLost:
        baitLostPressed();
        break;
    case Action::Fight:
        fightPressed(Button);
        break;
    case Action::Strike:
        strikePressed();
        break;
    case Action::End:
        endPressed();
        break;
    }
}

void Form1::castPressed()
{
    throwLine();
}

void Form1::after(float seconds, void (Form1::*step)())
{
    m_castStep = app.host.schedule(seconds, [this, step] {
        m_castStep = 0;
        (this->*step)();
    });
}

void Form1::stopCastSteps()
{
    app.host.cancel(m_castStep);
    m_castStep = 0;
}

void Form1::throwLine()
{
    g.FishStop = FishStop::Moving;
    Command4->setEnabled(false);
    Command6->setEnabled(false);
    Label3->setText(QString());
    Command1->setEnabled(false);
    Timer1->setEnabled(true);
    after(3.0, &Form1::floatOut); // the angler casts
}

void Form1::floatOut()
{
    g.Distance = 7;
    PicUKI->setVisible(true);
    g.BaitTime = 60;
    g.FloatX = 96;
    g.FloatY = 20;
    g.FloatSrcW = 5;
    g.FloatH = 156;
    Timer2->setEnabled(true);
    after(5.5, &Form1::watchFloat); // the float settles
}

void Form1::watchFloat()
{
    showAction(Action::Strike);
    Command1->setEnabled(true);
    g.ResultMark = ResultMark::None;
    PicPRE->cls();
    drawAnglerFrame(0);
    Label3->setText(WatchHint);
    m_fish = 1;
    fishStep();
}

void Form1::fishStep()
{
    // The school steps in turn, fish 1 to 4, until a strike or the bait's end stops it.
    NUYOObject &fish = fishAt(app, m_fish);
    const int kind = fish.Task(app.host);
    m_pullingUnder = kind == 1 ? FloatBite(kind, fish.SIZ, fish.FAC, fish.VEC) : FloatBite(kind, 0, 0, 0);
    if (m_pullingUnder)
        after(0.1f, &Form1::floatGoneUnder); // the float shows half its height for a moment
    else
        after(0.2f, &Form1::fishPause);
}

void Form1::floatGoneUnder()
{
    m_pullingUnder = false;
    floatUnderWater();
    after(0.2f, &Form1::fishPause);
}

void Form1::fishPause()
{
    after(0.5f, &Form1::nextFish);
}

void Form1::nextFish()
{
    m_fish = m_fish % 4 + 1;
    fishStep();
}

bool Form1::stopWatching()
{
    // A float on its way under finishes going under, whatever stopped the watch: the caller
    // lets it, once it has done its own work.
    const bool goingUnder = m_pullingUnder;
    stopCastSteps();
    m_pullingUnder = false;
    return goingUnder;
}

void Form1::loseBait()
{
    g.Baits -= 1;
    Label1->setText(QString::number(g.Baits));
    g.BaitsUsed += 1;
    g.LastResult = ResultText::BaitLost;
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
    const bool goingUnder = stopWatching();
    g.FishStop = FishStop::Struck;
    if (PicUKI->isVisible())
        PicUKI->setVisible(false);
    g.Baits -= 1;
    Label1->setText(QString::number(g.Baits));
    StrikeResult();
    if (g.Hooked == 0) {
        AWASE();
        SoundPlay(app, g.Snd105);
        showReport([this, goingUnder] {
            stopTimers();
            g.CastStage = CastStage::Cast;
            endCast([this, goingUnder] {
                if (goingUnder)
                    floatUnderWater();
            });
        });
        return;
    }
    SoundPlay(app, g.Snd102);
    showAction(Action::Fight);
    g.Distance = 7;
    g.Fighting = 1;
    Timer3->setEnabled(true);
    fightPressed(Mouse::Left); // the strike itself is the first pull
    if (goingUnder)
        floatUnderWater();
}

void Form1::endPressed()
{
    stopTimers();
    SoundRelease(app);
    Q_EMIT unloadReport();
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

void Form1::endCast(const std::function<void()> &then)
{
    if (g.Baits <= 0) {
        PicPRE->cls();
        CM([this, then] {
            showAction(Action::End);
            if (then)
                then();
        });
    } else {
        AWASE();
        showAction(Action::Cast);
        if (then)
            then();
    }
}

} // namespace nuyo
