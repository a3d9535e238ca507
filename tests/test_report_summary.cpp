// The game's points are Int(weight × 10 × catches), the product rounded once to single
// precision, multiplied by the big-catch level above 1, and never leave the 16-bit range: a
// record run saturates at 32767. In every game that can be played that is the total length in
// centimetres times the catches, over ten, floored.
#include "scoring/summary.h"
#include "state/gamestate.h"

#include <QtTest>

using namespace nuyo;

class ReportSummaryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pointsFollowWeightCatchesAndLevel_data();
    void pointsFollowWeightCatchesAndLevel();
    void pointsAreTotalTimesCatchesOverTenInEveryReachableGame_data();
    void pointsAreTotalTimesCatchesOverTenInEveryReachableGame();
};

void ReportSummaryTest::pointsFollowWeightCatchesAndLevel_data()
{
    QTest::addColumn<int>("totalCm");
    QTest::addColumn<int>("catches");
    QTest::addColumn<int>("bigLevel");
    QTest::addColumn<int>("points");

    QTest::newRow("nothing caught") << 0 << 0 << 0 << 0;
    QTest::newRow("87 cm, 2 fish: 17.4 is floored") << 87 << 2 << 0 << 17;
    QTest::newRow("level 1 does not multiply") << 345 << 7 << 1 << 241;
    QTest::newRow("1234 cm, 5 fish, level 2") << 1234 << 5 << 2 << 1234;
    // 0.94 × 10 × 5 is 47 in single precision (a double product falls just below 47).
    QTest::newRow("single precision 0.94 x 5") << 94 << 5 << 0 << 47;
    // One product, rounded once: rounding after each factor would leave 28 and 361.
    QTest::newRow("0.58 kg x 5 is 29") << 58 << 5 << 0 << 29;
    QTest::newRow("3.62 kg x 10 is 362") << 362 << 10 << 0 << 362;
    QTest::newRow("just inside 16 bits") << 1200 << 20 << 13 << 31200;
    QTest::newRow("beyond 16 bits saturates") << 1200 << 20 << 14 << 32767;
    QTest::newRow("far beyond saturates") << 1200 << 20 << 100 << 32767;
}

void ReportSummaryTest::pointsFollowWeightCatchesAndLevel()
{
    QFETCH(int, totalCm);
    QFETCH(int, catches);
    QFETCH(int, bigLevel);
    QFETCH(int, points);
    QCOMPARE(gamePoints(weightText(totalCm), catches, bigLevel), points);
}

void ReportSummaryTest::pointsAreTotalTimesCatchesOverTenInEveryReachableGame_data()
{
    QTest::addColumn<int>("catches");
    QTest::addColumn<int>("bigLevel");
    for (int catches = 0; catches <= 20; ++catches)
        for (int bigLevel : {0, 1, 2, 7, 20})
            QTest::addRow("%d fish, level %d", catches, bigLevel) << catches << bigLevel;
}

// Every fish landed is 10 to 60 cm long, so the total lies between 10 and 60 cm a fish.
void ReportSummaryTest::pointsAreTotalTimesCatchesOverTenInEveryReachableGame()
{
    QFETCH(int, catches);
    QFETCH(int, bigLevel);
    Record g;
    g.Catches = catches;
    g.BigLevel = bigLevel;
    for (int totalCm = 10 * catches; totalCm <= 60 * catches; ++totalCm) {
        const long floored = static_cast<long>(totalCm) * catches / 10;
        const int expected = static_cast<int>(std::min(32767L, bigLevel > 1 ? floored * bigLevel : floored));
        QCOMPARE(gamePoints(weightText(totalCm), catches, bigLevel), expected);
        g.TotalCm = totalCm;
        QCOMPARE(gameEndSummary(g), totalLine(totalCm));
        QCOMPARE(g.WeightKg, weightText(totalCm));
        QCOMPARE(g.Points, expected);
    }
}

QTEST_GUILESS_MAIN(ReportSummaryTest)
#include "test_report_summary.moc"
