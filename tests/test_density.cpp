// Sprites on a dense screen (run at QT_SCALE_FACTOR 1.5 and 2). Invariant: where the mask is clear
// all around, the box shows exactly the scene without the sprite (no key colour, no fringe); where
// it is solid all around, exactly the sprite over any other ground (no gap). Edges go unchecked.
#include "layouts/pictures.h"
#include "widgets/picturebox.h"
#include "windows/catchreport.h"

#include <QtTest>

class TestDensity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spriteLandsOnTheSceneWithoutKeyColourOrGap_data();
    void spriteLandsOnTheSceneWithoutKeyColourOrGap();
    void aPictureShowsItsTwin_data();
    void aPictureShowsItsTwin();
};

void TestDensity::spriteLandsOnTheSceneWithoutKeyColourOrGap_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("sprite"); // drawing left, mask right
    QTest::addColumn<QRect>("at");
    for (int k = 0; k < 8; ++k)
        QTest::addRow("angler frame %d", k)
            << "form1/Image12.gif" << QStringLiteral("form1/Image1_%1.gif").arg(k) << QRect(90, 0, 160, 314);
    for (int cm : {10, 35, 59})
        QTest::addRow("report, %d cm", cm) << "form3/Image2.gif"
                                           << "form3/Img1.gif" << nuyo::CatchReport::fishRect(cm);
}

void TestDensity::spriteLandsOnTheSceneWithoutKeyColourOrGap()
{
    QFETCH(QString, scene);
    QFETCH(QString, sprite);
    QFETCH(QRect, at);
    const QImage ground = nuyo::loadPicture(scene), pair = nuyo::loadPicture(sprite);
    const QRect spriteCell(0, 0, pair.width() / 2, pair.height()),
        maskCell = spriteCell.translated(spriteCell.width(), 0);
    auto shot = [&](const QImage &picture, bool withSprite) {
        nuyo::PictureBox box;
        box.setOuterSize(ground.width(), ground.height());
        box.setPicture(picture); // none: the back colour is the other ground
        if (withSprite)
            box.paintMasked(pair, maskCell, pair, spriteCell, at);
        return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage shown = shot(ground, true), without = shot(ground, false), overOther = shot(QImage(), true);
    const qreal ratio = shown.devicePixelRatio();
    QVERIFY2(ratio > 1, "the screen is not dense: run with QT_SCALE_FACTOR");

    QImage fineMask(ground.size() * 2, QImage::Format_RGB32); // the mask at twice the density, in place
    fineMask.fill(Qt::white);
    const QImage twin(QStringLiteral(":/pictures/") + sprite.insert(sprite.lastIndexOf('.'), QStringLiteral("@2x")));
    QPainter(&fineMask).drawImage(QRect(at.topLeft() * 2, at.size() * 2), twin,
                                  QRect(maskCell.topLeft() * 2, maskCell.size() * 2));

    int outside = 0, inside = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            // The fine pixels a smoothly scaled device pixel can draw on, with one to spare.
            const int fx = int((x + 0.5) * 2 / ratio), fy = int((y + 0.5) * 2 / ratio);
            int black = 0, all = 0;
            for (int j = fy - 3; j <= fy + 3; ++j)
                for (int i = fx - 3; i <= fx + 3; ++i, ++all)
                    black += fineMask.valid(i, j) ? (fineMask.pixel(i, j) & 0xffffff) == 0 : 0;
            if (black == 0 && shown.pixel(x, y) != without.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("(%1, %2) outside the sprite is not the scene").arg(x).arg(y)));
            if (black == all && shown.pixel(x, y) != overOther.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("(%1, %2) inside the sprite shows the ground").arg(x).arg(y)));
            outside += black == 0;
            inside += black == all;
        }
    QVERIFY2(inside > at.width() * at.height() / 8 && outside > inside, qPrintable(QString::number(inside)));
}

void TestDensity::aPictureShowsItsTwin_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("practice pond") << "form1/Image6.gif";
    QTest::newRow("float close-up") << "form1/PicUKI.gif";
    QTest::newRow("report") << "form3/Image2.gif";
}

// A box given a palette picture (kept as it is, shared) shows its twin's pixels, not its own
// pixels repeated.
void TestDensity::aPictureShowsItsTwin()
{
    QFETCH(QString, name);
    const QImage picture = nuyo::loadPicture(name);
    nuyo::PictureBox box;
    box.setOuterSize(picture.width(), picture.height());
    box.setPicture(picture);
    QCOMPARE(box.density(), 2);
    QImage twin(QStringLiteral(":/pictures/") + name.insert(name.lastIndexOf('.'), QStringLiteral("@2x")));
    twin.setDevicePixelRatio(1);
    QCOMPARE(box.fineImage(), twin.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestDensity)
#include "test_density.moc"
