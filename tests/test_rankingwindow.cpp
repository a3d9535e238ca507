// The ranking window under the simulated host: its states, the name entry and the toggle.
#include "app/app.h"
#include "ranking/rankingfile.h"
#include "ranking/rankingtable.h"
#include "support/harness.h"
#include "windows/mainwindow.h"
#include "windows/rankingwindow.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

using namespace nuyo;

namespace {

enum class State { Viewing, ResultShown, AwaitingName, Registered };

const QColor Yellow(255, 255, 0);
const QColor RowBack(255, 192, 255);
const QColor OkBack(192, 192, 0);
const QColor Orange(255, 128, 0);

void setTable(GameState &g, const std::array<int, 5> &points)
{
    for (int i = 0; i < 5; ++i) {
        g.RankPoints[i] = points[i];
        g.RankRecords[i] = EmptyRecord;
    }
}

void setResult(GameState &g, int points)
{
    g.RankOn = RankOn::ResultPending;
    g.Points = points;
    g.Count60 = 1;
    g.Count50 = 2;
    g.Catches = 7;
    g.WeightKg = QStringLiteral("3.21");
}

const QString Result = QStringLiteral("：  1：   2：  7：3.21： ");

} // namespace

class RankingWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // After activation the controls show exactly one of the four states.
    void activationShowsTheState_data();
    void activationShowsTheState();

    // Typed and pasted names are upper-cased, filtered and cut to eight characters.
    void nameEntryFiltersCharacters_data();
    void nameEntryFiltersCharacters();

    // The key filter's answer for each kind of code.
    void keyPressFilter_data();
    void keyPressFilter();

    // Registering appends the name to the row, saves the file and turns the button to "ＯＫ".
    void registrationSavesTheName_data();
    void registrationSavesTheName();

    // Another program holds the file: the registration waits, saves once it is free, or is given up.
    void registrationWaitsForTheFile_data();
    void registrationWaitsForTheFile();

    // A close request never inserts a result twice and acts as "ＯＫ" once it reads so.
    void closeRequestActsOnlyAsOk();

    // The toggle says what it does and switches three colours together.
    void toggleSwitchesRankingAndColours_data();
    void toggleSwitchesRankingAndColours();

    // The window opens 480 and 560 twips from the main window's corner.
    void windowSitsOverTheMainWindow();
};

// Shows the window modally; `during` runs while it is up, then "ＯＫ" (or a close) ends it.
static void runWindow(Harness &h, const std::function<void(RankingWindow &)> &during)
{
    h.host.onDialog = [&](QWidget *w) {
        auto *form = qobject_cast<RankingWindow *>(w);
        QVERIFY(form);
        h.host.after(0.1, [form, during] {
            during(*form);
            if (form->isVisible() && form->ui.okButton->text() == QStringLiteral("ＯＫ"))
                form->ui.okButton->press();
            if (form->isVisible()) {
                QTest::qFail("the window could not be closed with its button", __FILE__, __LINE__);
                form->hide();
            }
        });
    };
    h.app->makeGame(); // the ranking sits over the main window
    h.app->game()->showRanking();
    h.host.runUntil(h.host.now() + 600, [&h] { return !h.app->ranking() || !h.app->ranking()->isVisible(); });
    h.host.onDialog = nullptr;
}

void RankingWindowTest::activationShowsTheState_data()
{
    QTest::addColumn<int>("rankOn");
    QTest::addColumn<int>("rankingOff");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("row"); // highlighted line: 0..4, 5 the sixth line, -1 none

    QTest::newRow("nothing pending: viewing") << 1 << 0 << 999 << int(State::Viewing) << -1;
    QTest::newRow("ranking off: result shown, not inserted") << 2 << 1 << 999 << int(State::ResultShown) << 5;
    QTest::newRow("not good enough: result shown") << 2 << 0 << 10 << int(State::ResultShown) << 5;
    QTest::newRow("beats row 2: awaiting name") << 2 << 0 << 35 << int(State::AwaitingName) << 2;
    QTest::newRow("ties row 1: goes below it") << 2 << 0 << 40 << int(State::AwaitingName) << 2;
    QTest::newRow("new best") << 2 << 0 << 51 << int(State::AwaitingName) << 0;
}

