// The pictures compiled into the game. Invariants: every picture the windows address is there at
// its fixed format and pixel size; every sprite's mask is pure black and white and the sprite is
// white wherever the mask is, so the two-pass paint leaves the background untouched outside the
// bird, fish or angler; and the checked-in files are exactly what the art generator draws, both with
// the CPU's vector features and on plain SSE2. A picture with words is read in the player's language.
#include "layouts/pictures.h"
#include "widgets/finepictures.h"
#include "widgets/picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage picture(const QString &name)
{
    QImage img = QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
    img.setDevicePixelRatio(1); // an "@2x" file is read as twice as dense: here every pixel counts
    return img;
}

// The picture drawn at twice the density: "form1/Image2.gif" gives "form1/Image2@2x.gif".
QString doubled(QString name)
{
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QImage cell(const QImage &img, int x, int w)
{
    return img.copy(x, 0, w, img.height());
}

// Where two picture files differ once decoded: how many pixels, inside which rectangle.
QString pixelDifference(const QString &made, const QString &checkedIn)
{
    const QImage a = QImage(made).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(checkedIn).convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return QStringLiteral("the size differs");
    int count = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
    if (count == 0)
        return QStringLiteral("same pixels, other bytes");
    return QStringLiteral("%1 pixel%2 within %3 x %4 at (%5, %6)")
        .arg(count)
        .arg(count == 1 ? "" : "s")
        .arg(box.width())
        .arg(box.height())
        .arg(box.x())
        .arg(box.y());
}

} // namespace

class TestArt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void everyPictureHasItsFormatAndSize_data();
    void everyPictureHasItsFormatAndSize();

    void theGamesReadersGiveWhatQtReads_data() { everyPictureHasItsFormatAndSize_data(); }
    void theGamesReadersGiveWhatQtReads();

    void iconsHaveAtMostSixteenColours_data();
    void iconsHaveAtMostSixteenColours();

    void spritePairs_data();
    void masksArePureBlackAndWhiteAndSpritesWhiteOutside_data() { spritePairs_data(); }
    void masksArePureBlackAndWhiteAndSpritesWhiteOutside();
    void twoPassPaintKeepsTheBackgroundOutsideTheMask_data() { spritePairs_data(); }
    void twoPassPaintKeepsTheBackgroundOutsideTheMask();

    void rodTipMeetsTheLineInTheFightFrames_data();
    void rodTipMeetsTheLineInTheFightFrames();
    void stackedMarksAreDistinctPictures_data();
    void stackedMarksAreDistinctPictures();
    void perchedKingfishersFaceOppositeWays();
    void floatHasAColouredTipAndADarkStem();

    void checkedInArtIsWhatTheGeneratorDraws_data();
    void checkedInArtIsWhatTheGeneratorDraws();
    void picturesWithWordsAreReadInThePlayersLanguage();
};

void TestArt::initTestCase()
{
    // The pictures live in the core library's resources; referencing them keeps them linked in.
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(artvariants);
}

void TestArt::everyPictureHasItsFormatAndSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    const QByteArray gif("gif"), ico("ico");
    QTest::newRow("PicPRE") << "form1/PicPRE.gif" << gif << QSize(300, 354);
    QTest::newRow("Image6") << "form1/Image6.gif" << gif << QSize(300, 354);
    QTest::newRow("Image12") << "form1/Image12.gif" << gif << QSize(300, 354);
    QTest::newRow("PicUKI") << "form1/PicUKI.gif" << gif << QSize(200, 240);
    QTest::newRow("ImgU") << "form1/ImgU.gif" << gif << QSize(5, 170);
    for (int k = 0; k < 8; ++k)
        QTest::addRow("Image1_%d", k) << QStringLiteral("form1/Image1_%1.gif").arg(k) << gif << QSize(320, 314);
    QTest::newRow("Image2") << "form1/Image2.gif" << gif << QSize(96, 48);
    QTest::newRow("Image3") << "form1/Image3.gif" << gif << QSize(112, 72);
    QTest::newRow("Image4") << "form1/Image4.gif" << gif << QSize(100, 49);
    QTest::newRow("Image5") << "form1/Image5.gif" << gif << QSize(100, 49);
    QTest::newRow("Image7") << "form1/Image7.gif" << gif << QSize(100, 99);
    QTest::newRow("Image8") << "form1/Image8.gif" << gif << QSize(104, 40);
    QTest::newRow("Image9") << "form1/Image9.gif" << gif << QSize(176, 84);
    QTest::newRow("Image10") << "form1/Image10.gif" << gif << QSize(176, 84);
    QTest::newRow("Image11") << "form1/Image11.ico" << ico << QSize(32, 32);
    QTest::newRow("icon") << "form1/icon.ico" << ico << QSize(32, 32);
    QTest::newRow("title") << "form2/Image1.gif" << gif << QSize(340, 255);
    QTest::newRow("report Image1") << "form3/Image1.gif" << gif << QSize(240, 220);
    QTest::newRow("report Image2") << "form3/Image2.gif" << gif << QSize(240, 220);
    QTest::newRow("report Image3") << "form3/Image3.gif" << gif << QSize(240, 220);
    QTest::newRow("report Img1") << "form3/Img1.gif" << gif << QSize(440, 124);
    QTest::newRow("report Img2") << "form3/Img2.gif" << gif << QSize(240, 220);
    QTest::newRow("report Img3") << "form3/Img3.gif" << gif << QSize(240, 220);
    QTest::newRow("ranking toggle") << "form4/Command2.ico" << ico << QSize(32, 32);
}

void TestArt::everyPictureHasItsFormatAndSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(QStringLiteral(":/pictures/") + name);
    QVERIFY2(reader.canRead(), qPrintable(name + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(reader.format(), format);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), size);
    if (format == "gif") // the same shapes at twice the density, beside it
        QCOMPARE(QImageReader(QStringLiteral(":/pictures/") + doubled(name)).read().size(), size * 2);
}

void TestArt::theGamesReadersGiveWhatQtReads()
{
    // Every picture and its twin at twice the density: the game reads it without Qt's plug-ins, a
    // GIF into its palette (a byte a pixel), and gets Qt's pixels; a cut-off file gives nothing
    // or, once its image is whole, the same picture.
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    for (const QString &file : {QStringLiteral(":/pictures/") + name, QStringLiteral(":/pictures/") + doubled(name)}) {
        QFile f(file);
        if (!f.exists() && file.endsWith(doubled(name)))
            continue; // the window icon has no twin: the desktop's icon theme has its sizes
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        const QImage own = format == "gif" ? nuyo::decodeGif(data, bytes.size()) : nuyo::decodeIcon(data, bytes.size());
        QVERIFY2(!own.isNull(), qPrintable(file));
        QCOMPARE(own.format(), format == "gif" ? QImage::Format_Indexed8 : QImage::Format_ARGB32_Premultiplied);
        QImage qt = QImage(file).convertToFormat(QImage::Format_ARGB32);
        qt.setDevicePixelRatio(1); // Qt takes an "@2x" file as twice as dense; the game does not
        QCOMPARE(own.convertToFormat(QImage::Format_ARGB32), qt);
        QCOMPARE(nuyo::pictureFileSize(file), own.size());
        for (qsizetype cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 61) {
            const QImage part = format == "gif" ? nuyo::decodeGif(data, cut) : nuyo::decodeIcon(data, cut);
            QVERIFY2(part.isNull() || part == own, qPrintable(QStringLiteral("%1 cut at %2").arg(file).arg(cut)));
        }
    }
}

void TestArt::iconsHaveAtMostSixteenColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("emblem") << "form1/Image11.ico";
    QTest::newRow("window") << "form1/icon.ico";
    QTest::newRow("ranking toggle") << "form4/Command2.ico";
}

void TestArt::iconsHaveAtMostSixteenColours()
{
    QFETCH(QString, name);
    const QImage img = QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(32, 32));
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            QCOMPARE(qAlpha(c), 255); // the mask is all or nothing
            colours.insert(c);
            ++opaque;
        }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    QVERIFY2(colours.size() >= 4, "an icon of one or two flat colours is no picture");
    QVERIFY(opaque > 200);
}

