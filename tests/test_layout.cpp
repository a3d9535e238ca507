// The windows as created: every control where it was designed, with its colours, texts and
// visibility; the title window's placement, fonts, focus order and wait; and fonts that have
// a glyph for every Japanese character the windows show; in Japanese and in English, captions
// that fit their controls and controls a screen reader can name.
#include "help/tips.h"
#include "layouts/fonts.h"
#include "model/hints.h"
#include "support/harness.h"
#include "windows/catchreport.h"
#include "windows/mainwindow.h"
#include "windows/rankingwindow.h"
#include "windows/titlewindow.h"

#include <QAccessible>
#include <QRawFont>
#include <QTranslator>
#include <QtTest>
#include <memory>

using namespace nuyo;

namespace {

// The main window's design, in pixels relative to the client area (or to the inside of the
// picture box a control sits in): name, x, y, width, height, shown at creation, text.
const char *const MainWindowDesign = R"(
Command6    344 392 113  25 hidden 成績ランキング
Command3(0) 344  88 113  25 shown  硬め
Command3(1) 344 112 113  25 shown  ふつう
Command3(2) 344 136 113  25 shown  柔らかめ
Command5    656 416  33  33 shown  Command5
Command4    480 392 113  25 shown  ワンポイント * 1
Command1    344 168 113 201 shown  振り込み
Command7    344 328 113  41 hidden 新規ゲーム
Label8      384  16  73  17 shown  ウキ：太
Label9       16 400 265  17 hidden THE      SIMULATION ON NUYO-FISHING
Label7      176 376  25  17 hidden -
Label2(1)   344  72  73  17 shown  エサ合わせ
Label1      344  32 113  33 shown  2
Label2(0)   344  16  57  17 shown  エサの数
Label5      528  64  25  17 shown  尾
Label4      480  48  49  33 shown  0
Label3       16 392 457  25 hidden コメント
Label6       10 138 281  41 hidden －   納　竿   －
Text1       480  88 113 297 shown  -
PicPRE       32  16 305 353 shown  -
PicUKI       50  34 201 241 hidden -
PicKF         0   0  89  65 hidden -
PicKF2       32  16 305 353 hidden -
PicCm       608 376  81  33 hidden -
PicS(0)      16 432 137  49 hidden -
PicS(1)     160 432 137  49 hidden -
PicS(2)     304 432 137  49 hidden -
PicS(3)     448 432 137  49 hidden -
Image3      480   8 113  73 shown  -
Shape1       16   8 457 377 hidden -
Shape3       16   8 457 377 shown  -
)";

// The four windows as built in one language; each window and its controls by "CatchReport Label2".
struct Windows {
    explicit Windows(bool english)
    {
        if (english)
            QVERIFY(translator.load(QStringLiteral(":/i18n/nuyo_en.qm")) && qApp->installTranslator(&translator));
        add(new MainWindow(fonts), new TitleWindow(fonts), new CatchReport(state, fonts, nullptr),
            new RankingWindow(state, fonts, nullptr));
    }
    template <typename... Window> void add(Window *...window)
    {
        for (const auto &[w, controls] : {std::make_pair<QWidget *>(window, &window->ui.byName)...}) {
            const QString window = QString::fromLatin1(w->metaObject()->className()).mid(6); // without "nuyo::"
            forms.emplace_back(w);
            all.insert(window, w);
            for (auto c = controls->cbegin(); c != controls->cend(); ++c)
                all.insert(window + QLatin1Char(' ') + c.key(), c.value());
        }
    }
    QTranslator translator; // outlives the windows, so it is removed after them
    const DisplayFonts fonts;
    const GameState state;
    std::vector<std::unique_ptr<QWidget>> forms;
    QHash<QString, QWidget *> all;
};

struct Colours {
    const char *name;
    QRgb back;
    QRgb fore;
};

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void mainWindowControlsStandWhereDesigned_data();
    void mainWindowControlsStandWhereDesigned();
    void mainWindowColoursAndFonts();
    void mainWindowTimersAreDisabledAtCreation();
    void picturesHaveTheirDesignedSizes_data();
    void picturesHaveTheirDesignedSizes();
    void theTitleWindowIsLaidOutAndPlacedAboveTheMiddle();
    void theTitleShownByANewGameClosesOneAndAHalfSecondsAfterThePress();
    void everyJapaneseCaptionHasItsGlyphs();
    void everyControlIsNamedAndItsCaptionFits_data();
    void everyControlIsNamedAndItsCaptionFits();
    void aDisplayOfTwoHundredFiftySixColoursIsRefused_data();
    void aDisplayOfTwoHundredFiftySixColoursIsRefused();
};

