// The game's points are Int(weight × 10 × catches) taken in single precision, multiplied by the
// big-catch level above 1, and never leave the 16-bit range: a record run saturates at 32767.
#include "report/summary.h"

#include <QtTest>

using namespace nuyo;

class ReportSummaryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pointsFollowWeightCatchesAndLevel_data();
    void pointsFollowWeightCatchesAndLevel();
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

QTEST_GUILESS_MAIN(ReportSummaryTest)
#include "test_report_summary.moc"
