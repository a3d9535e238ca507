#include "gifwriter.h"

#include <unordered_map>

namespace nuyo::art {

namespace {

// Packs variable-width codes least significant bit first into 255-byte data sub-blocks.
class CodeWriter
{
public:
    explicit CodeWriter(QByteArray &out) : out_(out) {}

    void write(int code, int width)
    {
        bits_ |= uint32_t(code) << nbits_;
        nbits_ += width;
        while (nbits_ >= 8) {
            put(uint8_t(bits_ & 0xff));
            bits_ >>= 8;
            nbits_ -= 8;
        }
    }

    void finish()
    {
        if (nbits_ > 0)
            put(uint8_t(bits_ & 0xff));
        bits_ = 0;
        nbits_ = 0;
        flushBlock();
        out_.append(char(0)); // block terminator
    }

private:
    void put(uint8_t b)
    {
        block_.append(char(b));
        if (block_.size() == 255)
            flushBlock();
    }

    void flushBlock()
    {
        if (block_.isEmpty())
            return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }

    QByteArray &out_;
    QByteArray block_;
    uint32_t bits_ = 0;
    int nbits_ = 0;
};

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

} // namespace

QByteArray encodeGif(const Indexed &pic)
{
    int tableBits = 1; // the palette is padded to a power of two, 2 entries at least
    while ((1 << tableBits) < pic.palette.size())
        ++tableBits;

    QByteArray out("GIF89a");
    put16(out, pic.width);
    put16(out, pic.height);
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1))); // global table, its size
    out.append(char(0));                                               // background colour index
    out.append(char(0));                                               // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < pic.palette.size() ? pic.palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }

    out.append(char(0x2c)); // image descriptor: the whole screen, not interlaced, no local table
    put16(out, 0);
    put16(out, 0);
    put16(out, pic.width);
    put16(out, pic.height);
    out.append(char(0));

    const int minCodeSize = tableBits < 2 ? 2 : tableBits;
    out.append(char(minCodeSize));
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;

    CodeWriter writer(out);
    int codeSize = minCodeSize + 1;
    int lastCode = endCode; // the most recently assigned dictionary code
    std::unordered_map<uint32_t, uint16_t> dictionary;
    writer.write(clearCode, codeSize);

    int current = -1;
    for (uint8_t pixel : pic.pixels) {
        if (current < 0) {
            current = pixel;
            continue;
        }
        const uint32_t key = (uint32_t(current) << 8) | pixel;
        const auto it = dictionary.find(key);
        if (it != dictionary.end()) {
            current = it->second;
            continue;
        }
        writer.write(current, codeSize);
        dictionary.emplace(key, uint16_t(++lastCode));
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == 4095) {
            // The dictionary is full: start a fresh one.
            writer.write(clearCode, codeSize);
            dictionary.clear();
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        current = pixel;
    }
    if (current >= 0)
        writer.write(current, codeSize);
    writer.write(endCode, codeSize);
    writer.finish();

    out.append(char(0x3b)); // trailer
    return out;
}

QByteArray encodeGif(const QImage &image)
{
    return encodeGif(quantize(image, 256));
}

} // namespace nuyo::art
