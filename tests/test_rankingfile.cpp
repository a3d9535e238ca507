// The ranking table and its file: row texts, insertion, the Shift-JIS file and its safety.
#include "ranking/rankingfile.h"
#include "ranking/rankingreasons.h"
#include "ranking/rankingtable.h"
#include "support/headlessgame.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <thread>

#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace nuyo;

namespace {

// Environment variable that turns this test binary into the saver child of the kill test.
const char *const SaverVariable = "NUYO_RANKING_SAVER";

GameState table(const std::array<int, 5> &points, const QStringList &texts = {})
{
    GameState g;
    for (int i = 0; i < 5; ++i) {
        g.RankPoints[i] = points[i];
        g.RankRecords[i] = i < texts.size() ? texts[i] : QStringLiteral("row%1").arg(i);
    }
    return g;
}

// The two tables the saver child writes in turn.
GameState saverTable(int which)
{
    if (which == 0)
        return table({900, 800, 700, 600, 500},
                     {QStringLiteral("：  1：   2：  3：4.56： ＡＢＣ"), QStringLiteral("：  0：   0：  5：1.00： DEF"),
                      EmptyRecord, EmptyRecord, EmptyRecord});
    return table({-3, 12345, 7, 0, 32767},
                 {QStringLiteral("～＂漢字ｶﾅ"), QStringLiteral("XYZ"),
                  QStringLiteral("：  9：   9：  9：9.99： 12345678"), QString(), QStringLiteral("- - -")});
}

bool sameTable(const GameState &a, const GameState &b)
{
    for (int i = 0; i < 5; ++i)
        if (a.RankPoints[i] != b.RankPoints[i] || a.RankRecords[i] != b.RankRecords[i])
            return false;
    return true;
}

QByteArray emptyLine()
{
    // 0,"：  0：   0：  0：0.00： - - -" with the colon as 0x81 0x46.
    return QByteArray("0,\"\x81\x46  0\x81\x46   0\x81\x46  0\x81\x46"
                      "0.00\x81\x46 - - -\"\r\n");
}

int readBytes(const QByteArray &bytes, GameState &g)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readRanking(buffer, g);
}

// An endless sequential file that counts what is read from it.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(QByteArray pattern) : m_pattern(std::move(pattern)) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        for (qint64 i = 0; i < max; ++i)
            data[i] = m_pattern[int((served + i) % m_pattern.size())];
        served += max;
        return max;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pattern;
};

// The saver child: writes the two tables in turn and reports each finished save.
int runSaver(const QString &path)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the test
    for (int i = 0; i < 200000; ++i) {
        if (!SaveRanking(path, saverTable(i % 2)))
            return 2;
        std::fputs("saved\n", stdout);
        std::fflush(stdout);
    }
    return 0;
}

// A table whose file is larger than the saver's first one.
GameState largerTable()
{
    return table({9000, 8000, 7000, 6000, 5000},
                 QStringList(5, QStringLiteral("：  9：   9：  9：9.99： ＬＯＮＧＥＲ　ＮＡＭＥ")));
}

// Limits the size of every file this process writes, as a full disk would, for one scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Root may write and read anything: a row about permissions runs again in a child process as
// an ordinary user. Returns false when the row should run here.
bool runAsOrdinaryUser()
{
    if (::geteuid() != 0)
        return false;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QTest::qSkip("setpriv is needed to run this row as an ordinary user", __FILE__, __LINE__);
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                          QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                          QStringLiteral("%1:%2").arg(QString::fromLatin1(QTest::currentTestFunction()),
                                                      QString::fromLatin1(QTest::currentDataTag()))});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(qPrintable(QStringLiteral("as user nobody:\n") + QString::fromLocal8Bit(child.readAll())),
                     __FILE__, __LINE__);
    return true;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

class RankingFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A row text is nine pieces of fixed width; numbers keep their last digits.
    void resultRowHasFixedWidths_data();
    void resultRowHasFixedWidths();

    // The points column is five characters wide.
    void pointsTextIsFiveWide_data();
    void pointsTextIsFiveWide();

    // A result enters below every row it does not beat; the last row drops out.
    void rankInsertPlacesByStrictComparison_data();
    void rankInsertPlacesByStrictComparison();

    // A missing file is created with five empty rows, byte for byte.
    void missingFileIsCreatedExactly();

    // What is saved reads back as the same table.
    void savedTableReadsBackEqual();
    // A Point.dat that is a link is saved through to the file it names, and stays a link.
    void savingThroughALinkKeepsTheLink();

    // Each line is read as the classic list input reads it; a bad row keeps its values.
    void linesAreReadLikeListInput_data();
    void linesAreReadLikeListInput();

    // A file that never ends is read only as far as five bounded lines.
    void endlessFileIsReadBounded_data();
    void endlessFileIsReadBounded();

    // Any damage to a file gives a table that saves as five lines and reads back whole.
    void mutatedFilesNeverBreakTheTable();

    // A save that cannot be written leaves the table and the old file alone.
    void unwritableSaveIsSilent();

    // A kill at any moment of a save leaves the old table or the new one.
    void killedSaveLeavesOldOrNew();

    // A write that fails (a full disk, a folder in the way) returns false and leaves the old file
    // byte for byte, with no temporary file left; a folder without room for a temporary file is
    // written in place.
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();

    // A file that is there but cannot be read is reported, and what killed saves left is removed.
    void loadTellsWhatItFound_data();
    void loadTellsWhatItFound();

    // The game tells the player once that its ranking file cannot be read, and never
    // overwrites that file in the run; a file it cannot create is told the same way.
    void theGameTellsOnceAndKeepsAnUnreadableFile_data();
    void theGameTellsOnceAndKeepsAnUnreadableFile();

    // A registration reads the file as it is now, under its lock: another game's results stay.
    void registrationKeepsOtherGamesResults();

    // Every reason a failure can give is the game's own sentence, never the system's English.
    void everyReasonIsTheGamesOwn();

    // Beside the executable in a build folder or portable copy, in the user's folder when installed.
    void pathFollowsTheLayout_data();
    void pathFollowsTheLayout();

private:
    QTemporaryDir m_dir;
};

void RankingFileTest::resultRowHasFixedWidths_data()
{
    QTest::addColumn<int>("count60");
    QTest::addColumn<int>("count50");
    QTest::addColumn<int>("catches");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("row");

    QTest::newRow("empty game") << 0 << 0 << 0 << "0.00" << QStringLiteral("：  0：   0：  0：0.00： ");
    QTest::newRow("ordinary") << 1 << 3 << 12 << "4.56" << QStringLiteral("：  1：   3： 12：4.56： ");
    QTest::newRow("widths full") << 99 << 999 << 99 << "12.34" << QStringLiteral("： 99： 999： 99：2.34： ");
    QTest::newRow("too long loses leading digits")
        << 1234 << 12345 << 100 << "123.45" << QStringLiteral("：234：2345：100：3.45： ");
    QTest::newRow("negative keeps its sign") << -1 << -12 << 0 << "" << QStringLiteral("： -1： -12：  0：    ： ");
}

void RankingFileTest::resultRowHasFixedWidths()
{
    QFETCH(int, count60);
    QFETCH(int, count50);
    QFETCH(int, catches);
    QFETCH(QString, weight);
    QFETCH(QString, row);
    GameState g;
    g.Count60 = count60;
    g.Count50 = count50;
    g.Catches = catches;
    g.WeightKg = weight;
    QCOMPARE(ResultRow(g), row);
    QCOMPARE(ResultRow(g).size(), 20);
}

void RankingFileTest::pointsTextIsFiveWide_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "    0";
    QTest::newRow("four digits") << 1234 << " 1234";
    QTest::newRow("five digits") << 12345 << "12345";
    QTest::newRow("negative") << -5 << "   -5";
    QTest::newRow("most negative loses its sign") << -32768 << "32768";
}

void RankingFileTest::pointsTextIsFiveWide()
{
    QFETCH(int, points);
    QFETCH(QString, text);
    QCOMPARE(PointsText(points), text);
}

void RankingFileTest::rankInsertPlacesByStrictComparison_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("place");
    QTest::addColumn<QList<int>>("after");

    const QList<int> zeros{0, 0, 0, 0, 0};
    const QList<int> tens{50, 40, 30, 20, 10};
    QTest::newRow("0 against zeros is not ranked") << zeros << 0 << 5 << zeros;
    QTest::newRow("1 against zeros is first") << zeros << 1 << 0 << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("tie goes below") << tens << 40 << 2 << QList<int>{50, 40, 40, 30, 20};
    QTest::newRow("equal to the last is not ranked") << tens << 10 << 5 << tens;
    QTest::newRow("just above the last") << tens << 11 << 4 << QList<int>{50, 40, 30, 20, 11};
    QTest::newRow("new best") << tens << 51 << 0 << QList<int>{51, 50, 40, 30, 20};
    QTest::newRow("fourth") << tens << 25 << 3 << QList<int>{50, 40, 30, 25, 20};
    QTest::newRow("negative table, signed compare")
        << QList<int>{-1, -2, -3, -4, -5} << -3 << 3 << QList<int>{-1, -2, -3, -3, -4};
    QTest::newRow("negative result below zeros") << zeros << -1 << 5 << zeros;
}

