// Whole games under the simulated host leave the same trace, line for line, as the recorded one:
// the main window's states and pictures at every report, every sound and message with its time,
// the catch log, the counters and the ranking file's bytes. A change of the code's shape must not
// change one line of it. NUYO_RECORD_TRACE=1 writes the trace anew from the code as it is.
#include "support/harness.h"
#include "support/player.h"

#include "fish/fish.h"
#include "windows/catchreport.h"
#include "windows/rankingwindow.h"
#include "windows/titlewindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QtTest>

using namespace nuyo;

namespace {

QString tracePath()
{
    return QDir(qEnvironmentVariable("NUYO_SOURCE_DIR")).filePath(QStringLiteral("tests/data/trace.txt"));
}

bool recording()
{
    return qEnvironmentVariableIntValue("NUYO_RECORD_TRACE") == 1;
}

// The picture's pixels only (no row padding, one format): the same art gives the same hash.
QString pictureHash(const QImage &image)
{
    if (image.isNull())
        return QStringLiteral("none");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 4));
    return QString::fromLatin1(hash.result().toHex().left(12));
}

QString colour(const QColor &c)
{
    return c.name();
}

QString escaped(QString s)
{
    return s.replace(QStringLiteral("\r"), QStringLiteral("\\r")).replace(QStringLiteral("\n"), QStringLiteral("\\n"));
}

// The main window as the player sees it, and the state behind it.
QString mainWindowState(Harness &h)
{
    MainWindow &f = h.window();
    const GameState &g = h.stage();
    QStringList s;
    s << QStringLiteral("button=%1/%2/%3")
             .arg(f.ui.actionButton->text(), colour(f.ui.actionButton->backColor()))
             .arg(f.ui.actionButton->isEnabled());
    s << QStringLiteral("baits=%1 catches=%2 tension=%3")
             .arg(f.ui.baitCounter->text(), f.ui.catchCounter->text(), f.ui.tensionGauge->text());
    s << QStringLiteral("comment=%1").arg(escaped(f.ui.commentLine->text()));
    s << QStringLiteral("g=%1,%2,%3,%4,%5,%6,%7,%8,%9")
             .arg(g.Baits)
             .arg(g.BaitsUsed)
             .arg(g.Catches)
             .arg(g.TotalCm)
             .arg(g.FishSize)
             .arg(g.ResultMark)
             .arg(g.BigLevel)
             .arg(g.Points)
             .arg(g.FishStop);
    s << QStringLiteral("bait=%1/%2 result=%3").arg(g.BaitSetting).arg(g.BaitWanted).arg(g.LastResult);
    s << QStringLiteral("colours=%1,%2,%3,%4")
             .arg(colour(f.palette().color(QPalette::Window)), colour(f.ui.catchLog->palette().color(QPalette::Base)),
                  colour(f.ui.baitLabels[1]->foreColor()), colour(f.ui.rankingButton->backColor()));
    s << QStringLiteral("bait buttons=%1,%2,%3/%4")
             .arg(colour(f.ui.baitButtons[0]->backColor()), colour(f.ui.baitButtons[1]->backColor()),
                  colour(f.ui.baitButtons[2]->backColor()))
             .arg(f.ui.baitButtons[0]->isEnabled());
    s << QStringLiteral("frames=%1,%2,%3")
             .arg(f.ui.bigCatchFrame->isVisibleTo(&f))
             .arg(f.ui.sceneFrame->borderWidth())
             .arg(colour(f.ui.sceneFrame->borderColor()));
    s << QStringLiteral("pictures=%1,%2,%3,%4,%5,%6")
             .arg(pictureHash(f.ui.pond->image()), pictureHash(f.ui.floatCloseUp->image()),
                  pictureHash(f.ui.sizeStamp->picture()), pictureHash(f.ui.sizeTexts[0]->image()),
                  pictureHash(f.ui.sizeTexts[1]->image()), pictureHash(f.ui.sizeTexts[2]->image()));
    s << QStringLiteral("hint=%1 ranking=%2 newgame=%3 banner=%4")
             .arg(f.ui.hintButton->isEnabled())
             .arg(f.ui.rankingButton->isEnabled())
             .arg(f.ui.newGameButton->isVisibleTo(&f))
             .arg(f.ui.endBanner->isVisibleTo(&f));
    return s.join(QStringLiteral(" | "));
}

// The styles of the scripted rows (not a Player's).
constexpr int RecastAfterMiss = -1;
constexpr int MinimisedWatch = -2;