void RankingWindowTest::activationShowsTheState()
{
    QFETCH(int, rankOn);
    QFETCH(int, rankingOff);
    QFETCH(int, points);
    QFETCH(int, state);
    QFETCH(int, row);

    Harness h;
    GameState &g = h.stage();
    setTable(g, {50, 40, 30, 20, 10});
    setResult(g, points);
    g.RankOn = RankOn::Value(rankOn);
    g.RankResults = !rankingOff;
    const GameState before = g;

    bool checked = false;
    runWindow(h, [&](RankingWindow &f) {
        checked = true;
        const State s = State(state);
        const bool awaiting = s == State::AwaitingName;
        QCOMPARE(f.ui.okButton->text(), awaiting ? QStringLiteral("登録") : QStringLiteral("ＯＫ"));
        QCOMPARE(f.ui.okButton->backColor(), awaiting ? Orange : OkBack);
        QCOMPARE(f.ui.nameEntry->isVisible(), awaiting);
        QCOMPARE(f.ui.namePrompt->isVisible(), awaiting);
        QCOMPARE(f.ui.rows[5]->isVisible(), !awaiting);
        QCOMPARE(f.ui.resultRank->isVisible(), !awaiting);
        QCOMPARE(f.ui.rankingToggle->isVisible(), s == State::Viewing);
        QCOMPARE(f.focusWidget(), awaiting ? static_cast<QWidget *>(f.ui.nameEntry) : f.ui.okButton);
        QCOMPARE(f.ui.rankingToggle->focusPolicy(), Qt::NoFocus);
        QCOMPARE(f.ui.namePrompt->text(), QStringLiteral("名前入力は半角 ８文字まで"));

        // The sixth line shows a result that is not entered, on yellow.
        if (s == State::ResultShown)
            QCOMPARE(f.ui.rows[5]->text(), PointsText(points) + Result);
        else
            QCOMPARE(f.ui.rows[5]->text(), QString());
        for (int i = 0; i <= 5; ++i)
            QCOMPARE(f.ui.rows[i]->backColor(), i == row ? Yellow : RowBack);

        // The five rows: the table as it is now, a new row with its result and no name yet.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.ui.rows[i]->text(), PointsText(g.RankPoints[i]) + g.RankRecords[i]);
        if (awaiting) {
            QCOMPARE(g.RankPoints[row], points);
            QCOMPARE(g.RankRecords[row], Result);
            QCOMPARE(h.g().RankNo, row);
        } else {
            QVERIFY(g.RankPoints == before.RankPoints);
            QVERIFY(g.RankRecords == before.RankRecords);
        }
        // Ranking on: green indicator and toggle; off: red indicator, cyan toggle.
        QCOMPARE(f.ui.toggleIndicator->foreColor(), rankingOff ? QColor(192, 0, 0) : QColor(0, 128, 0));
        QCOMPARE(f.ui.rankingToggle->backColor(), rankingOff ? QColor(0, 192, 192) : QColor(0, 192, 0));
        if (awaiting)
            f.ui.nameEntry->typeChar(QLatin1Char('\r')); // registers, so "ＯＫ" can close
    });
    QVERIFY(checked);
    QCOMPARE(g.RankOn, int(RankOn::NothingPending));
    QVERIFY(h.host.messages.empty());
}

void RankingWindowTest::nameEntryFiltersCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("lower case is raised") << "abc"
                                          << ""
                                          << "ABC";
    QTest::newRow("brackets, underscore, tilde dropped") << "[_~`{|}"
                                                         << ""
                                                         << "";
    QTest::newRow("digits and punctuation kept") << "1-?"
                                                 << ""
                                                 << "1-?";
    QTest::newRow("eight at most") << "abcdefghij"
                                   << ""
                                   << "ABCDEFGH";
    QTest::newRow("backspace edits") << "ab\bc"
                                     << ""
                                     << "AC";
    QTest::newRow("paste goes through the filter") << ""
                                                   << "ab\"cd漢字xyz"
                                                   << "AB\"CDXYZ";
    QTest::newRow("paste after typing stops at eight") << "12345"
                                                       << "abcdef"
                                                       << "12345ABC";
    QTest::newRow("paste line break does not register") << ""
                                                        << "a\r\nb"
                                                        << "AB";
}

void RankingWindowTest::nameEntryFiltersCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);

    Harness h;
    setTable(h.stage(), {0, 0, 0, 0, 0});
    setResult(h.stage(), 5);
    QString seen;
    QString caption;
    runWindow(h, [&](RankingWindow &f) {
        for (QChar c : typed)
            f.ui.nameEntry->typeChar(c);
        f.ui.nameEntry->pasteText(pasted);
        seen = f.ui.nameEntry->text();
        caption = f.ui.okButton->text();
        f.ui.nameEntry->typeChar(QLatin1Char('\r'));
    });
    QCOMPARE(seen, shown);
    QCOMPARE(caption, QStringLiteral("登録")); // nothing typed registered early
}

