// The game's rules on plain state: fish steps, the float's answer, the strike, the fight,
// the big catch, grades, weights, points, font sizes and the random generator.
#include "fish/fight.h"
#include "fish/fish.h"
#include "fish/floatrules.h"
#include "fish/strike.h"
#include "host/random.h"
#include "layouts/fontsizes.h"
#include "scoring/grades.h"
#include "scoring/summary.h"
#include "state/gamestate.h"

#include <QtTest>
#include <set>

using namespace nuyo;

class RulesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aFishStepsAndTurnsAtTheEdges_data();
    void aFishStepsAndTurnsAtTheEdges();
    void anUnknownHeadingDoesNotMove();
    void cellsAroundTheBaitHaveTheirKinds_data();
    void cellsAroundTheBaitHaveTheirKinds();
    void theFloatAnswersABiteByBaitTypeAndHeading_data();
    void theFloatAnswersABiteByBaitTypeAndHeading();
    void theFloatAnswersNeighbourSteps_data();
    void theFloatAnswersNeighbourSteps();
    void theFloatRestsHigherAsTheBaitDissolves_data();
    void theFloatRestsHigherAsTheBaitDissolves();
    void aStrikeIsJudgedWrongBaitFirstThenEmptyThenHooked_data();
    void aStrikeIsJudgedWrongBaitFirstThenEmptyThenHooked();
    void everyTypesLengthsCoverExactlyItsBand();
    void theLineColourWarnsOfDanger_data();
    void theLineColourWarnsOfDanger();
    void theTensionIsCappedByTheFishType_data();
    void theTensionIsCappedByTheFishType();
    void bigCatchesRaiseTheLevelRowByRow_data();
    void bigCatchesRaiseTheLevelRowByRow();
    void practiceGradesFollowTheFirstMatchingRow_data();
    void practiceGradesFollowTheFirstMatchingRow();
    void weightsAndTotalLinesPutTheDecimalPointBeforeTheLastTwoDigits_data();
    void weightsAndTotalLinesPutTheDecimalPointBeforeTheLastTwoDigits();
    void pointsAreComputedInSinglePrecisionAndSaturate_data();
    void pointsAreComputedInSinglePrecisionAndSaturate();
    void resultLinesRightAlignTheCastNumber_data();
    void resultLinesRightAlignTheCastNumber();
    void fontSizesAreTruncatedFromTheDisplaysPixelSize_data();
    void fontSizesAreTruncatedFromTheDisplaysPixelSize();
    void theRandomGeneratorNeverYieldsOne();
    void theSameSeedGivesTheSameDraws();
};

void RulesTest::aFishStepsAndTurnsAtTheEdges_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("vec");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("ex");
    QTest::addColumn<int>("ey");
    QTest::addColumn<int>("evec");
    QTest::newRow("(3,1) up turns at row 0 keeping column 3") << 3 << 1 << 1 << 1 << 3 << 0 << 2;
    QTest::newRow("(3,1) up, two steps, back to row 1") << 3 << 1 << 1 << 2 << 3 << 1 << 2;
    QTest::newRow("(7,7) down turns at row 8 and moves to column 6") << 7 << 7 << 2 << 1 << 6 << 8 << 1;
    QTest::newRow("(7,7) down, two steps, at (6,7)") << 7 << 7 << 2 << 2 << 6 << 7 << 1;
    QTest::newRow("placed at row 0 heading up leaves the grid") << 5 << 0 << 1 << 1 << 4 << -1 << 2;
    QTest::newRow("and comes back to row 0") << 5 << 0 << 1 << 2 << 4 << 0 << 2;
    QTest::newRow("right turns at column 8, row toward 3") << 7 << 1 << 3 << 1 << 8 << 2 << 4;
    QTest::newRow("left turns at column 0, row toward 3") << 1 << 5 << 4 << 1 << 0 << 4 << 3;
    QTest::newRow("row 3 stays 3 at a turn") << 1 << 3 << 4 << 1 << 0 << 3 << 3;
    QTest::newRow("a plain step right") << 2 << 3 << 3 << 1 << 3 << 3 << 3;
}

