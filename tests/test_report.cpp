// The catch report shows the picture and text of each cast's result, draws a landed fish at the
// place and size of its length, holds a 60 cm fish's OK back for two seconds, and its OK writes
// the log line, keeps the counters and, at the last cast, the weight and the points.
#include "app/app.h"
#include "host/simhost.h"
#include "model/game.h"
#include "support/recordingsound.h"
#include "windows/catchreport.h"
#include "windows/mainwindow.h"

#include <QtTest>

using namespace nuyo;

namespace {

const QString Miss = QStringLiteral("空アワセ");
const QString FalseBite = QStringLiteral("スレアタリ");
const QString LineBreak = QStringLiteral("ハリス切れ");

QString landed(int cm)
{
    return QStringLiteral("ぬよ　%1 ㎝").arg(cm);
}

// A strike's result as the rows name it: the text shown, and the kind the game decides by.
void setResult(GameState &g, const QString &text)
{
    g.LastResult = text;
    g.LastKind = text == Miss        ? ResultKind::Miss
                 : text == FalseBite ? ResultKind::FalseBite
                 : text == LineBreak ? ResultKind::LineBreak
                                     : ResultKind::Hooked;
}

// A main window and its report on a simulated host, in the middle of a practice game.
struct Rig {
    SimHost host;
    RecordingSound *recorder = new RecordingSound(host); // owned by the app
    App app{host, std::unique_ptr<SoundLibrary>(recorder)};
    MainWindow *f1 = nullptr;
    CatchReport *f3 = nullptr;

    Rig()
    {
        app.fonts.FontSize14 = 14;
        app.makeGame();
        GameState &g = state();
        g.BaitsAtStart = 10;
        g.BaitWanted = 2;
        g.SoundDevice = sound().dsInitialize(0);
        g.buffer(Sound::Chime) = sound().dsCreateResDSB(g.SoundDevice, QByteArray(), 4);
        f1 = app.mainWindow();
        f1->move(100, 80);
        app.makeReport();
        f3 = app.report();
    }
    RecordingSound &sound() { return *recorder; }
    GameState &state() { return app.game()->stagedState(); }

    // Shows the report for the current result; OK is pressed `okAt` seconds from now.
    void report(double okAt = 0.5)
    {
        host.after(okAt, [this] { f3->ui.okButton->press(1); });
        show();
    }
    // Shows the report and runs the game's clock until it is closed.
    void show()
    {
        app.game()->showReport();
        host.runUntil(host.now() + 60, [this] { return !f3->isVisible(); });
    }

    // What the report shows when its modal wait begins.
    QImage shown;
    QString shownText;
    bool okEnabled = false;
    void watch()
    {
        host.onDialog = [this](QWidget *) {
            shown = f3->ui.picture->image();
            shownText = f3->ui.resultText->text();
            okEnabled = f3->ui.okButton->isEnabled();
        };
    }
};

// A source picture as it shows in Pic1: its top-left part, the box's inner size.
QImage asShown(const QImage &src, const QSize &box)
{
    return src.convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(0, 0), box));
}

QRgb pixelOf(const QImage &im, int x, int y)
{
    return im.pixel(x, y) & 0xFFFFFF;
}

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsThePictureAndTextOfEachResult_data();
    void showsThePictureAndTextOfEachResult();
    void picksThePictureByTheResultsKindNotItsText();
    void drawsTheLandedFishAtItsSizesPlace_data();
    void drawsTheLandedFishAtItsSizesPlace();
    void holdsOkTwoSecondsForASixtyCentimetreFish_data();
    void holdsOkTwoSecondsForASixtyCentimetreFish();
    void okWritesTheLogLineAndClosesTheGamesAccount_data();
    void okWritesTheLogLineAndClosesTheGamesAccount();
    void okAfterAFalseBiteNamesTheWantedBait_data();
    void okAfterAFalseBiteNamesTheWantedBait();
    void okResetsTheMainWindowForTheNextCast();
    void onlyOkClosesTheReport();
};