void RankingWindowTest::keyPressFilter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("a") << 97 << 65;
    QTest::newRow("z") << 122 << 90;
    QTest::newRow("Z") << 90 << 90;
    QTest::newRow("space") << 32 << 32;
    QTest::newRow("double quote") << 34 << 34;
    QTest::newRow("comma") << 44 << 44;
    QTest::newRow("@") << 64 << 64;
    QTest::newRow("[") << 91 << 0;
    QTest::newRow("backquote") << 96 << 0;
    QTest::newRow("{") << 123 << 0;
    QTest::newRow("DEL") << 127 << 0;
    QTest::newRow("kanji") << 0x6F22 << 0;
    QTest::newRow("backspace") << 8 << 8;
    QTest::newRow("escape") << 27 << 27;
    QTest::newRow("negative") << -3 << -3;
}

void RankingWindowTest::keyPressFilter()
{
    QFETCH(int, key);
    QFETCH(int, result);
    const GameState g;
    RankingWindow form(g, DisplayFonts(), nullptr);
    QCOMPARE(form.filterNameKey(key), result);
}

void RankingWindowTest::registrationSavesTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fault"); // what happens to the file or the game before the press
    QTest::newRow("typed name") << "abc"
                                << "ABC"
                                << "";
    QTest::newRow("empty name") << ""
                                << "- - -"
                                << "";
    QTest::newRow("spaces stay") << "  "
                                 << "  "
                                 << "";
    QTest::newRow("double quote shown full-width") << "a\"b"
                                                   << "A＂B"
                                                   << "";
    QTest::newRow("a folder takes the file's place") << "abc"
                                                     << "ABC"
                                                     << "folder";
    QTest::newRow("the disk is full (a real small file system)") << "abc"
                                                                 << "ABC"
                                                                 << "full";
    // Ended by the desktop (a signal) before the press: the name as typed is registered, quietly.
    QTest::newRow("the game ends while the name is typed") << "ab"
                                                           << "AB"
                                                           << "ended";
}

namespace {

// A 64 KiB file system mounted for one test and filled up; only root can mount one.
class FullFileSystem
{
public:
    explicit FullFileSystem(const QString &where) : m_where(where)
    {
        QDir().mkpath(where);
        if (::geteuid() != 0 || QProcess::execute(QStringLiteral("mount"),
                                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                   QStringLiteral("size=64k"), QStringLiteral("tmpfs"), where}) != 0)
            return;
        m_mounted = true;
    }
    ~FullFileSystem()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_where});
    }
    bool mounted() const { return m_mounted; }

    // Takes every free block; returns false when the disk never said it was full.
    bool fill() const
    {
        QFile filler(QDir(m_where).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        for (int i = 0; i < 1024; ++i)
            if (filler.write(block) != block.size())
                return true;
        return false;
    }

private:
    QString m_where;
    bool m_mounted = false;
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void RankingWindowTest::registrationSavesTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, fault);

    Harness h;
    std::unique_ptr<FullFileSystem> disk;
    if (fault == QStringLiteral("full")) {
        disk = std::make_unique<FullFileSystem>(h.dir.filePath(QStringLiteral("small")));
        if (!disk->mounted())
            QSKIP("mounting a small file system needs root (CI runs this as root)");
        h.app->exeDir = h.app->userDataDir = h.dir.filePath(QStringLiteral("small"));
    }
    GameState &g = h.stage();
    setTable(g, {50, 40, 30, 20, 10});
    const QString path = rankingFilePath(h.app->exeDir, h.app->userDataDir);
    QVERIFY(SaveRanking(path, g));
    const QByteArray old = fileBytes(path);
    if (disk)
        QVERIFY2(disk->fill(), "the small file system never filled up");
    setResult(g, 35);
    QString rowShown, prompt, caption;
    QColor back;
    bool entryHidden = false;
    bool ended = false;
    try {
        runWindow(h, [&](RankingWindow &f) {
            for (QChar c : typed)
                f.ui.nameEntry->typeChar(c);
            if (fault == QStringLiteral("folder"))
                QVERIFY(QFile::remove(path) && QDir().mkdir(path));
            if (fault == QStringLiteral("ended"))
                h.app->endQuietly();
            f.ui.okButton->press();
            rowShown = f.ui.rows[2]->text();
            prompt = f.ui.namePrompt->text();
            caption = f.ui.okButton->text();
            back = f.ui.okButton->backColor();
            entryHidden = !f.ui.nameEntry->isVisible() && f.ui.namePrompt->isVisible();
        });
    } catch (const ApplicationEnded &) {
        ended = true;
    }
    QCOMPARE(ended, fault == QStringLiteral("ended"));
    QCOMPARE(g.RankRecords[2], Result + name);
    const bool saved = fault.isEmpty() || ended;
    if (!ended) {
        QCOMPARE(rowShown, QStringLiteral("   35") + Result + name);
        QCOMPARE(prompt, saved ? QStringLiteral("＜　登録完了！ ＞") : QStringLiteral("＜　保存できません！ ＞"));
        QCOMPARE(caption, QStringLiteral("ＯＫ"));
        QCOMPARE(back, OkBack);
        QVERIFY(entryHidden);
    }
    // A failed save is told once, with the file's place and the reason.
    QCOMPARE(int(h.host.messages.size()), saved ? 0 : 1);
    if (!saved) {
        QVERIFY2(h.host.messages[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(h.host.messages[0].text));
        QVERIFY(h.host.messages[0].text.contains(fault == QStringLiteral("full") ? QStringLiteral("空き")
                                                                                 : QStringLiteral("フォルダー")));
    }
    if (disk)
        QCOMPARE(fileBytes(path), old);
    if (!saved)
        return;

    // The file holds the new table, and reads back as shown.
    GameState fromFile;
    LoadRanking(path, fromFile);
    const QList<int> expected{50, 40, 35, 30, 20};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(fromFile.RankPoints[i], expected[i]);
        QCOMPARE(fromFile.RankRecords[i], g.RankRecords[i]);
    }
}

