// The main window between casts: set-up for each mode, a new game, the kingfisher's visits,
// the hints, bait buttons, float box, help text and closing.
#include "report/form3.h"
#include "startup/form2.h"
#include "support/harness.h"
#include "support/player.h"
#include "window/tips.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>

using namespace nuyo;

namespace {

// `base` with a two-cell sprite painted at (x, y): mask cell then sprite cell, `clip` columns cut.
QImage withSprite(QImage base, const QImage &cells, int maskX, int spriteX, int x, int y, int w, int h, int clip = 0)
{
    const QImage src = cells.convertToFormat(QImage::Format_RGB32);
    QPainter p(&base);
    p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    p.drawImage(QRect(x + clip, y, w - clip, h), src, QRect(maskX + clip, 0, w - clip, h));
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(QRect(x + clip, y, w - clip, h), src, QRect(spriteX + clip, 0, w - clip, h));
    return base;
}

// True when `b` looks exactly like a button never pressed, with its caption, colour and size.
bool looksRaised(ColourButton *b)
{
    ColourButton fresh(b->parentWidget());
    fresh.setGeometry(b->geometry());
    fresh.setFont(b->font());
    fresh.setText(b->text());
    fresh.setBackColor(b->backColor());
    fresh.setFocusPolicy(b->focusPolicy());
    return b->grab().toImage() == fresh.grab().toImage();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aNewGameAfterPracticeRestoresTheRealGamesDress();
    void aButtonStandsRaisedOnceAPressThatOpenedAWindowIsOver_data();
    void aButtonStandsRaisedOnceAPressThatOpenedAWindowIsOver();
    void theKingfisherPassDrawsNineFramesRightToLeft();
    void theKingfisherVisitPerchesThenFliesOffCutAtTheScenesEdge();
    void aFailingVisitEndsInItsMessageWithTheWindowEnabled();
    void nineLeftClicksShowEveryTipThenTheKingfisher();
    void rightClicksStepThroughTipsOneToEight_data();
    void rightClicksStepThroughTipsOneToEight();
    void aBaitButtonMarksItselfAndSetsTheBait_data();
    void aBaitButtonMarksItselfAndSetsTheBait();
    void theFloatBoxTogglesTheThickness();
    void theHelpPictureOffersTheIntroductionText_data();
    void theHelpPictureOffersTheIntroductionText();
    void theHelpPictureDoesNothingAfterTheGameHasEnded();
    void closingDuringAFightStopsEverythingAndSaysGoodbye_data();
    void closingDuringAFightStopsEverythingAndSaysGoodbye();
};

void MainWindowTest::aNewGameAfterPracticeRestoresTheRealGamesDress()
{
    Harness h(6);
    h.start(0);
    Player p(h, Player::Style::NeverStrikes);
    QVERIFY(p.playGame());
    Form1 &f = h.form();
    QVERIFY(f.Command7->isVisibleTo(&f));
    QCOMPARE(f.Command1->height(), 161);
    h.g().RankingOff = RankingOff::NotRanked;
    h.g().RankPoints[0] = 77;
    h.g().RankRecords[0] = QStringLiteral("kept");
    h.host.onDialog = [&](QWidget *w) {
        if (auto *title = qobject_cast<Form2 *>(w))
            h.host.after(1.0, [title] { title->Command1[1]->press(1); });
    };
    QCOMPARE(f.Command1->text(), Action::caption(Action::End));
    // The action button reads "終了": the player chooses the new-game button instead.
    f.Command7->press(1);
    h.runUntilNewGame();
    QCOMPARE(h.g().GameMode, int(GameMode::Real));
    QVERIFY(f.windowTitle().endsWith(QStringLiteral("＜　野釣り　＞")));
    QCOMPARE(f.PicPRE->picture().cacheKey(), f.Image12->picture().cacheKey()); // one copy, shared
    QCOMPARE(f.Label4->text(), QStringLiteral("0"));
    QCOMPARE(f.Label1->text(), QStringLiteral("20"));
    QCOMPARE(f.Command1->text(), Action::caption(Action::Cast));
    QCOMPARE(f.Command1->height(), 201);
    QVERIFY(!f.Command7->isVisibleTo(&f));
    QVERIFY(!f.Label6->isVisibleTo(&f));
    QVERIFY(!f.Label3->isVisibleTo(&f));
    QCOMPARE(f.Command3[0]->backColor(), QColor(255, 192, 255));
    QCOMPARE(f.Command3[1]->backColor(), Colour::ChosenBait);
    QCOMPARE(f.Command3[2]->backColor(), QColor(255, 192, 255));
    QVERIFY(f.Command3[0]->isEnabled() && f.Command4->isEnabled());
    QCOMPARE(f.Command6->backColor(), QColor(0, 192, 192)); // ranking off is remembered
    QCOMPARE(h.g().RankingOff, int(RankingOff::NotRanked));
    QCOMPARE(h.g().RankPoints[0], 77);
    QCOMPARE(h.g().RankRecords[0], QStringLiteral("kept"));
    QCOMPARE(h.g().Baits, 20);
    QCOMPARE(h.g().BaitsUsed, 0);
    QCOMPARE(h.g().Catches, 0);
    QCOMPARE(h.g().FloatWidth, 4);
    QCOMPARE(f.Text1->text(), QStringLiteral("     <  釣  果  > \r\n "));
    // The background loop was started once and goes on across games.
    QCOMPARE(h.sound->count(QStringLiteral("loop")), 1);
    QCOMPARE(h.sound->count(QStringLiteral("free")), 0);
}

void MainWindowTest::aButtonStandsRaisedOnceAPressThatOpenedAWindowIsOver_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a tip box") << QStringLiteral("tip");
    QTest::newRow("the report after a strike") << QStringLiteral("report");
    QTest::newRow("a new game after the last strike") << QStringLiteral("new game");
}