void LayoutTest::initTestCase()
{
    installFontSubstitutions();
}

void LayoutTest::mainWindowControlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    const QStringList lines = QString::fromUtf8(MainWindowDesign).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString text = f.mid(6).join(QLatin1Char(' '));
        // Texts with runs of spaces are written with single spaces above; compare them loosely.
        QTest::newRow(qPrintable(f[0])) << f[0] << QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt())
                                        << (f[5] == QLatin1String("shown"))
                                        << (text == QLatin1String("-") ? QString() : text);
    }
}

void LayoutTest::mainWindowControlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    MainWindow form{DisplayFonts()};
    QWidget *w = form.ui.byName.value(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), rect);
    QCOMPARE(!w->isHidden(), shown);
    QString actual;
    if (auto *b = qobject_cast<ColourButton *>(w))
        actual = b->text();
    else if (auto *l = qobject_cast<TextLabel *>(w))
        actual = l->text();
    QCOMPARE(actual.simplified(), text.simplified());
}

void LayoutTest::mainWindowColoursAndFonts()
{
    MainWindow form{DisplayFonts()};
    QCOMPARE(form.windowTitle(), QStringLiteral(" 釣りゲーム　　「 ぬ よ 」"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(form.ui.actionButton->backColor(), QColor(192, 192, 0));
    QCOMPARE(form.ui.baitButtons[0]->backColor(), QColor(255, 192, 255));
    QCOMPARE(form.ui.baitButtons[1]->backColor(), QColor(255, 0, 0));
    QCOMPARE(form.ui.hintButton->backColor(), QColor(255, 192, 192));
    QCOMPARE(form.ui.rankingButton->backColor(), QColor(0, 192, 0));
    QCOMPARE(form.ui.newGameButton->backColor(), QColor(255, 128, 255));
    QCOMPARE(form.ui.baitCounter->backColor(), QColor(0, 0, 0));
    QCOMPARE(form.ui.baitCounter->foreColor(), QColor(255, 255, 0));
    QCOMPARE(form.ui.commentLine->backColor(), QColor(255, 255, 192));
    QCOMPARE(form.ui.commentLine->foreColor(), QColor(0, 0, 192));
    QCOMPARE(form.ui.endBanner->foreColor(), QColor(255, 0, 0));
    QVERIFY(form.ui.catchCounter->transparent());
    QVERIFY(form.ui.catchUnit->transparent());
    QCOMPARE(form.ui.sizeTexts[0]->foreColor(), QColor(255, 0, 0));
    QCOMPARE(form.ui.sizeTexts[1]->foreColor(), QColor(255, 255, 0));
    QCOMPARE(form.ui.sizeTexts[2]->foreColor(), QColor(0, 0, 0));
    QCOMPARE(form.ui.sizeTexts[2]->backColor(), QColor(255, 255, 255));
    QCOMPARE(form.ui.actionButton->font().family(), proportionalFaceName());
    QCOMPARE(form.ui.actionButton->font().pointSizeF(), 12.0);
    QVERIFY(form.ui.actionButton->font().bold());
    QCOMPARE(form.ui.baitCounter->font().pointSizeF(), 20.25);
    QCOMPARE(form.ui.commentLine->font().pointSizeF(), 11.25);
    QCOMPARE(form.ui.sizeTexts[0]->font().pointSizeF(), 36.0);
    QCOMPARE(form.ui.sceneFrame->borderWidth(), 2);
    QCOMPARE(form.ui.sceneFrame->borderColor(), QColor(0, 0, 255));
    QCOMPARE(form.ui.bigCatchFrame->borderColor(), QColor(255, 0, 0));
    // Transparent captions lie above the picture behind them, buttons above everything.
    const QObjectList kids = form.children();
    QVERIFY(kids.indexOf(form.ui.catchCounter) > kids.indexOf(form.ui.basket));
    QVERIFY(kids.indexOf(form.ui.actionButton) > kids.indexOf(form.ui.sceneFrame));
}

void LayoutTest::mainWindowTimersAreDisabledAtCreation()
{
    MainWindow form{DisplayFonts()};
    SimHost host;
    Game game(host, form, nullptr, RankingFile(QString()), QString());
    QCOMPARE(game.animationTimer().interval(), 100);
    QCOMPARE(game.settlingTimer().interval(), 200);
    QCOMPARE(game.secondTimer().interval(), 1000);
    QVERIFY(!game.animationTimer().isEnabled());
    QVERIFY(!game.settlingTimer().isEnabled());
    QVERIFY(!game.secondTimer().isEnabled());
}

void LayoutTest::picturesHaveTheirDesignedSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Image1(%1)").arg(i)))
            << QStringLiteral("Image1(%1)").arg(i) << QSize(320, 314);
    QTest::newRow("Image2") << QStringLiteral("Image2") << QSize(96, 48);
    QTest::newRow("Image3") << QStringLiteral("Image3") << QSize(112, 72);
    QTest::newRow("Image4") << QStringLiteral("Image4") << QSize(100, 49);
    QTest::newRow("Image5") << QStringLiteral("Image5") << QSize(100, 49);
    QTest::newRow("Image6") << QStringLiteral("Image6") << QSize(300, 354);
    QTest::newRow("Image7") << QStringLiteral("Image7") << QSize(100, 99);
    QTest::newRow("Image8") << QStringLiteral("Image8") << QSize(104, 40);
    QTest::newRow("Image9") << QStringLiteral("Image9") << QSize(176, 84);
    QTest::newRow("Image10") << QStringLiteral("Image10") << QSize(176, 84);
    QTest::newRow("Image11") << QStringLiteral("Image11") << QSize(32, 32);
    QTest::newRow("Image12") << QStringLiteral("Image12") << QSize(300, 354);
    QTest::newRow("ImgU") << QStringLiteral("ImgU") << QSize(5, 170);
}

void LayoutTest::picturesHaveTheirDesignedSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    MainWindow form{DisplayFonts()};
    auto *image = qobject_cast<ImageBox *>(form.ui.byName.value(name));
    QVERIFY(image);
    QCOMPARE(image->picture().size(), size);
    QCOMPARE(form.ui.pond->picture().size(), QSize(300, 354));
    QCOMPARE(form.ui.floatCloseUp->picture().size(), QSize(200, 240));
}