void ReportTest::showsThePictureAndTextOfEachResult_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("source");

    QTest::newRow("empty strike") << Miss << "Img3";
    QTest::newRow("false bite") << FalseBite << "Img3";
    QTest::newRow("line break") << LineBreak << "Img2";
}

void ReportTest::showsThePictureAndTextOfEachResult()
{
    QFETCH(QString, result);
    QFETCH(QString, source);
    Rig rig;
    rig.watch();
    // A landed fish first: the next report must not keep any of its drawing.
    setResult(rig.state(), landed(42));
    rig.state().FishSize = 42;
    rig.report();
    setResult(rig.state(), result);
    rig.state().FishSize = 0;
    rig.report();

    auto *store = rig.f3->findChild<ImageBox *>(source);
    QVERIFY(store);
    QVERIFY(!store->picture().isNull());
    QCOMPARE(rig.shown, asShown(store->picture(), rig.shown.size()));
    QCOMPARE(rig.shownText, result);
    QVERIFY(rig.okEnabled);
    // Placed over the main window, 880 and 900 twips inside its corner.
    QCOMPARE(rig.f3->pos(), QPoint(100 + 58, 80 + 60));
}

void ReportTest::picksThePictureByTheResultsKindNotItsText()
{
    Rig rig;
    rig.watch();
    rig.state().LastKind = ResultKind::LineBreak;
    rig.state().LastResult = QStringLiteral("Line broke"); // as an English desktop shows it
    rig.report();
    const QImage &lineBreak = rig.f3->findChild<ImageBox *>(QStringLiteral("Img2"))->picture();
    QCOMPARE(rig.shown, asShown(lineBreak, rig.shown.size()));
    QCOMPARE(rig.shownText, QStringLiteral("Line broke"));
}

void ReportTest::drawsTheLandedFishAtItsSizesPlace_data()
{
    QTest::addColumn<int>("cm");
    QTest::addColumn<QRect>("place");

    QTest::newRow("14 cm") << 14 << QRect(72, 54, 88, 45);
    QTest::newRow("15 cm") << 15 << QRect(54, 45, 121, 69);
    QTest::newRow("34 cm") << 34 << QRect(38, 35, 154, 87);
    QTest::newRow("45 cm") << 45 << QRect(8, 16, 220, 124);
    QTest::newRow("59 cm, partly outside") << 59 << QRect(-4, 6, 253, 143);
}

void ReportTest::drawsTheLandedFishAtItsSizesPlace()
{
    QFETCH(int, cm);
    QFETCH(QRect, place);
    Rig rig;
    rig.watch();
    // The main window moved since the report was loaded: the report follows it.
    rig.f1->move(300, 200);
    setResult(rig.state(), landed(cm));
    rig.state().FishSize = cm;
    rig.report();
    QCOMPARE(rig.f3->pos(), QPoint(300 + 58, 200 + 60));
    QCOMPARE(rig.shownText, landed(cm));

    // Reference painting: the fish cell scaled into `place` over the plain background, the mask
    // erasing (source AND NOT destination), then the drawing inverting (source XOR destination).
    const QImage &shown = rig.shown;
    const QImage bg = asShown(rig.f3->ui.landingBackground->picture(), shown.size());
    const QImage cells = rig.f3->ui.fishPicture->picture().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(cells.size(), QSize(440, 124));
    const QImage drawing = cells.copy(0, 0, 220, 124);
    const QImage mask = cells.copy(220, 0, 220, 124);

    // Nearest-neighbour sampling may round to the next source pixel: every pixel in the fish's
    // place must match the reference of its source pixel or of one of that pixel's neighbours.
    auto reference = [&](int sx, int sy, QRgb under) {
        return ((pixelOf(mask, sx, sy) & ~under) ^ pixelOf(drawing, sx, sy)) & 0xFFFFFF;
    };
    int fishPixels = 0, area = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb under = pixelOf(bg, x, y);
            const QRgb got = pixelOf(shown, x, y);
            if (!place.contains(x, y)) {
                if (got != under)
                    QFAIL(qPrintable(QStringLiteral("drawn outside the fish's place at %1, %2").arg(x).arg(y)));
                continue;
            }
            ++area;
            const int sx = (2 * (x - place.x()) + 1) * 220 / (2 * place.width());
            const int sy = (2 * (y - place.y()) + 1) * 124 / (2 * place.height());
            if (reference(sx, sy, under) != under)
                ++fishPixels;
            bool matches = false;
            for (int j = std::max(0, sy - 1); j <= std::min(123, sy + 1) && !matches; ++j)
                for (int i = std::max(0, sx - 1); i <= std::min(219, sx + 1) && !matches; ++i)
                    matches = got == reference(i, j, under);
            if (!matches)
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2 is %3, the reference %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(got, 6, 16)
                                     .arg(reference(sx, sy, under), 6, 16)));
        }
    }
    QVERIFY2(fishPixels > area / 3, "the fish is not drawn");
}

