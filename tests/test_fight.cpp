// The fight and the action button's captions: landings, line breaks, colours, the sounds of
// each moment, and whole games with the wrong bait and with a ranking entry.
#include "fish/fish.h"
#include "ranking/rankingfile.h"
#include "support/harness.h"
#include "support/player.h"
#include "windows/catchreport.h"

#include <QFile>
#include <QtTest>

using namespace nuyo;

namespace {

// A practice game with a fish of `type` on the line at `distance`, as the hooking strike leaves it.
void hook(Harness &h, int type, int size, int tension, int distance)
{
    GameState &g = h.stage();
    h.host.onDialog = [&h](QWidget *w) {
        if (auto *report = qobject_cast<CatchReport *>(w))
            whenReadyForOk(report, [&h, report] { h.host.after(1.0, [report] { report->ui.okButton->press(1); }); });
    };
    g.FishStop = FishStop::Struck;
    g.FishType = type;
    g.BiteFish = 1;
    g.FishSize = size;
    g.setResult(ResultKind::Hooked, size);
    g.Tension = tension;
    g.Distance = distance;
    g.Fighting = true;
    g.Baits -= 1;
    h.game().showAction(Action::Fight);
    h.game().stagedSecondTimer().setEnabled(true);
}

} // namespace

class FightTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aPressEndsTheFightOnlyAtTheRightTension_data();
    void aPressEndsTheFightOnlyAtTheRightTension();
    void bigFishStartInTheRedAndTheFirstTickMayBreakTheLine();
    void atDistanceSevenNoTensionBreaksTheLine();
    void aLandingShowsTheReportAndReadiesTheNextCast();
    void eachMomentPlaysItsSound();
    void aPlayerWithTheWrongBaitGetsOnlyFalseBites();
    void aRealGameEndsInTheRankingWithTheAnglersName();
    void captionsAndColoursFollowTheCast();
    void aKeyPressesTheActionButtonAsItsClickDoes_data();
    void aKeyPressesTheActionButtonAsItsClickDoes();
};

void FightTest::aPressEndsTheFightOnlyAtTheRightTension_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("tension");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("outcome"); // "landed", "broken" or "on"
    QTest::addColumn<QColor>("line");
    QTest::newRow("pulled to 3 at tension 3 lands")
        << 2 << 4 << 3 << 1 << QStringLiteral("landed") << QColor(0, 192, 255);
    QTest::newRow("pulled to 3 at tension 4: yellow")
        << 2 << 4 << 4 << 1 << QStringLiteral("on") << QColor(255, 255, 0);
    QTest::newRow("a type-1 fish breaks the line at 3") << 1 << 4 << 6 << 1 << QStringLiteral("broken") << QColor();
    QTest::newRow("a left press in the red breaks") << 5 << 6 << 8 << 1 << QStringLiteral("broken") << QColor();
    QTest::newRow("a right press in the red eases") << 5 << 6 << 8 << 2 << QStringLiteral("on") << QColor(255, 255, 0);
    QTest::newRow("a right press at 7 stays at 7") << 3 << 7 << 5 << 2 << QStringLiteral("on") << QColor(0, 192, 255);
    QTest::newRow("a left press at 3 stays at 3") << 2 << 3 << 4 << 1 << QStringLiteral("on") << QColor(255, 255, 0);
    QTest::newRow("a middle press only redraws") << 2 << 5 << 6 << 4 << QStringLiteral("on") << QColor(255, 255, 0);
    QTest::newRow("at 6 only tension 9 breaks") << 4 << 7 << 8 << 1 << QStringLiteral("on") << QColor(255, 0, 0);
}