// A mouse press whose handler opens a window loses its release to that window, as a real
// player's does: once the handler is back and the mouse button is up, the pressed button shows
// raised, exactly as a button never pressed with the same caption and colour.
void MainWindowTest::aButtonStandsRaisedOnceAPressThatOpenedAWindowIsOver()
{
    QFETCH(QString, path);
    Harness h(8);
    h.start(0);
    Form1 &f = h.form();
    QWidget elsewhere; // the window that takes the release
    elsewhere.resize(50, 50);
    elsewhere.show();
    h.host.onMessage = [&](const SimHost::Message &) {
        QTest::mouseRelease(&elsewhere, Qt::LeftButton);
        return int(MsgBox::Ok);
    };
    h.host.onDialog = [&](QWidget *w) {
        if (auto *report = qobject_cast<Form3 *>(w)) {
            QTest::mouseRelease(report, Qt::LeftButton);
            h.host.after(1.0, [report] { report->Command1->press(1); });
        } else if (auto *title = qobject_cast<Form2 *>(w)) {
            h.host.after(1.0, [title] { title->Command1[0]->press(1); });
        }
    };
    ColourButton *pressed = f.Command1;
    if (path == QStringLiteral("tip")) {
        pressed = f.Command4;
        QTest::mousePress(f.Command4, Qt::LeftButton);
        QCOMPARE(h.host.messages.size(), size_t(1));
    } else {
        if (path == QStringLiteral("new game"))
            h.g().Baits = 1;
        h.host.at(1.0, [&] { f.Command1->press(1); });
        // A strike with the wrong bait hooks nothing: the report follows.
        h.host.at(9.6, [&] {
            h.g().BaitWanted = 1;
            QCOMPARE(f.Command1->text(), Action::caption(Action::Strike));
            QTest::mousePress(f.Command1, Qt::LeftButton);
        });
        h.host.runUntil(20.0);
        QCOMPARE(h.g().LastResult, QStringLiteral("スレアタリ"));
        if (path == QStringLiteral("new game")) {
            QCOMPARE(f.Command1->text(), Action::caption(Action::End));
            f.Command7->press(1);
            h.runUntilNewGame();
        }
        QCOMPARE(f.Command1->text(), Action::caption(Action::Cast));
    }
    QVERIFY(looksRaised(pressed));
}

