// The reports and the ranking: the catch report after a cast, the ranking window, and the
// ranking file, whose problems the player is told once in a run.
#include "host/appinfo.h"
#include "model/game.h"
#include "model/scene.h"
#include "ranking/rankingreasons.h"
#include "ranking/rankingtable.h"
#include "scoring/summary.h"

#include <QDir>
#include <cstdio>
#include <utility>

namespace nuyo {

namespace {

QString rankingUnreadableText()
{
    return QCoreApplication::translate("Ranking", "ランキングの ファイルを 読めません！");
}

QString rankingUnsavedText()
{
    return QCoreApplication::translate("Ranking", "ランキングを 保存できません！");
}

} // namespace

// ---- the catch report ----

void Game::showReport(std::function<void()> then)
{
    m_afterReport = std::move(then);
    const bool landed =
        g.LastKind != ResultKind::Miss && g.LastKind != ResultKind::FalseBite && g.LastKind != ResultKind::LineBreak;
    if (landed && g.FishSize >= 60) {
        // The 60 cm fish: its picture first, the master's two seconds later.
        if (g.BigLevel == 3)
            scene.showMasterColour();
        scheduleInto(m_reportStep, 2.0, [this] {
            m_sounds.play(Sound::Chime);
            Q_EMIT reportMaster();
        });
    }
    Q_EMIT reportRequested();
}

void Game::readyForNextCast()
{
    m_furniture = true;
    scene.readyForNextCast();
}

void Game::reportOk()
{
    if (g.FishSize != 0)
        g.TotalCm += g.FishSize;
    ++g.BaitsUsed;
    appendResultLine();
    g.Hooked = false;
    readyForNextCast();
    if (g.LastKind == ResultKind::FalseBite)
        showWantedBaitHint(); // the fish want another bait
    if (g.BaitsUsed == g.BaitsAtStart)
        scene.appendLog(gameEndSummary(g));
    if (auto then = std::exchange(m_afterReport, nullptr))
        then();
}

// ---- the ranking window ----

void Game::showRanking(std::function<void()> then)
{
    m_afterRanking = std::move(then);
    // A finished game's result goes into the table before the window shows it.
    g.RankNo = 5;
    if (g.RankOn == RankOn::ResultPending && g.RankResults) {
        const QString result = ResultRow(g);
        g.RankNo = RankInsert(g, g.Points);
        if (g.RankNo < 5)
            g.RankRecords[g.RankNo] = result;
    }
    Q_EMIT rankingRequested();
}

void Game::registerRankingName(const QString &name, bool tell)
{
    if (g.RankNo < 0 || g.RankNo > 4)
        return;
    g.RankRecords[g.RankNo] += name;
    // Another game sharing the file may have registered meanwhile: the table becomes what was saved.
    Registration done;
    done.reason = rankingReason(RankingReason::RefusedOverwrite);
    if (!g.FileUnreadable)
        done = m_ranking.registerResult(g, g.Points, g.RankRecords[g.RankNo]);
    if (!done.saved && tell)
        tellRankingProblem(rankingUnsavedText(), done.reason);
    g.RankingSaved = done.saved;
    g.RankSavedRow = done.row;
}

void Game::rankingClosed()
{
    g.RankOn = RankOn::NothingPending;
    if (auto then = std::exchange(m_afterRanking, nullptr))
        then();
}

void Game::toggleRanking()
{
    if (g.RankResults) {
        m_host.msgBox(
            QCoreApplication::translate(
                "Game", "ゲーム結果を ランキングに 反映しません！\r\n\r\n（ 最後に ランキングを 表示しません ）"),
            MsgBox::OkOnly, appDefaultTitle());
        g.RankResults = false;
    } else {
        m_host.msgBox(QCoreApplication::translate("Game", "ゲーム結果を ランキングに 登録します。"), MsgBox::OkOnly,
                      appDefaultTitle());
        g.RankResults = true;
    }
    scene.showRankingToggle(g.RankResults);
}

// ---- the ranking file ----

void Game::loadRanking()
{
    QString reason;
    switch (m_ranking.load(g, &reason)) {
    case RankingLoad::Unreadable:
        // Its rows may still be somebody's records: it is never overwritten with this run's table.
        g.FileUnreadable = true;
        tellRankingProblem(rankingUnreadableText(), reason);
        break;
    case RankingLoad::NotCreated:
        tellRankingProblem(rankingUnsavedText(), reason);
        break;
    default:
        break;
    }
}

void Game::tellRankingProblem(const QString &headline, const QString &reason)
{
    if (g.ProblemTold)
        return;
    g.ProblemTold = true;
    // The headline, the file, the reason, and what it means for this game.
    const QString text =
        QCoreApplication::translate("Ranking",
                                    "%1\r\n\r\n　%2\r\n　（ %3 ）\r\n\r\n（ 今回の 成績は ランキングに 残りません ）")
            .arg(headline, QDir::toNativeSeparators(m_ranking.path()), reason);
    std::fprintf(stderr, "nuyo: %s\n", qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    m_host.msgBox(text, MsgBox::Exclamation, appDefaultTitle());
}

} // namespace nuyo