struct Trace {
    QStringList lines;
    void add(Harness &h, const QString &what)
    {
        lines << QString::number(h.host.now(), 'f', 2) + QLatin1Char(' ') + what;
    }
};

} // namespace

class TraceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void wholeGamesLeaveTheRecordedTrace_data();
    void wholeGamesLeaveTheRecordedTrace();
    void cleanupTestCase();

private:
    QMap<QString, QStringList> m_recorded; // row name → its lines, as read from the file
    QMap<QString, QStringList> m_played;   // row name → its lines, as played now
};

void TraceTest::initTestCase()
{
    if (recording())
        return;
    QFile file(tracePath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(tracePath()));
    QString row;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("## ")))
            row = line.mid(3);
        else if (!row.isEmpty() && !line.isEmpty())
            m_recorded[row] << line;
    }
    QVERIFY(!m_recorded.isEmpty());
}

void TraceTest::wholeGamesLeaveTheRecordedTrace_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("style");         // Player::Style
    QTest::addColumn<int>("firstBait");     // the bait button pressed before the first cast, -1 none
    QTest::addColumn<bool>("followsHints"); // sets the bait the comment line names
    QTest::addColumn<int>("secondMode");    // a new game in that mode after the first, -1 none
    const int eyes = int(Player::Style::Eyes), lazy = int(Player::Style::NeverStrikes),
              greedy = int(Player::Style::Greedy);
    QTest::newRow("practice, striking, seed 5") << 5u << 0 << eyes << -1 << true << -1;
    QTest::newRow("practice, striking, seed 8, then the real game") << 8u << 0 << eyes << -1 << true << 1;
    QTest::newRow("practice, lazy, seed 11") << 11u << 0 << lazy << -1 << true << -1;
    QTest::newRow("practice, wrong bait, following hints, seed 13") << 13u << 0 << eyes << 0 << true << -1;
    QTest::newRow("practice, wrong bait, ignoring hints, seed 17") << 17u << 0 << eyes << 2 << false << -1;
    QTest::newRow("practice, breaking lines, seed 19") << 19u << 0 << greedy << -1 << true << -1;
    QTest::newRow("real game, striking, seed 21, a name registered") << 21u << 1 << eyes << -1 << true << -1;
    QTest::newRow("real game, striking, seed 34, then practice") << 34u << 1 << eyes << -1 << true << 0;
    QTest::newRow("real game, breaking lines, seed 55") << 55u << 1 << greedy << -1 << true << -1;
    QTest::newRow("real game, lazy, seed 3") << 3u << 1 << lazy << -1 << true << -1;
    // Scripted: an empty strike, OK, a recast 0.2 s later, and that cast's bait runs out.
    QTest::newRow("practice, recast after an empty strike") << 2u << 0 << RecastAfterMiss << -1 << true << -1;
    // Scripted: the window minimised for 100 s during a watch; the bait then lasts 100 s longer.
    QTest::newRow("practice, minimised during a watch") << 2u << 0 << MinimisedWatch << -1 << true << -1;
}

