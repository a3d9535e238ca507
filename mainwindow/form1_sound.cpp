#include "mainwindow/form1.h"
#include "sound/soundlibrary.h"
#include "sound/vbdsound.h"

namespace nuyo {

// SetupSound: opens the device, makes the five buffers (the background last) and starts the loop.
void Form1::SetupSound()
{
    // The library only needs a non-zero window identity; don't force a native window for it.
    const quintptr handle = internalWinId() ? quintptr(internalWinId()) : reinterpret_cast<quintptr>(this);
    SoundInit(app, handle);
    g.Snd102 = SoundCreate(app, waveResource(102), 2);
    g.Snd103 = SoundCreate(app, waveResource(103), 3);
    g.Snd104 = SoundCreate(app, waveResource(104), 4);
    g.Snd105 = SoundCreate(app, waveResource(105), 5);
    g.Snd101 = SoundCreate(app, waveResource(101), 1);
    if (g.SoundOff == SoundOff::Available && app.sound)
        app.sound->dsPlayLooping(g.Snd101);
}

} // namespace nuyo
