// A small GIF89a writer: one frame, a global palette of up to 256 colours, LZW-compressed.
#pragma once

#include "quantize.h"

#include <QByteArray>
#include <QImage>

namespace nuyo::art {

// Encodes an indexed picture as it stands.
QByteArray encodeGif(const Indexed &picture);

// Quantises the picture to 256 colours and encodes it.
QByteArray encodeGif(const QImage &image);

} // namespace nuyo::art
