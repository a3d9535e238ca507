// The main window between casts: set-up for each mode, a new game, the kingfisher's visits,
// the hints, bait buttons, float box, help text and closing.
#include "help/tips.h"
#include "support/harness.h"
#include "support/player.h"
#include "windows/catchreport.h"
#include "windows/pausecover.h"
#include "windows/titlewindow.h"

#include <QDir>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWheelEvent>
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
    void theKingfisherPassDrawsNineFramesRightToLeft_data();
    void theKingfisherPassDrawsNineFramesRightToLeft();
    void theKingfisherVisitPerchesThenFliesOffCutAtTheScenesEdge();
    void aFailingVisitEndsInItsMessageWithTheWindowEnabled();
    void nineLeftClicksShowEveryTipThenTheKingfisher();
    void rightClicksStepThroughTipsOneToEight_data();
    void rightClicksStepThroughTipsOneToEight();
    void aBaitButtonMarksItselfAndSetsTheBait_data();
    void aBaitButtonMarksItselfAndSetsTheBait();
    void theFloatBoxTogglesTheThickness();
    void theCatchLogKeepsItsLastLineInSight_data();
    void theCatchLogKeepsItsLastLineInSight();
    void aKeyPressesTheControlItsClickPresses_data();
    void aKeyPressesTheControlItsClickPresses();
    void thePauseKeyHoldsTheWatchUntilAClickGoesOn();
    void theSoundSwitchIsKeptForTheNextStart();
    void aDoubleClickBegunOnAnotherWindowDoesNotPressTheActionButton_data();
    void aDoubleClickBegunOnAnotherWindowDoesNotPressTheActionButton();
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
    MainWindow &f = h.window();
    QVERIFY(f.ui.newGameButton->isVisibleTo(&f));
    QCOMPARE(f.ui.actionButton->height(), 161);
    h.stage().RankResults = false;
    h.stage().RankPoints[0] = 77;
    h.stage().RankRecords[0] = QStringLiteral("kept");
    h.host.onDialog = [&](QWidget *w) {
        if (auto *title = qobject_cast<TitleWindow *>(w))
            h.host.after(1.0, [title] { title->ui.modeButtons[1]->press(1); });
    };
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::End));
    // The action button reads "終了": the player chooses the new-game button instead.
    f.ui.newGameButton->press(1);
    h.runUntilNewGame();
    QCOMPARE(h.g().GameMode, int(GameMode::Real));
    QVERIFY(f.windowTitle().endsWith(QStringLiteral("＜　野釣り　＞")));
    QCOMPARE(f.ui.pond->picture().cacheKey(), f.ui.realPond->picture().cacheKey()); // one copy, shared
    QCOMPARE(f.ui.catchCounter->text(), QStringLiteral("0"));
    QCOMPARE(f.ui.baitCounter->text(), QStringLiteral("20"));
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
    QCOMPARE(f.ui.actionButton->height(), 201);
    QVERIFY(!f.ui.newGameButton->isVisibleTo(&f));
    QVERIFY(!f.ui.endBanner->isVisibleTo(&f));
    QVERIFY(!f.ui.commentLine->isVisibleTo(&f));
    QCOMPARE(f.ui.baitButtons[0]->backColor(), QColor(255, 192, 255));
    QCOMPARE(f.ui.baitButtons[1]->backColor(), Colour::ChosenBait);
    QCOMPARE(f.ui.baitButtons[2]->backColor(), QColor(255, 192, 255));
    QVERIFY(f.ui.baitButtons[0]->isEnabled() && f.ui.hintButton->isEnabled());
    QCOMPARE(f.ui.rankingButton->backColor(), QColor(0, 192, 192)); // ranking off is remembered
    QVERIFY(!h.g().RankResults);
    QCOMPARE(h.g().RankPoints[0], 77);
    QCOMPARE(h.g().RankRecords[0], QStringLiteral("kept"));
    QCOMPARE(h.g().Baits, 20);
    QCOMPARE(h.g().BaitsUsed, 0);
    QCOMPARE(h.g().Catches, 0);
    QCOMPARE(h.g().FloatWidth, 4);
    QCOMPARE(f.ui.catchLog->text(), QStringLiteral("     <  釣  果  > \r\n "));
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
    MainWindow &f = h.window();
    QWidget elsewhere; // the window that takes the release
    elsewhere.resize(50, 50);
    elsewhere.show();
    h.host.onMessage = [&](const SimHost::Message &) {
        QTest::mouseRelease(&elsewhere, Qt::LeftButton);
        return int(MsgBox::Ok);
    };
    h.host.onDialog = [&](QWidget *w) {
        if (auto *report = qobject_cast<CatchReport *>(w)) {
            QTest::mouseRelease(report, Qt::LeftButton);
            h.host.after(1.0, [report] { report->ui.okButton->press(1); });
        } else if (auto *title = qobject_cast<TitleWindow *>(w)) {
            h.host.after(1.0, [title] { title->ui.modeButtons[0]->press(1); });
        }
    };
    ColourButton *pressed = f.ui.actionButton;
    if (path == QStringLiteral("tip")) {
        pressed = f.ui.hintButton;
        QTest::mousePress(f.ui.hintButton, Qt::LeftButton);
        QCOMPARE(h.host.messages.size(), size_t(1));
    } else {
        if (path == QStringLiteral("new game"))
            h.stage().Baits = 1;
        h.host.at(1.0, [&] { f.ui.actionButton->press(1); });
        // A strike with the wrong bait hooks nothing: the report follows.
        h.host.at(9.6, [&] {
            h.stage().BaitWanted = 1;
            QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Strike));
            QTest::mousePress(f.ui.actionButton, Qt::LeftButton);
        });
        h.host.runUntil(20.0);
        QCOMPARE(h.g().LastResult, QStringLiteral("スレアタリ"));
        if (path == QStringLiteral("new game")) {
            QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::End));
            f.ui.newGameButton->press(1);
            h.runUntilNewGame();
        }
        QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
    }
    QVERIFY(looksRaised(pressed));
}