void ReportTest::holdsOkTwoSecondsForASixtyCentimetreFish_data()
{
    QTest::addColumn<int>("bigLevel");
    QTest::addColumn<bool>("backTurnsPurple");

    QTest::newRow("level 2 keeps the back colour") << 2 << false;
    QTest::newRow("level 3 turns the main window purple") << 3 << true;
}

void ReportTest::holdsOkTwoSecondsForASixtyCentimetreFish()
{
    QFETCH(int, bigLevel);
    QFETCH(bool, backTurnsPurple);
    Rig rig;
    GameState &g = rig.state();
    setResult(g, landed(60));
    g.FishSize = 60;
    g.BigLevel = bigLevel;
    g.TotalCm = 100;
    const QColor before = rig.f1->palette().color(QPalette::Window);
    const QSize box(rig.f3->ui.picture->scaleWidth(), rig.f3->ui.picture->scaleHeight());
    const QImage sixty = asShown(rig.f3->ui.sixtyPicture->picture(), box);
    const QImage master = asShown(rig.f3->ui.masterPicture->picture(), box);
    QVERIFY(sixty != master);

    struct Seen {
        bool sixtyShown = false;
        bool okEnabled = true;
        int plays = -1;
    };
    Seen early, late, after;
    auto look = [&](Seen &s) {
        s.sixtyShown = rig.f3->ui.picture->image() == sixty;
        s.okEnabled = rig.f3->ui.okButton->isEnabled();
        s.plays = rig.sound().count(QStringLiteral("play"));
    };
    const double t0 = rig.host.now();
    rig.host.at(t0 + 0.5, [&] {
        look(early);
        rig.f3->ui.okButton->press(1); // no effect while the pause runs
    });
    rig.host.at(t0 + 1.99, [&] { look(late); });
    rig.host.at(t0 + 2.01, [&] {
        look(after);
        after.sixtyShown = rig.f3->ui.picture->image() == master; // now: the master's picture
    });
    rig.host.at(t0 + 2.5, [&] { rig.f3->ui.okButton->press(1); });
    rig.show();

    QVERIFY(early.sixtyShown);
    QVERIFY(!early.okEnabled);
    QCOMPARE(early.plays, 0);
    QVERIFY(late.sixtyShown);
    QVERIFY(!late.okEnabled);
    QCOMPARE(late.plays, 0);
    QVERIFY(after.sixtyShown);
    QVERIFY(after.okEnabled);
    QCOMPARE(rig.sound().resources(QStringLiteral("play")), std::vector<int>{104});
    for (const auto &c : rig.sound().calls)
        if (c.op == QLatin1String("play"))
            QCOMPARE(c.at, t0 + 2.0);
    // Only the OK at 2.5 s closed it: the press during the pause did nothing.
    QCOMPARE(rig.host.now(), t0 + 2.5);
    QVERIFY(!rig.f3->isVisible());
    QCOMPARE(g.TotalCm, 160);
    QCOMPARE(g.BaitsUsed, 1);
    const QColor back = rig.f1->palette().color(QPalette::Window);
    QCOMPARE(back, backTurnsPurple ? QColor(192, 0, 192) : before);
}

