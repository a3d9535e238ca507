// A WAVE image read for the output device: the format of its samples and where they lie in it.
#pragma once

#include <QAudioFormat>
#include <QByteArray>

namespace nuyo {

struct Wave {
    QAudioFormat format; // invalid when the image is not one the device can take
    QByteArray image;    // the whole image; the samples are a part of it, never copied
    qsizetype offset = 0;
    qsizetype size = 0;

    bool isValid() const { return format.isValid() && size > 0; }
    const char *samples() const { return image.constData() + offset; }
};

// Reads a RIFF WAVE image of uncompressed samples (8-bit unsigned or 16-bit signed, one or two
// channels); for anything else, or a chunk that runs past the image's end, an invalid Wave.
Wave readWave(const QByteArray &image);

} // namespace nuyo