void LayoutTest::theTitleWindowIsLaidOutAndPlacedAboveTheMiddle()
{
    DisplayFonts fonts;
    fonts.FontSize11 = 11;
    fonts.FontSize14 = 14;
    TitleWindow title(fonts);
    QCOMPARE(title.size(), QSize(357, 272));
    QCOMPARE(title.ui.modeButtons[0]->geometry(), QRect(72, 216, 105, 33));
    QCOMPARE(title.ui.modeButtons[1]->geometry(), QRect(176, 216, 105, 33));
    QCOMPARE(title.ui.modeButtons[0]->text(), QStringLiteral("練 習"));
    QCOMPARE(title.ui.modeButtons[1]->text(), QStringLiteral("本 番"));
    QCOMPARE(title.ui.modeButtons[0]->backColor(), QColor(192, 192, 0));
    QCOMPARE(title.ui.gettingReady->text(), QStringLiteral("  只今、準備中 ・・・"));
    QCOMPARE(title.ui.gettingReady->geometry(), QRect(32, 224, 289, 25));
    QCOMPARE(title.ui.gettingReady->foreColor(), QColor(255, 128, 0));
    QVERIFY(title.ui.gettingReady->font().bold());
    QCOMPARE(title.ui.titlePicture->geometry(), QRect(8, 8, 340, 255));
    QVERIFY(title.ui.keyboardSink->x() >= title.width());
    QCOMPARE(title.palette().color(QPalette::Window), QColor(192, 192, 255));
    title.place();
    QCOMPARE(title.ui.modeButtons[0]->font().pointSize(), 11);
    QCOMPARE(title.ui.gettingReady->font().pointSize(), 14);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(title.x(), (screen.width() - 357) / 2);
    QCOMPARE(title.y(), (screen.height() - 272) / 2 - 13);
    // The off-screen button holds the focus; Tab goes on to the two modes, and never back to it.
    QCOMPARE(title.focusWidget(), title.ui.keyboardSink);
    QList<QWidget *> order;
    for (QWidget *w = title.ui.keyboardSink->nextInFocusChain(); order.size() < 3; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w;
    QCOMPARE(order, (QList<QWidget *>{title.ui.modeButtons[0], title.ui.modeButtons[1], title.ui.modeButtons[0]}));
    // Escape is the close box.
    QSignalSpy closed(&title, &TitleWindow::closed);
    QTest::keyClick(title.ui.keyboardSink, Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    // Pressing a mode uncovers the label behind the buttons.
    QVERIFY(!title.ui.gettingReady->isHidden());
    const QObjectList kids = title.children();
    QVERIFY(kids.indexOf(title.ui.gettingReady) > kids.indexOf(title.ui.titlePicture));
}

void LayoutTest::theTitleShownByANewGameClosesOneAndAHalfSecondsAfterThePress()
{
    Harness h;
    h.start(0);
    double pressedAt = -1;
    h.host.onDialog = [&](QWidget *w) {
        if (auto *title = qobject_cast<TitleWindow *>(w))
            h.host.after(2.0, [&, title] {
                pressedAt = h.host.now();
                title->ui.modeButtons[1]->press(1);
            });
    };
    const double before = h.host.now();
    h.game().startNewGame();
    h.runUntilNewGame();
    QVERIFY(pressedAt > before);
    QVERIFY(qAbs(h.host.now() - pressedAt - 1.5) < 1e-9);
    QCOMPARE(h.g().GameMode, int(GameMode::Real));
    QCOMPARE(h.g().TitleCall, int(TitleCall::NewGameChosen));
    QVERIFY(h.window().windowTitle().endsWith(QStringLiteral("＜　野釣り　＞")));
}

void LayoutTest::everyJapaneseCaptionHasItsGlyphs()
{
    MainWindow form{DisplayFonts()};
    TitleWindow title{DisplayFonts()};
    QList<QPair<QString, QFont>> texts;
    for (QWidget *w : form.findChildren<QWidget *>() + title.findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<ColourButton *>(w))
            texts.append({b->text(), b->font()});
        else if (auto *l = qobject_cast<TextLabel *>(w))
            texts.append({l->text(), l->font()});
    }
    texts.append({QStringLiteral("「エサ合わせ」は『 ふつう 』で、「振り込み」ボタンをクリック "
                                 "ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』"),
                  form.ui.commentLine->font()});
    texts.append({QStringLiteral("<  釣  果  > ． エサ落ち ハリス切れ スレアタリ 空アワセ ぬよ　60 ㎝ 計 Ｋｇ"),
                  form.ui.catchLog->font()});
    int checked = 0;
    for (const auto &t : texts) {
        const QRawFont raw = QRawFont::fromFont(t.second, QFontDatabase::Any);
        for (const QChar c : t.first) {
            if (c.unicode() < 0x80 || c.isSpace())
                continue;
            QVERIFY2(raw.supportsCharacter(c),
                     qPrintable(QStringLiteral("%1 in %2 (%3)").arg(c, t.first, raw.familyName())));
            ++checked;
        }
    }
    QVERIFY(checked > 100);
}

void LayoutTest::everyControlIsNamedAndItsCaptionFits_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    for (const bool english : {false, true}) {
        Windows built(english);
        const char *language = english ? "en" : "ja";
        for (auto c = built.all.cbegin(); c != built.all.cend(); ++c)
            QTest::addRow("%s %s", language, qPrintable(c.key()))
                << english << c.key()
                << (c.key().endsWith(QLatin1String("Command5")) ? QString() : c.value()->property("text").toString());
        // The texts the game puts on controls later: the action button's states, the report's results.
        for (const auto s : {Action::Cast, Action::Strike, Action::Fight, Action::BaitLost, Action::End})
            QTest::addRow("%s Command1 %d", language, int(s)) << english << "MainWindow Command1" << Action::caption(s);
        for (const QString &r : {ResultText::baitLost(), ResultText::falseBite(), ResultText::miss(),
                                 ResultText::lineBreak(), ResultText::hooked(60)})
            QTest::addRow("%s report %s", language, qPrintable(r)) << english << "CatchReport Label2" << r;
        // The comment line's hints and words on a result, the float's and hint button's captions,
        // the ranking window's button and its word on the new row.
        for (const QString &t :
             {Hint::atStart(), Hint::watch(), Hint::fight(), Hint::atStart(true), Hint::watch(true), Hint::fight(true),
              Hint::wantedBait(Bait::Soft), ResultText::comment(ResultText::lineBreak()),
              ResultText::comment(ResultText::hooked(60))})
            QTest::addRow("%s comment %s", language, qPrintable(t)) << english << "MainWindow Label3" << t;
        for (const int w : {FloatWidth::Thin, FloatWidth::Thick})
            QTest::addRow("%s float %d", language, w) << english << "MainWindow Label8" << FloatWidth::caption(w);
        QTest::addRow("%s last tip", language)
            << english << "MainWindow Command4" << MainWindow::tipCaption(TipCount - 1);
        for (const QString &t : {RankingWindow::okCaption(), RankingWindow::registerCaption()})
            QTest::addRow("%s RankingWindow %s", language, qPrintable(t)) << english << "RankingWindow Command1" << t;
        for (const QString &t : {RankingWindow::registeredText(), RankingWindow::notSavedText()})
            QTest::addRow("%s RankingWindow %s", language, qPrintable(t)) << english << "RankingWindow Label1(8)" << t;
        QTest::addRow("%s ranking line", language)
            << english << "RankingWindow lblP(0)" << QStringLiteral("    1：  0：   2： 11：4.78： KEN");
    }
}