void ReportTest::okWritesTheLogLineAndClosesTheGamesAccount_data()
{
    QTest::addColumn<int>("baitsUsed");
    QTest::addColumn<int>("baitsAtStart");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("fishSize");
    QTest::addColumn<int>("totalBefore");
    QTest::addColumn<int>("catches");
    QTest::addColumn<int>("bigLevel");
    QTest::addColumn<QString>("logTail");
    QTest::addColumn<int>("totalAfter");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("points");

    // Points start at 77 here: a cast before the last leaves them and the weight alone.
    QTest::newRow("3rd cast, false bite")
        << 2 << 10 << FalseBite << 0 << 0 << 0 << 0 << QStringLiteral("\r\n   3． スレアタリ") << 0 << QString() << 77;
    QTest::newRow("line break keeps the total") << 4 << 20 << LineBreak << 0 << 87 << 2 << 0
                                                << QStringLiteral("\r\n   5． ハリス切れ") << 87 << QString() << 77;
    QTest::newRow("landed fish adds its length") << 0 << 10 << landed(31) << 31 << 0 << 1 << 0
                                                 << QStringLiteral("\r\n   1． ぬよ　31 ㎝") << 31 << QString() << 77;
    QTest::newRow("10th and last cast, nothing caught")
        << 9 << 10 << Miss << 0 << 0 << 0 << 0 << QStringLiteral("\r\n  10． 空アワセ\r\n  \r\n　　計　 0．0 Ｋｇ") << 0
        << "0.0" << 0;
    QTest::newRow("last cast, 87 cm") << 9 << 10 << LineBreak << 0 << 87 << 2 << 0
                                      << QStringLiteral("\r\n  10． ハリス切れ\r\n  \r\n　　計　 0．87 Ｋｇ") << 87
                                      << "0.87" << 17;
    QTest::newRow("last cast lands the fish that makes 345 cm")
        << 19 << 20 << landed(45) << 45 << 300 << 7 << 1
        << QStringLiteral("\r\n  20． ぬよ　45 ㎝\r\n  \r\n　　計　 3．45 Ｋｇ") << 345 << "3.45" << 241;
    QTest::newRow("last cast, 1234 cm, 5 fish, level 2")
        << 19 << 20 << FalseBite << 0 << 1234 << 5 << 2
        << QStringLiteral("\r\n  20． スレアタリ\r\n  \r\n　　計　 12．34 Ｋｇ") << 1234 << "12.34" << 1234;
}

void ReportTest::okWritesTheLogLineAndClosesTheGamesAccount()
{
    QFETCH(int, baitsUsed);
    QFETCH(int, baitsAtStart);
    QFETCH(QString, result);
    QFETCH(int, fishSize);
    QFETCH(int, totalBefore);
    QFETCH(int, catches);
    QFETCH(int, bigLevel);
    QFETCH(QString, logTail);
    QFETCH(int, totalAfter);
    QFETCH(QString, weight);
    QFETCH(int, points);
    Rig rig;
    GameState &g = rig.state();
    g.BaitsUsed = baitsUsed;
    g.BaitsAtStart = baitsAtStart;
    setResult(g, result);
    g.FishSize = fishSize;
    g.TotalCm = totalBefore;
    g.Catches = catches;
    g.BigLevel = bigLevel;
    g.Points = 77;
    g.Hooked = true;
    const QString head = QStringLiteral("     <  釣  果  > \r\n ");
    rig.f1->ui.catchLog->setText(head);

    rig.report();

    QVERIFY(!rig.f3->isVisible());
    QCOMPARE(rig.f1->ui.catchLog->text(), head + logTail);
    QCOMPARE(g.BaitsUsed, baitsUsed + 1);
    QCOMPARE(g.TotalCm, totalAfter);
    QCOMPARE(g.FishSize, fishSize); // the report reads the length, it does not clear it
    QCOMPARE(g.Hooked, 0);
    QCOMPARE(g.WeightKg, weight);
    QCOMPARE(g.Points, points);
}