void RulesTest::aFishStepsAndTurnsAtTheEdges()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, vec);
    QFETCH(int, steps);
    Fish f;
    f.x = x;
    f.y = y;
    f.heading = vec;
    for (int i = 0; i < steps; ++i)
        QVERIFY(f.move());
    QTEST(f.x, "ex");
    QTEST(f.y, "ey");
    QTEST(f.heading, "evec");
}

void RulesTest::anUnknownHeadingDoesNotMove()
{
    Fish f;
    f.x = 4;
    f.y = 5;
    f.heading = 0;
    QVERIFY(!f.move());
    QCOMPARE(f.x, 4);
    QCOMPARE(f.y, 5);
}

void RulesTest::cellsAroundTheBaitHaveTheirKinds_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("kind");
    QTest::newRow("bait") << 3 << 3 << 1;
    QTest::newRow("left") << 2 << 3 << 2;
    QTest::newRow("right") << 4 << 3 << 3;
    QTest::newRow("above") << 3 << 2 << 4;
    QTest::newRow("below") << 3 << 4 << 4;
    QTest::newRow("diagonal") << 2 << 2 << 0;
    QTest::newRow("far") << 8 << 0 << 0;
    QTest::newRow("off the grid") << 3 << -1 << 0;
}

void RulesTest::cellsAroundTheBaitHaveTheirKinds()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QTEST(cellKind(x, y), "kind");
}

void RulesTest::theFloatAnswersABiteByBaitTypeAndHeading_data()
{
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy"); // +depth sinks, −depth rises
    QTest::addColumn<bool>("pulled");
    for (int type = 1; type <= 5; ++type) {
        const int depth = 5 * type;
        for (int heading = 1; heading <= 4; ++heading) {
            const QByteArray at = QByteArray::number(type) + "/" + QByteArray::number(heading);
            QTest::newRow("hard " + at) << 1 << type << heading << 0 << (heading <= 2 ? -depth : depth) << false;
            QTest::newRow("normal " + at) << 2 << type << heading << 0 << depth << false;
            const int dx = heading == 3 ? -2 : heading == 4 ? 2 : 0;
            QTest::newRow("soft " + at) << 3 << type << heading << dx << depth << false;
        }
    }
    for (int wanted = 1; wanted <= 3; ++wanted)
        QTest::newRow(("60 cm fish, bait " + QByteArray::number(wanted)).constData())
            << wanted << 6 << 1 << 0 << 0 << true;
    QTest::newRow("no bait wanted: nothing moves") << 0 << 3 << 1 << 0 << 0 << false;
    QTest::newRow("no bait wanted, 60 cm: nothing moves") << 4 << 6 << 1 << 0 << 0 << false;
}

void RulesTest::theFloatAnswersABiteByBaitTypeAndHeading()
{
    QFETCH(int, wanted);
    QFETCH(int, type);
    QFETCH(int, heading);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, pulled);
    GameState g;
    g.BaitWanted = wanted;
    g.BaitTime = 40;
    g.FloatX = 96;
    g.FloatY = 60;
    g.FloatH = 116;
    const FloatMove m = floatAnswer(g, 1, type, 2, heading);
    QCOMPARE(m == FloatMove::PulledUnder, pulled);
    QCOMPARE(g.FishType, type);
    QCOMPARE(g.BiteFish, 2);
    QCOMPARE(g.BiteDepth, 5 * type);
    QCOMPARE(g.FloatX, 96 + dx);
    QCOMPARE(g.FloatY, 60 + dy);
    QCOMPARE(g.FloatY + g.FloatH, 176); // the water line stays
}

void RulesTest::theFloatAnswersNeighbourSteps_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("dx");
    QTest::newRow("left of the bait") << 2 << -2;
    QTest::newRow("right of the bait") << 3 << 2;
    QTest::newRow("above or below") << 4 << 0;
}

void RulesTest::theFloatAnswersNeighbourSteps()
{
    QFETCH(int, kind);
    QFETCH(int, dx);
    GameState g;
    g.BaitWanted = 2;
    g.FloatX = 96;
    g.FloatY = 73; // a sunk float stays sunk
    g.FloatH = 103;
    floatAnswer(g, kind, 0, 0, 0);
    floatAnswer(g, kind, 0, 0, 0);
    QCOMPARE(g.FloatX, 96 + 2 * dx);
    QCOMPARE(g.FloatY, 73);
    QCOMPARE(g.FloatH, 103);
    QCOMPARE(g.FishType, 0);
    QCOMPARE(g.BiteFish, 0);
}

