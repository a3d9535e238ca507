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

    if (caption == QStringLiteral("振り込み")) {
        g.FishStop = 0;
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
        Command1->setBackColor(QColor(255, 192, 128));
        Command1->setText(QStringLiteral("合わせ"));
        Command1->setEnabled(true);
        g.ResultMark = 0;
        PicPRE->cls();
        drawAnglerFrame(0);
        Label3->setText(QStringLiteral("ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』"));

        // Watch the float: the school steps in turn until a strike or the bait's end stops it.
        do {
            for (int i = 1; i <= 4; ++i) {
                fishAt(app, i).Task(app);
                Wait(app, 0.5f);
                app.host.doEvents();
                if (g.FishStop != 0)
                    break;
            }
            app.host.doEvents();
        } while (g.FishStop == 0);

        if (g.FishStop == 2)
            return;
        g.Baits -= 1;
        Label1->setText(QString::number(g.Baits));
        g.BaitsUsed += 1;
        g.LastResult = QStringLiteral("エサ落ち");
        appendResultLine();
        SoundPlay(app, g.Snd105);
        Label3->setText(g.LastResult + QStringLiteral(" ！"));
        Command1->setBackColor(QColor(0, 192, 0));
        Command1->setText(QStringLiteral("エサ落ち"));
        Command4->setEnabled(true);
        Command6->setEnabled(true);
        if (g.BaitsUsed == g.BaitsAtStart)
            gameEndSummary(app);
        return;
    }

    if (caption == QStringLiteral("エサ落ち")) {
        PicUKI->setVisible(false);
        if (g.Baits > 0) {
            AWASE();
            Command1->setBackColor(QColor(192, 192, 0));
            Command1->setText(QStringLiteral("振り込み"));
        } else {
            PicPRE->cls();
            CM();
            Command1->setText(QStringLiteral("終了"));
        }
        return;
    }

    if (caption == QStringLiteral("取り込み")) {
        if (Button == 1)
            g.Distance = std::max(3, g.Distance - 1);
        else if (Button == 2)
            g.Distance = std::min(7, g.Distance + 1);
        WORK();
        return;
    }

    if (caption == QStringLiteral("合わせ")) {
        g.FishStop = 2;
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
            g.CastStage = 0;
            if (g.Baits <= 0) {
                PicPRE->cls();
                CM();
                Command1->setText(QStringLiteral("終了"));
            } else {
                AWASE();
                Command1->setBackColor(QColor(192, 192, 0));
                Command1->setText(QStringLiteral("振り込み"));
            }
        } else {
            SoundPlay(app, g.Snd102);
            Command1->setBackColor(QColor(255, 128, 64));
            Command1->setText(QStringLiteral("取り込み"));
            g.Distance = 7;
            g.Fighting = 1;
            Timer3->setEnabled(true);
            Command1_MouseDown(1, 0, 0, 0);
        }
        return;
    }

    if (caption == QStringLiteral("終了")) {
        stopTimers();
        SoundRelease(app);
        delete app.form3;
        app.form3 = nullptr;
        g.SoundOff = 1;
        const QString grade =
            g.BigLevel > 1 ? QStringLiteral("　　＜ 成績 ：！ ") : QStringLiteral("　　＜ 成績 ：　 ");
        app.host.msgBox(QStringLiteral("　　おつかれさま ．．．　　\r\n\r\n") + grade + QString::number(g.Points) +
                            QStringLiteral("　ポイント ＞"),
                        0, QStringLiteral(" * ぬ よ  *　－ 終了。"));
        Form_QueryUnload();
    }
}

} // namespace nuyo