void MainWindowTest::theKingfisherPassDrawsNineFramesRightToLeft_data()
{
    QTest::addColumn<bool>("drawn"); // the window was drawn, so the pass's drawing was made before
    QTest::newRow("made at the pass") << false;
    QTest::newRow("made once the window was drawn") << true;
}

void MainWindowTest::theKingfisherPassDrawsNineFramesRightToLeft()
{
    QFETCH(bool, drawn);
    Harness h(2);
    h.start(0);
    MainWindow &f = h.window();
    if (drawn) {
        QPaintEvent paint(f.rect());
        QCoreApplication::sendEvent(&f, &paint);
        QCoreApplication::processEvents();
    }
    std::vector<QImage> frames;
    std::vector<bool> enabled;
    const double t0 = h.host.now();
    for (int k = 0; k < 9; ++k)
        h.host.at(t0 + 0.05 + 0.1 * k, [&] {
            frames.push_back(f.ui.kingfisherPass->image().copy());
            enabled.push_back(f.isEnabled());
        });
    const QImage scene = f.ui.pond->image().copy();
    h.game().kingfisherPass();
    h.host.runUntil(t0 + 10, [&f] { return f.isEnabled(); });
    QCOMPARE(frames.size(), size_t(9));
    for (int k = 0; k < 9; ++k) {
        const int x = 252 - 36 * k, y = 9 + 3 * k;
        QCOMPARE(frames[k], withSprite(scene.copy(QRect(QPoint(), frames[k].size())), f.ui.flyingBird->picture(), 52, 0,
                                       x, y, 52, 40));
        QVERIFY(!enabled[k]);
    }
    QVERIFY(!f.ui.kingfisherPass->isVisibleTo(&f));
    QVERIFY(f.isEnabled());
    QCOMPARE(h.sound->resources(QStringLiteral("play")), std::vector<int>{104});
}