void FightTest::aPressEndsTheFightOnlyAtTheRightTension()
{
    QFETCH(int, type);
    QFETCH(int, distance);
    QFETCH(int, tension);
    QFETCH(int, button);
    QFETCH(QString, outcome);
    QFETCH(QColor, line);
    Harness h(3);
    h.start(0);
    hook(h, type, type * 10 + 4, tension, distance);
    MainWindow &f = h.window();
    f.ui.actionButton->press(button);
    if (h.app->report()->isVisible()) // a broken line's report: read, then OK
        h.host.runUntil(h.host.now() + 3, [&h] { return !h.app->report()->isVisible(); });
    GameState &g = h.stage();
    if (outcome == QLatin1String("landed")) {
        QCOMPARE(g.CastStage, int(CastStage::Landing));
        QVERIFY(h.game().animationTimer().isEnabled());
        QVERIFY(!h.game().secondTimer().isEnabled());
        QVERIFY(!f.ui.actionButton->isEnabled());
        QVERIFY(!g.Fighting);
        QCOMPARE(g.ResultMark, int(ResultMark::Landed));
    } else if (outcome == QLatin1String("broken")) {
        QCOMPARE(g.LastResult, QStringLiteral("ハリス切れ"));
        QCOMPARE(g.FishSize, 0);
        QCOMPARE(g.ResultMark, int(ResultMark::LineBreak));
        QVERIFY(!g.Fighting);
        QVERIFY(!h.game().secondTimer().isEnabled());
        QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
        QCOMPARE(f.ui.commentLine->text(), QStringLiteral("ハリス切れ ！"));
        QCOMPARE(g.BaitsUsed, 1);
        QVERIFY(f.ui.catchLog->text().endsWith(QStringLiteral("   1． ハリス切れ")));
    } else {
        QVERIFY(g.Fighting);
        QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Fight));
        QCOMPARE(h.game().lineColour(), line);
    }
}

void FightTest::bigFishStartInTheRedAndTheFirstTickMayBreakTheLine()
{
    int breaks = 0, ticks = 0;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        Harness h(seed);
        h.start(0);
        GameState &g = h.stage();
        hook(h, 6, 60, 8, 7);
        h.game().press(Control::Action, Mouse::Left); // the automatic first press of a hooking strike
        QCOMPARE(g.Distance, 6);
        QCOMPARE(h.game().lineColour(), Colour::DangerLine);
        // The player does nothing: one tick moves the tension by one, up breaks the line.
        h.host.runUntil(h.host.now() + 1.05, [&] { return !g.Fighting; });
        ++ticks;
        if (g.LastResult == QStringLiteral("ハリス切れ")) {
            ++breaks;
            h.host.runUntil(h.host.now() + 3, [&h] { return !h.app->report()->isVisible(); });
            // The 60 cm fish that escaped is replaced by a type-5 fish.
            QCOMPARE(h.game().school().at(1).type, 5);
        } else {
            QCOMPARE(g.Tension, 7);
        }
    }
    QVERIFY2(breaks > 8 && breaks < 32, qPrintable(QStringLiteral("%1 of %2").arg(breaks).arg(ticks)));
}

void FightTest::atDistanceSevenNoTensionBreaksTheLine()
{
    Harness h(3);
    h.start(0);
    hook(h, 6, 60, 9, 7);
    MainWindow &f = h.window();
    for (int i = 0; i < 30; ++i) {
        f.ui.actionButton->press(2);
        h.host.runUntil(h.host.now() + 1.0);
        QCOMPARE(h.g().Fighting, 1);
        QCOMPARE(h.g().Distance, 7);
    }
}

void FightTest::aLandingShowsTheReportAndReadiesTheNextCast()
{
    Harness h(3);
    h.start(0);
    hook(h, 6, 60, 3, 4);
    MainWindow &f = h.window();
    GameState &g = h.stage();
    g.BigLevel = 1;
    f.ui.actionButton->press(1);
    QCOMPARE(g.ResultMark, int(ResultMark::BigLanded));
    QCOMPARE(g.BigLevel, 2);
    QCOMPARE(g.Count60, 1);
    QVERIFY(f.ui.bigCatchFrame->isVisibleTo(&f));
    QCOMPARE(f.ui.sceneFrame->borderWidth(), 5);
    // Two seconds of landing display, the report (with its 2 s pause for a 60 cm fish), then
    // the kingfisher's visit: the button reads "振り込み" again.
    h.host.runUntil(h.host.now() + 30, [&] { return f.ui.actionButton->isEnabled(); });
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
    QCOMPARE(g.Catches, 1);
    QCOMPARE(f.ui.catchCounter->text(), QStringLiteral("1"));
    QCOMPARE(g.TotalCm, 60);
    QVERIFY2(f.ui.catchLog->text().endsWith(QStringLiteral("   1． ぬよ　60 ㎝")), qPrintable(f.ui.catchLog->text()));
    // A 60 cm fish is replaced by a type-5 fish; the bait the fish take may change.
    QCOMPARE(h.game().school().at(1).type, 5);
    QVERIFY(f.ui.commentLine->text().startsWith(QStringLiteral("エサ合わせは『 ")));
}

