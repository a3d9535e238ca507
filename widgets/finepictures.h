// The pictures at twice the density, for screens that show more than one device pixel per pixel.
//
// The game hands its pictures around as plain images at their own pixels. A picture loaded from
// the resources is remembered here with the name of its twin drawn at twice the density, and the
// picture boxes and image boxes find the twin from the image itself when they draw on a dense
// screen. Nothing is loaded on a screen of one device pixel per pixel.
#pragma once

#include <QImage>
#include <QString>

namespace nuyo {

// The density the pictures are drawn at on a screen of `deviceRatio`: 1, or 2 for any denser
// screen (a fractional ratio scales the finer drawing down smoothly when it is shown).
int densityFor(qreal deviceRatio);

// Remembers that `picture` has a twin at twice the density in the resource file `fineFile`.
void rememberFinePicture(const QImage &picture, const QString &fineFile);

// The remembered twin of `picture` at twice the density (loaded once), or a null image.
QImage finePicture(const QImage &picture);

// `picture` at `density` device pixels per pixel: its twin when it has one of exactly that size,
// the picture itself when it already is that fine, otherwise each pixel repeated (a snapshot of
// a screen at another ratio is resampled smoothly).
QImage atDensity(const QImage &picture, const QImage &twin, int density);

} // namespace nuyo
