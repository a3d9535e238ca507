// The float in its close-up box and the school's steps, in the real main window under the
// simulated host: what the player sees is checked pixel for pixel.
#include "fish/fish.h"
#include "fish/school.h"
#include "support/harness.h"

#include <QPainter>
#include <QtTest>
#include <set>

using namespace nuyo;

namespace {

// The close-up box as it should look: its background with the float drawn at (x, y), w × h.
QImage expectedFloat(MainWindow &f, int x, int y, int w, int h)
{
    QImage img = f.ui.floatCloseUp->picture()
                     .convertToFormat(QImage::Format_RGB32)
                     .copy(QRect(QPoint(), f.ui.floatCloseUp->image().size()));
    if (h > 0) {
        QPainter p(&img);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QRect(x, y, w, h), f.ui.floatPicture->picture().convertToFormat(QImage::Format_RGB32),
                    QRect(0, 0, 5, h));
    }
    return img;
}

// The scene with angler frame k drawn through its mask.
QImage expectedAngler(MainWindow &f, int k)
{
    QImage img =
        f.ui.pond->picture().convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(), f.ui.pond->image().size()));
    const QImage frame = f.ui.anglerFrames[k]->picture().convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    p.drawImage(QRect(90, 0, 160, 314), frame, QRect(160, 0, 160, 314));
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(QRect(90, 0, 160, 314), frame, QRect(0, 0, 160, 314));
    return img;
}

} // namespace

class FloatTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void afterSettlingTheFloatStandsAt96_83AndTheBaitTimerRuns();
    void atRestTheFloatTopFollowsTheBaitTime_data();
    void atRestTheFloatTopFollowsTheBaitTime();
    void theSixtyCentimetreFishPullsTheFloatUnder();
    void twoNeighbourStepsMoveTheFloatFourPixelsLeftUntilTheNextCast();
    void theEndOfCastPictureWithNoResultIsTheAnglerAlone();
    void aStrikeDuringTheSecondFishsStepStopsTheSchoolBeforeTheThird();
    void aHeadingOutsideOneToFourShowsItsMessageAndStays();
    void aNewGameHasTypesOneTwoThreeTwo();
    void theSixtyCentimetreFishIsPlacedNearTheBait();
};

void FloatTest::afterSettlingTheFloatStandsAt96_83AndTheBaitTimerRuns()
{
    Harness h(4);
    h.start(0);
    MainWindow &f = h.window();
    QImage seen;
    int y = 0, height = 0;
    bool baitTimer = false, settling = true;
    h.host.at(1.0, [&] { f.ui.actionButton->press(1); });
    // The cast's waits: 3 s, then 21 settling ticks of 0.2 s.
    h.host.at(1.0 + 3.0 + 4.2 + 0.05, [&] {
        seen = f.ui.floatCloseUp->image().copy();
        y = h.g().FloatY;
        height = h.g().FloatH;
        baitTimer = h.game().secondTimer().isEnabled();
        settling = h.game().settlingTimer().isEnabled();
    });
    h.host.runUntil(1.0 + 3.0 + 4.2 + 0.1);
    QCOMPARE(y, 83);
    QCOMPARE(height, 93);
    QVERIFY(baitTimer);
    QVERIFY(!settling);
    QCOMPARE(seen, expectedFloat(f, 96, 83, h.g().FloatWidth, 93));
}

void FloatTest::atRestTheFloatTopFollowsTheBaitTime_data()
{
    QTest::addColumn<int>("baitTime");
    QTest::addColumn<int>("width");
    QTest::newRow("fresh bait, thick float") << 60 << 5;
    QTest::newRow("some gone, thin float") << 25 << 4;
    QTest::newRow("all gone") << 0 << 5;
}

void FloatTest::atRestTheFloatTopFollowsTheBaitTime()
{
    QFETCH(int, baitTime);
    QFETCH(int, width);
    Harness h(4);
    h.start(0);
    MainWindow &f = h.window();
    GameState &g = h.stage();
    g.BaitTime = baitTime;
    g.FloatWidth = width;
    g.FloatX = 96;
    g.FloatSrcW = 5;
    h.game().answerFishStep(0, 0, 0, 0);
    QCOMPARE(g.FloatY, baitTime + 20);
    QCOMPARE(g.FloatH, 156 - baitTime);
    QCOMPARE(f.ui.floatCloseUp->image(), expectedFloat(f, 96, baitTime + 20, width, 156 - baitTime));
}

void FloatTest::theSixtyCentimetreFishPullsTheFloatUnder()
{
    Harness h(4);
    h.start(0);
    MainWindow &f = h.window();
    GameState &g = h.stage();
    g.BaitTime = 0;
    g.BaitWanted = 2;
    g.FloatX = 96;
    g.FloatSrcW = 5;
    g.FloatY = 80;
    g.FloatH = 96;
    QVERIFY(h.game().answerFishStep(1, 6, 3, 2)); // half of it shows for a moment...
    QCOMPARE(f.ui.floatCloseUp->image(), expectedFloat(f, 96, 80 + 48, g.FloatWidth, 48));
    h.game().floatUnderWater();                                         // ...then it is gone
    QCOMPARE(f.ui.floatCloseUp->image(), expectedFloat(f, 0, 0, 0, 0)); // nothing left to see
    QCOMPARE(g.FishType, 6);
    QCOMPARE(g.BiteFish, 3);
    QCOMPARE(g.FloatY, 20); // ready to be drawn at rest by the next step
    QCOMPARE(g.FloatH, 156);
}