void RankingFileTest::rankInsertPlacesByStrictComparison()
{
    QFETCH(QList<int>, before);
    QFETCH(int, points);
    QFETCH(int, place);
    QFETCH(QList<int>, after);

    GameState g = table({before[0], before[1], before[2], before[3], before[4]});
    QCOMPARE(RankInsert(g, points), place);
    QList<int> got;
    for (int i = 0; i < 5; ++i)
        got << g.RankPoints[i];
    QCOMPARE(got, after);
    // Texts move with their points; the new row keeps the text of the row that moved down
    // (or of the old last row) until the caller replaces it.
    for (int i = 0; i < 5; ++i) {
        const int from = (place == 5 || i <= place) ? i : i - 1;
        QCOMPARE(g.RankRecords[i], QStringLiteral("row%1").arg(from));
    }
}

void RankingFileTest::missingFileIsCreatedExactly()
{
    const QString path = m_dir.filePath(QStringLiteral("fresh/Point.dat"));
    QDir().mkpath(QFileInfo(path).path());
    GameState g = table({9, 8, 7, 6, 5});
    LoadRanking(path, g);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 180);
    QCOMPARE(bytes, emptyLine().repeated(5));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(g.RankPoints[i], 0);
        QCOMPARE(g.RankRecords[i], EmptyRecord);
    }
    QCOMPARE(EmptyRecord.size(), 25);
}

void RankingFileTest::savedTableReadsBackEqual()
{
    const QString path = m_dir.filePath(QStringLiteral("Point.dat"));
    for (int which = 0; which < 2; ++which) {
        const GameState saved = saverTable(which);
        QVERIFY(SaveRanking(path, saved));
        GameState loaded;
        LoadRanking(path, loaded);
        // A double quote cannot be carried inside the quoted field: it comes back full-width.
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(loaded.RankPoints[i], saved.RankPoints[i]);
            QCOMPARE(loaded.RankRecords[i], saved.RankRecords[i]);
        }
    }
    // A name typed with an ASCII double quote still reads back as five rows.
    GameState quoted = table({3, 2, 1, 0, 0}, {QStringLiteral("：  0：   0：  1：0.12： A\"B,C"), "x\ry", "z\n"});
    QVERIFY(SaveRanking(path, quoted));
    GameState loaded;
    LoadRanking(path, loaded);
    QCOMPARE(loaded.RankRecords[0], QStringLiteral("：  0：   0：  1：0.12： A＂B,C"));
    QCOMPARE(loaded.RankRecords[1], QStringLiteral("x y"));
    QCOMPARE(loaded.RankRecords[2], QStringLiteral("z "));
    QCOMPARE(loaded.RankPoints[4], 0);
    QCOMPARE(loaded.RankRecords[4], QStringLiteral("row4"));

    // The full-width colon is 0x81 0x46 and "～" is 0x81 0x60.
    QCOMPARE(toCp932(QStringLiteral("：～A")), QByteArray("\x81\x46\x81\x60"
                                                          "A"));
    // The wave dash is written as the Windows code page writes it, and reads back as "～".
    QCOMPARE(toCp932(QStringLiteral("〜")), QByteArray("\x81\x60"));
    // What the code page cannot hold is written as "?".
    QCOMPARE(toCp932(QStringLiteral("A😀é")), QByteArray("A??"));
}

void RankingFileTest::savingThroughALinkKeepsTheLink()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("kept")));
    const QString target = m_dir.filePath(QStringLiteral("kept/Point.dat"));
    const QString link = m_dir.filePath(QStringLiteral("Point.dat.link"));
    QVERIFY(QFile::link(QStringLiteral("kept/Point.dat"), link));
    const GameState saved = saverTable(1);
    QVERIFY(SaveRanking(target, saverTable(0)));
    QVERIFY(SaveRanking(link, saved));
    QVERIFY(QFileInfo(link).isSymLink());
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), encodeRanking(saved));
}