void MainWindowTest::theKingfisherPassDrawsNineFramesRightToLeft()
{
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    std::vector<QImage> frames;
    std::vector<bool> enabled;
    const double t0 = h.host.now();
    for (int k = 0; k < 9; ++k)
        h.host.at(t0 + 0.05 + 0.1 * k, [&] {
            frames.push_back(f.PicKF2->image().copy());
            enabled.push_back(f.isEnabled());
        });
    const QImage scene = f.PicPRE->image().copy();
    h.game().KingfisherPass();
    h.host.runUntil(t0 + 10, [&f] { return f.isEnabled(); });
    QCOMPARE(frames.size(), size_t(9));
    for (int k = 0; k < 9; ++k) {
        const int x = 252 - 36 * k, y = 9 + 3 * k;
        QCOMPARE(frames[k],
                 withSprite(scene.copy(QRect(QPoint(), frames[k].size())), f.Image8->picture(), 52, 0, x, y, 52, 40));
        QVERIFY(!enabled[k]);
    }
    QVERIFY(!f.PicKF2->isVisibleTo(&f));
    QVERIFY(f.isEnabled());
    QCOMPARE(h.sound->resources(QStringLiteral("play")), std::vector<int>{104});
}

void MainWindowTest::theKingfisherVisitPerchesThenFliesOffCutAtTheScenesEdge()
{
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    const int width = f.width();
    // Flight frames at x = width − 26 − 42 (k + 1), y = 10 + 4k; the first left of 32 is cut there.
    int clipFrame = 0;
    while (width - 26 - 42 * (clipFrame + 1) >= 32)
        ++clipFrame;
    QImage perched, turned, firstFlight, clipped;
    const double t0 = h.host.now();
    h.host.at(t0 + 0.5, [&] { perched = f.PicKF->image().copy(); });
    h.host.at(t0 + 1.05, [&] {
        turned = f.PicKF->picture().copy();
        firstFlight = f.PicKF->image().copy();
    });
    h.host.at(t0 + 1.05 + 0.1 * clipFrame, [&] { clipped = f.PicKF->image().copy(); });
    const QImage snapshot = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    h.game().KingfisherVisit();
    h.host.runUntil(t0 + 10, [&f] { return f.isEnabled(); });

    QVERIFY(f.isEnabled());
    QVERIFY(!f.PicKF->isVisibleTo(&f));
    QVERIFY(f.PicKF->picture().isNull());
    // Perched, facing right, at (356, 130) over the window's picture of itself.
    QCOMPARE(perched, withSprite(snapshot, f.Image10->picture(), 0, 88, 356, 130, 88, 84));
    // Turned to face left at (302, 130): that becomes the ground of every flight frame.
    QCOMPARE(turned, withSprite(snapshot, f.Image9->picture(), 88, 0, 302, 130, 88, 84));
    QCOMPARE(firstFlight, withSprite(turned, f.Image8->picture(), 52, 0, width - 68, 10, 52, 40));
    const int x = width - 26 - 42 * (clipFrame + 1);
    QVERIFY(x < 32);
    QCOMPARE(clipped, withSprite(turned, f.Image8->picture(), 52, 0, x, 10 + 4 * clipFrame, 52, 40, 32 - x));
    QCOMPARE(h.sound->resources(QStringLiteral("play")), std::vector<int>{104});
}

void MainWindowTest::aFailingVisitEndsInItsMessageWithTheWindowEnabled()
{
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    f.windowSnapshot = [] { return QImage(); };
    h.game().KingfisherVisit();
    QVERIFY(f.isEnabled());
    QVERIFY(!f.PicKF->isVisibleTo(&f));
    QCOMPARE(h.host.messages.size(), size_t(1));
    QCOMPARE(h.host.messages[0].text, QStringLiteral("トラブル発生！　終了して下さい！"));
    QCOMPARE(h.host.messages[0].caption, QStringLiteral(" 警告！"));
    QCOMPARE(h.host.messages[0].style, int(MsgBox::Exclamation));
}

