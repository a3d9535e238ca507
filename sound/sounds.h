// The game's sounds over the sound library: the device, the five buffers and their plays. Every
// play is guarded by SoundState::SoundOn and the player's SoundState::Muted; a device that cannot
// be opened is told once and the game goes on silent.
#pragma once

#include "state/vocabulary.h"

#include <QByteArray>
#include <QtGlobal>

namespace nuyo {

class Host;
class SoundLibrary;
struct SoundState;

class Sounds
{
public:
    // `library` may be null: the game then has no sound at all.
    Sounds(SoundState &state, SoundLibrary *library, Host &host);

    // Opens the device for `window`; on failure shows the one message and turns sound off.
    void openDevice(quintptr window);
    // Makes the buffer of `sound` from its recording.
    void createBuffer(Sound::Id sound);
    // The device, the five buffers (the background last) and the background loop.
    void setUp(quintptr window);
    // One play of `sound`, only while sound is on.
    void play(Sound::Id sound);
    // The endless loop of `sound`, only while sound is on.
    void loop(Sound::Id sound);
    // The player's switch: muted, nothing plays and the background loop stops; unmuted, it loops again.
    void setMuted(bool muted);
    // Releases the five buffers in order and then the device.
    void release();

private:
    SoundState &m_state;
    SoundLibrary *m_library;
    Host &m_host;
};

// The bytes of the recording of `sound` compiled into the game, where they lie; empty for any
// other id.
QByteArray recording(int id);

} // namespace nuyo