void RulesTest::theFloatRestsHigherAsTheBaitDissolves_data()
{
    QTest::addColumn<int>("baitTime");
    QTest::newRow("fresh bait") << 60;
    QTest::newRow("half gone") << 30;
    QTest::newRow("gone") << 0;
}

void RulesTest::theFloatRestsHigherAsTheBaitDissolves()
{
    QFETCH(int, baitTime);
    GameState g;
    g.BaitTime = baitTime;
    g.FloatX = 90;
    g.FloatY = 5;
    floatAnswer(g, 0, 0, 0, 0);
    QCOMPARE(g.FloatY, baitTime + 20);
    QCOMPARE(g.FloatH, 156 - baitTime);
    QCOMPARE(g.FloatX, 90);
}

void RulesTest::aStrikeIsJudgedWrongBaitFirstThenEmptyThenHooked_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("fishType");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("hooked");
    QTest::newRow("wrong bait, no fish") << 1 << 2 << 0 << QStringLiteral("スレアタリ") << 0;
    QTest::newRow("wrong bait, a fish on the bait") << 3 << 2 << 4 << QStringLiteral("スレアタリ") << 0;
    QTest::newRow("right bait, no fish") << 2 << 2 << 0 << QStringLiteral("空アワセ") << 0;
    QTest::newRow("right bait, the 60 cm fish") << 2 << 2 << 6 << QStringLiteral("ぬよ　60 ㎝") << 1;
}

void RulesTest::aStrikeIsJudgedWrongBaitFirstThenEmptyThenHooked()
{
    QFETCH(int, setting);
    QFETCH(int, wanted);
    QFETCH(int, fishType);
    QFETCH(int, hooked);
    GameState g;
    Random rnd;
    g.BaitSetting = setting;
    g.BaitWanted = wanted;
    g.FishType = fishType;
    g.FishSize = 33;
    judgeStrike(g, rnd);
    QTEST(g.LastResult, "result");
    QCOMPARE(g.Hooked, hooked);
    if (hooked) {
        QCOMPARE(g.FishSize, 60);
        QCOMPARE(g.Tension, 8);
    } else {
        QCOMPARE(g.FishSize, 0);
    }
}

void RulesTest::everyTypesLengthsCoverExactlyItsBand()
{
    const int tension[] = {0, 4, 5, 6, 7, 8, 8};
    for (int type = 1; type <= 6; ++type) {
        Random rnd;
        rnd.seed(1000 + type);
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            GameState g;
            g.BaitSetting = g.BaitWanted = 2;
            g.FishType = type;
            judgeStrike(g, rnd);
            QCOMPARE(g.Hooked, 1);
            QCOMPARE(g.Tension, tension[type]);
            QCOMPARE(g.LastResult, QStringLiteral("ぬよ　%1 ㎝").arg(g.FishSize));
            seen.insert(g.FishSize);
        }
        std::set<int> band;
        if (type == 6)
            band = {60};
        else
            for (int r = 0; r <= 8; ++r)
                band.insert(type * 10 + r);
        QCOMPARE(seen, band);
    }
}

void RulesTest::theLineColourWarnsOfDanger_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("slack") << -4 << QColor(0, 192, 255);
    QTest::newRow("safe") << 0 << QColor(0, 192, 255);
    QTest::newRow("warning") << 1 << QColor(255, 255, 0);
    QTest::newRow("red") << 2 << QColor(255, 0, 0);
}

void RulesTest::theLineColourWarnsOfDanger()
{
    QFETCH(int, d);
    QTEST(lineColourFor(d), "colour");
}