void ReportTest::okAfterAFalseBiteNamesTheWantedBait_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QString>("comment");

    const QString before = QStringLiteral("コメント");
    QTest::newRow("false bite, hard wanted")
        << FalseBite << 1 << QStringLiteral("エサ合わせは『 硬め 』 （ スレアタリが出たらエサ合わせを変る ）");
    QTest::newRow("false bite, normal wanted")
        << FalseBite << 2 << QStringLiteral("エサ合わせは『 ふつう 』 （ スレアタリが出たらエサ合わせを変る ）");
    QTest::newRow("false bite, soft wanted")
        << FalseBite << 3 << QStringLiteral("エサ合わせは『 柔らかめ 』 （ スレアタリが出たらエサ合わせを変る ）");
    QTest::newRow("empty strike says nothing") << Miss << 3 << before;
    QTest::newRow("line break says nothing") << LineBreak << 1 << before;
}

void ReportTest::okAfterAFalseBiteNamesTheWantedBait()
{
    QFETCH(QString, result);
    QFETCH(int, wanted);
    QFETCH(QString, comment);
    Rig rig;
    setResult(rig.state(), result);
    rig.state().BaitWanted = wanted;
    rig.f1->ui.commentLine->setText(QStringLiteral("コメント"));
    rig.report();
    QCOMPARE(rig.f1->ui.commentLine->text(), comment);
}

void ReportTest::okResetsTheMainWindowForTheNextCast()
{
    Rig rig;
    MainWindow *f1 = rig.f1;
    setResult(rig.state(), landed(27));
    rig.state().FishSize = 27;
    // As a strike leaves them: the size stamps printed, the buttons off, the button coloured.
    for (int i = 0; i <= 2; ++i) {
        f1->ui.sizeTexts[i]->print(QStringLiteral("27cm!"));
        f1->ui.sizeTexts[i]->keepDrawing();
    }
    f1->ui.actionButton->setBackColor(QColor(255, 128, 64));
    f1->ui.hintButton->setEnabled(false);
    f1->ui.rankingButton->setEnabled(false);

    rig.report();

    QCOMPARE(f1->ui.actionButton->backColor(), Action::colour(Action::Cast));
    QVERIFY(f1->ui.hintButton->isEnabled());
    QVERIFY(f1->ui.rankingButton->isEnabled());
    for (int i = 0; i <= 2; ++i) {
        const QImage im = f1->ui.sizeTexts[i]->image();
        const QRgb back = f1->ui.sizeTexts[i]->backColor().rgb() & 0xFFFFFF;
        int printed = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                printed += pixelOf(im, x, y) != back;
        QCOMPARE(printed, 0);
        // Not just wiped for now: the next clear must not bring the size text back.
        f1->ui.sizeTexts[i]->cls();
        QCOMPARE(f1->ui.sizeTexts[i]->image(), im);
    }
}

void ReportTest::onlyOkClosesTheReport()
{
    Rig rig;
    setResult(rig.state(), Miss);
    bool closedByFrame = true;
    bool visibleAfterClose = false;
    rig.host.after(0.3, [&] {
        closedByFrame = rig.f3->close();
        visibleAfterClose = rig.f3->isVisible();
    });
    rig.report(1.0);
    QVERIFY(!closedByFrame);
    QVERIFY(visibleAfterClose);
    QCOMPARE(rig.host.now(), 1.0);
    QCOMPARE(rig.state().BaitsUsed, 1);
    // Escape is OK.
    rig.host.after(0.3, [&] { QTest::keyClick(rig.f3->ui.okButton, Qt::Key_Escape); });
    rig.show();
    QCOMPARE(rig.state().BaitsUsed, 2);
    QCOMPARE(rig.host.now(), 1.3);
}

QTEST_MAIN(ReportTest)
#include "test_report.moc"
