// The game's sound wrappers over the sound library; every play is guarded by SoundOff.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace nuyo {

struct App;

// SoundInit: opens the device; on failure shows the one message and turns sound off.
void SoundInit(App &app, quintptr windowHandle);
// SoundTerm: releases the device when there is one.
void SoundTerm(App &app);
// SoundCreate: a buffer from a WAVE image and its number (resource id − 100).
long SoundCreate(App &app, const QByteArray &wave, int number);
// SoundMsg: the sound layer's only message box.
void SoundMsg(App &app, const QString &text);

// One-shot play, as every caller does it: only while SoundOff is 0.
void SoundPlay(App &app, long buffer);
// Releases the five buffers in order 101..105 and then the device.
void SoundRelease(App &app);

// The bytes of WAVE resource `id` (101..105) compiled into the game.
QByteArray waveResource(int id);

} // namespace nuyo