void FightTest::eachMomentPlaysItsSound()
{
    Harness h(21);
    h.start(1);
    Player p(h, Player::Style::Eyes);
    QVERIFY(p.playGame());
    // Every cast: 102 at its 4th tick and 103 at its 10th; every hooking strike 102; every
    // landing 104; big fish (50 cm and more) 104 again two seconds later.
    const auto &calls = h.sound->calls;
    std::vector<double> casts;
    int whooshes = 0, plops = 0, chimes = 0, failures = 0;
    for (const auto &c : calls) {
        if (c.op != QLatin1String("play"))
            continue;
        whooshes += c.resource == 102;
        plops += c.resource == 103;
        chimes += c.resource == 104;
        failures += c.resource == 105;
        if (c.resource == 103)
            casts.push_back(c.at);
    }
    // What the log says happened, cast by cast.
    int landings = 0, big = 0, smallWithBaitLeft = 0, sixty = 0, breaks = 0, misses = 0, losses = 0;
    const QStringList lines = h.window().ui.catchLog->text().split(QStringLiteral("\r\n"));
    int cast = 0;
    for (const QString &line : lines) {
        if (!line.contains(QStringLiteral("． ")))
            continue;
        ++cast;
        const QString result = line.mid(line.indexOf(QStringLiteral("． ")) + 2);
        if (result.startsWith(QStringLiteral("ぬよ　"))) {
            const int cm = result.mid(3).section(QLatin1Char(' '), 0, 0).toInt();
            ++landings;
            big += cm >= 50;
            sixty += cm == 60;
            smallWithBaitLeft += cm < 20 && cast < 20;
        } else if (result == QStringLiteral("ハリス切れ")) {
            ++breaks;
        } else if (result == QStringLiteral("エサ落ち")) {
            ++losses;
        } else {
            ++misses;
        }
    }
    QCOMPARE(cast, 20);
    QVERIFY(landings > 0);
    QCOMPARE(plops, 20);
    QCOMPARE(whooshes, 20 + landings + breaks);
    // A landing chimes; a big one again after its display; a small one's kingfisher and a
    // 60 cm fish's report and kingfisher once each.
    QCOMPARE(chimes, landings + big + smallWithBaitLeft + 2 * sixty);
    QCOMPARE(failures, losses + misses + breaks);
    // Each plop comes 0.6 s after the cast's whoosh.
    for (double t : casts) {
        bool found = false;
        for (const auto &c : calls)
            found |= c.op == QLatin1String("play") && c.resource == 102 && qAbs(c.at - (t - 0.6)) < 1e-6;
        QVERIFY(found);
    }
    QCOMPARE(h.sound->count(QStringLiteral("loop")), 1);
}

void FightTest::aPlayerWithTheWrongBaitGetsOnlyFalseBites()
{
    Harness h(5);
    h.start(0);
    MainWindow &f = h.window();
    f.ui.baitButtons[0]->press(1); // "硬め" while the fish want "ふつう"
    Player p(h, Player::Style::Eyes);
    p.followsHints = false;
    QVERIFY(p.playGame());
    const QStringList lines = f.ui.catchLog->text().split(QStringLiteral("\r\n"));
    int falseBites = 0;
    for (const QString &line : lines) {
        if (!line.contains(QStringLiteral("． ")))
            continue;
        QVERIFY2(line.endsWith(QStringLiteral("スレアタリ")) || line.endsWith(QStringLiteral("エサ落ち")),
                 qPrintable(line));
        falseBites += line.endsWith(QStringLiteral("スレアタリ"));
    }
    QVERIFY(falseBites > 0);
    QCOMPARE(h.g().Catches, 0);
    QCOMPARE(h.g().Points, 0);
    QCOMPARE(f.ui.commentLine->text(), QStringLiteral("＜ 初級 ＞　ヘタクソ！"));
}

void FightTest::aRealGameEndsInTheRankingWithTheAnglersName()
{
    Harness h(21);
    h.start(1);
    Player p(h, Player::Style::Eyes);
    p.rankingName = QStringLiteral("ab\"c");
    QVERIFY(p.playGame());
    GameState &g = h.stage();
    QVERIFY(g.Points > 0);
    QCOMPARE(g.RankPoints[0], g.Points);
    QVERIFY(g.RankRecords[0].endsWith(QStringLiteral("AB＂C")));
    // The file holds the same table: read it back into a fresh state.
    GameState back;
    LoadRanking(rankingFilePath(h.app->exeDir, h.app->userDataDir), back);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(back.RankPoints[i], g.RankPoints[i]);
        QCOMPARE(back.RankRecords[i], g.RankRecords[i]);
    }
    QCOMPARE(g.RankOn, int(RankOn::NothingPending));
}

