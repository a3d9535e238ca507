// The sound library's six operations: a device, buffers made from WAVE images, play, loop, free.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace nuyo {

class SoundLibrary
{
public:
    virtual ~SoundLibrary() = default;
    // dsInitialize: opens the audio output for a window; 0 when there is none.
    virtual long dsInitialize(quintptr windowHandle) = 0;
    // dsCreateResDSB: a buffer from a whole WAVE file image; `number` is the resource id − 100.
    virtual long dsCreateResDSB(long device, const QByteArray &wave, int number) = 0;
    // dsPlay: starts one play and returns at once.
    virtual long dsPlay(long buffer) = 0;
    // dsPlayLooping: starts an endless loop and returns at once.
    virtual long dsPlayLooping(long buffer) = 0;
    // dsStop: stops a buffer's play or loop.
    virtual long dsStop(long buffer) = 0;
    // dsFree: releases a buffer.
    virtual long dsFree(long buffer) = 0;
    // dsTerminate: releases the device.
    virtual long dsTerminate(long device) = 0;
};

} // namespace nuyo
