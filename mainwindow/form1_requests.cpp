// What the other windows and the rules ask of the main window: they say what they want, and the
// main window alone touches its controls.
#include "mainwindow/form1.h"
#include "ranking/rankingfile.h"
#include "ranking/rankingtable.h"
#include "report/summary.h"
#include "sound/vbdsound.h"

#include <utility>

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

void Form1::showReport(std::function<void()> then)
{
    m_afterReport = std::move(then);
    const bool landed = g.LastResult != ResultText::Miss && g.LastResult != ResultText::FalseBite &&
                        g.LastResult != ResultText::LineBreak;
    if (landed && g.FishSize >= 60) {
        // The 60 cm fish: its picture first, the master's two seconds later.
        if (g.BigLevel == 3)
            showMasterColour();
        m_reportStep = app.host.schedule(2.0, [this] {
            m_reportStep = 0;
            SoundPlay(app, g.Snd104);
            Q_EMIT reportMaster();
        });
    }
    Q_EMIT reportRequested();
}

void Form1::reportOk()
{
    if (g.FishSize != 0)
        g.TotalCm += g.FishSize;
    ++g.BaitsUsed;
    appendLog(resultLine(g.BaitsUsed, g.LastResult));
    g.Hooked = 0;
    readyForNextCast();
    if (g.LastResult == ResultText::FalseBite)
        showWantedBaitHint(); // the fish want another bait
    if (g.BaitsUsed == g.BaitsAtStart)
        appendLog(gameEndSummary(g));
    if (auto then = std::exchange(m_afterReport, nullptr))
        then();
}

void Form1::showRanking(std::function<void()> then)
{
    m_afterRanking = std::move(then);
    // A finished game's result goes into the table before the window shows it.
    g.RankNo = 5;
    if (g.RankOn == RankOn::ResultPending && g.RankingOff == RankingOff::Ranked) {
        const QString result = ResultRow(g);
        g.RankNo = RankInsert(g);
        if (g.RankNo < 5)
            g.RankRecords[g.RankNo] = result;
    }
    Q_EMIT rankingRequested();
}

void Form1::registerRankingName(const QString &name, bool tell)
{
    if (g.RankNo < 0 || g.RankNo > 4)
        return;
    g.RankRecords[g.RankNo] += name;
    g.RankingSaved = SaveRanking(app, tell);
}

void Form1::rankingClosed()
{
    g.RankOn = RankOn::NothingPending;
    if (auto then = std::exchange(m_afterRanking, nullptr))
        then();
}

void Form1::toggleRanking()
{
    const QString caption = QStringLiteral(" * ぬ よ *");
    if (g.RankingOff == RankingOff::Ranked) {
        app.host.msgBox(
            QStringLiteral("ゲーム結果を ランキングに 反映しません！\r\n\r\n（ 最後に ランキングを 表示しません ）"),
            MsgBox::OkOnly, caption);
        g.RankingOff = RankingOff::NotRanked;
    } else {
        app.host.msgBox(QStringLiteral("ゲーム結果を ランキングに 登録します。"), MsgBox::OkOnly, caption);
        g.RankingOff = RankingOff::Ranked;
    }
    showRankingToggle();
}

} // namespace nuyo