void RankingFileTest::linesAreReadLikeListInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rowsRead");
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<QStringList>("texts");

    const QStringList old{"r0", "r1", "r2", "r3", "r4"};
    const QList<int> oldPoints{-1, -1, -1, -1, -1};
    QTest::newRow("three lines: the last two rows keep their values")
        << QByteArray("30,\"a\"\r\n20,\"b\"\r\n10,\"c\"\r\n") << 3 << QList<int>{30, 20, 10, -1, -1}
        << QStringList{"a", "b", "c", "r3", "r4"};
    QTest::newRow("empty file") << QByteArray() << 0 << oldPoints << old;
    QTest::newRow("spaces around fields, bare text trimmed")
        << QByteArray("  7 ,  \"x y \"\r\n8,  bare text  ,more\r\n+9,\"\"\r\n-32768,\"min\"\r\n32767,\"max\"\r\n") << 5
        << QList<int>{7, 8, 9, -32768, 32767} << QStringList{"x y ", "bare text", "", "min", "max"};
    QTest::newRow("unclosed quote runs to the line end")
        << QByteArray("5,\"open, still\r\n") << 1 << QList<int>{5, -1, -1, -1, -1}
        << QStringList{"open, still", "r1", "r2", "r3", "r4"};
    QTest::newRow("numbers outside 16 bits and non-numbers fail their row only")
        << QByteArray("32768,\"a\"\r\n-32769,\"b\"\r\nabc,\"c\"\r\n1e3,\"d\"\r\n4,\"e\"\r\n") << 1
        << QList<int>{-1, -1, -1, -1, 4} << QStringList{"r0", "r1", "r2", "r3", "e"};
    QTest::newRow("a decimal reads as the nearest integer, ties to even")
        << QByteArray("12.6,\"a\"\r\n12.5,\"b\"\r\n13.5,\"c\"\r\n-2.51,\"d\"\r\n.5,\"e\"\r\n") << 5
        << QList<int>{13, 12, 14, -3, 0} << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("a decimal rounding beyond 16 bits or without digits fails its row")
        << QByteArray("32767.5,\"a\"\r\n-32768.4,\"b\"\r\n.,\"c\"\r\n1.2.3,\"d\"\r\n7.,\"e\"\r\n") << 2
        << QList<int>{-1, -32768, -1, -1, 7} << QStringList{"r0", "b", "r2", "r3", "e"};
    QTest::newRow("a line without a comma fails")
        << QByteArray("12\r\n,\"x\"\r\n13,\"y\"") << 1 << QList<int>{-1, -1, 13, -1, -1}
        << QStringList{"r0", "r1", "y", "r3", "r4"};
    QTest::newRow("LF and lone CR end lines too")
        << QByteArray("1,\"a\"\n2,\"b\"\r3,\"c\"\r\n\r\n5,\"e\"") << 4 << QList<int>{1, 2, 3, -1, 5}
        << QStringList{"a", "b", "c", "r3", "e"};
    QTest::newRow("invalid Shift-JIS reads as question marks")
        << QByteArray("1,\"\xff\x81\x46\x81\"\r\n2,\"\xa0\x82\xa0\xb0\"\r\n") << 2 << QList<int>{1, 2, -1, -1, -1}
        << QStringList{QStringLiteral("?：?"), QStringLiteral("?あｰ"), "r2", "r3", "r4"};
    QTest::newRow("only five lines count") << QByteArray("1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n6,f\r\n") << 5
                                           << QList<int>{1, 2, 3, 4, 5} << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("an over-long line fails, the next is read")
        << (QByteArray("1,\"") + QByteArray(5000, 'x') + "\"\r\n2,\"b\"\r\n") << 1 << QList<int>{-1, 2, -1, -1, -1}
        << QStringList{"r0", "b", "r2", "r3", "r4"};
}

void RankingFileTest::linesAreReadLikeListInput()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rowsRead);
    QFETCH(QList<int>, points);
    QFETCH(QStringList, texts);

    GameState g = table({-1, -1, -1, -1, -1}, {"r0", "r1", "r2", "r3", "r4"});
    QCOMPARE(readBytes(file, g), rowsRead);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(g.RankPoints[i], points[i]);
        QCOMPARE(g.RankRecords[i], texts[i]);
    }
}