void FloatTest::twoNeighbourStepsMoveTheFloatFourPixelsLeftUntilTheNextCast()
{
    Harness h(4);
    h.start(0);
    MainWindow &f = h.window();
    GameState &g = h.stage();
    g.BaitTime = 30;
    g.FloatX = 96;
    g.FloatSrcW = 5;
    h.game().answerFishStep(0, 0, 0, 0);
    h.game().answerFishStep(2, 0, 0, 0);
    h.game().answerFishStep(2, 0, 0, 0);
    h.game().answerFishStep(0, 0, 0, 0);
    h.game().answerFishStep(4, 0, 0, 0);
    QCOMPARE(g.FloatX, 92);
    QCOMPARE(f.ui.floatCloseUp->image(), expectedFloat(f, 92, 50, g.FloatWidth, 126));
}

void FloatTest::theEndOfCastPictureWithNoResultIsTheAnglerAlone()
{
    Harness h(4);
    h.start(1);
    MainWindow &f = h.window();
    h.stage().ResultMark = ResultMark::None;
    h.game().drawAnglerAtRest();
    QCOMPARE(f.ui.pond->image(), expectedAngler(f, 5));
}

void FloatTest::aStrikeDuringTheSecondFishsStepStopsTheSchoolBeforeTheThird()
{
    Harness h(9);
    h.start(0);
    MainWindow &f = h.window();
    h.host.onDialog = [&](QWidget *w) {
        h.host.after(1.0, [w] { w->findChild<ColourButton *>(QStringLiteral("Command1"))->press(1); });
    };
    // Keep every fish off the bait so the strike is an empty one.
    for (int i = 1; i <= 4; ++i) {
        Fish &fish = h.game().stagedSchool().at(i);
        fish.x = 8;
        fish.y = 6;
        fish.heading = 1;
    }
    const double press = 1.0, watch = press + 8.5;
    int fish2Before = 0, fish2During = 0;
    QPoint fish3Before, fish3After, fish4Before, fish4After;
    h.host.at(press, [&] { f.ui.actionButton->press(1); });
    h.host.at(watch - 0.01, [&] {
        fish2Before = h.game().school().at(2).y;
        fish3Before = {h.game().school().at(3).x, h.game().school().at(3).y};
        fish4Before = {h.game().school().at(4).x, h.game().school().at(4).y};
    });
    // Fish 1 steps at the start of the watch, fish 2 0.7 s later and waits 0.2 s inside its step.
    h.host.at(watch + 0.8, [&] {
        fish2During = h.game().school().at(2).y;
        QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Strike));
        f.ui.actionButton->press(2);
    });
    h.host.runUntil(watch + 10);
    fish3After = {h.game().school().at(3).x, h.game().school().at(3).y};
    fish4After = {h.game().school().at(4).x, h.game().school().at(4).y};
    QCOMPARE(fish2During, fish2Before - 1);
    QCOMPARE(fish3After, fish3Before);
    QCOMPARE(fish4After, fish4Before);
    QCOMPARE(h.g().LastResult, QStringLiteral("空アワセ"));
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
    QCOMPARE(h.g().Baits, 9);
}

void FloatTest::aHeadingOutsideOneToFourShowsItsMessageAndStays()
{
    Harness h(4);
    h.start(0);
    Fish &fish = h.game().stagedSchool().at(1);
    fish.heading = 7;
    fish.x = 5;
    fish.y = 6;
    fish.step(h.host);
    QCOMPARE(h.host.messages.size(), size_t(1));
    QCOMPARE(h.host.messages[0].text, QStringLiteral("Vec = ERROR!"));
    QCOMPARE(fish.x, 5);
    QCOMPARE(fish.y, 6);
}

void FloatTest::aNewGameHasTypesOneTwoThreeTwo()
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        Harness h(seed);
        h.start(seed % 2);
        const int types[] = {1, 2, 3, 2};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(h.game().school().at(i).type, types[i - 1]);
            QCOMPARE(h.game().school().at(i).heading, i);
            QCOMPARE(h.game().school().at(i).slot, i);
            QVERIFY(h.game().school().at(i).x >= 0 && h.game().school().at(i).x <= 8);
            QVERIFY(h.game().school().at(i).y >= 0 && h.game().school().at(i).y <= 8);
        }
    }
}

void FloatTest::theSixtyCentimetreFishIsPlacedNearTheBait()
{
    School school;
    Random rnd;
    rnd.seed(4);
    std::set<int> xs, ys;
    for (int i = 0; i < 500; ++i) {
        int slot = 1 + i % 4;
        school.newFish(slot, 6, rnd);
        const Fish &fish = school.at(slot);
        QCOMPARE(fish.type, 6);
        QCOMPARE(fish.heading, slot);
        xs.insert(fish.x);
        ys.insert(fish.y);
    }
    QCOMPARE(xs, (std::set<int>{4, 5, 6}));
    QCOMPARE(ys, (std::set<int>{4, 5, 6}));
}

QTEST_MAIN(FloatTest)
#include "test_float.moc"
