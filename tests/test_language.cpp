// The game's languages: which one a desktop gets, an English text for every Japanese one, with
// English punctuation and plain titles, and a ranking file that reads the same in either language.
#include "ranking/rankingfile.h"
#include "ranking/rankingtable.h"
#include "scoring/summary.h"
#include "startup/language.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

using namespace nuyo;

namespace {
// LANGUAGE, LC_ALL and LANG ("-" unset), and the language the game speaks.
const char *const Desktops = R"(
-        -           -           ja
en       -           C.UTF-8     ja
-        POSIX       en_US.UTF-8 ja
-        -           ja_JP       ja
-        -           en_US.UTF-8 en
-        -           jv_ID.UTF-8 en
ja       -           en_GB.UTF-8 ja
en_US:en -           ja_JP.UTF-8 ja
fr:ja    -           de_DE.UTF-8 en
-        ja_JP.UTF-8 en_US.UTF-8 ja
-        en_US.UTF-8 ja_JP.UTF-8 en
)";
// Window and box titles, by their Japanese as the translation file writes it; and the one text that
// keeps full-width marks: the ranking's column heads, whose colons are those of its rows (Point.dat).
const QStringList Titles{" 釣りゲーム&#x3000;&#x3000;「 ぬ よ 」",
                         " 釣りゲーム&#x3000;「 ぬ よ 」&#x3000;&#x3000;＜&#x3000;練習&#x3000;＞",
                         " 釣りゲーム&#x3000;「 ぬ よ 」&#x3000;&#x3000;＜&#x3000;野釣り&#x3000;＞",
                         "ぬ よ",
                         " ぬ よ",
                         "ぬよ",
                         " * ぬ よ *",
                         " * ぬ よ  *&#x3000;－ 終了。",
                         " 警告！"};
const QString RankingHeads = QStringLiteral("    ポイント： 60cm：尺半上： 尾数：  Ｋｇ：  釣り師");
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theDesktopChoosesTheLanguage_data();
    void theDesktopChoosesTheLanguage();
    void everyTextHasItsEnglish_data();
    void everyTextHasItsEnglish();
    void theRankingFileIsTheSameInEitherLanguage();
};

void LanguageTest::theDesktopChoosesTheLanguage_data()
{
    QTest::addColumn<QStringList>("cells");
    for (const QString &line : QString::fromLatin1(Desktops).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(line.simplified())) << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void LanguageTest::theDesktopChoosesTheLanguage()
{
    QFETCH(QStringList, cells);
    cells.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
    const LocaleEnvironment env{cells[0], cells[1], QString(), cells[2]};
    QCOMPARE(languageFor(desktopLanguages(env)) == Language::Japanese, cells[3] == QLatin1String("ja"));
}

// Every message of the translation file as it is written there: source, translation, state.
void LanguageTest::everyTextHasItsEnglish_data()
{
    QTest::addColumn<QStringList>("message");
    QFile file(qEnvironmentVariable("NUYO_SOURCE_DIR") + QStringLiteral("/i18n/nuyo_en.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>\\s*<translation(?: type=\"(\\w+)\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    int n = 0;
    for (auto m = message.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
        const QRegularExpressionMatch mm = m.next();
        QTest::addRow("%d %s", ++n, qPrintable(mm.captured(1).left(32)))
            << QStringList{mm.captured(1), mm.captured(3), mm.captured(2)};
    }
}

void LanguageTest::everyTextHasItsEnglish()
{
    QFETCH(QStringList, message);
    const QString &source = message[0], &english = message[1];
    QVERIFY2(message[2].isEmpty(), qPrintable(QStringLiteral("the translation is %1").arg(message[2])));
    static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));
    QVERIFY2(!english.trimmed().isEmpty() && !english.contains(japanese), qPrintable(english));
    for (const char *mark : {"%1", "%2", "<byte value=\"xd\"/>"}) // placeholders and line breaks are kept
        QCOMPARE(english.contains(QLatin1String(mark)), source.contains(QLatin1String(mark)));
    static const QRegularExpression fullWidth(
        QStringLiteral("&#x3000;|[\\x{3000}-\\x{303F}\\x{30FB}\\x{FF01}-\\x{FF65}]"));
    QVERIFY2(source == RankingHeads || !english.contains(fullWidth), qPrintable(english));
    QVERIFY2(!Titles.contains(source) || (english == english.simplified() && !english.contains('*')),
             qPrintable(english));
}

// A game's result enters the file as the game puts it there: the bytes are the same whatever the
// language of the game that wrote it, and read back the same in the other language.
void LanguageTest::theRankingFileIsTheSameInEitherLanguage()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/nuyo_en.qm")));
    QByteArray files[2]; // written in Japanese and read in English, then the other way round
    for (QByteArray &file : files) {
        GameState g;
        g.RankRecords.fill(EmptyRecord);
        g.TotalCm = 1234, g.Catches = 7, g.Count50 = 2, g.BigLevel = 2;
        gameEndSummary(g);
        g.RankRecords[RankInsert(g, g.Points)] = ResultRow(g) + fileSafeText(QStringLiteral("ANGLER\"1"));
        file = encodeRanking(g);
        QBuffer device(&file);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QVERIFY(&file == files ? QCoreApplication::installTranslator(&english)
                               : QCoreApplication::removeTranslator(&english));
        GameState read;
        QCOMPARE(readRanking(device, read), 5);
        QCOMPARE(encodeRanking(read), file);
    }
    QCOMPARE(files[1], files[0]);
}

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