void RankingFileTest::endlessFileIsReadBounded_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<int>("rowsRead");
    QTest::addColumn<qint64>("maxServed");

    QTest::newRow("no line end at all") << QByteArray("1234567,") << 0 << qint64(2 << 20);
    QTest::newRow("endless valid lines") << QByteArray("7,\"ok\"\r\n") << 5 << qint64(8192);
    QTest::newRow("endless quotes") << QByteArray("\"\"\"\"") << 0 << qint64(2 << 20);
}

void RankingFileTest::endlessFileIsReadBounded()
{
    QFETCH(QByteArray, pattern);
    QFETCH(int, rowsRead);
    QFETCH(qint64, maxServed);
    EndlessDevice device(pattern);
    GameState g;
    QCOMPARE(readRanking(device, g), rowsRead);
    QVERIFY2(device.served <= maxServed, qPrintable(QString::number(device.served)));
}

void RankingFileTest::mutatedFilesNeverBreakTheTable()
{
    QRandomGenerator rng(20240611);
    const QList<QByteArray> seeds{emptyLine().repeated(5), encodeRanking(saverTable(0)), encodeRanking(saverTable(1)),
                                  QByteArray("1,a\n2,b\n")};
    const QByteArray alphabet("\",\r\n -+0123456789\x81\x46\x82\xa0\xff\x80\xfc\t\"abc");
    const int rounds = 100000;
    for (int round = 0; round < rounds; ++round) {
        QByteArray file = seeds[int(rng.bounded(seeds.size()))];
        const int edits = 1 + int(rng.bounded(8));
        for (int e = 0; e < edits; ++e) {
            const int at = file.isEmpty() ? 0 : int(rng.bounded(file.size() + 1));
            switch (rng.bounded(6)) {
            case 0: // replace a byte by any byte
                if (at < file.size())
                    file[at] = char(rng.bounded(256));
                break;
            case 1: // insert a byte that matters to the format
                file.insert(at, alphabet[int(rng.bounded(alphabet.size()))]);
                break;
            case 2: // delete a run
                file.remove(at, int(rng.bounded(12)));
                break;
            case 3: // cut the file short
                file.truncate(at);
                break;
            case 4: // repeat a piece
                file.insert(at, file.mid(int(rng.bounded(file.size() + 1)), int(rng.bounded(40))));
                break;
            default: // a long run of digits or of one byte
                file.insert(at, QByteArray(int(rng.bounded(1, 6000)), rng.bounded(2) ? '9' : char(rng.bounded(256))));
                break;
            }
        }

        GameState g = table({11, 22, 33, 44, 55}, {"a", "b", "c", "d", "e"});
        const int read = readBytes(file, g);
        QVERIFY(read >= 0 && read <= 5);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(g.RankPoints[i] >= -32768 && g.RankPoints[i] <= 32767);
            QVERIFY(g.RankRecords[i].size() <= MaxRecordChars);
        }
        // Whatever was read saves as five lines that read back whole and unchanged.
        const QByteArray saved = encodeRanking(g);
        if (saved.count("\r\n") != 5 || !saved.endsWith("\r\n"))
            QFAIL(qPrintable(QStringLiteral("round %1 saved %2 lines").arg(round).arg(saved.count("\r\n"))));
        GameState again;
        if (readBytes(saved, again) != 5)
            QFAIL(qPrintable(QStringLiteral("round %1: saved table does not read back whole").arg(round)));
        for (int i = 0; i < 5; ++i) {
            if (again.RankPoints[i] != g.RankPoints[i] || again.RankRecords[i] != fileSafeText(g.RankRecords[i]))
                QFAIL(qPrintable(QStringLiteral("round %1 row %2 changed on a round trip").arg(round).arg(i)));
        }
    }
}

void RankingFileTest::unwritableSaveIsSilent()
{
    // A path under a plain file cannot be created, even by an all-powerful user.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a folder");
    }
    const QString path = blocker + QStringLiteral("/Point.dat");
    GameState g = saverTable(0);
    QVERIFY(!SaveRanking(path, g));
    QVERIFY(sameTable(g, saverTable(0)));

    // Loading there resets the table in memory and goes on without a file.
    LoadRanking(path, g);
    QCOMPARE(g.RankRecords[3], EmptyRecord);
    QVERIFY(!QFileInfo::exists(path));
}

