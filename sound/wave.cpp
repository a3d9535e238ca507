#include "sound/wave.h"

#include <QtEndian>

namespace nuyo {

namespace {

constexpr qsizetype RiffHeader = 12; // "RIFF", the size, "WAVE"
constexpr qsizetype ChunkHeader = 8; // the id and the body's size
constexpr quint16 PcmTag = 1;

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

// The samples' format from a "fmt " body; invalid unless it is PCM the device takes.
QAudioFormat formatOf(const char *body, quint32 size)
{
    QAudioFormat format;
    if (size < 16 || u16(body) != PcmTag)
        return format;
    const int channels = u16(body + 2);
    const int rate = int(u32(body + 4));
    const int bits = u16(body + 14);
    if (channels < 1 || channels > 2 || rate < 4000 || rate > 192000 || (bits != 8 && bits != 16))
        return format;
    format.setChannelCount(channels);
    format.setSampleRate(rate);
    format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

Wave readWave(const QByteArray &image)
{
    Wave wave;
    const char *d = image.constData();
    const qsizetype n = image.size();
    if (n < RiffHeader || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return wave;
    QAudioFormat format;
    for (qsizetype at = RiffHeader; at + ChunkHeader <= n;) {
        const QByteArray id(d + at, 4);
        const quint32 size = u32(d + at + 4);
        const qsizetype body = at + ChunkHeader;
        if (qsizetype(size) > n - body)
            return wave;
        if (id == "fmt ") {
            format = formatOf(d + body, size);
        } else if (id == "data") {
            // The samples count only after their format, and only as whole frames.
            if (!format.isValid() || size % quint32(format.bytesPerFrame()) != 0)
                return wave;
            wave.format = format;
            wave.image = image;
            wave.offset = body;
            wave.size = size;
            return wave;
        }
        at = body + size + (size & 1); // chunks keep an even length
    }
    return wave;
}

} // namespace nuyo
