#include "widgets/picturefile.h"

#include <QFile>
#include <QImageReader>
#include <QResource>
#include <algorithm>
#include <array>
#include <cstring>

namespace nuyo {

namespace {

// The bytes of a file: a resource's own bytes where they lie, when stored uncompressed.
QByteArray fileBytes(const QString &file)
{
    const QResource resource(file);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int word(const uchar *p)
{
    return p[0] | (p[1] << 8);
}

quint32 dword(const uchar *p)
{
    return quint32(word(p)) | (quint32(word(p + 2)) << 16);
}

// The bytes of the data sub-blocks from `at` on, joined; `at` ends past the block terminator.
// False when the blocks run past the end.
bool joinSubBlocks(const uchar *data, qsizetype size, qsizetype &at, QByteArray *joined)
{
    while (at < size && data[at] != 0) {
        const int length = data[at];
        if (at + 1 + length > size)
            return false;
        if (joined)
            joined->append(reinterpret_cast<const char *>(data + at + 1), length);
        at += 1 + length;
    }
    if (at >= size)
        return false;
    ++at;
    return true;
}

// The codes of an image's joined sub-blocks, of a width that grows, least significant bit first.
class CodeReader
{
public:
    explicit CodeReader(const QByteArray &codes)
        : m_in(reinterpret_cast<const uchar *>(codes.constData())), m_size(codes.size())
    {}

    // The next code of `width` bits, or -1 where the data ends.
    int next(int width)
    {
        while (m_bitCount < width) {
            if (m_at == m_size)
                return -1;
            m_bits |= quint32(m_in[m_at++]) << m_bitCount;
            m_bitCount += 8;
        }
        const int code = int(m_bits & ((1u << width) - 1));
        m_bits >>= width;
        m_bitCount -= width;
        return code;
    }

private:
    const uchar *m_in;
    qsizetype m_size;
    qsizetype m_at = 0;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

// The strings the codes stand for: each code's string is the string of the code before it one
// shorter (its prefix), then its last index.
struct LzwStrings {
    static constexpr int MaxCodes = 4096;
    std::array<quint16, MaxCodes> prefix{};
    std::array<uchar, MaxCodes> suffix{};
    std::array<quint16, MaxCodes> length{};

    // Writes the string of `code` at `out`, back to front; gives its first index. Codes up to
    // `end` stand for themselves.
    uchar write(int code, int end, uchar *out) const
    {
        uchar *p = out + length[code] - 1;
        while (code > end) {
            *p-- = suffix[code];
            code = prefix[code];
        }
        *p = uchar(code);
        return uchar(code);
    }
};

// The LZW codes of one image, written as palette indices into `out`, `pixels` of them in row
// order. False when the codes are not exactly a whole, well-formed image.
bool decodeLzw(const QByteArray &codes, int minCodeSize, uchar *out, qsizetype pixels)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    LzwStrings strings;
    for (int i = 0; i < clear; ++i) {
        strings.suffix[i] = uchar(i);
        strings.length[i] = 1;
    }
    CodeReader reader(codes);
    qsizetype written = 0;
    int codeSize = minCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    for (;;) {
        const int code = reader.next(codeSize);
        if (code < 0 || code == end)
            return written == pixels; // the data may end without its end code
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code > next || (previous < 0 && code > clear) ||
            (code == next && (previous < 0 || next == LzwStrings::MaxCodes)))
            return false;
        // The string is written straight into the picture; a code not defined yet (the one
        // being defined) is the previous string and that string's first index.
        const int known = code == next ? previous : code;
        const qsizetype size = strings.length[known] + (code == next ? 1 : 0);
        if (size > pixels - written)
            return false;
        const uchar first = strings.write(known, end, out + written);
        if (code == next)
            out[written + size - 1] = first;
        written += size;
        if (previous >= 0 && next < LzwStrings::MaxCodes) {
            strings.prefix[next] = quint16(previous);
            strings.suffix[next] = first;
            strings.length[next] = quint16(strings.length[previous] + 1);
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        previous = code;
    }
}

// Steps over the extension at `at` (past its introducer). False when it makes a colour
// transparent, which the game's pictures never do, or runs past the end.
bool skipExtension(const uchar *data, qsizetype size, qsizetype &at)
{
    if (at >= size)
        return false;
    const int label = data[at++];
    if (label == 0xf9 && at + 1 < size && data[at] >= 4 && (data[at + 1] & 1))
        return false;
    return joinSubBlocks(data, size, at, nullptr);
}

// The image at `at` (past its separator), when it is the whole `screen` in row order in the
// screen's `palette`; a null image otherwise.
QImage decodeImage(const uchar *data, qsizetype size, qsizetype at, QSize screen, const QList<QRgb> &palette)
{
    const int width = screen.width(), height = screen.height();
    if (at + 10 > size)
        return QImage();
    const bool whole = word(data + at) == 0 && word(data + at + 2) == 0 && word(data + at + 4) == width &&
                       word(data + at + 6) == height;
    const int imageFlags = data[at + 8];
    const int minCodeSize = data[at + 9];
    at += 10;
    if (!whole || (imageFlags & 0xc0) || minCodeSize < 2 || minCodeSize > 8)
        return QImage();
    QByteArray codes;
    if (!joinSubBlocks(data, size, at, &codes))
        return QImage();
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        return QImage();
    image.setColorTable(palette);
    const qsizetype pixels = qsizetype(width) * height;
    if (image.bytesPerLine() == width) // rows without padding: decoded in place
        return decodeLzw(codes, minCodeSize, image.bits(), pixels) ? image : QImage();
    QByteArray indices(pixels, Qt::Uninitialized);
    if (!decodeLzw(codes, minCodeSize, reinterpret_cast<uchar *>(indices.data()), pixels))
        return QImage();
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), indices.constData() + qsizetype(y) * width, width);
    return image;
}

} // namespace