void RankingFileTest::killedSaveLeavesOldOrNew()
{
    const QString path = m_dir.filePath(QStringLiteral("killed/Point.dat"));
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray old = encodeRanking(saverTable(0));
    const QByteArray fresh = encodeRanking(saverTable(1));
    QVERIFY(SaveRanking(path, saverTable(0)));

    QRandomGenerator rng(77);
    int killedMidRun = 0;
    for (int round = 0; round < 50; ++round) {
        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(SaverVariable), path);
        saver.setProcessEnvironment(env);
        saver.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(saver.waitForStarted(10000));
        // Let it finish a random number of saves, then kill it wherever it is.
        const int saves = 1 + int(rng.bounded(6));
        int seen = 0;
        while (seen < saves) {
            if (!saver.canReadLine() && !saver.waitForReadyRead(10000))
                QFAIL("the saver stopped reporting");
            while (saver.canReadLine()) {
                saver.readLine();
                ++seen;
            }
        }
        saver.kill();
        QVERIFY(saver.waitForFinished(10000));
        if (saver.exitStatus() == QProcess::CrashExit)
            ++killedMidRun;

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == old || bytes == fresh,
                 qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(bytes.size())));
    }
    QCOMPARE(killedMidRun, 50);
}

void RankingFileTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<int>("sizeLimit"); // 0: none
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("foreign"); // the file is somebody else's, 0444
    const int oldSize = int(encodeRanking(saverTable(0)).size());
    Q_ASSERT(encodeRanking(largerTable()).size() > oldSize);
    QTest::newRow("disk full during the write") << false << 64 << false << false;
    QTest::newRow("disk full at the last bytes") << false << oldSize << false << false;
    QTest::newRow("read-only folder, writable file") << true << 0 << true << false;
    // The in-place write fails after overwriting the old bytes: they are put back.
    QTest::newRow("read-only folder, disk full") << true << oldSize << false << false;
    QTest::newRow("a read-only file of another owner") << false << 0 << false << true;
}

void RankingFileTest::failedSaveKeepsTheOldFile()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(int, sizeLimit);
    QFETCH(bool, saved);
    QFETCH(bool, foreign);
    if (readOnlyFolder && runAsOrdinaryUser())
        return;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Point.dat"));
    QVERIFY(SaveRanking(path, saverTable(0)));
    const QByteArray old = readAll(path);
    if (readOnlyFolder)
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (foreign)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    bool result = false;
    QString reason;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (sizeLimit > 0)
            limit = std::make_unique<FileSizeLimit>(rlim_t(sizeLimit));
        // Root saves as the user nobody into a folder nobody owns: the file stays root's, another owner's.
        const passwd *nobody = foreign && !::geteuid() ? ::getpwnam("nobody") : nullptr;
        if (nobody)
            QVERIFY(!::chown(QFile::encodeName(dir.path()), nobody->pw_uid, 0) && !::seteuid(nobody->pw_uid));
        result = SaveRanking(path, largerTable(), &reason);
        if (nobody)
            QVERIFY(!::seteuid(0));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(result, saved);
    QCOMPARE(reason.isEmpty(), saved);
    if (foreign)
        QCOMPARE(reason, QStringLiteral("書き込みが 許可されて いません"));
    QCOMPARE(readAll(path), saved ? encodeRanking(largerTable()) : old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Point.dat")});
}

void RankingFileTest::loadTellsWhatItFound_data()
{
    QTest::addColumn<QString>("kind"); // what stands at the file's place
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("reason");
    const int unreadable = int(RankingLoad::Unreadable);
    const QString notAFile = QStringLiteral("ふつうの ファイルでは ありません");
    QTest::newRow("a good file") << "file" << int(RankingLoad::Read) << "";
    QTest::newRow("missing") << "none" << int(RankingLoad::Created) << "";
    QTest::newRow("a folder of that name") << "folder" << unreadable << "同じ名前の フォルダーが あります";
    QTest::newRow("no permission to read") << "mode000" << unreadable << "読み込みが 許可されて いません";
    QTest::newRow("a pipe, never waited on") << "pipe" << unreadable << notAFile;
    QTest::newRow("a link to a device") << "link:/dev/null" << unreadable << notAFile;
    QTest::newRow("a link to a missing file: made there") << "link:made.dat" << int(RankingLoad::Created) << "";
    QTest::newRow("a link into a missing folder")
        << "link:gone/Point.dat" << int(RankingLoad::NotCreated) << "リンク先の フォルダーが ありません";
}