void TestArt::spritePairs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("spriteX");
    QTest::addColumn<int>("maskX");
    for (int s : {1, 2}) {
        auto row = [s](const QString &tag, const QString &name, int cellWidth, int spriteX, int maskX) {
            QTest::newRow(qPrintable(s == 1 ? tag : tag + QStringLiteral(" @2x")))
                << (s == 1 ? name : doubled(name)) << cellWidth * s << spriteX * s << maskX * s;
        };
        for (int k = 0; k < 8; ++k)
            row(QStringLiteral("angler %1").arg(k), QStringLiteral("form1/Image1_%1.gif").arg(k), 160, 0, 160);
        row(QStringLiteral("landed fish"), QStringLiteral("form1/Image2.gif"), 48, 0, 48);
        row(QStringLiteral("flying kingfisher"), QStringLiteral("form1/Image8.gif"), 52, 0, 52);
        row(QStringLiteral("perched, facing left"), QStringLiteral("form1/Image9.gif"), 88, 0, 88);
        row(QStringLiteral("perched, facing right (mask first)"), QStringLiteral("form1/Image10.gif"), 88, 88, 0);
        row(QStringLiteral("report fish"), QStringLiteral("form3/Img1.gif"), 220, 0, 220);
    }
}

void TestArt::masksArePureBlackAndWhiteAndSpritesWhiteOutside()
{
    QFETCH(QString, name);
    QFETCH(int, cellWidth);
    QFETCH(int, spriteX);
    QFETCH(int, maskX);
    const QImage img = picture(name);
    const QImage sprite = cell(img, spriteX, cellWidth), mask = cell(img, maskX, cellWidth);
    int inside = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < cellWidth; ++x) {
            const QRgb m = mask.pixel(x, y) & 0xffffff;
            if (m != 0 && m != 0xffffff)
                QFAIL(qPrintable(QStringLiteral("mask pixel (%1, %2) is #%3").arg(x).arg(y).arg(m, 6, 16)));
            if (m == 0) {
                ++inside;
                continue;
            }
            if ((sprite.pixel(x, y) & 0xffffff) != 0xffffff)
                QFAIL(qPrintable(QStringLiteral("sprite pixel (%1, %2) outside the mask is not white").arg(x).arg(y)));
        }
    // A real silhouette: neither empty nor the whole cell.
    const int total = cellWidth * mask.height();
    QVERIFY2(inside > total / 20 && inside < total * 9 / 10, qPrintable(QString::number(inside)));
}

void TestArt::twoPassPaintKeepsTheBackgroundOutsideTheMask()
{
    QFETCH(QString, name);
    QFETCH(int, cellWidth);
    QFETCH(int, spriteX);
    QFETCH(int, maskX);
    const QImage img = picture(name);
    const QImage sprite = cell(img, spriteX, cellWidth), mask = cell(img, maskX, cellWidth);

    // A busy background, so any leak of the sprite's ground would show.
    QImage background(cellWidth, img.height(), QImage::Format_RGB32);
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < cellWidth; ++x)
            background.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x * y) & 255));
    QImage scene = background;
    {
        QPainter p(&scene);
        p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination); // SRCERASE
        p.drawImage(0, 0, mask);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); // SRCINVERT
        p.drawImage(0, 0, sprite);
    }
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < cellWidth; ++x) {
            const bool inside = (mask.pixel(x, y) & 0xffffff) == 0;
            const QRgb want = inside ? sprite.pixel(x, y) : background.pixel(x, y);
            if ((scene.pixel(x, y) & 0xffffff) != (want & 0xffffff))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) %3 the mask is wrong")
                                     .arg(x)
                                     .arg(y)
                                     .arg(inside ? "inside" : "outside")));
        }
}

void TestArt::rodTipMeetsTheLineInTheFightFrames_data()
{
    QTest::addColumn<int>("frame");
    for (int k = 3; k <= 7; ++k)
        QTest::addRow("distance %d", k) << k;
}

