// The main window's small controls: bait settings, hints, ranking, new game, help, closing.
#include "mainwindow/form1.h"
#include "sound/vbdsound.h"
#include "window/introduction.h"
#include "window/tips.h"

#include <QFileInfo>

namespace nuyo {

void Form1::Command3_Click(int Index)
{
    for (ColourButton *b : Command3)
        b->setBackColor(Colour::OtherBait);
    if (Index >= 0 && Index <= 2) {
        g.BaitSetting = Index + 1;
        Command3[Index]->setBackColor(Colour::ChosenBait);
    }
    Label2[1]->setForeColor(Colour::BaitLabel);
    Command5->setFocus();
}

void Form1::Command4_MouseDown(int Button)
{
    if (Button == 1) {
        app.host.msgBox(tipText(TipNo), MsgBox::Information, QStringLiteral(" * ぬ よ *"));
        TipNo += 1;
        if (TipNo >= 9) {
            KingfisherVisit([this] {
                TipNo = 0;
                Command4->setText(QStringLiteral("ワンポイント * ") + QString::number(TipNo + 1));
                Command5->setFocus();
            });
            return;
        }
        Command4->setText(QStringLiteral("ワンポイント * ") + QString::number(TipNo + 1));
    } else if (Button == 2) {
        TipNo += 1;
        if (TipNo >= 8)
            TipNo = 0;
        Command4->setText(QStringLiteral("ワンポイント * ") + QString::number(TipNo + 1));
    }
    Command5->setFocus();
}

void Form1::Command6_Click()
{
    showRanking([this] { Command5->setFocus(); });
}

void Form1::Command7_Click()
{
    Command7->setVisible(false);
    Command1->resize(Command1->width(), 201);
    Label6->setVisible(false);
    NewGame();
}

void Form1::Form_QueryUnload()
{
    if (g.SoundOff == SoundOff::Available)
        SoundRelease(app);
    Q_EMIT unloadReport();
    stopTimers();
    app.host.msgBox(QStringLiteral("終了します！  　　"), MsgBox::Exclamation, QStringLiteral(" ぬ よ"));
    app.host.endApplication();
}

void Form1::Image3_Click()
{
    if (!Command4->isEnabled())
        return;
    const QString path = introductionPath(app.exeDir);
    if (QFileInfo(path).isFile()) {
        if (app.host.msgBox(QStringLiteral("「 はじめに.txt 」を 表示しますか？"), MsgBox::YesNo | MsgBox::Question,
                            QStringLiteral(" * ぬ よ *")) == MsgBox::Yes) {
            // The desktop's own viewer opens the file by its URL: no shell, no command line.
            if (!app.host.openDocument(path))
                app.host.msgBox(QStringLiteral("「 はじめに.txt 」を 開けませんでした。"), MsgBox::Exclamation,
                                QString());
        }
    } else {
        app.host.msgBox(QStringLiteral("「 はじめに .txt 」がありません！"), MsgBox::OkOnly, QString());
    }
}

void Form1::Label1_Click()
{
    if (g.FloatWidth == 5) {
        g.FloatWidth = 4;
        Label8->setText(QStringLiteral("ウキ：細"));
    } else {
        g.FloatWidth = 5;
        Label8->setText(QStringLiteral("ウキ：太"));
    }
}

void Form1::Text1_GotFocus()
{
    Command5->setFocus();
}

} // namespace nuyo