void RulesTest::theTensionIsCappedByTheFishType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("tension");
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("expected");
    QTest::newRow("type 1 capped at 6") << 1 << 6 << 1 << 6;
    QTest::newRow("type 2 capped at 7") << 2 << 7 << 3 << 7;
    QTest::newRow("type 3 capped at 8") << 3 << 8 << 2 << 8;
    QTest::newRow("type 4 up to 9") << 4 << 8 << 1 << 9;
    QTest::newRow("type 6 capped at 9") << 6 << 9 << 1 << 9;
    QTest::newRow("down by one") << 5 << 8 << 4 << 7;
    QTest::newRow("never below 3") << 2 << 3 << 6 << 3;
}

void RulesTest::theTensionIsCappedByTheFishType()
{
    QFETCH(int, type);
    QFETCH(int, tension);
    QFETCH(int, draw);
    QTEST(nextTension(tension, draw, type), "expected");
}

void RulesTest::bigCatchesRaiseTheLevelRowByRow_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count50");
    QTest::addColumn<int>("count60");
    QTest::addColumn<int>("eLevel");
    QTest::addColumn<int>("eCount50");
    QTest::addColumn<int>("eCount60");
    QTest::addColumn<int>("markRow");
    QTest::newRow("first big fish, 58 cm") << 0 << 58 << 0 << 0 << 1 << 1 << 0 << 25;
    QTest::newRow("first big fish, 60 cm only opens level 1") << 0 << 60 << 0 << 0 << 1 << 1 << 0 << 25;
    QTest::newRow("60 cm at level 1") << 1 << 60 << 1 << 0 << 2 << 1 << 1 << 50;
    QTest::newRow("60 cm at level 2") << 2 << 60 << 2 << 1 << 3 << 2 << 2 << 75;
    QTest::newRow("60 cm at level 3") << 3 << 60 << 2 << 2 << 4 << 2 << 3 << -1;
    QTest::newRow("55 cm at level 2 counts a big fish") << 2 << 55 << 3 << 1 << 2 << 4 << 1 << -1;
}

void RulesTest::bigCatchesRaiseTheLevelRowByRow()
{
    QFETCH(int, level);
    QFETCH(int, length);
    GameState g;
    g.BigLevel = level;
    QFETCH(int, count50);
    QFETCH(int, count60);
    g.Count50 = count50;
    g.Count60 = count60;
    const BigCatchChange c = bigCatch(g, length);
    QTEST(g.BigLevel, "eLevel");
    QTEST(g.Count50, "eCount50");
    QTEST(g.Count60, "eCount60");
    QTEST(c.markRow, "markRow");
    if (level == 1 && length == 60) {
        QCOMPARE(c.frameWidth, 5);
        QCOMPARE(c.frameColour, QColor(255, 255, 0));
        QVERIFY(c.showRedFrame);
    }
}

void RulesTest::practiceGradesFollowTheFirstMatchingRow_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("catches");
    QTest::addColumn<QString>("grade");
    QTest::newRow("two 60 cm fish") << 3 << 2 << QStringLiteral("＜ 太公望！＞　あなたは天才です！");
    QTest::newRow("one 60 cm fish wins over the count") << 2 << 3 << QStringLiteral("＜ 名人！＞　次は「太公望！」！");
    QTest::newRow("ten fish") << 0 << 10 << QStringLiteral("＜ 名人！＞　次は「太公望！」！");
    QTest::newRow("a big fish") << 1 << 2 << QStringLiteral("＜ 上級 ＞　アンタはうまい！");
    QTest::newRow("nine") << 0 << 9 << QStringLiteral("＜ 上級 ＞　アンタはうまい！");
    QTest::newRow("eight") << 0 << 8 << QStringLiteral("＜ 上級 ＞　よく やったね！");
    QTest::newRow("seven") << 0 << 7 << QStringLiteral("＜ 中級 ＞　次は 上級！");
    QTest::newRow("six") << 0 << 6 << QStringLiteral("＜ 中級 ＞　まあまあ やね！");
    QTest::newRow("five") << 0 << 5 << QStringLiteral("＜ 中級 ＞　練習あるのみ！");
    QTest::newRow("four") << 0 << 4 << QStringLiteral("＜ 中級 ＞　辛抱が足らん！");
    QTest::newRow("three") << 0 << 3 << QStringLiteral("＜ 初級 ＞　ヘタクソ！");
    QTest::newRow("none") << 0 << 0 << QStringLiteral("＜ 初級 ＞　ヘタクソ！");
    QTest::newRow("eleven") << 0 << 11 << QStringLiteral("・・・・！");
}