void TestArt::rodTipMeetsTheLineInTheFightFrames()
{
    // The line is drawn from (150, 0) of the scene, which is (60, 0) of a frame drawn at x 90.
    QFETCH(int, frame);
    const QImage mask = cell(picture(QStringLiteral("form1/Image1_%1.gif").arg(frame)), 160, 160);
    QList<int> black;
    for (int x = 0; x < 160; ++x)
        if ((mask.pixel(x, 0) & 0xffffff) == 0)
            black.append(x);
    QVERIFY2(!black.isEmpty(), "the rod does not reach the top edge");
    for (int x : black)
        QVERIFY2(std::abs(x - 60) <= 3, qPrintable(QStringLiteral("rod at x %1 on the top row").arg(x)));
}

void TestArt::stackedMarksAreDistinctPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("frames");
    QTest::newRow("fight splash") << "form1/Image4.gif" << 2;
    QTest::newRow("result marks") << "form1/Image5.gif" << 2;
    QTest::newRow("big-catch marks") << "form1/Image7.gif" << 4;
}

void TestArt::stackedMarksAreDistinctPictures()
{
    // Each 100 x 24 frame at y = 0, 25, 50, 75 is its own drawing, not a blank or a copy.
    QFETCH(QString, name);
    QFETCH(int, frames);
    const QImage img = picture(name);
    QList<QImage> cells;
    for (int i = 0; i < frames; ++i) {
        const QImage c = img.copy(0, i * 25, 100, 24);
        QSet<QRgb> colours;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 100; ++x)
                colours.insert(c.pixel(x, y));
        QVERIFY2(colours.size() >= 8, qPrintable(QStringLiteral("frame %1 is nearly flat").arg(i)));
        for (const QImage &other : cells)
            QVERIFY2(other != c, qPrintable(QStringLiteral("frame %1 repeats an earlier one").arg(i)));
        cells.append(c);
    }
}

void TestArt::perchedKingfishersFaceOppositeWays()
{
    const QImage left = picture(QStringLiteral("form1/Image9.gif"));
    const QImage right = picture(QStringLiteral("form1/Image10.gif"));
    QCOMPARE(cell(left, 0, 88), cell(right, 88, 88).mirrored(true, false));
    QCOMPARE(cell(left, 88, 88), cell(right, 0, 88).mirrored(true, false));
}

void TestArt::floatHasAColouredTipAndADarkStem()
{
    // The float is drawn from its top, so the first rows are the tip the player watches.
    const QImage f = picture(QStringLiteral("form1/ImgU.gif"));
    const QRgb tip = f.pixel(2, 2), stem = f.pixel(2, 165);
    QVERIFY2(qRed(tip) > 180 && qRed(tip) > qBlue(tip) + 100, "the tip is not red or orange");
    QVERIFY2(qGray(stem) < 80, "the stem is not dark");
}

void TestArt::checkedInArtIsWhatTheGeneratorDraws_data()
{
    // The files must not depend on the machine that draws them. The second row draws with every
    // vector feature Qt and the C library can pick at run time switched off, leaving plain SSE2, the
    // x86-64 baseline: artgen-plaincpu makes Qt honour QT_NO_CPU_FEATURE, and GLIBC_TUNABLES keeps
    // the C library's maths on its baseline code.
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("cpuFeaturesOff");
    QTest::addColumn<QString>("libcFeaturesOff");
    QTest::newRow("this CPU") << "artgen" << QString() << QString();
    QTest::newRow("SSE2 only") << "artgen-plaincpu"
                               << "sse3,ssse3,fma,sse4.1,sse4.2,movbe,popcnt,aes,avx,f16c,rdrnd,bmi,avx2,bmi2,"
                                  "avx512f,avx512dq,rdseed,avx512ifma,avx512cd,sha,avx512bw,avx512vl,avx512vbmi,"
                                  "avx512vbmi2,shstk,gfni,vaes,avx512vnni,avx512bitalg,avx512vpopcntdq,avx512fp16"
                               << "-SSE3,-SSSE3,-SSE4_1,-SSE4_2,-POPCNT,-FMA,-FMA4,-AVX,-AVX2,-BMI1,-BMI2,-LZCNT,"
                                  "-MOVBE,-ERMS,-AVX512F,-AVX512DQ,-AVX512BW,-AVX512VL,-AVX512CD";
}