void RankingWindowTest::registrationWaitsForTheFile_data()
{
    QTest::addColumn<double>("releasedAt"); // seconds after the press; never when negative
    QTest::newRow("released after 5 s: saved") << 5.0;
    QTest::newRow("never released: given up") << -1.0;
}

void RankingWindowTest::registrationWaitsForTheFile()
{
    QFETCH(double, releasedAt);
    Harness h;
    GameState &g = h.stage();
    setTable(g, {50, 40, 30, 20, 10});
    const QString path = rankingFilePath(h.app->exeDir, h.app->userDataDir);
    QVERIFY(SaveRanking(path, g));
    const QByteArray old = fileBytes(path);
    setResult(g, 35);
    const int other = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC); // another program's hold
    QVERIFY(::flock(other, LOCK_EX | LOCK_NB) == 0);
    QStringList seen; // 4.9, 9.9 and 10.5 s after the press: the prompt; the button, and whether it takes presses
    runWindow(h, [&](RankingWindow &f) {
        f.ui.nameEntry->typeChar(QLatin1Char('a'));
        f.ui.okButton->press();
        const double pressed = h.host.now();
        if (releasedAt >= 0)
            h.host.after(releasedAt, [other] { ::close(other); });
        for (double t : {4.9, 9.9, 10.5}) {
            h.host.runUntil(pressed + t, [&] { return g.RankFiling != Filing::Waiting; });
            if (g.RankFiling != Filing::Waiting)
                break;
            QVERIFY(h.host.clockPaused() && fileBytes(path) == old && g.RankRecords[2] == Result + QStringLiteral("A"));
            seen << f.ui.namePrompt->text() << f.ui.okButton->text() + QString::number(f.ui.okButton->isEnabled());
        }
        QCOMPARE(h.host.now() - pressed, releasedAt < 0 ? 10.5 : 5.0); // saved as soon as the file is free
        f.ui.okButton->press();                                        // "あきらめる" gives up
    });
    const QStringList expected{"＜ ファイル使用中： 待機 4 秒 ＞",  "登録0",
                               "＜ ファイル使用中： 待機 9 秒 ＞",  "登録0",
                               "＜ ファイル使用中： 待機 10 秒 ＞", "あきらめる1"};
    QCOMPARE(seen, releasedAt < 0 ? expected : expected.mid(0, 2));
    QVERIFY(!h.host.clockPaused() && h.host.messages.empty()); // giving up is the player's own choice: no box
    QCOMPARE(g.RankFiling, releasedAt < 0 ? Filing::GivenUp : Filing::Saved);
    QVERIFY(releasedAt < 0 ? fileBytes(path) == old : fileBytes(path).contains("\r\n35,"));
    ::close(other);
}