void TraceTest::wholeGamesLeaveTheRecordedTrace()
{
    QFETCH(quint32, seed);
    QFETCH(int, mode);
    QFETCH(int, style);
    QFETCH(int, firstBait);
    QFETCH(bool, followsHints);
    QFETCH(int, secondMode);

    Harness h(seed);
    h.start(mode);
    Trace trace;
    Player p(h, Player::Style(style));
    p.followsHints = followsHints;
    const auto answer = h.host.onDialog;
    h.host.onDialog = [&](QWidget *w) {
        if (auto *report = qobject_cast<CatchReport *>(w))
            whenReadyForOk(report, [&h, &trace, report] {
                trace.add(h, QStringLiteral("report %1 %2 | %3")
                                 .arg(report->ui.resultText->text(), pictureHash(report->ui.picture->image()),
                                      mainWindowState(h)));
            });
        else if (qobject_cast<RankingWindow *>(w))
            trace.add(h, QStringLiteral("ranking | ") + mainWindowState(h));
        else if (auto *title = qobject_cast<TitleWindow *>(w))
            h.host.after(1.0, [title, secondMode] { title->ui.modeButtons[secondMode]->press(1); });
        answer(w);
    };
    if (firstBait >= 0)
        h.window().ui.baitButtons[firstBait]->press(1);

    if (style == RecastAfterMiss) {
        // The school far from the bait; cast at 1 s, strike in the pause after fish 1's first step.
        for (int i = 1; i <= 4; ++i) {
            h.game().stagedSchool().at(i).x = 0;
            h.game().stagedSchool().at(i).y = 2 * i;
        }
        MainWindow &f = h.window();
        h.host.onDialog = [&](QWidget *w) {
            if (auto *report = qobject_cast<CatchReport *>(w)) {
                trace.add(h, QStringLiteral("report %1 | %2").arg(report->ui.resultText->text(), mainWindowState(h)));
                h.host.after(1.0, [&h, &f, report] {
                    report->ui.okButton->press(1);
                    h.host.after(0.2, [&f] { f.ui.actionButton->press(1); });
                });
            }
        };
        h.host.at(1.0, [&f] { f.ui.actionButton->press(1); });
        h.host.at(9.6, [&f] { f.ui.actionButton->press(1); });
        h.host.runUntil(200, [&h] { return h.g().ActionState == Action::BaitLost; });
        trace.add(h, QStringLiteral("bait lost | ") + mainWindowState(h));
        trace.add(h, QStringLiteral("log ") + escaped(h.window().ui.catchLog->text()));
        QCOMPARE(h.g().Baits, 8);
        QVERIFY(endsGame([&] { h.game().quit(); }));
    }
    if (style == MinimisedWatch) {
        MainWindow &f = h.window();
        h.host.at(1.0, [&f] { f.ui.actionButton->press(1); });
        h.host.at(20.0, [&f] { f.showMinimized(); });
        h.host.at(120.0, [&h, &trace, &f] {
            trace.add(h, QStringLiteral("restored | ") + mainWindowState(h));
            f.showNormal();
        });
        h.host.runUntil(400, [&h] { return h.g().ActionState == Action::BaitLost; });
        trace.add(h, QStringLiteral("bait lost | ") + mainWindowState(h));
        QVERIFY(h.host.now() > 160);
        QVERIFY(endsGame([&] { h.game().quit(); }));
    }
    const bool scripted = style == RecastAfterMiss || style == MinimisedWatch;
    for (int game = 0; game < (scripted ? 0 : secondMode < 0 ? 1 : 2); ++game) {
        if (game == 1) {
            h.window().ui.newGameButton->press(1);
            h.runUntilNewGame();
            trace.add(h, QStringLiteral("new game | ") + mainWindowState(h));
        }
        QVERIFY(p.playGame());
        trace.add(h, QStringLiteral("end | ") + mainWindowState(h));
        trace.add(h, QStringLiteral("log ") + escaped(h.window().ui.catchLog->text()));
    }

    // "終了" releases the sounds, shows the points and ends the game.
    if (!scripted)
        QVERIFY(endsGame([&] { h.window().ui.actionButton->press(1); }));

    QStringList sounds;
    for (const RecordingSound::Call &c : h.sound->calls)
        sounds << QStringLiteral("%1 %2 %3").arg(c.at, 0, 'f', 2).arg(c.op).arg(c.resource);
    trace.lines << QStringLiteral("sounds ") + sounds.join(QStringLiteral(", "));
    for (const SimHost::Message &m : h.host.messages)
        trace.lines << QStringLiteral("%1 message %2 %3 %4")
                           .arg(m.at, 0, 'f', 2)
                           .arg(m.style)
                           .arg(escaped(m.caption), escaped(m.text));
    QFile ranking(QDir(h.dir.path()).filePath(QStringLiteral("Point.dat")));
    trace.lines << QStringLiteral("Point.dat ") + (ranking.open(QIODevice::ReadOnly)
                                                       ? QString::fromLatin1(ranking.readAll().toHex())
                                                       : QStringLiteral("none"));
    trace.lines << QStringLiteral("player %1 strikes %2 pulls %3 slacks").arg(p.strikes).arg(p.pulls).arg(p.slacks);

    const QString row = QString::fromUtf8(QTest::currentDataTag());
    m_played[row] = trace.lines;
    if (recording())
        return;
    QVERIFY2(m_recorded.contains(row), "no recorded trace for this row");
    const QStringList &want = m_recorded[row];
    for (int i = 0; i < std::min(want.size(), trace.lines.size()); ++i)
        QCOMPARE(trace.lines[i], want[i]);
    QCOMPARE(trace.lines.size(), want.size());
}

void TraceTest::cleanupTestCase()
{
    if (!recording())
        return;
    QFile file(tracePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (auto it = m_played.cbegin(); it != m_played.cend(); ++it) {
        file.write("## " + it.key().toUtf8() + '\n');
        for (const QString &line : it.value())
            file.write(line.toUtf8() + '\n');
        file.write("\n");
    }
}

QTEST_MAIN(TraceTest)
#include "test_trace.moc"
