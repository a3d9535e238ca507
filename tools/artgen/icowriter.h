// Writes 32 x 32 icons with a 16-colour palette (4 bits per pixel) and a transparency mask.
#pragma once

#include <QByteArray>
#include <QImage>

namespace nuyo::art {

// `image` is 32 x 32 with alpha; pixels with alpha below half are transparent. The opaque
// pixels are reduced to at most 15 colours plus black.
QByteArray encodeIco16(const QImage &image);

} // namespace nuyo::art