void RankingFileTest::loadTellsWhatItFound()
{
    QFETCH(QString, kind);
    QFETCH(int, found);
    QFETCH(QString, reason);
    if (kind == QStringLiteral("mode000") && runAsOrdinaryUser())
        return;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Point.dat"));
    if (kind.startsWith(QStringLiteral("link:")))
        QVERIFY(QFile::link(kind.mid(5), path));
    if (kind == QStringLiteral("pipe"))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkpath(path));
    if (kind == QStringLiteral("file") || kind == QStringLiteral("mode000"))
        QVERIFY(SaveRanking(path, saverTable(0)));
    if (kind == QStringLiteral("mode000"))
        QVERIFY(QFile::setPermissions(path, {}));
    // Left by a save killed before this run, beside the player's files, an earlier version's leftover,
    // a name of another form and the file of a save going on in this run.
    const QStringList leftovers{QStringLiteral(".Point.dat.nuyo-save-aB3xY9")};
    const QStringList kept{"Point.dat.backup", "Point.dat.Ab12Cd", ".Point.dat.nuyo-save-1234567",
                           ".Point.dat.nuyo-save-aB3x_9", ".Point.dat.nuyo-save-new000"};
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QString &name : leftovers + kept) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (!name.endsWith(QStringLiteral("new000")))
            QVERIFY(f.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    GameState g = table({1, 2, 3, 4, 5});
    QString told;
    QCOMPARE(int(LoadRanking(path, g, &told)), found);
    QCOMPARE(told, reason);
    if (kind.startsWith(QStringLiteral("link:"))) // a link stays a link
        QVERIFY(QFileInfo(path).isSymLink());
    if (found == int(RankingLoad::Created))
        QCOMPARE(readAll(path), emptyLine().repeated(5));
    if (found == int(RankingLoad::Unreadable))
        QVERIFY(sameTable(g, table({1, 2, 3, 4, 5})));
    if (found == int(RankingLoad::Read))
        QVERIFY(sameTable(g, saverTable(0)));
    for (const QString &name : kept)
        QVERIFY2(QFileInfo::exists(dir.filePath(name)), qPrintable(name));
    for (const QString &name : leftovers)
        QVERIFY2(!QFileInfo::exists(dir.filePath(name)), qPrintable(name));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void RankingFileTest::theGameTellsOnceAndKeepsAnUnreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("headline");
    QTest::newRow("a folder of that name") << "folder"
                                           << "ランキングの ファイルを 読めません！";
    QTest::newRow("no permission to read") << "mode000"
                                           << "ランキングの ファイルを 読めません！";
    QTest::newRow("its folder is a file") << "blocked"
                                          << "ランキングを 保存できません！";
}

void RankingFileTest::theGameTellsOnceAndKeepsAnUnreadableFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, headline);
    if (kind == QStringLiteral("mode000") && runAsOrdinaryUser())
        return;

    QTemporaryDir dir;
    QString folder = dir.path();
    if (kind == QStringLiteral("blocked")) {
        folder = dir.filePath(QStringLiteral("blocker"));
        QFile f(folder);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString path = rankingFilePath(folder, folder);
    HeadlessGame h(1, path);
    if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkpath(path));
    if (kind == QStringLiteral("mode000")) {
        QVERIFY(SaveRanking(path, saverTable(0)));
        QVERIFY(QFile::setPermissions(path, {}));
    }

    h.start(GameMode::Real);
    QCOMPARE(int(h.host.messages.size()), 1);
    QVERIFY2(h.host.messages[0].text.startsWith(headline), qPrintable(h.host.messages[0].text));
    QVERIFY(h.host.messages[0].text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(h.host.messages[0].style, int(MsgBox::Exclamation));

    // A registration later in the run saves nothing and tells nothing more.
    h.game.stagedState().RankNo = 0;
    h.game.registerRankingName(QStringLiteral("X"), true);
    QCOMPARE(h.game.state().RankFiling, Filing::NotSaved);
    QCOMPARE(int(h.host.messages.size()), 1);
    if (kind == QStringLiteral("mode000")) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readAll(path), encodeRanking(saverTable(0)));
    }
}