void MainWindowTest::nineLeftClicksShowEveryTipThenTheKingfisher()
{
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    for (int i = 0; i < 9; ++i) {
        f.Command4->press(1);
        if (i < 8)
            QCOMPARE(f.Command4->text(), QStringLiteral("ワンポイント * %1").arg(i + 2));
    }
    QVERIFY(!f.isEnabled()); // the kingfisher is on its way
    h.host.runUntil(h.host.now() + 10, [&f] { return f.isEnabled(); });
    QCOMPARE(f.Command4->text(), QStringLiteral("ワンポイント * 1"));
    QCOMPARE(h.host.messages.size(), size_t(9));
    QCOMPARE(h.host.messages[0].text, QStringLiteral("　自然を 大切に！　　　"));
    QCOMPARE(h.host.messages[8].text, QStringLiteral("　あっ！ カワセミ だ！　　　"));
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(h.host.messages[i].text, tipText(i));
        QCOMPARE(h.host.messages[i].style, int(MsgBox::Information));
        QCOMPARE(h.host.messages[i].caption, QStringLiteral(" * ぬ よ *"));
    }
    // The kingfisher's visit ran after the ninth tip: its sound and at least two seconds.
    QCOMPARE(h.sound->resources(QStringLiteral("play")), std::vector<int>{104});
    QVERIFY(h.host.now() >= 2.0);
}

void MainWindowTest::rightClicksStepThroughTipsOneToEight_data()
{
    QTest::addColumn<int>("leftClicks");
    QTest::addColumn<int>("rightClicks");
    QTest::addColumn<QString>("caption");
    QTest::newRow("seven right clicks") << 0 << 7 << QStringLiteral("ワンポイント * 8");
    QTest::newRow("right at 8 wraps to 1") << 0 << 8 << QStringLiteral("ワンポイント * 1");
    QTest::newRow("right at 9 gives 1") << 8 << 1 << QStringLiteral("ワンポイント * 1");
    QTest::newRow("left then right") << 2 << 1 << QStringLiteral("ワンポイント * 4");
}

void MainWindowTest::rightClicksStepThroughTipsOneToEight()
{
    QFETCH(int, leftClicks);
    QFETCH(int, rightClicks);
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    for (int i = 0; i < leftClicks; ++i)
        f.Command4->press(1);
    for (int i = 0; i < rightClicks; ++i)
        f.Command4->press(2);
    QTEST(f.Command4->text(), "caption");
    QCOMPARE(h.host.messages.size(), size_t(leftClicks));
}

void MainWindowTest::aBaitButtonMarksItselfAndSetsTheBait_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("硬め") << 0;
    QTest::newRow("ふつう") << 1;
    QTest::newRow("柔らかめ") << 2;
}

void MainWindowTest::aBaitButtonMarksItselfAndSetsTheBait()
{
    QFETCH(int, index);
    Harness h(2);
    h.start(0);
    Form1 &f = h.form();
    f.Label2[1]->setForeColor(QColor(255, 255, 0));
    f.Command3[index]->press(1);
    QCOMPARE(h.g().BaitSetting, index + 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.Command3[i]->backColor(), i == index ? Colour::ChosenBait : Colour::OtherBait);
    QCOMPARE(f.Label2[1]->foreColor(), QColor(0, 0, 255));
}

void MainWindowTest::theFloatBoxTogglesTheThickness()
{
    Harness h(2);
    h.start(1);
    Form1 &f = h.form();
    QCOMPARE(h.g().FloatWidth, 4);
    h.game().Label1_Click();
    QCOMPARE(h.g().FloatWidth, 5);
    QCOMPARE(f.Label8->text(), QStringLiteral("ウキ：太"));
    h.game().Label1_Click();
    QCOMPARE(h.g().FloatWidth, 4);
    QCOMPARE(f.Label8->text(), QStringLiteral("ウキ：細"));
}

void MainWindowTest::theHelpPictureOffersTheIntroductionText_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("answer");
    QTest::newRow("present, yes") << QStringLiteral("plain") << true << int(MsgBox::Yes);
    QTest::newRow("present, no") << QStringLiteral("plain") << true << int(MsgBox::No);
    QTest::newRow("a folder with spaces and shell characters")
        << QStringLiteral("a b;$(touch x)'&\"") << true << int(MsgBox::Yes);
    QTest::newRow("missing") << QStringLiteral("empty") << false << int(MsgBox::Ok);
}