void RankingWindowTest::closeRequestActsOnlyAsOk()
{
    Harness h;
    GameState &g = h.stage();
    setTable(g, {0, 0, 0, 0, 0});
    setResult(g, 7);
    bool stillOpen = false;
    runWindow(h, [&](RankingWindow &f) {
        f.close(); // refused while the name is awaited
        stillOpen = f.isVisible() && g.RankOn == RankOn::ResultPending;
        f.ui.nameEntry->typeChar(QLatin1Char('x'));
        QTest::keyClick(f.ui.nameEntry, Qt::Key_Escape); // leaves the entry as "登録" does, keeping the name typed
        f.close();                                       // now it is "ＯＫ"
    });
    QVERIFY(stillOpen);
    QCOMPARE(g.RankOn, int(RankOn::NothingPending));
    QCOMPARE(g.RankPoints[0], 7);
    QCOMPARE(g.RankPoints[1], 0); // inserted once
    QCOMPARE(g.RankRecords[0], Result + QStringLiteral("X"));

    // Shown again from the ranking button, nothing is pending and nothing moves; Escape is "ＯＫ".
    bool closedByEscape = false;
    runWindow(h, [&](RankingWindow &f) {
        QCOMPARE(f.ui.okButton->text(), QStringLiteral("ＯＫ"));
        QVERIFY(f.ui.rankingToggle->isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        closedByEscape = !f.isVisible();
    });
    QVERIFY(closedByEscape);
    QCOMPARE(g.RankPoints[0], 7);
    QCOMPARE(g.RankPoints[1], 0);
}

void RankingWindowTest::toggleSwitchesRankingAndColours_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("indicator");
    QTest::addColumn<QColor>("toggle");

    QTest::newRow("switch off")
        << 0 << QStringLiteral("ゲーム結果を ランキングに 反映しません！\r\n\r\n（ 最後に ランキングを 表示しません ）")
        << QColor(192, 0, 0) << QColor(0, 192, 192);
    QTest::newRow("switch on") << 1 << QStringLiteral("ゲーム結果を ランキングに 登録します。") << QColor(0, 128, 0)
                               << QColor(0, 192, 0);
}

void RankingWindowTest::toggleSwitchesRankingAndColours()
{
    QFETCH(int, before);
    QFETCH(QString, text);
    QFETCH(QColor, indicator);
    QFETCH(QColor, toggle);

    Harness h;
    GameState &g = h.stage();
    g.RankOn = RankOn::NothingPending;
    g.RankResults = !before;
    QColor label, button;
    runWindow(h, [&](RankingWindow &f) {
        f.ui.rankingToggle->press();
        label = f.ui.toggleIndicator->foreColor();
        button = f.ui.rankingToggle->backColor();
    });
    QCOMPARE(g.RankResults, bool(before));
    QCOMPARE(int(h.host.messages.size()), 1);
    QCOMPARE(h.host.messages[0].text, text);
    QCOMPARE(h.host.messages[0].style, int(MsgBox::OkOnly));
    QCOMPARE(h.host.messages[0].caption, QStringLiteral(" * ぬ よ *"));
    QCOMPARE(label, indicator);
    QCOMPARE(button, toggle);
    QCOMPARE(h.app->mainWindow()->ui.rankingButton->backColor(), toggle);
}

void RankingWindowTest::windowSitsOverTheMainWindow()
{
    Harness h;
    h.app->fonts.FontSize12 = 16;
    h.app->fonts.FontSize9 = 12;
    h.stage().RankOn = RankOn::NothingPending;
    h.app->mainWindow()->move(100, 80);
    QPoint first, again;
    QSize size;
    int rowPoints = 0, headerPoints = 0;
    runWindow(h, [&](RankingWindow &f) {
        first = f.pos();
        size = f.size();
        rowPoints = f.ui.rows[3]->font().pointSize();
        headerPoints = f.ui.header->font().pointSize();
        // Every activation places it again.
        h.app->mainWindow()->move(200, 150);
        f.showTable();
        again = f.pos();
    });
    // The offscreen platform may shift a window by its frame margin as it first shows it.
    QVERIFY2((first - QPoint(132, 117)).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(first.x()).arg(first.y())));
    QCOMPARE(again, QPoint(232, 187));
    QCOMPARE(size, QSize(428, 356));
    QCOMPARE(rowPoints, 16);
    QCOMPARE(headerPoints, 12);
}

QTEST_MAIN(RankingWindowTest)
#include "test_rankingwindow.moc"
