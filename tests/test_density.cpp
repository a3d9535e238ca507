// Sprites on a dense screen (run at QT_SCALE_FACTOR 1.5 and 2). Invariant: where the mask is clear
// all around, the box shows exactly the scene without the sprite (no key colour, no fringe); where
// it is solid all around, exactly the sprite over any other ground (no gap). Edges go unchecked.
// A framed control's own colour stays inside its frame.
#include "layouts/pictures.h"
#include "widgets/controls.h"
#include "widgets/picturebox.h"
#include "windows/catchreport.h"

#include <QtTest>

class TestDensity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spriteLandsOnTheSceneWithoutKeyColourOrGap_data();
    void spriteLandsOnTheSceneWithoutKeyColourOrGap();
    void aFramedControlsColourStaysInsideItsFrame_data();
    void aFramedControlsColourStaysInsideItsFrame();
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

void TestDensity::aFramedControlsColourStaysInsideItsFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("button") << 0;
    QTest::newRow("framed label") << 1;
    QTest::newRow("filled shape") << 2;
}

void TestDensity::aFramedControlsColourStaysInsideItsFrame()
{
    // A bait button's size: 113 x 25 pixels is no whole number of device pixels at 1.5.
    QFETCH(int, kind);
    const QColor ground(0, 0, 255), face(255, 0, 0);
    QWidget window;
    window.setFixedSize(140, 40);
    window.setPalette(QPalette(ground));
    window.setAutoFillBackground(true);
    QWidget *w = nullptr;
    if (kind == 0) {
        auto *b = new nuyo::ColourButton(&window);
        b->setBackColor(face);
        w = b;
    } else if (kind == 1) {
        auto *l = new nuyo::TextLabel(&window);
        l->setBackColor(face);
        l->setBorder(true);
        w = l;
    } else {
        auto *s = new nuyo::OutlineShape(nuyo::OutlineShape::Rectangle, &window);
        s->setFill(face);
        w = s;
    }
    w->setGeometry(8, 8, 113, 25);
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect control, colour;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            control |= shot.pixelColor(x, y) != ground ? QRect(x, y, 1, 1) : QRect();
            colour |= shot.pixelColor(x, y) == face ? QRect(x, y, 1, 1) : QRect();
        }
    QVERIFY2(control.adjusted(1, 1, -1, -1).contains(colour),
             qPrintable(QDebug::toString(colour) + QStringLiteral(" reaches the frame ") + QDebug::toString(control)));
}

QTEST_MAIN(TestDensity)
#include "test_density.moc"
