// Every picture of the game, drawn at its final pixel size.
#pragma once

#include "canvas.h"
#include "words.h"

#include <QImage>
#include <QString>

namespace nuyo::art {

// The pond scene behind the angler (300 x 354): the evening pond, or the bright practice pond.
QImage pondScene(bool evening);
// The float close-up (200 x 240): water line at row 176.
QImage floatCloseUp();
// The float itself (5 x 170), tip at the top.
QImage floatPicture();

// The angler frames 0..7 (160 x 314 each); frames 3..7 bend the rod to the fish.
Cell anglerCell(int frame);
// Where the rod tip leaves the frame, for the previews.
QPointF rodTip(int frame);

// Fish.
void drawFish(QPainter &p, const QRectF &box, bool facingLeft);
Cell landedFish();    // 48 x 48
Cell reportFish();    // 220 x 124
QImage catchBasket(); // 112 x 72, behind the catch counter

// Kingfishers.
Cell kingfisherFlying();  // 52 x 40, flying left
Cell kingfisherPerched(); // 88 x 84, facing right

// Marks shown in the calm band at the bottom of the scene (100 x 24 each, stacked 25 apart).
QImage splashFrames();                           // 100 x 49
QImage resultMarks(const PictureWords &words);   // 100 x 49
QImage bigCatchMarks(const PictureWords &words); // 100 x 99

// The title picture (340 x 255).
QImage titlePicture();

// The catch report's pictures (240 x 220 each).
QImage reportWater();
QImage missPicture();
QImage brokenLinePicture(const PictureWords &words);
QImage bigHeadPicture(const QString &caption);

// Icons, drawn at any size with a transparent ground.
QImage windowIcon(int size);
QImage emblemIcon(int size);
QImage rankingIcon(int size);

} // namespace nuyo::art