QImage decodeGif(const uchar *data, qsizetype size)
{
    if (size < 13 || std::memcmp(data, "GIF8", 4) != 0)
        return QImage();
    const QSize screen(word(data + 6), word(data + 8));
    const int screenFlags = data[10];
    if (screen.isEmpty() || !(screenFlags & 0x80))
        return QImage();
    const int colours = 2 << (screenFlags & 7);
    qsizetype at = 13;
    if (at + 3 * colours > size)
        return QImage();
    QList<QRgb> palette(colours);
    for (int i = 0; i < colours; ++i)
        palette[i] = qRgb(data[at + 3 * i], data[at + 3 * i + 1], data[at + 3 * i + 2]);
    at += 3 * colours;
    // Extensions, then the first image, which is the picture.
    while (at < size) {
        const int block = data[at++];
        if (block == 0x2c)
            return decodeImage(data, size, at, screen, palette);
        if (block != 0x21 || !skipExtension(data, size, at))
            return QImage();
    }
    return QImage();
}

QImage decodeIcon(const uchar *data, qsizetype size)
{
    // The directory, then its first image: a bitmap header, the palette, the colour rows and the
    // mask rows, both bottom up, each row padded to four bytes.
    if (size < 22 || word(data) != 0 || word(data + 2) != 1 || word(data + 4) < 1)
        return QImage();
    const quint32 offset = dword(data + 18);
    if (offset > quint32(size) || size - offset < 40)
        return QImage();
    const uchar *header = data + offset;
    const int width = int(dword(header + 4));
    const int height = int(dword(header + 8)) / 2; // the colour rows and the mask rows
    const int bits = word(header + 14);
    if (dword(header) != 40 || width <= 0 || width > 256 || height <= 0 || height > 256 || word(header + 12) != 1 ||
        (bits != 1 && bits != 4 && bits != 8) || dword(header + 16) != 0)
        return QImage();
    const int colours = dword(header + 32) ? int(dword(header + 32)) : 1 << bits;
    const qsizetype colourStride = ((qsizetype(width) * bits + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const uchar *palette = header + 40;
    const uchar *pixels = palette + 4 * colours;
    const uchar *mask = pixels + colourStride * height;
    if (colours > (1 << bits) || mask + maskStride * height > data + size)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        const uchar *colourRow = pixels + colourStride * (height - 1 - y);
        const uchar *maskRow = mask + maskStride * (height - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            const int index = (colourRow[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
            const bool hidden = maskRow[x / 8] & (0x80 >> (x % 8));
            const uchar *c = palette + 4 * std::min(index, colours - 1);
            out[x] = hidden ? 0u : qRgb(c[2], c[1], c[0]);
        }
    }
    return image;
}

QImage readPictureFile(const QString &file)
{
    const QByteArray bytes = fileBytes(file);
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    QImage image = decodeGif(data, bytes.size());
    if (image.isNull())
        image = decodeIcon(data, bytes.size());
    return image.isNull() ? QImage(file) : image;
}

QSize pictureFileSize(const QString &file)
{
    const QByteArray bytes = fileBytes(file);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    if (bytes.size() >= 10 && std::memcmp(p, "GIF8", 4) == 0)
        return QSize(word(p + 6), word(p + 8));
    // An icon's directory: its first image's width and height, 0 meaning 256.
    if (bytes.size() >= 8 && word(p) == 0 && word(p + 2) == 1 && word(p + 4) >= 1)
        return QSize(p[6] ? p[6] : 256, p[7] ? p[7] : 256);
    return QImageReader(file).size();
}

} // namespace nuyo