void MainWindowTest::theKingfisherVisitPerchesThenFliesOffCutAtTheScenesEdge()
{
    Harness h(2);
    h.start(0);
    MainWindow &f = h.window();
    const int width = f.width();
    // Flight frames at x = width − 26 − 42 (k + 1), y = 10 + 4k; the first left of 32 is cut there.
    int clipFrame = 0;
    while (width - 26 - 42 * (clipFrame + 1) >= 32)
        ++clipFrame;
    QImage perched, turned, firstFlight, clipped;
    const double t0 = h.host.now();
    h.host.at(t0 + 0.5, [&] { perched = f.ui.kingfisherVisit->image().copy(); });
    h.host.at(t0 + 1.05, [&] {
        turned = f.ui.kingfisherVisit->picture().copy();
        firstFlight = f.ui.kingfisherVisit->image().copy();
    });
    h.host.at(t0 + 1.05 + 0.1 * clipFrame, [&] { clipped = f.ui.kingfisherVisit->image().copy(); });
    const QImage snapshot = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    h.game().kingfisherVisit();
    h.host.runUntil(t0 + 10, [&f] { return f.isEnabled(); });

    QVERIFY(f.isEnabled());
    QVERIFY(!f.ui.kingfisherVisit->isVisibleTo(&f));
    QVERIFY(f.ui.kingfisherVisit->picture().isNull());
    // Perched, facing right, at (356, 130) over the window's picture of itself.
    QCOMPARE(perched, withSprite(snapshot, f.ui.perchedBirdRight->picture(), 0, 88, 356, 130, 88, 84));
    // Turned to face left at (302, 130): that becomes the ground of every flight frame.
    QCOMPARE(turned, withSprite(snapshot, f.ui.perchedBirdLeft->picture(), 88, 0, 302, 130, 88, 84));
    QCOMPARE(firstFlight, withSprite(turned, f.ui.flyingBird->picture(), 52, 0, width - 68, 10, 52, 40));
    const int x = width - 26 - 42 * (clipFrame + 1);
    QVERIFY(x < 32);
    QCOMPARE(clipped, withSprite(turned, f.ui.flyingBird->picture(), 52, 0, x, 10 + 4 * clipFrame, 52, 40, 32 - x));
    QCOMPARE(h.sound->resources(QStringLiteral("play")), std::vector<int>{104});
}

void MainWindowTest::aFailingVisitEndsInItsMessageWithTheWindowEnabled()
{
    Harness h(2);
    h.start(0);
    MainWindow &f = h.window();
    f.windowSnapshot = [] { return QImage(); };
    h.game().kingfisherVisit();
    QVERIFY(f.isEnabled());
    QVERIFY(!f.ui.kingfisherVisit->isVisibleTo(&f));
    QCOMPARE(h.host.messages.size(), size_t(1));
    QCOMPARE(h.host.messages[0].text, QStringLiteral("トラブル発生！　終了して下さい！"));
    QCOMPARE(h.host.messages[0].caption, QStringLiteral(" 警告！"));
    QCOMPARE(h.host.messages[0].style, int(MsgBox::Exclamation));
}

void MainWindowTest::nineLeftClicksShowEveryTipThenTheKingfisher()
{
    Harness h(2);
    h.start(0);
    MainWindow &f = h.window();
    for (int i = 0; i < 9; ++i) {
        f.ui.hintButton->press(1);
        if (i < 8)
            QCOMPARE(f.ui.hintButton->text(), QStringLiteral("ワンポイント * %1").arg(i + 2));
    }
    QVERIFY(!f.isEnabled()); // the kingfisher is on its way
    h.host.runUntil(h.host.now() + 10, [&f] { return f.isEnabled(); });
    QCOMPARE(f.ui.hintButton->text(), QStringLiteral("ワンポイント * 1"));
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
    MainWindow &f = h.window();
    for (int i = 0; i < leftClicks; ++i)
        f.ui.hintButton->press(1);
    for (int i = 0; i < rightClicks; ++i)
        f.ui.hintButton->press(2);
    QTEST(f.ui.hintButton->text(), "caption");
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
    MainWindow &f = h.window();
    f.ui.baitLabels[1]->setForeColor(QColor(255, 255, 0));
    f.ui.baitButtons[index]->press(1);
    QCOMPARE(h.g().BaitSetting, index + 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.ui.baitButtons[i]->backColor(), i == index ? Colour::ChosenBait : Colour::OtherBait);
    QCOMPARE(f.ui.baitLabels[1]->foreColor(), QColor(0, 0, 255));
}

