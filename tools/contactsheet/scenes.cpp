// The scripted games of the contact sheet. Each plays the real windows under the simulated host:
// presses go through the windows' own buttons and handlers, and the school of fish is placed by
// hand where a moment would otherwise take long to come (a bite of a given kind, a 60 cm fish).
#include "scenes.h"

#include "camera.h"

#include "fish/fish.h"
#include "fish/school.h"
#include "ranking/rankingfile.h"
#include "support/harness.h"
#include "windows/catchreport.h"
#include "windows/rankingwindow.h"
#include "windows/titlewindow.h"

#include <QApplication>
#include <functional>

namespace nuyo {

namespace {

// The fight pictures: the fish's distance, the line tension, and the colour that gives.
struct FightShot {
    int distance;
    int tension;
    const char *colour;
};
const FightShot FightShots[] = {
    {7, 9, "red mark"},  {7, 7, "black mark"},  {6, 6, "blue line"}, {6, 7, "yellow line"}, {6, 8, "red line"},
    {5, 5, "blue line"}, {5, 6, "yellow line"}, {5, 7, "red line"},  {4, 4, "blue line"},   {4, 5, "yellow line"},
    {4, 6, "red line"},  {3, 4, "yellow line"}, {3, 5, "red line"},
};

// What else a fight picture should be read with.
QString fightNote(const FightShot &s, int cm)
{
    QString note = QStringLiteral("%1 cm fish").arg(cm);
    if (s.distance == 7)
        note += QStringLiteral("; no line at distance 7, only the mark");
    if (s.distance == 3)
        note += QStringLiteral("; blue at 3 is the landing");
    return note;
}

QString fightName(const FightShot &s)
{
    return QStringLiteral("fight-d%1-t%2").arg(s.distance).arg(s.tension);
}

QString fightCaption(const FightShot &s)
{
    return QStringLiteral("Fight, distance %1, tension %2: %3").arg(s.distance).arg(s.tension).arg(s.colour);
}

const int CastFrames[] = {1, 3, 5, 7};

// One game under the simulated host, with the camera watching it.
class ScriptedGame
{
public:
    ScriptedGame(Camera &camera, quint32 seed) : cam(camera), h(seed)
    {
        h.host.pumpQt = true; // the windows paint as they would on the screen
        cam.attach(h.host);
        h.host.onDialog = [this](QWidget *w) { onDialog(w); };
    }
    ~ScriptedGame() { h.host.onDialog = nullptr; }

    Camera &cam;
    Harness h;
    QStringList problems;
    QString reportShot; // the moment the next catch report is photographed as
    QString rankingName = QStringLiteral("nuyo");

    MainWindow &f() { return h.window(); }
    GameState &g() { return h.stage(); }
    QImage main() { return Camera::grab(&f()); }

    // Start-up and a press on the title's mode button (0 practice, 1 the real game).
    bool start(int mode, bool photographTitle)
    {
        if (!h.app->start(false)) {
            problems << QStringLiteral("the game refused to start");
            return false;
        }
        TitleWindow *title = h.app->title();
        if (!title || !title->isVisible()) {
            problems << QStringLiteral("no title window");
            return false;
        }
        QCoreApplication::processEvents();
        if (photographTitle)
            cam.take(QStringLiteral("title"), Camera::grab(title));
        title->ui.modeButtons[mode]->press(1);
        QCoreApplication::processEvents();
        if (!h.app->mainWindow() || !f().isVisible()) {
            problems << QStringLiteral("no main window after the title");
            return false;
        }
        return true;
    }

    // Puts the four fish of the school on one cell with one heading and type. Whichever fish
    // steps next then answers the float the same way.
    void placeSchool(int x, int y, int heading, int type)
    {
        for (int i = 1; i <= 4; ++i) {
            Fish &fish = h.game().stagedSchool().at(i);
            fish.x = x;
            fish.y = y;
            fish.heading = heading;
            fish.type = type;
            fish.slot = i;
        }
    }

    // The bait the player sets (0 硬め, 1 ふつう, 2 柔らかめ) and the one the fish take.
    void setBait(int button, int wanted)
    {
        f().ui.baitButtons[button]->press(1);
        g().BaitWanted = wanted;
    }

    void strike() { f().ui.actionButton->press(1); }