void MainWindowTest::theHelpPictureOffersTheIntroductionText()
{
    QFETCH(QString, folder);
    QFETCH(bool, present);
    QFETCH(int, answer);
    Harness h(2);
    const QString dir = h.dir.filePath(folder);
    QVERIFY(QDir().mkpath(dir));
    const QString text = QDir(dir).filePath(QStringLiteral("はじめに.txt"));
    if (present) {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ぬ よ\n");
    }
    h.app->exeDir = dir;
    h.start(0);
    h.host.onMessage = [answer](const SimHost::Message &) { return answer; };
    h.game().Image3_Click();
    QCOMPARE(h.host.messages.size(), size_t(1));
    if (present) {
        QCOMPARE(h.host.messages[0].text, QStringLiteral("「 はじめに.txt 」を 表示しますか？"));
        QCOMPARE(h.host.messages[0].style, MsgBox::YesNo | MsgBox::Question);
        QCOMPARE(h.host.messages[0].caption, QStringLiteral(" * ぬ よ *"));
        QCOMPARE(h.host.openedDocuments, answer == MsgBox::Yes ? QStringList{text} : QStringList{});
        QVERIFY(!QFile::exists(QDir(dir).filePath(QStringLiteral("x"))));
    } else {
        QCOMPARE(h.host.messages[0].text, QStringLiteral("「 はじめに .txt 」がありません！"));
        QCOMPARE(h.host.messages[0].style, int(MsgBox::OkOnly));
        QVERIFY(h.host.openedDocuments.isEmpty());
    }
}

void MainWindowTest::theHelpPictureDoesNothingAfterTheGameHasEnded()
{
    Harness h(6);
    QFile file(h.dir.filePath(QStringLiteral("はじめに.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    h.start(0);
    Player p(h, Player::Style::NeverStrikes);
    QVERIFY(p.playGame());
    h.host.messages.clear();
    h.game().Image3_Click();
    QVERIFY(h.host.messages.empty());
    QVERIFY(h.host.openedDocuments.isEmpty());
}

void MainWindowTest::closingDuringAFightStopsEverythingAndSaysGoodbye_data()
{
    QTest::addColumn<bool>("soundDevice");
    QTest::newRow("with sound") << true;
    QTest::newRow("without a sound device") << false;
}

void MainWindowTest::closingDuringAFightStopsEverythingAndSaysGoodbye()
{
    QFETCH(bool, soundDevice);
    Harness h(21, soundDevice);
    h.start(1);
    Form1 &f = h.form();
    bool ended = false;
    bool timersStopped = false;
    // Play like a person until a fish is on, then close the window in the middle of the fight.
    Player p(h, Player::Style::Eyes);
    std::function<void()> watch;
    watch = [&] {
        if (f.Command1->text() == Action::caption(Action::Fight)) {
            try {
                h.game().Form_QueryUnload();
            } catch (const ApplicationEnded &) {
                ended = true;
                timersStopped =
                    !h.game().Timer1->isEnabled() && !h.game().Timer2->isEnabled() && !h.game().Timer3->isEnabled();
            }
            throw ApplicationEnded{};
        }
        h.host.after(0.05, watch);
    };
    h.host.after(0.05, watch);
    try {
        p.playGame(600);
    } catch (const ApplicationEnded &) {
    }
    QVERIFY(ended);
    QVERIFY(timersStopped);
    QVERIFY(!h.host.messages.empty());
    const SimHost::Message &bye = h.host.messages.back();
    QCOMPARE(bye.text, QStringLiteral("終了します！  　　"));
    QCOMPARE(bye.caption, QStringLiteral(" ぬ よ"));
    QCOMPARE(bye.style, int(MsgBox::Exclamation));
    QCOMPARE(h.sound->resources(QStringLiteral("free")),
             soundDevice ? (std::vector<int>{101, 102, 103, 104, 105}) : std::vector<int>{});
    QCOMPARE(h.sound->count(QStringLiteral("terminate")), soundDevice ? 1 : 0);
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
