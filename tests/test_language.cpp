// The game's languages: which one a desktop gets, an English text for every Japanese one, and a
// ranking file that reads the same whichever language wrote it.
#include "ranking/rankingfile.h"
#include "ranking/rankingtable.h"
#include "report/summary.h"
#include "startup/language.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

using namespace nuyo;

class LanguageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theDesktopChoosesTheLanguage_data();
    void theDesktopChoosesTheLanguage();
    void everyTextHasItsEnglish_data();
    void everyTextHasItsEnglish();
    void theRankingFileIsTheSameInEitherLanguage_data();
    void theRankingFileIsTheSameInEitherLanguage();
};

void LanguageTest::theDesktopChoosesTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("japanese");
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "" << true;
    QTest::newRow("C") << ""
                       << ""
                       << "C" << true;
    QTest::newRow("C.UTF-8 under LANGUAGE=en") << "en"
                                               << ""
                                               << "C.UTF-8" << true;
    QTest::newRow("LC_ALL=POSIX over English") << ""
                                               << "POSIX"
                                               << "en_US.UTF-8" << true;
    QTest::newRow("Japanese desktop") << ""
                                      << ""
                                      << "ja_JP.UTF-8" << true;
    QTest::newRow("English desktop") << ""
                                     << ""
                                     << "en_US.UTF-8" << false;
    QTest::newRow("German desktop") << ""
                                    << ""
                                    << "de_DE.UTF-8" << false;
    QTest::newRow("LANGUAGE=ja on English") << "ja"
                                            << ""
                                            << "en_GB.UTF-8" << true;
    QTest::newRow("LANGUAGE=fr:ja") << "fr:ja"
                                    << ""
                                    << "ja_JP.UTF-8" << false;
    QTest::newRow("LC_ALL=ja over English") << ""
                                            << "ja_JP.UTF-8"
                                            << "en_US.UTF-8" << true;
    QTest::newRow("LC_ALL=en over Japanese") << ""
                                             << "en_US.UTF-8"
                                             << "ja_JP.UTF-8" << false;
    QTest::newRow("Japanese without a codeset") << ""
                                                << ""
                                                << "ja_JP" << true;
    QTest::newRow("Javanese") << ""
                              << ""
                              << "jv_ID.UTF-8" << false;
}

void LanguageTest::theDesktopChoosesTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lang);
    QFETCH(bool, japanese);
    const LocaleEnvironment env{language, lcAll, QString(), lang};
    QCOMPARE(languageFor(desktopLanguages(env)) == Language::Japanese, japanese);
}

// Every message of the translation file: its context, source and translation, with the
// carriage returns the file writes as byte elements.
void LanguageTest::everyTextHasItsEnglish_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("state");
    QFile file(qEnvironmentVariable("NUYO_SOURCE_DIR") + QStringLiteral("/i18n/nuyo_en.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context, source, english, state, *text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement() && name == u"translation")
            state = xml.attributes().value(QStringLiteral("type")).toString();
        if (xml.isStartElement())
            text = name == u"name" ? &context : name == u"source" ? &source : name == u"translation" ? &english : text;
        if (xml.isStartElement() && (name == u"name" || name == u"source" || name == u"translation"))
            text->clear();
        else if (xml.isStartElement() && name == u"byte" && text)
            text->append(QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toInt(nullptr, 16))); // "xd"
        else if (xml.isCharacters() && text)
            text->append(xml.text());
        else if (xml.isEndElement() && name == u"message")
            QTest::addRow("%s: %s", qPrintable(context), qPrintable(source.left(24)))
                << context << source << english << state;
        if (xml.isEndElement() && name != u"byte")
            text = nullptr;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void LanguageTest::everyTextHasItsEnglish()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);
    QFETCH(QString, state);
    QVERIFY2(state.isEmpty(), qPrintable(QStringLiteral("the translation is %1").arg(state)));
    QVERIFY(!english.trimmed().isEmpty());
    static const QRegularExpression kana(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));
    QVERIFY2(!english.contains(kana), qPrintable(english));
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList wanted, kept;
    for (auto m = placeholder.globalMatch(source); m.hasNext();)
        wanted << m.next().captured();
    for (auto m = placeholder.globalMatch(english); m.hasNext();)
        kept << m.next().captured();
    wanted.sort();
    kept.sort();
    QCOMPARE(kept, wanted);
    QCOMPARE(source.count(QStringLiteral("\r\n")) > 0, english.count(QStringLiteral("\r\n")) > 0);
    // The game's resources carry the same English.
    QTranslator built;
    QVERIFY(built.load(QStringLiteral(":/i18n/nuyo_en.qm")));
    QCOMPARE(built.translate(context.toUtf8(), source.toUtf8()), english);
}

void LanguageTest::theRankingFileIsTheSameInEitherLanguage_data()
{
    QTest::addColumn<bool>("writtenInEnglish");
    QTest::newRow("written in English, read in Japanese") << true;
    QTest::newRow("written in Japanese, read in English") << false;
}

void LanguageTest::theRankingFileIsTheSameInEitherLanguage()
{
    QFETCH(bool, writtenInEnglish);
    // A game's result goes into the table as the game puts it there, in the writer's language.
    const auto play = [](GameState &g) {
        g.TotalCm = 1234;
        g.Catches = 7;
        g.Count50 = 2;
        g.Count60 = 1;
        g.BigLevel = 2;
        gameEndSummary(g);
        const int row = RankInsert(g);
        g.RankRecords[row] = ResultRow(g) + fileSafeText(QStringLiteral("ANGLER\"1"));
        return encodeRanking(g);
    };
    GameState japanese;
    for (int i = 0; i < 5; ++i)
        japanese.RankRecords[i] = EmptyRecord;
    GameState writer = japanese;
    const QByteArray original = play(japanese);
    auto inWriter = std::make_unique<QTranslator>();
    QVERIFY(inWriter->load(QStringLiteral(":/i18n/nuyo_en.qm")));
    if (writtenInEnglish)
        QCoreApplication::installTranslator(inWriter.get());
    const QByteArray written = play(writer);
    QCOMPARE(written, original);
    if (writtenInEnglish)
        inWriter.reset();
    else
        QCoreApplication::installTranslator(inWriter.get());
    GameState reader;
    QBuffer device;
    device.setData(written);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(readRanking(device, reader), 5);
    QCOMPARE(reader.RankRecords, writer.RankRecords);
    QCOMPARE(reader.RankPoints, writer.RankPoints);
    QCOMPARE(encodeRanking(reader), original);
}

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
