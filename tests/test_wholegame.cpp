// Whole games under the simulated host: every cast, strike, fight, report and the end.
#include "support/harness.h"
#include "support/player.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace nuyo;

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
    QVERIFY(h.app->form1);
    QVERIFY(h.form().windowTitle().endsWith(QStringLiteral("＜　練習　＞")));
    QCOMPARE(h.form().Label1->text(), QStringLiteral("10"));
    QCOMPARE(h.form().Label8->text(), QStringLiteral("ウキ：太"));
    QCOMPARE(h.g().FloatWidth, 5);
    QCOMPARE(h.sound->resources(QStringLiteral("loop")), std::vector<int>{101});
}

void WholeGameTest::realGameStartIsDressedForTheRealGame()
{
    Harness h(3);
    h.start(1);
    QVERIFY(h.form().windowTitle().endsWith(QStringLiteral("＜　野釣り　＞")));
    QCOMPARE(h.form().Label1->text(), QStringLiteral("20"));
    QCOMPARE(h.form().Label8->text(), QStringLiteral("ウキ：細"));
    QCOMPARE(h.g().FloatWidth, 4);
    QVERIFY(h.form().Command6->isVisibleTo(&h.form()));
    QVERIFY(h.form().Image11->isVisibleTo(&h.form()));
    QCOMPARE(h.form().Image11->y(), 390);
    QVERIFY(h.form().Label9->isVisibleTo(&h.form()));
    QVERIFY(!h.form().Label3->isVisibleTo(&h.form()));
}

void WholeGameTest::aPlayerWhoNeverStrikesLosesEveryBait()
{
    QElapsedTimer wall;
    wall.start();
    Harness h(11);
    h.start(0);
    Player p(h, Player::Style::NeverStrikes);
    QVERIFY(p.playGame());
    const QStringList lines = h.form().Text1->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.filter(QStringLiteral("． エサ落ち")).size(), 10);
    QVERIFY(lines.contains(QStringLiteral("   3． エサ落ち")));
    QVERIFY(lines.contains(QStringLiteral("  10． エサ落ち")));
    QVERIFY(h.form().Text1->text().endsWith(QStringLiteral("\r\n  \r\n　　計　 0．0 Ｋｇ")));
    QCOMPARE(h.g().Points, 0);
    QCOMPARE(h.form().Label3->text(), QStringLiteral("＜ 初級 ＞　ヘタクソ！"));
    QCOMPARE(h.sound->resources(QStringLiteral("play")).size(), size_t(10 * 3)); // 102, 103, 105 per cast
    QVERIFY2(wall.elapsed() < 2000, qPrintable(QString::number(wall.elapsed())));

    // "終了": the sounds are released once, the summary is shown, and the game ends.
    h.host.messages.clear();
    QVERIFY(endsGame([&] { h.form().Command1->press(1); }));
    QCOMPARE(h.host.messages.size(), size_t(2));
    QCOMPARE(h.host.messages[0].text,
             QStringLiteral("　　おつかれさま ．．．　　\r\n\r\n　　＜ 成績 ：　 0　ポイント ＞"));
    QCOMPARE(h.host.messages[0].caption, QStringLiteral(" * ぬ よ  *　－ 終了。"));
    QCOMPARE(h.host.messages[0].style, int(MsgBox::OkOnly));
    QCOMPARE(h.host.messages[1].text, QStringLiteral("終了します！  　　"));
    QCOMPARE(h.sound->resources(QStringLiteral("free")), (std::vector<int>{101, 102, 103, 104, 105}));
    QCOMPARE(h.sound->count(QStringLiteral("terminate")), 1);
    QCOMPARE(h.g().SoundOff, int(SoundOff::Silent));
}

void WholeGameTest::aPlayerWatchingTheFloatLandsFishAndScores_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("mode");
    QTest::newRow("practice, seed 5") << 5u << 0;
    QTest::newRow("practice, seed 8") << 8u << 0;
    QTest::newRow("real game, seed 21") << 21u << 1;
}

void WholeGameTest::aPlayerWatchingTheFloatLandsFishAndScores()
{
    QFETCH(quint32, seed);
    QFETCH(int, mode);
    QElapsedTimer wall;
    wall.start();
    Harness h(seed);
    h.start(mode);
    Player p(h, Player::Style::Eyes);
    QVERIFY(p.playGame());
    const QString log = h.form().Text1->text();
    qInfo() << "strikes" << p.strikes << "catches" << h.g().Catches << "total" << h.g().TotalCm << "points"
            << h.g().Points << "wall ms" << wall.elapsed();
    QVERIFY(p.strikes > 0);
    QVERIFY(h.g().Catches > 0);
    QVERIFY(log.contains(QStringLiteral("． ぬよ　")));
    QCOMPARE(h.g().BaitsUsed, mode == 0 ? 10 : 20);
    QVERIFY2(wall.elapsed() < 2000, qPrintable(QString::number(wall.elapsed())));
}

QTEST_MAIN(WholeGameTest)
#include "test_wholegame.moc"
