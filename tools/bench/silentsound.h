// A sound library that has a device and buffers but plays nothing: the game runs as with sound on.
#pragma once

#include "sound/soundlibrary.h"

namespace nuyo {

class SilentSound : public SoundLibrary
{
public:
    long dsInitialize(quintptr) override { return 1; }
    long dsCreateResDSB(long, const QByteArray &, int) override { return ++m_lastBuffer; }
    long dsPlay(long) override { return 0; }
    long dsPlayLooping(long) override { return 0; }
    long dsStop(long) override { return 0; }
    long dsFree(long) override { return 0; }
    long dsTerminate(long) override { return 0; }

private:
    long m_lastBuffer = 0;
};

} // namespace nuyo