void LayoutTest::everyControlIsNamedAndItsCaptionFits()
{
    QFETCH(bool, english);
    QFETCH(QString, control);
    QFETCH(QString, text);
    Windows built(english);
    QWidget *w = built.all.value(control);
    QVERIFY(text.isEmpty() || w->setProperty("text", text));
    QVERIFY2(text.isEmpty() || w->property("textFits").toBool(),
             qPrintable(QStringLiteral("clipped in %1x%2").arg(w->width()).arg(w->height())));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a && a->role() != QAccessible::Client &&
            !(w->isWindow() && a->role() != QAccessible::Window && a->role() != QAccessible::Dialog));
    static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));
    const QString name = a->text(QAccessible::Name);
    QVERIFY2(!name.isEmpty() && !(english && name.contains(japanese)), qPrintable(name));
    if (control == QLatin1String("TitleWindow")) // the title window is read as the game's name
        QVERIFY2(name.contains(english ? QStringLiteral("Nuyo") : QStringLiteral("ぬ よ")), qPrintable(name));
    if (english && text.endsWith(QLatin1String("KEN"))) // a ranking line is read with its columns' meaning
        QCOMPARE(a->text(QAccessible::Description),
                 QStringLiteral("1 point, 0 of 60 cm, 2 of 50 cm or more, 11 fish, 4.78 kg, KEN"));
    if (w->accessibleName().isEmpty() && !w->isWindow()) // a caption names its control
        QCOMPARE(name, text.simplified());
}