void MainWindowTest::theFloatBoxTogglesTheThickness()
{
    Harness h(2);
    h.start(1);
    MainWindow &f = h.window();
    QCOMPARE(h.g().FloatWidth, 4);
    h.game().press(Control::FloatWidth);
    QCOMPARE(h.g().FloatWidth, 5);
    QCOMPARE(f.ui.floatWidthLabel->text(), QStringLiteral("ウキ：太"));
    h.game().press(Control::FloatWidth);
    QCOMPARE(h.g().FloatWidth, 4);
    QCOMPARE(f.ui.floatWidthLabel->text(), QStringLiteral("ウキ：細"));
}

void MainWindowTest::theCatchLogKeepsItsLastLineInSight_data()
{
    // A real game's log is 24 lines; 21 fit in the box. The first line in sight and the furthest
    // the log scrolls, after the text is set and after turns of the wheel (a notch is 120).
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("wheel");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("lastTop");
    QTest::newRow("all in sight") << 21 << QList<int>{} << 0 << 0;
    QTest::newRow("the end in sight without scrolling") << 22 << QList<int>{} << 0 << 1;
    QTest::newRow("scrolled by one") << 23 << QList<int>{} << 1 << 2;
    QTest::newRow("a whole real game") << 24 << QList<int>{} << 2 << 3;
    QTest::newRow("a notch up shows the heading") << 24 << QList<int>{120} << 0 << 3;
    QTest::newRow("up, then down to the end") << 24 << QList<int>{120, -120} << 3 << 3;
    QTest::newRow("a hard turn stops at the end") << 24 << QList<int>{-1200} << 3 << 3;
    QTest::newRow("half lines add up") << 24 << QList<int>{-1200, 20, 20, 20} << 2 << 3;
    QTest::newRow("the wheel does nothing to a short log") << 14 << QList<int>{-120} << 0 << 0;
}