void TestArt::checkedInArtIsWhatTheGeneratorDraws()
{
    QFETCH(QString, tool);
    QFETCH(QString, cpuFeaturesOff);
    QFETCH(QString, libcFeaturesOff);
    const QString source = qEnvironmentVariable("NUYO_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("NUYO_SOURCE_DIR is not set (ctest sets it)");
    const QString artgen = QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/artgen/") + tool;
    if (tool != QLatin1String("artgen") && !QFile::exists(artgen))
        QSKIP("artgen-plaincpu is built only for Qt 6.4 on x86-64");
    QVERIFY2(QFile::exists(artgen), qPrintable(artgen + QStringLiteral(" is not built")));

    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess gen;
    gen.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("QT_NO_CPU_FEATURE"));
    if (!cpuFeaturesOff.isEmpty())
        env.insert(QStringLiteral("QT_NO_CPU_FEATURE"), cpuFeaturesOff);
    if (!libcFeaturesOff.isEmpty())
        env.insert(QStringLiteral("GLIBC_TUNABLES"), QStringLiteral("glibc.cpu.hwcaps=") + libcFeaturesOff);
    gen.setProcessEnvironment(env);
    gen.start(artgen, {out.path()});
    QVERIFY(gen.waitForFinished(120000));
    QCOMPARE(gen.exitStatus(), QProcess::NormalExit);
    QCOMPARE(gen.exitCode(), 0);

    auto listing = [](const QString &root) {
        QStringList files;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(root).relativeFilePath(it.next()));
        files.sort();
        return files;
    };
    const QString checkedIn = source + QStringLiteral("/layouts/art");
    const QStringList made = listing(out.path());
    QVERIFY(made.size() > 30);
    QCOMPARE(listing(checkedIn), made);
    for (const QString &rel : made) {
        QFile a(out.path() + QLatin1Char('/') + rel), b(checkedIn + QLatin1Char('/') + rel);
        QVERIFY(a.open(QIODevice::ReadOnly));
        QVERIFY(b.open(QIODevice::ReadOnly));
        if (a.readAll() != b.readAll())
            QFAIL(qPrintable(rel + QStringLiteral(" differs from the generator's output (") +
                             pixelDifference(out.path() + QLatin1Char('/') + rel, checkedIn + QLatin1Char('/') + rel) +
                             QStringLiteral("): rerun artgen")));
    }

    // Every generated picture of a window is compiled in under its own name.
    QString text;
    for (const char *file : {"/layouts/resources.qrc", "/layouts/artvariants.qrc"}) {
        QFile qrc(source + QLatin1String(file));
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        text += QString::fromUtf8(qrc.readAll());
    }
    QStringList aliases;
    const QRegularExpression re(QStringLiteral("<file alias=\"([^\"]+)\">art/([^<]+)</file>"));
    for (auto m = re.globalMatch(text); m.hasNext();) {
        const auto match = m.next();
        QCOMPARE(match.captured(1), match.captured(2));
        aliases.append(match.captured(1));
    }
    aliases.sort();
    QStringList pictures;
    for (const QString &rel : made)
        if (rel.startsWith(QStringLiteral("form")) || rel.startsWith(QStringLiteral("en/form")))
            pictures.append(rel);
    QCOMPARE(aliases, pictures);
}

void TestArt::picturesWithWordsAreReadInThePlayersLanguage()
{
    for (const QString name :
         {"form1/Image5.gif", "form1/Image7.gif", "form3/Img2.gif", "form3/Image1.gif", "form3/Image3.gif"})
        for (const QString language : {"ja", "en"}) {
            nuyo::setPictureLanguage(language);
            const QString file = language == "en" && !name.endsWith("Image3.gif") ? "en/" + name : name;
            const QImage shown = nuyo::loadPicture(name);
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), picture(file));
            QCOMPARE(nuyo::finePicture(shown).convertToFormat(QImage::Format_RGB32), picture(doubled(file)));
            QVERIFY(file == name || picture(file) != picture(name)); // a copy of the Japanese translates nothing
        }
    nuyo::setPictureLanguage(QString());
}

QTEST_MAIN(TestArt)
#include "test_art.moc"
