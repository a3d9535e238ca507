// The action button: every cast is played from it.
#include "fish/nuyoobject.h"
#include "fish/school.h"
#include "fish/strike.h"
#include "game/form1.h"
#include "report/form3.h"
#include "report/summary.h"
#include "sound/vbdsound.h"

namespace nuyo {

void Form1::appendResultLine()
{
    Text1->appendText(resultLine(g.BaitsUsed, g.LastResult));
}

void Form1::Command1_MouseDown(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    const QString caption = Command1->text();

    if (caption == Action::caption(Action::Cast)) {
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
        Command1->setBackColor(Action::colour(Action::Strike));
        Command1->setText(Action::caption(Action::Strike));
        Command1->setEnabled(true);
        g.ResultMark = ResultMark::None;
        PicPRE->cls();
        drawAnglerFrame(0);
        Label3->setText(QStringLiteral("ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』"));

        // Watch the float: the school steps in turn until a strike or the bait's end stops it.
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

        if (g.FishStop == FishStop::Struck)
            return;
        g.Baits -= 1;
        Label1->setText(QString::number(g.Baits));
        g.BaitsUsed += 1;
        g.LastResult = ResultText::BaitLost;
        appendResultLine();
        SoundPlay(app, g.Snd105);
        Label3->setText(g.LastResult + QStringLiteral(" ！"));
        Command1->setBackColor(Action::colour(Action::BaitLost));
        Command1->setText(Action::caption(Action::BaitLost));
        Command4->setEnabled(true);
        Command6->setEnabled(true);
        if (g.BaitsUsed == g.BaitsAtStart)
            gameEndSummary(app);
        return;
    }

    if (caption == Action::caption(Action::BaitLost)) {
        PicUKI->setVisible(false);
        if (g.Baits > 0) {
            AWASE();
            Command1->setBackColor(Action::colour(Action::Cast));
            Command1->setText(Action::caption(Action::Cast));
        } else {
            PicPRE->cls();
            CM();
            Command1->setText(Action::caption(Action::End));
        }
        return;
    }

    if (caption == Action::caption(Action::Fight)) {
        if (Button == 1)
            g.Distance = std::max(3, g.Distance - 1);
        else if (Button == 2)
            g.Distance = std::min(7, g.Distance + 1);
        WORK();
        return;
    }

    if (caption == Action::caption(Action::Strike)) {
        g.FishStop = FishStop::Struck;
        if (PicUKI->isVisible())
            PicUKI->setVisible(false);
        g.Baits -= 1;
        Label1->setText(QString::number(g.Baits));
        StrikeResult(app);
        if (g.Hooked == 0) {
            AWASE();
            SoundPlay(app, g.Snd105);
            showReport(app);
            stopTimers();
            g.CastStage = CastStage::Cast;
            if (g.Baits <= 0) {
                PicPRE->cls();
                CM();
                Command1->setText(Action::caption(Action::End));
            } else {
                AWASE();
                Command1->setBackColor(Action::colour(Action::Cast));
                Command1->setText(Action::caption(Action::Cast));
            }
        } else {
            SoundPlay(app, g.Snd102);
            Command1->setBackColor(Action::colour(Action::Fight));
            Command1->setText(Action::caption(Action::Fight));
            g.Distance = 7;
            g.Fighting = 1;
            Timer3->setEnabled(true);
            Command1_MouseDown(1, 0, 0, 0);
        }
        return;
    }

    if (caption == Action::caption(Action::End)) {
        stopTimers();
        SoundRelease(app);
        delete app.form3;
        app.form3 = nullptr;
        g.SoundOff = 1;
        const QString grade =
            g.BigLevel > 1 ? QStringLiteral("　　＜ 成績 ：！ ") : QStringLiteral("　　＜ 成績 ：　 ");
        app.host.msgBox(QStringLiteral("　　おつかれさま ．．．　　\r\n\r\n") + grade + QString::number(g.Points) +
                            QStringLiteral("　ポイント ＞"),
                        MsgBox::OkOnly, QStringLiteral(" * ぬ よ  *　－ 終了。"));
        Form_QueryUnload();
    }
}

} // namespace nuyo
