// The game's languages: which one a desktop gets, an English text for every Japanese one, written
// with English punctuation and plain titles, and a ranking file that reads the same whichever
// language wrote it.
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

// The window and box titles, by their Japanese: in English without runs of spaces, spaces at
// either end or stars around the name, which a window manager shortens them by.
const QStringList Titles{
    QStringLiteral(" 釣りゲーム　　「 ぬ よ 」"),
    QStringLiteral(" 釣りゲーム　「 ぬ よ 」　　＜　練習　＞"),
    QStringLiteral(" 釣りゲーム　「 ぬ よ 」　　＜　野釣り　＞"),
    QStringLiteral("ぬ よ"),
    QStringLiteral(" ぬ よ"),
    QStringLiteral("ぬよ"),
    QStringLiteral(" * ぬ よ *"),
    QStringLiteral(" * ぬ よ  *　－ 終了。"),
    QStringLiteral(" 警告！"),
};
// The one English text that keeps full-width marks: the ranking's column heads end in the colons
// of the rows below them, which come from Point.dat as they are in either language.
const QStringList KeepsFullWidth{QStringLiteral("    ポイント： 60cm：尺半上： 尾数：  Ｋｇ：  釣り師")};

// A text of the translation file as the player reads it, its escapes undone.
QString unescaped(QString text)
{
    text.replace(QLatin1String("<byte value=\"xd\"/>"), QLatin1String("\r"));
    static const QRegularExpression code(QStringLiteral("&#x([0-9a-fA-F]+);"));
    for (auto m = code.match(text); m.hasMatch(); m = code.match(text))
        text.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toUShort(nullptr, 16)));
    for (const auto &[name, c] :
         {std::pair{"&quot;", '"'}, {"&apos;", '\''}, {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}})
        text.replace(QLatin1String(name), QString(QLatin1Char(c)));
    return text;
}
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theDesktopChoosesTheLanguage_data();
    void theDesktopChoosesTheLanguage();
    void everyTextHasItsEnglish_data();
    void everyTextHasItsEnglish();
    void englishHasItsOwnPunctuationAndPlainTitles_data() { everyTextHasItsEnglish_data(); }
    void englishHasItsOwnPunctuationAndPlainTitles();
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
}

void LanguageTest::englishHasItsOwnPunctuationAndPlainTitles()
{
    QFETCH(QStringList, message);
    const QString source = unescaped(message[0]), english = unescaped(message[1]);
    static const QRegularExpression fullWidth(QStringLiteral("[\\x{3000}-\\x{303F}\\x{30FB}\\x{FF01}-\\x{FF65}]"));
    QVERIFY2(KeepsFullWidth.contains(source) || !english.contains(fullWidth), qPrintable(english));
    if (Titles.contains(source))
        QVERIFY2(english == english.simplified() && !english.contains(QLatin1Char('*')), qPrintable(english));
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