void RulesTest::practiceGradesFollowTheFirstMatchingRow()
{
    QFETCH(int, level);
    QFETCH(int, catches);
    QTEST(gradeText(level, catches), "grade");
}

void RulesTest::weightsAndTotalLinesPutTheDecimalPointBeforeTheLastTwoDigits_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing") << 0 << QStringLiteral("0.0") << QStringLiteral("0．0");
    QTest::newRow("87 cm") << 87 << QStringLiteral("0.87") << QStringLiteral("0．87");
    QTest::newRow("345 cm") << 345 << QStringLiteral("3.45") << QStringLiteral("3．45");
    QTest::newRow("1234 cm") << 1234 << QStringLiteral("12.34") << QStringLiteral("12．34");
}

void RulesTest::weightsAndTotalLinesPutTheDecimalPointBeforeTheLastTwoDigits()
{
    QFETCH(int, total);
    QFETCH(QString, shown);
    QTEST(weightText(total), "weight");
    QCOMPARE(totalLine(total), QStringLiteral("\r\n  \r\n　　計　 ") + shown + QStringLiteral(" Ｋｇ"));
}

void RulesTest::pointsAreComputedInSinglePrecisionAndSaturate_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("catches");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("points");
    QTest::newRow("12.34 kg, 5 fish, level 2") << QStringLiteral("12.34") << 5 << 2 << 1234;
    QTest::newRow("nothing") << QStringLiteral("0.0") << 0 << 0 << 0;
    QTest::newRow("0.87 kg, 3 fish") << QStringLiteral("0.87") << 3 << 1 << 26;
    QTest::newRow("level 1 does not multiply") << QStringLiteral("3.45") << 9 << 1 << 310;
    QTest::newRow("a record run saturates") << QStringLiteral("12.00") << 20 << 14 << 32767;
}

void RulesTest::pointsAreComputedInSinglePrecisionAndSaturate()
{
    QFETCH(QString, weight);
    QFETCH(int, catches);
    QFETCH(int, level);
    QTEST(gamePoints(weight, catches, level), "points");
}

void RulesTest::resultLinesRightAlignTheCastNumber_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("line");
    QTest::newRow("3") << 3 << QStringLiteral("\r\n   3． エサ落ち");
    QTest::newRow("10") << 10 << QStringLiteral("\r\n  10． エサ落ち");
}

void RulesTest::resultLinesRightAlignTheCastNumber()
{
    QFETCH(int, n);
    QTEST(resultLine(n, QStringLiteral("エサ落ち")), "line");
}

void RulesTest::fontSizesAreTruncatedFromTheDisplaysPixelSize_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("96 dpi") << 15.0 << QList<int>{9, 11, 12, 14, 20, 36};
    QTest::newRow("120 dpi") << 12.0 << QList<int>{7, 8, 9, 11, 16, 28};
    QTest::newRow("144 dpi") << 10.0 << QList<int>{6, 7, 8, 9, 13, 24};
}

void RulesTest::fontSizesAreTruncatedFromTheDisplaysPixelSize()
{
    QFETCH(double, twips);
    const DisplayFonts g = fontSizesFor(twips);
    QTEST((QList<int>{g.FontSize9, g.FontSize11, g.FontSize12, g.FontSize14, g.FontSize20, g.FontSize36}), "sizes");
}

void RulesTest::theRandomGeneratorNeverYieldsOne()
{
    Random rnd;
    rnd.setSource([] { return 0xFFFFFFFFu; });
    const float top = rnd.rnd();
    QVERIFY(top < 1.0f);
    QCOMPARE(rnd.below(9), 8);
    QCOMPARE(rnd.below(3), 2);
    rnd.setSource([] { return 0u; });
    QCOMPARE(rnd.rnd(), 0.0f);
    QCOMPARE(rnd.below(9), 0);
}

void RulesTest::theSameSeedGivesTheSameDraws()
{
    Random a, b;
    a.seed(42);
    b.seed(42);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.below(1000), b.below(1000));
}

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"