void LayoutTest::aDisplayOfTwoHundredFiftySixColoursIsRefused_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("newGame");
    for (const bool newGame : {false, true}) {
        const char *when = newGame ? "new game" : "start";
        QTest::addRow("%s, 4 bits", when) << 4 << false << newGame;
        QTest::addRow("%s, 8 bits", when) << 8 << true << newGame;
        QTest::addRow("%s, 16 bits", when) << 16 << false << newGame;
        QTest::addRow("%s, 24 bits", when) << 24 << false << newGame;
        QTest::addRow("%s, 32 bits", when) << 32 << false << newGame;
    }
}

void LayoutTest::aDisplayOfTwoHundredFiftySixColoursIsRefused()
{
    QFETCH(int, depth);
    QFETCH(bool, refused);
    QFETCH(bool, newGame);
    Harness h;
    if (refused) // the refusal is also written to the terminal
        QTest::ignoreMessage(QtCriticalMsg, "  ２５６色では使用できません！  ");
    if (newGame) {
        h.start(0);
        h.host.messages.clear();
        h.app->displayDepth = [depth] { return depth; };
        h.host.onDialog = [&](QWidget *w) {
            if (auto *title = qobject_cast<TitleWindow *>(w))
                h.host.after(1.0, [title] { title->ui.modeButtons[0]->press(1); });
        };
        QCOMPARE(endsGame([&] {
                     h.game().startNewGame();
                     h.runUntilNewGame();
                 }),
                 refused);
    } else {
        h.app->displayDepth = [depth] { return depth; };
        QCOMPARE(h.app->start(false), !refused);
    }
    QCOMPARE(h.host.messages.size(), size_t(refused ? 1 : 0));
    if (refused) {
        QCOMPARE(h.host.messages[0].text, QStringLiteral("  ２５６色では使用できません！  "));
        QCOMPARE(h.host.messages[0].caption, QStringLiteral(" * ぬ よ *"));
        QCOMPARE(h.host.messages[0].style, int(MsgBox::Exclamation));
    }
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