void RankingFileTest::registrationKeepsOtherGamesResults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Point.dat"));
    QVERIFY(SaveRanking(path, table({50, 40, 30, 20, 10})));
    GameState a, b, now; // both games loaded the file; A registers under its lock, B (ending) waits for it
    LoadRanking(path, a);
    LoadRanking(path, b);
    const int lock = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC), opens = ::inotify_init1(0);
    bool aSaved = ::flock(lock, LOCK_EX) == 0 && ::inotify_add_watch(opens, QFile::encodeName(path), IN_OPEN) >= 0;
    Registration last;
    std::thread other([&] { last = RegisterResult(path, b, 35, QStringLiteral("BBB"), LockWaitAtEnd); });
    char event[sizeof(inotify_event) + NAME_MAX + 1];
    a.RankRecords[RankInsert(a, 45)] = QStringLiteral("AAA");
    aSaved = aSaved && ::read(opens, event, sizeof event) > 0 && SaveRanking(path, a); // replaces the file
    ::close(lock);
    other.join();
    ::close(opens);
    QVERIFY(aSaved);
    LoadRanking(path, now);
    QVERIFY(sameTable(now, table({50, 45, 40, 35, 30}, {"row0", "AAA", "row1", "BBB", "row2"})));
    QVERIFY(last.saved && last.row == 3);
    QVERIFY(sameTable(b, now)); // B's window shows the table as saved
}

void RankingFileTest::everyReasonIsTheGamesOwn()
{
    for (int error = 1; error < 134; ++error)
        QVERIFY2(!rankingReason(error).contains(QRegularExpression("[A-Za-z]")), qPrintable(rankingReason(error)));
}

void RankingFileTest::pathFollowsTheLayout_data()
{
    QTest::addColumn<QStringList>("folders"); // made under a fresh root; $VAR=value sets the environment (@: root)
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QString>("expected"); // relative to the root (~: the password database's home)

    QTest::newRow("build folder") << QStringList{"build"} << "build"
                                  << "build/Point.dat";
    QTest::newRow("portable copy with its data inside") << QStringList{"nuyo/share/nuyo"} << "nuyo"
                                                        << "nuyo/Point.dat";
    QTest::newRow("installed prefix") << QStringList{"usr/bin", "usr/share/nuyo"} << "usr/bin"
                                      << "home/data/Point.dat";
    QTest::newRow("Debian's games folder") << QStringList{"usr/games", "usr/share/nuyo"} << "usr/games"
                                           << "home/data/Point.dat";
    QTest::newRow("prefix without the game's data") << QStringList{"opt/bin", "opt/share/other"} << "opt/bin"
                                                    << "opt/bin/Point.dat";
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << QStringList{"usr/bin", "usr/share/nuyo", "$XDG_DATA_HOME=xdg", "$HOME=@/home"} << "usr/bin"
        << "home/.local/share/%1/Point.dat";
    QTest::newRow("no HOME: the password database's")
        << QStringList{"usr/bin", "usr/share/nuyo", "$XDG_DATA_HOME=", "$HOME="} << "usr/bin"
        << "~/.local/share/%1/Point.dat";
}

void RankingFileTest::pathFollowsTheLayout()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, exeDir);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QByteArray data = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME"); // empty counts as unset
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data) && qputenv("HOME", home); });
    for (QString f : folders)
        QVERIFY(f.startsWith('$') ? qputenv(qPrintable(f.section('=', 0, 0).mid(1)),
                                            f.section('=', 1).replace('@', root.path()).toUtf8())
                                  : QDir(root.path()).mkpath(f));
    const QString userData = folders.filter(QStringLiteral("$")).isEmpty() ? root.filePath("home/data") : QString();
    const QString path = rankingFilePath(root.filePath(exeDir), userData);
    expected.replace(QStringLiteral("%1"), QCoreApplication::applicationName());
    if (expected.startsWith(QLatin1Char('~'))) { // outside the root: nothing is made there
        QCOMPARE(path, QFile::decodeName(::getpwuid(::getuid())->pw_dir) + expected.mid(1));
        return;
    }
    QCOMPARE(QDir::cleanPath(path), QDir::cleanPath(root.filePath(expected)));

    // Loading creates the file there (the user's folder included) and nowhere else.
    GameState g;
    LoadRanking(path, g);
    QVERIFY(QFileInfo(root.filePath(expected)).isFile());
    QCOMPARE(QFileInfo(root.filePath(expected)).size(), 180);
    if (!expected.startsWith(exeDir))
        QVERIFY(!QFileInfo::exists(root.filePath(exeDir + QStringLiteral("/Point.dat"))));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(SaverVariable))
        return runSaver(qEnvironmentVariable(SaverVariable));
    QCoreApplication app(argc, argv);
    RankingFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_rankingfile.moc"