void MainWindowTest::theCatchLogKeepsItsLastLineInSight()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, wheel);
    Harness h(2);
    h.start(1);
    h.window().show();
    LogBox *log = h.window().ui.catchLog;
    QStringList text{QStringLiteral("     <  釣  果  > "), QStringLiteral(" ")};
    while (text.size() < lines)
        text << QStringLiteral("%1． ぬよ　30 ㎝").arg(text.size() - 1, 4);
    log->setText(text.join(QStringLiteral("\r\n")));
    for (int delta : wheel) {
        QWheelEvent turn(QPointF(50, 100), log->mapToGlobal(QPointF(50, 100)), QPoint(), QPoint(0, delta), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(log, &turn);
    }
    QFETCH(int, top);
    QFETCH(int, lastTop);
    QCOMPARE(log->topLine(), top);
    QCOMPARE(log->lastTopLine(), lastTop);
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
    h.game().press(Control::Introduction);
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
    h.game().press(Control::Introduction);
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
    MainWindow &f = h.window();
    bool ended = false;
    bool timersStopped = false;
    // Play like a person until a fish is on, then close the window in the middle of the fight.
    Player p(h, Player::Style::Eyes);
    std::function<void()> watch;
    watch = [&] {
        if (f.ui.actionButton->text() == Action::caption(Action::Fight)) {
            try {
                h.game().quit();
            } catch (const ApplicationEnded &) {
                ended = true;
                timersStopped = !h.game().animationTimer().isEnabled() && !h.game().settlingTimer().isEnabled() &&
                                !h.game().secondTimer().isEnabled();
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

void MainWindowTest::aKeyPressesTheControlItsClickPresses_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("after"); // what changed
    QTest::newRow("1: 硬め") << 0 << QKeySequence(QStringLiteral("1")) << "bait=1";
    QTest::newRow("3: 柔らかめ") << 0 << QKeySequence(QStringLiteral("3")) << "bait=3";
    QTest::newRow("H: a tip") << 0 << QKeySequence(QStringLiteral("H")) << "tip=1 boxes=1";
    QTest::newRow("Shift+H: its number") << 0 << QKeySequence(QStringLiteral("Shift+H")) << "tip=1";
    QTest::newRow("F: the float") << 0 << QKeySequence(QStringLiteral("F")) << "width=4";
    QTest::newRow("F: the real game's float") << 1 << QKeySequence(QStringLiteral("F")) << "width=5";
    QTest::newRow("M: no sound") << 0 << QKeySequence(QStringLiteral("M")) << "muted=1";
    QTest::newRow("Pause") << 0 << QKeySequence(QStringLiteral("Pause")) << "paused=1";
    QTest::newRow("Escape") << 0 << QKeySequence(QStringLiteral("Esc")) << "paused=1";
    QTest::newRow("nothing while paused") << 0 << QKeySequence(QStringLiteral("P, 1, H, P")) << "";
    QTest::newRow("R in practice: no button") << 0 << QKeySequence(QStringLiteral("R")) << "";
    QTest::newRow("R in the real game") << 1 << QKeySequence(QStringLiteral("R")) << "windows=1";
    QTest::newRow("Ctrl+N before the end") << 0 << QKeySequence(QStringLiteral("Ctrl+N")) << "";
    QTest::newRow("Ctrl+M is the desktop's") << 0 << QKeySequence(QStringLiteral("Ctrl+M")) << "";
}

// Each key of the main window reaches the game as its control's click does, and only where the
// click could: a hidden button takes no key, and while paused nothing but the pause key counts.
void MainWindowTest::aKeyPressesTheControlItsClickPresses()
{
    QFETCH(int, mode);
    QFETCH(QKeySequence, keys);
    Harness h(2);
    h.start(mode);
    MainWindow &f = h.window();
    const int width = h.g().FloatWidth;
    int windows = 0;
    h.host.onDialog = [&](QWidget *w) {
        ++windows;
        w->hide();
    };
    for (int i = 0; i < keys.count(); ++i)
        QTest::keyClick(f.focusWidget(), keys[i].key(), keys[i].keyboardModifiers());
    QStringList changed;
    for (const auto &[name, now, before] : {std::tuple{"bait", h.g().BaitSetting, 2},
                                            {"width", h.g().FloatWidth, width},
                                            {"tip", h.game().tipNumber(), 0},
                                            {"boxes", int(h.host.messages.size()), 0},
                                            {"paused", int(h.game().paused()), 0},
                                            {"muted", int(h.g().Muted), 0},
                                            {"windows", windows, 0}})
        if (now != before)
            changed << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(now);
    QTEST(changed.join(QLatin1Char(' ')), "after");
    QCOMPARE(h.sound->resources(QStringLiteral("stop")), h.g().Muted ? std::vector<int>{101} : std::vector<int>{});
    // Tab goes round the visible buttons, never to a hidden one or the off-screen one.
    QList<QWidget *> tabbed;
    for (int i = 0; i < 6 && !h.game().paused(); ++i) {
        QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        tabbed << f.focusWidget();
    }
    if (mode == 0 && !h.game().paused())
        QCOMPARE(tabbed, (QList<QWidget *>{f.ui.actionButton, f.ui.baitButtons[0], f.ui.baitButtons[1],
                                           f.ui.baitButtons[2], f.ui.hintButton, f.ui.actionButton}));
}

// Paused for 75 s of a watch, longer than the bait lasts, the game loses no bait and plays no
// sound; the pond says it is paused. A click on it goes on, and the bait lasts the rest of its minute.
void MainWindowTest::thePauseKeyHoldsTheWatchUntilAClickGoesOn()
{
    Harness h(8);
    h.start(0);
    MainWindow &f = h.window();
    auto *cover = f.findChild<PauseCover *>();
    h.host.at(1.0, [&] { f.ui.actionButton->press(1); });
    h.host.runUntil(10.0);
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Strike));
    const size_t plays = h.sound->calls.size();
    QTest::keyClick(f.focusWidget(), Qt::Key_P);
    QVERIFY(cover->isVisible());
    QCOMPARE(cover->accessibleName(), QStringLiteral("－ 一時停止中 － Ｐキー か クリックで 再開"));
    h.host.runUntil(h.host.now() + 75);
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Strike));
    QCOMPARE(h.g().Baits, 10);
    QCOMPARE(h.sound->calls.size(), plays);
    QTest::mouseClick(cover, Qt::LeftButton, {}, f.ui.pond->geometry().center());
    QVERIFY(!cover->isVisible() && !h.game().paused());
    const double resumed = h.host.now();
    h.host.runUntil(resumed + 120, [&] { return h.g().Baits < 10; });
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::BaitLost));
    QVERIFY(h.host.now() - resumed > 40);
}

