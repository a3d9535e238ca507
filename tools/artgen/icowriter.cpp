#include "icowriter.h"

#include "quantize.h"

namespace nuyo::art {

namespace {

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &out, uint32_t v)
{
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

} // namespace

QByteArray encodeIco16(const QImage &source)
{
    const QImage argb = straightAlpha(source);
    const int w = argb.width(), h = argb.height();

    // Transparent pixels become black for the quantiser; the mask hides them.
    QImage opaque(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            opaque.setPixel(x, y, qAlpha(c) >= 128 ? (c | 0xff000000u) : qRgb(0, 0, 0));
        }
    const Indexed ind = quantize(opaque, 16, {qRgb(0, 0, 0)});
    const int black = int(ind.palette.indexOf(qRgb(0, 0, 0)));

    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const uint32_t imageBytes = uint32_t(40 + 16 * 4 + (xorStride + andStride) * h);

    QByteArray out;
    put16(out, 0); // icon directory: reserved, type 1 (icon), one image
    put16(out, 1);
    put16(out, 1);
    out.append(char(w));
    out.append(char(h));
    out.append(char(16));
    out.append(char(0));
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);

    put32(out, 40); // bitmap header; the height counts the colour rows and the mask rows
    put32(out, uint32_t(w));
    put32(out, uint32_t(h * 2));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, uint32_t((xorStride + andStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < ind.palette.size() ? ind.palette[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) { // colour rows, bottom up
        QByteArray row(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            const bool shown = qAlpha(argb.pixel(x, y)) >= 128;
            const int index = shown ? ind.pixels[size_t(y) * w + x] : black;
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) { // mask rows, bottom up: 1 = transparent
        QByteArray row(andStride, 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace nuyo::art