    // Pulls a hooked fish in: at distance 4 with the tension at its floor, a left press lands it.
    void land()
    {
        g().Distance = 4;
        g().Tension = 3;
        f().ui.tensionGauge->setText(QStringLiteral("3"));
        f().ui.actionButton->press(1);
    }

    // Runs `action` at the first step that puts a fish on the bait cell.
    void onBite(std::function<void()> action)
    {
        cam.when([this] { return g().FishStop == FishStop::Moving && g().FishType > 0; }, std::move(action));
    }

    // Plays one cast, pressing "振り込み" at `pressAt`: `watching` runs when the float is in the
    // water and the button reads "合わせ". Returns when the button is ready again (or reads "終了").
    void playCast(std::function<void()> watching, double pressAt = -1)
    {
        MainWindow &f = this->f();
        GameState &g = this->g();
        if (g.ActionState == Action::BaitLost)
            f.ui.actionButton->press(1);
        if (g.ActionState != Action::Cast) {
            problems << QStringLiteral("a cast was due but the button reads %1").arg(f.ui.actionButton->text());
            return;
        }
        const int used = g.BaitsUsed;
        cam.when([&f, &g] { return g.ActionState == Action::Strike && f.ui.actionButton->isEnabled(); },
                 [&g, watching] {
                     // Nothing is on the bait until the next fish steps.
                     g.FishType = 0;
                     g.BiteFish = 0;
                     watching();
                 });
        if (pressAt < 0)
            pressAt = h.host.now() + 0.5;
        h.host.at(pressAt, [&f] { f.ui.actionButton->press(1); });
        h.host.runUntil(h.host.now() + 300, [&] {
            return g.BaitsUsed > used && f.isEnabled() && f.ui.actionButton->isEnabled() &&
                   !h.game().animationTimer().isEnabled();
        });
        if (g.BaitsUsed == used)
            problems << QStringLiteral("cast %1 did not end").arg(used + 1);
    }

    // A cast that hooks a fish of `type` on a sinking bite and lands it at once.
    void castAndLand(int type)
    {
        setBait(1, 2);
        playCast([this, type] {
            placeSchool(3, 4, 1, type);
            onBite([this] {
                strike();
                if (g().Hooked == 1)
                    land();
            });
        });
    }

    // A cast that ends in an empty strike ("空アワセ") a second after the float is in the water.
    void castEmpty()
    {
        setBait(1, 2);
        playCast([this] {
            placeSchool(0, 0, 3, 2); // far from the bait
            h.host.after(1.0, [this] { strike(); });
        });
    }

    void pressWhenEnabled(ColourButton *button, double after)
    {
        h.host.after(after, [this, button] {
            if (!button->isVisible())
                return;
            if (button->isEnabled())
                button->press(1);
            else
                pressWhenEnabled(button, 0.5);
        });
    }

    void onDialog(QWidget *w)
    {
        if (auto *report = qobject_cast<CatchReport *>(w)) {
            // Photographed once all of it is there (the 60 cm fish's master after its pause).
            whenReadyForOk(report, [this, report] {
                if (!reportShot.isEmpty()) {
                    // A landed fish's length is worth reading; the other results are the caption.
                    cam.take(reportShot, Camera::grabOver(&f(), report), g().FishSize > 0 ? g().LastResult : QString());
                    reportShot.clear();
                }
            });
            pressWhenEnabled(report->ui.okButton, 0.5);
        } else if (auto *ranking = qobject_cast<RankingWindow *>(w)) {
            if (ranking->ui.nameEntry->isVisible()) {
                cam.take(QStringLiteral("ranking-name"), Camera::grabOver(&f(), ranking));
                h.host.after(0.5, [this, ranking] {
                    for (QChar c : rankingName)
                        ranking->ui.nameEntry->typeChar(c);
                    ranking->ui.nameEntry->typeChar(QChar(13)); // Enter registers the name
                    QCoreApplication::processEvents();
                    cam.take(QStringLiteral("ranking-registered"), Camera::grabOver(&f(), ranking));
                    pressWhenEnabled(ranking->ui.okButton, 0.5);
                });
            } else {
                cam.take(QStringLiteral("ranking-view"), Camera::grabOver(&f(), ranking));
                pressWhenEnabled(ranking->ui.okButton, 0.5);
            }
        }
    }

