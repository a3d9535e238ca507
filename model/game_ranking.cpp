// The reports and the ranking: the catch report after a cast, the ranking window, and the
// ranking file, whose problems the player is told once in a run.
#include "host/appinfo.h"
#include "model/game.h"
#include "model/scene.h"
#include "ranking/rankingreasons.h"
#include "ranking/rankingtable.h"
#include "scoring/summary.h"
#include "startup/startupmessages.h"

#include <QDir>
#include <cstdio>
#include <utility>

namespace nuyo {

namespace {

// How often a registration that waits for the ranking file tries again, and after how many
// seconds of waiting the player may give it up.
constexpr double FileRetrySeconds = 0.25;
constexpr int GiveUpOfferSeconds = 10;

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
        g.RankFiling = Filing::Idle;
        g.RankSavedRow = -1;
    }
    Q_EMIT rankingRequested();
}

// The name is registered at once, or as soon as another program lets the file go: registrationWaiting
// meanwhile, registrationDone at the end. A failure is told to the player when `tell`.
void Game::registerRankingName(const QString &name, bool tell)
{
    if (g.RankNo < 0 || g.RankNo > 4 || g.RankFiling != Filing::Idle)
        return;
    g.RankRecords[g.RankNo] += name;
    m_unsaved = {g.Points, name, g.RankRecords[g.RankNo], tell, QString()};
    if (!g.FileUnreadable) {
        tryRegistration();
        return;
    }
    Registration refused;
    refused.reason = rankingReason(RankingReason::RefusedOverwrite);
    finishRegistration(refused);
}

void Game::tryRegistration()
{
    // Another game sharing the file may have registered meanwhile: the table becomes what was saved.
    const Registration done = m_ranking.registerResult(g, m_unsaved.points, m_unsaved.record);
    if (done.busy)
        waitForFile();
    else
        finishRegistration(done);
}

void Game::waitForFile()
{
    if (g.RankFiling != Filing::Waiting) {
        // As under a box, nothing of the game runs meanwhile; its windows answer.
        g.RankFiling = Filing::Waiting;
        m_waitStarted = m_host.now();
        m_host.pauseClock();
    }
    g.RankWaitSeconds = int(m_host.now() - m_waitStarted);
    g.RankGiveUpOffered = g.RankWaitSeconds >= GiveUpOfferSeconds;
    const auto tryAgain = [this] { tryRegistration(); };
    const bool whilePaused = true; // the game's own clock stands still meanwhile
    scheduleInto(m_fileStep, FileRetrySeconds, tryAgain, whilePaused);
    Q_EMIT registrationWaiting();
}

void Game::finishRegistration(const Registration &done)
{
    if (g.RankFiling == Filing::Waiting)
        m_host.resumeClock();
    g.RankFiling = done.saved ? Filing::Saved : Filing::NotSaved;
    g.RankSavedRow = done.row;
    m_unsaved.reason = done.reason;
    if (!done.saved && m_unsaved.tell)
        tellRankingProblem(rankingUnsavedText(), done.reason);
    Q_EMIT registrationDone();
}

void Game::giveUpRegistration()
{
    if (g.RankFiling != Filing::Waiting || !g.RankGiveUpOffered)
        return;
    m_host.cancel(std::exchange(m_fileStep, 0));
    m_host.resumeClock();
    g.RankFiling = Filing::GivenUp;
    Q_EMIT registrationDone();
}

void Game::registerBeforeEnd()
{
    const QString path = QDir::toNativeSeparators(m_ranking.path());
    const bool waiting = g.RankFiling == Filing::Waiting;
    if (waiting) {
        m_host.cancel(std::exchange(m_fileStep, 0));
        m_unsaved.tell = false; // nobody is left to read a box
        const auto seconds = QString::number(LockWaitAtEnd.count());
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QString::fromUtf8(StartupText::ResultWaitsForFile).arg(path, seconds)));
        std::fflush(stderr);
        Registration done = m_ranking.registerResult(g, m_unsaved.points, m_unsaved.record, LockWaitAtEnd);
        if (done.busy)
            done.reason = QString::fromUtf8(StartupText::FileStayedInUse).arg(seconds);
        finishRegistration(done);
    }
    // Only what the player did not see: a result that waited, or was registered unasked.
    const bool unasked = !m_unsaved.tell && (g.RankFiling == Filing::Saved || g.RankFiling == Filing::NotSaved);
    if (!waiting && !unasked)
        return;
    const QString result = QString::fromUtf8(StartupText::ResultOfGame).arg(m_unsaved.points).arg(m_unsaved.name);
    const QString line = g.RankFiling == Filing::Saved
                             ? QString::fromUtf8(StartupText::ResultRegistered).arg(result, path)
                             : QString::fromUtf8(StartupText::ResultNotSaved).arg(result, path, m_unsaved.reason);
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
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