void FightTest::captionsAndColoursFollowTheCast()
{
    Harness h(8);
    h.start(0);
    MainWindow &f = h.window();
    struct Seen {
        double at;
        QString caption;
        QColor colour;
        bool enabled;
        QString hint;
        bool hints;
    };
    std::vector<Seen> seen;
    auto look = [&](double t) {
        h.host.at(t, [&, t] {
            seen.push_back({t, f.ui.actionButton->text(), f.ui.actionButton->backColor(),
                            f.ui.actionButton->isEnabled(), f.ui.commentLine->text(), f.ui.hintButton->isEnabled()});
        });
    };
    h.host.at(1.0, [&] { f.ui.actionButton->press(1); });
    look(1.5); // casting
    look(9.6); // watching
    // The press runs the whole cast inside itself; the looks happen during it.
    h.host.runUntil(10.0);
    QCOMPARE(seen.size(), size_t(2));
    QVERIFY(!seen[0].hints && !seen[1].hints);
    QCOMPARE(seen[0].caption, Action::caption(Action::Cast));
    QVERIFY(!seen[0].enabled);
    QCOMPARE(seen[0].hint, QString());
    QCOMPARE(seen[1].caption, Action::caption(Action::Strike));
    QCOMPARE(seen[1].colour, QColor(255, 192, 128));
    QVERIFY(seen[1].enabled);
    QCOMPARE(seen[1].hint, QStringLiteral("ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』"));
    // Left alone, the bait is gone about a minute after the float settled.
    h.host.runUntil(200, [&] { return f.ui.actionButton->text() == Action::caption(Action::BaitLost); });
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::BaitLost));
    QCOMPARE(f.ui.actionButton->backColor(), QColor(0, 192, 0));
    QCOMPARE(f.ui.commentLine->text(), QStringLiteral("エサ落ち ！"));
    QVERIFY(f.ui.hintButton->isEnabled());
    QVERIFY(h.host.now() >= 1.0 + 3.0 + 4.2 + 61);
    f.ui.actionButton->press(1);
    QCOMPARE(f.ui.actionButton->text(), Action::caption(Action::Cast));
    QCOMPARE(f.ui.actionButton->backColor(), Action::colour(Action::Cast));
    QVERIFY(!f.ui.floatCloseUp->isVisibleTo(&f));
}

void FightTest::aKeyPressesTheActionButtonAsItsClickDoes_data()
{
    QTest::addColumn<bool>("fighting");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("button"); // the click it stands for; 0: none
    for (const bool fighting : {false, true}) {
        const char *when = fighting ? "fight" : "watch";
        for (const auto &k : {std::pair{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}})
            QTest::addRow("%s %s", when, k.first) << fighting << int(k.second) << 1;
        QTest::addRow("%s Left", when) << fighting << int(Qt::Key_Left) << (fighting ? 1 : 0);
        QTest::addRow("%s Right", when) << fighting << int(Qt::Key_Right) << (fighting ? 2 : 0);
        QTest::addRow("%s Left held", when) << fighting << -int(Qt::Key_Left) << 0; // its repeats only
    }
}

// A key on the main window, wherever its focus is, leaves the game exactly as the click it stands
// for: the same seed, pressed with the mouse, gives the same button, log, fight and bait. The
// arrows work the line in the fight only, and a held key's repeats press nothing.
void FightTest::aKeyPressesTheActionButtonAsItsClickDoes()
{
    QFETCH(bool, fighting);
    QFETCH(int, key);
    QFETCH(int, button);
    QStringList seen[2];
    for (const bool byKey : {true, false}) {
        Harness h(8);
        h.start(0);
        MainWindow &f = h.window();
        GameState &g = h.stage();
        auto press = [&] {
            if (!byKey && button)
                f.ui.actionButton->press(button);
            else if (byKey && key < 0)
                QTest::simulateEvent(f.focusWidget(), true, -key, {}, QString(), true);
            else if (byKey)
                QTest::keyClick(f.focusWidget(), Qt::Key(key));
            seen[byKey] =
                QStringList{f.ui.actionButton->text(),   f.ui.catchLog->text(),       QString::number(g.FishStop),
                            QString::number(g.Fighting), QString::number(g.Distance), QString::number(g.Tension),
                            QString::number(g.Baits)};
        };
        if (fighting) {
            hook(h, 1, 30, 5, 4);
            press();
        } else {
            h.host.at(1.0, [&] { f.ui.actionButton->press(1); });
            h.host.at(9.6, press);
            h.host.runUntil(10.0);
            QVERIFY(h.host.now() >= 9.6);
        }
    }
    QCOMPARE(seen[1], seen[0]);
}

QTEST_MAIN(FightTest)
#include "test_fight.moc"
