// Reduces a picture to an indexed palette, the same way every run.
#pragma once

#include <QImage>
#include <QVector>

#include <cstdint>
#include <vector>

namespace nuyo::art {

struct Indexed {
    QVector<QRgb> palette;       // opaque colours, at most maxColours
    std::vector<uint8_t> pixels; // one palette index per pixel, row by row
    int width = 0;
    int height = 0;
};

// Median cut over the picture's colours. Pure black and pure white, when present, are kept exactly
// (masks and the ground around sprites depend on them); `reserved` colours are always in the palette.
// Pictures with few enough colours keep them all. No dithering: flat areas stay flat.
Indexed quantize(const QImage &image, int maxColours, const QVector<QRgb> &reserved = {});

// The picture as straight (not premultiplied) ARGB32, converted pixel by pixel with integer
// arithmetic. QImage::convertToFormat picks a vector routine for the CPU it runs on, and those round
// some half-transparent pixels differently from each other, so the written files would depend on the
// machine that drew them.
QImage straightAlpha(const QImage &image);

} // namespace nuyo::art
