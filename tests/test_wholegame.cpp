// Whole games under the simulated host: every cast, strike, fight, report and the end.
#include "support/harness.h"
#include "support/headlessgame.h"
#include "support/player.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace nuyo;

namespace {

// What a game left behind: every sound and message with its time, the catch log, the ranking
// file, and the player's presses.
QStringList outcome(const RecordingSound &sound, const SimHost &host, const QString &log, const QString &ranking,
                    const Player &p)
{
    QStringList lines{log};
    for (const RecordingSound::Call &c : sound.calls)
        lines << QStringLiteral("%1 %2 %3").arg(c.at, 0, 'f', 2).arg(c.op).arg(c.resource);
    for (const SimHost::Message &m : host.messages)
        lines << QStringLiteral("%1 %2 %3").arg(m.at, 0, 'f', 2).arg(m.caption, m.text);
    QFile file(ranking);
    lines << QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll().toHex() : "none");
    lines << QStringLiteral("%1 %2 %3").arg(p.strikes).arg(p.pulls).arg(p.slacks);
    return lines;
}

} // namespace

class WholeGameTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void practiceStartIsDressedForPractice();
    void realGameStartIsDressedForTheRealGame();
    void aPlayerWhoNeverStrikesLosesEveryBait();
    void aPlayerWatchingTheFloatLandsFishAndScores_data();
    void aPlayerWatchingTheFloatLandsFishAndScores();
};

void WholeGameTest::practiceStartIsDressedForPractice()
{
    Harness h(3);
    h.start(0);
    QVERIFY(h.app->mainWindow());
    QVERIFY(h.window().windowTitle().endsWith(QStringLiteral("＜　練習　＞")));
    QCOMPARE(h.window().ui.baitCounter->text(), QStringLiteral("10"));
    QCOMPARE(h.window().ui.floatWidthLabel->text(), QStringLiteral("ウキ：太"));
    QCOMPARE(h.g().FloatWidth, 5);
    QCOMPARE(h.sound->resources(QStringLiteral("loop")), std::vector<int>{101});
}

void WholeGameTest::realGameStartIsDressedForTheRealGame()
{
    Harness h(3);
    h.start(1);
    QVERIFY(h.window().windowTitle().endsWith(QStringLiteral("＜　野釣り　＞")));
    QCOMPARE(h.window().ui.baitCounter->text(), QStringLiteral("20"));
    QCOMPARE(h.window().ui.floatWidthLabel->text(), QStringLiteral("ウキ：細"));
    QCOMPARE(h.g().FloatWidth, 4);
    QVERIFY(h.window().ui.rankingButton->isVisibleTo(&h.window()));
    QVERIFY(h.window().ui.realGameEmblem->isVisibleTo(&h.window()));
    QCOMPARE(h.window().ui.realGameEmblem->y(), 390);
    QVERIFY(h.window().ui.realGameTitle->isVisibleTo(&h.window()));
    QVERIFY(!h.window().ui.commentLine->isVisibleTo(&h.window()));
}

void WholeGameTest::aPlayerWhoNeverStrikesLosesEveryBait()
{
    QElapsedTimer wall;
    wall.start();
    Harness h(11);
    h.start(0);
    Player p(h, Player::Style::NeverStrikes);
    QVERIFY(p.playGame());
    const QStringList lines = h.window().ui.catchLog->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.filter(QStringLiteral("． エサ落ち")).size(), 10);
    QVERIFY(lines.contains(QStringLiteral("   3． エサ落ち")));
    QVERIFY(lines.contains(QStringLiteral("  10． エサ落ち")));
    QVERIFY(h.window().ui.catchLog->text().endsWith(QStringLiteral("\r\n  \r\n　　計　 0．0 Ｋｇ")));
    QCOMPARE(h.g().Points, 0);
    QCOMPARE(h.window().ui.commentLine->text(), QStringLiteral("＜ 初級 ＞　ヘタクソ！"));
    QCOMPARE(h.sound->resources(QStringLiteral("play")).size(), size_t(10 * 3)); // 102, 103, 105 per cast
    QVERIFY2(wall.elapsed() < 2000, qPrintable(QString::number(wall.elapsed())));

    // "終了": the sounds are released once, the summary is shown, and the game ends.
    h.host.messages.clear();
    QVERIFY(endsGame([&] { h.window().ui.actionButton->press(1); }));
    QCOMPARE(h.host.messages.size(), size_t(2));
    QCOMPARE(h.host.messages[0].text,
             QStringLiteral("　　おつかれさま ．．．　　\r\n\r\n　　＜ 成績 ：　 0　ポイント ＞"));
    QCOMPARE(h.host.messages[0].caption, QStringLiteral(" * ぬ よ  *　－ 終了。"));
    QCOMPARE(h.host.messages[0].style, int(MsgBox::OkOnly));
    QCOMPARE(h.host.messages[1].text, QStringLiteral("終了します！  　　"));
    QCOMPARE(h.sound->resources(QStringLiteral("free")), (std::vector<int>{101, 102, 103, 104, 105}));
    QCOMPARE(h.sound->count(QStringLiteral("terminate")), 1);
    QVERIFY(!h.g().SoundOn);
}

void WholeGameTest::aPlayerWatchingTheFloatLandsFishAndScores_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("style");
    const int eyes = int(Player::Style::Eyes), greedy = int(Player::Style::Greedy);
    QTest::newRow("practice, seed 5") << 5u << 0 << eyes;
    QTest::newRow("practice, seed 8") << 8u << 0 << eyes;
    QTest::newRow("real game, seed 21") << 21u << 1 << eyes;
    QTest::newRow("real game, breaking lines, seed 55") << 55u << 1 << greedy;
}

// The same seed plays the same game on the game alone, with no widget made, as at the windows.
void WholeGameTest::aPlayerWatchingTheFloatLandsFishAndScores()
{
    QFETCH(quint32, seed);
    QFETCH(int, mode);
    QFETCH(int, style);
    HeadlessGame alone(seed);
    alone.start(mode);
    Player q(alone, Player::Style(style));
    QVERIFY(q.playGame());
    QVERIFY(QApplication::allWidgets().isEmpty());

    QElapsedTimer wall;
    wall.start();
    Harness h(seed);
    h.start(mode);
    Player p(h, Player::Style(style));
    QVERIFY(p.playGame());
    const QString ranking = QDir(h.dir.path()).filePath(QStringLiteral("Point.dat"));
    QVERIFY(alone.scene.log.size() > 100 && h.window().ui.catchLog->text().endsWith(alone.scene.log));
    QCOMPARE(outcome(*h.sound, h.host, alone.scene.log, ranking, p),
             outcome(alone.sound, alone.host, alone.scene.log, alone.dir.filePath(QStringLiteral("Point.dat")), q));
    const QString log = h.window().ui.catchLog->text();
    qInfo() << "strikes" << p.strikes << "catches" << h.g().Catches << "total" << h.g().TotalCm << "points"
            << h.g().Points << "wall ms" << wall.elapsed();
    if (Player::Style(style) != Player::Style::Eyes)
        return;
    QVERIFY(p.strikes > 0);
    QVERIFY(h.g().Catches > 0);
    QVERIFY(log.contains(QStringLiteral("． ぬよ　")));
    QCOMPARE(h.g().BaitsUsed, mode == 0 ? 10 : 20);
    QVERIFY2(wall.elapsed() < 2000, qPrintable(QString::number(wall.elapsed())));
}

QTEST_MAIN(WholeGameTest)
#include "test_wholegame.moc"