// A player who switched the sound off finds it off at the next start, and on again after
// switching it back; a player who never switched it hears the pond.
void MainWindowTest::theSoundSwitchIsKeptForTheNextStart()
{
    QTemporaryDir shared;
    for (int start = 0; start < 3; ++start) {
        Harness h(2);
        h.app->settingsFile = shared.filePath(QStringLiteral("nuyo.conf"));
        h.start(0);
        QCOMPARE(h.sound->count(QStringLiteral("loop")), start == 1 ? 0 : 1);
        if (start < 2)
            QTest::keyClick(h.window().focusWidget(), Qt::Key_M);
    }
}

void MainWindowTest::aDoubleClickBegunOnAnotherWindowDoesNotPressTheActionButton_data()
{
    QTest::addColumn<bool>("begunElsewhere");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("second"); // the event the second press comes as
    QTest::addColumn<bool>("pressed");
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int press = QEvent::MouseButtonPress, doubleClick = QEvent::MouseButtonDblClick;
    QTest::newRow("its second half, a double-click (xcb)") << true << 8 << doubleClick << false;
    QTest::newRow("its second half, a press") << true << 8 << press << false;
    QTest::newRow("a press after the double-click interval") << true << interval + 1 << press << true;
    QTest::newRow("begun on the main window itself") << false << 8 << doubleClick << true;
}

// The second press of a double-click whose first closed another window (the ranking's "ＯＫ")
// lands on the main window's action button, and is not taken; a deliberate press is.
void MainWindowTest::aDoubleClickBegunOnAnotherWindowDoesNotPressTheActionButton()
{
    QFETCH(bool, begunElsewhere);
    QFETCH(int, gapMs);
    QFETCH(int, second);
    QFETCH(bool, pressed);
    Harness h(2);
    h.start(0);
    MainWindow &f = h.window();
    QWidget elsewhere;
    elsewhere.show();
    const QPoint at = f.ui.actionButton->mapToGlobal(QPoint(10, 10));
    const auto pressOn = [&](QWidget *w, quint64 t, QEvent::Type type) {
        QMouseEvent e(type, w->mapFromGlobal(at), at, Qt::LeftButton, Qt::LeftButton, {});
        e.setTimestamp(t);
        QApplication::sendEvent(w, &e);
    };
    pressOn(begunElsewhere ? &elsewhere : static_cast<QWidget *>(f.ui.pond), 100000, QEvent::MouseButtonPress);
    pressOn(f.ui.actionButton, 100000 + gapMs, QEvent::Type(second));
    QCOMPARE(!f.ui.actionButton->isEnabled(), pressed); // a press casts: the button waits for the throw
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