    // Photographs the kingfisher's pass over the scene: three of its nine frames.
    void watchKingfisherPass()
    {
        cam.when([this] { return f().ui.kingfisherPass->isVisible(); },
                 [this] {
                     const double t = h.host.now();
                     const double at[] = {0.15, 0.45, 0.75};
                     for (int i = 0; i < 3; ++i)
                         h.host.at(t + at[i], [this, i] { cam.take(QStringLiteral("kf-pass-%1").arg(i + 1), main()); });
                 });
    }

    // Photographs the kingfisher's visit: perched facing right, turned with the flight begun,
    // and the flight over the window.
    void watchKingfisherVisit()
    {
        cam.when([this] { return f().ui.kingfisherVisit->isVisible(); },
                 [this] {
                     const double t = h.host.now();
                     h.host.at(t + 0.5, [this] { cam.take(QStringLiteral("kf-perched"), main()); });
                     h.host.at(t + 1.05, [this] { cam.take(QStringLiteral("kf-turned"), main()); });
                     h.host.at(t + 1.55, [this] { cam.take(QStringLiteral("kf-flying"), main()); });
                 });
    }
};

// What a bite did to the float, from the game's own figures.
QString biteDetail(const GameState &g, const char *how)
{
    return QStringLiteral("type %1 fish: %2 %3 px").arg(g.FishType).arg(QLatin1String(how)).arg(g.BiteDepth);
}

// The practice game: the cast, every kind of bite, the fight, the landing, every report of a
// cast, both kingfishers and the grade at the end.
void practiceGame(Camera &cam, QStringList &problems)
{
    ScriptedGame game(cam, 11);
    if (!game.start(0, true)) {
        problems << game.problems;
        return;
    }
    MainWindow &f = game.f();
    GameState &g = game.g();
    SimHost &host = game.h.host;
    cam.take(QStringLiteral("rest-practice"), game.main());

    // Cast 1: the angler's frames, the float settling, a sinking bite, the fight at every
    // distance and colour, the landing and its report.
    game.setBait(1, 2);
    const double t0 = host.now() + 0.5;
    for (int k : CastFrames)
        host.at(t0 + 0.1 * k + 0.05, [&game, k] { game.cam.take(QStringLiteral("cast-%1").arg(k), game.main()); });
    host.at(t0 + 3.0 + 0.2 * 10 + 0.1, [&game] { game.cam.take(QStringLiteral("settling"), game.main()); });
    game.reportShot = QStringLiteral("report-fish");
    cam.when([&] { return g.CastStage == CastStage::Landing && game.h.app->game()->animationTicks() >= 10; },
             [&] { cam.take(QStringLiteral("landing"), game.main()); });
    game.playCast(
        [&] {
            cam.take(QStringLiteral("ready"), game.main());
            game.placeSchool(3, 4, 1, 3);
            game.onBite([&] {
                cam.take(QStringLiteral("bite-sink"), game.main(), biteDetail(g, "sinks"));
                game.strike();
                if (g.Hooked != 1) {
                    problems << QStringLiteral("the sinking bite did not hook");
                    return;
                }
                for (const FightShot &s : FightShots) {
                    g.Distance = s.distance;
                    g.Tension = s.tension;
                    f.ui.tensionGauge->setText(QString::number(s.tension));
                    game.h.app->game()->judgeFight();
                    cam.take(fightName(s), game.main(), fightNote(s, g.FishSize));
                }
                game.land();
            });
        },
        t0);

    // Cast 2: a rising bite of a big fish, which breaks the line at the first pull in the red.
    game.setBait(0, 1);
    game.playCast([&] {
        game.placeSchool(3, 4, 1, 5);
        game.onBite([&] {
            cam.take(QStringLiteral("bite-rise"), game.main(), biteDetail(g, "rises"));
            game.strike();
            game.reportShot = QStringLiteral("report-break");
            f.ui.actionButton->press(1);
        });
    });

    // Cast 3: the float drifts sideways as fish pass beside the bait, then a sideways bite; the
    // bait setting is wrong, so the strike is a false bite.
    game.setBait(0, 3);
    game.playCast([&] {
        game.placeSchool(1, 3, 3, 4);
        game.onBite([&] {
            cam.take(QStringLiteral("bite-sideways"), game.main(),
                     QStringLiteral("%1 px left in all; ").arg(96 - g.FloatX) + biteDetail(g, "sinks"));
            game.reportShot = QStringLiteral("report-false");
            game.strike();
        });
    });

    // Cast 4: the 60 cm fish pulls the float under; landed, its report shows the 60 cm picture,
    // then the master's; then the kingfisher visits.
    game.setBait(1, 2);
    game.watchKingfisherVisit();
    CatchReport *report = game.h.app->report();
    cam.when([&g, report] { return g.FishSize == 60 && report->isVisible() && !report->ui.okButton->isEnabled(); },
             [&cam, &f, report] { cam.take(QStringLiteral("report-60cm"), Camera::grabOver(&f, report)); });
    game.playCast([&] {
        game.placeSchool(3, 4, 1, 6);
        cam.when([&] { return g.FishType == 6 && g.FloatY != 120 && g.FloatH < 156 - g.BaitTime; },
                 [&] {
                     cam.take(QStringLiteral("bite-pulled"), game.main(),
                              QStringLiteral("half the float (%1 px) shows for 0.1 s").arg(g.FloatH));
                 });
        cam.when(
            [&] { return g.FishType == 6 && cam.has(QStringLiteral("bite-pulled")) && g.FloatH >= 156 - g.BaitTime; },
            [&] {
                cam.take(QStringLiteral("bite-gone"), game.main(), QStringLiteral("no float until the next fish step"));
                game.reportShot = QStringLiteral("report-master");
                game.strike();
                if (g.Hooked == 1)
                    game.land();
            });
    });

    // Cast 5: a small fish, landed; the kingfisher passes over the scene.
    game.reportShot = QStringLiteral("report-small");
    game.watchKingfisherPass();
    game.castAndLand(1);

    // Cast 6: an empty strike.
    game.reportShot = QStringLiteral("report-empty");
    game.castEmpty();

    // Casts 7 to 10: empty strikes to the end of the game.
    while (g.Baits > 0 && game.problems.isEmpty())
        game.castEmpty();
    if (g.ActionState == Action::End)
        cam.take(QStringLiteral("end-practice"), game.main(), f.ui.commentLine->text());
    else
        problems << QStringLiteral("the practice game did not end");
    problems << game.problems;
}

// The real game: its dress, the ranking window on request, two fish, and the ranking at the end
// with a name entered.
void realGame(Camera &cam, QStringList &problems)
{
    ScriptedGame game(cam, 23);
    if (!game.start(1, false)) {
        problems << game.problems;
        return;
    }
    MainWindow &f = game.f();
    GameState &g = game.g();
    SimHost &host = game.h.host;
    cam.take(QStringLiteral("rest-real"), game.main());

    // Earlier games in the ranking, so that this one's result enters in the middle.
    const int points[] = {860, 140, 12};
    const QString records[] = {QStringLiteral("：  1：   2：  9：4.78： KEN"),
                               QStringLiteral("：  0：   1：  5：2.80： AYA"),
                               QStringLiteral("：  0：   0：  2：0.61： MIO")};
    for (int i = 0; i < 3; ++i) {
        g.RankPoints[i] = points[i];
        g.RankRecords[i] = records[i];
    }
    SaveRanking(rankingFilePath(game.h.app->exeDir, game.h.app->userDataDir), g);

    host.after(0.5, [&f] { f.ui.rankingButton->press(1); });
    host.runUntil(host.now() + 10, [&] {
        return cam.has(QStringLiteral("ranking-view")) && QApplication::activeModalWidget() == nullptr;
    });

    game.castAndLand(4);
    game.castAndLand(5);
    while (g.Baits > 0 && game.problems.isEmpty())
        game.castEmpty();
    // The last cast's close opens the ranking window; the game ends once it is closed.
    host.runUntil(host.now() + 30, [&] { return g.ActionState == Action::End; });
    if (g.ActionState == Action::End)
        cam.take(QStringLiteral("end-real"), game.main(),
                 cam.has(QStringLiteral("ranking-registered"))
                     ? QStringLiteral("%1 points, ranked as %2").arg(g.Points).arg(game.rankingName.toUpper())
                     : QStringLiteral("%1 points, not ranked").arg(g.Points));
    else
        problems << QStringLiteral("the real game did not end");
    problems << game.problems;
}

// A fish of 59 cm: no strike gives that length, so the report is shown for it directly.
void report59(Camera &cam, QStringList &problems)
{
    ScriptedGame game(cam, 5);
    if (!game.start(0, false)) {
        problems << game.problems;
        return;
    }
    GameState &g = game.g();
    g.FishSize = 59;
    g.setResult(ResultKind::Hooked, 59);
    game.reportShot = QStringLiteral("report-59");
    App &app = *game.h.app;
    game.h.host.after(0.5, [&app] { app.game()->showReport(); });
    game.h.host.runUntil(game.h.host.now() + 10,
                         [&] { return cam.has(QStringLiteral("report-59")) && !app.report()->isVisible(); });
    problems << game.problems;
}

} // namespace

const std::vector<Moment> &moments()
{
    static const std::vector<Moment> list = [] {
        std::vector<Moment> m = {
            {QStringLiteral("title"), QStringLiteral("Title window: 練 習 or 本 番")},
            {QStringLiteral("rest-practice"), QStringLiteral("Main window at rest, practice")},
            {QStringLiteral("rest-real"), QStringLiteral("Main window at rest, real game")},
        };
        for (int k : CastFrames)
            m.push_back({QStringLiteral("cast-%1").arg(k), QStringLiteral("Cast: angler frame %1 of 7").arg(k)});
        m.push_back({QStringLiteral("settling"), QStringLiteral("The float settling (2 s of 4.2)")});
        m.push_back({QStringLiteral("ready"), QStringLiteral("Float at rest, the button reads 合わせ")});
        m.push_back({QStringLiteral("bite-sink"), QStringLiteral("Bite: the float sinks")});
        m.push_back({QStringLiteral("bite-rise"), QStringLiteral("Bite: the float rises")});
        m.push_back({QStringLiteral("bite-sideways"), QStringLiteral("Bite: sideways drift, then it sinks")});
        m.push_back({QStringLiteral("bite-pulled"), QStringLiteral("Bite: 60 cm fish pulls the float under")});
        m.push_back({QStringLiteral("bite-gone"), QStringLiteral("Bite: the float has gone under")});
        for (const FightShot &s : FightShots)
            m.push_back({fightName(s), fightCaption(s)});
        m.push_back({QStringLiteral("landing"), QStringLiteral("Landing: the fish comes up the line")});
        m.push_back({QStringLiteral("report-fish"), QStringLiteral("Report: a landed fish")});
        m.push_back({QStringLiteral("report-small"), QStringLiteral("Report: a small fish")});
        m.push_back({QStringLiteral("report-59"), QStringLiteral("Report: a 59 cm fish (largest drawn)")});
        m.push_back({QStringLiteral("report-60cm"), QStringLiteral("Report: the 60 cm picture")});
        m.push_back({QStringLiteral("report-master"), QStringLiteral("Report: the master's picture, 2 s later")});
        m.push_back({QStringLiteral("report-empty"), QStringLiteral("Report: 空アワセ (empty strike)")});
        m.push_back({QStringLiteral("report-false"), QStringLiteral("Report: スレアタリ (false bite)")});
        m.push_back({QStringLiteral("report-break"), QStringLiteral("Report: ハリス切れ (line broken)")});
        for (int i = 1; i <= 3; ++i)
            m.push_back({QStringLiteral("kf-pass-%1").arg(i),
                         QStringLiteral("Kingfisher pass after a small fish, %1/3").arg(i)});
        m.push_back({QStringLiteral("kf-perched"), QStringLiteral("Kingfisher visit: perched, facing right")});
        m.push_back({QStringLiteral("kf-turned"), QStringLiteral("Kingfisher visit: turned left, flight begins")});
        m.push_back({QStringLiteral("kf-flying"), QStringLiteral("Kingfisher visit: flying off")});
        m.push_back({QStringLiteral("ranking-view"), QStringLiteral("Ranking window: viewing")});
        m.push_back({QStringLiteral("ranking-name"), QStringLiteral("Ranking window: awaiting a name")});
        m.push_back({QStringLiteral("ranking-registered"), QStringLiteral("Ranking window: name registered")});
        m.push_back({QStringLiteral("end-practice"), QStringLiteral("End of a practice game: the grade")});
        m.push_back({QStringLiteral("end-real"), QStringLiteral("End of a real game: －   納　竿   －")});
        return m;
    }();
    return list;
}

QStringList photographGame(Camera &camera)
{
    QStringList problems;
    practiceGame(camera, problems);
    realGame(camera, problems);
    report59(camera, problems);
    for (const Moment &m : moments())
        if (!camera.has(m.name))
            problems << QStringLiteral("no picture of the moment \"%1\" (%2)").arg(m.name, m.caption);
    problems << camera.errors;
    return problems;
}

} // namespace nuyo
