// The sound library over Qt Multimedia: one audio stream per buffer, mixed by the sound server.
// Each buffer plays its WAVE image where it lies: no file is ever written, and nothing is copied.
#pragma once

#include "sound/soundlibrary.h"

#include <QAudioDevice>
#include <map>
#include <memory>

class QMediaDevices;

namespace nuyo {

class WavePlayer;

class QtSoundLibrary : public SoundLibrary
{
public:
    QtSoundLibrary();
    ~QtSoundLibrary() override;

    long dsInitialize(quintptr windowHandle) override;
    long dsCreateResDSB(long device, const QByteArray &wave, int number) override;
    long dsPlay(long buffer) override;
    long dsPlayLooping(long buffer) override;
    long dsStop(long buffer) override;
    long dsFree(long buffer) override;
    long dsTerminate(long device) override;

private:
    WavePlayer *playerFor(long buffer);
    void freeAll();

    QAudioDevice m_device;
    std::unique_ptr<QMediaDevices> m_devices; // tells when the outputs change
    bool m_outputsChanged = false;            // the sound server's outputs changed: the streams are made afresh
    long m_deviceHandle = 0;                  // 0 = not open
    long m_lastDevice = 0;                    // handles are never reused
    long m_lastBuffer = 0;
    std::map<long, std::unique_ptr<WavePlayer>> m_buffers;
};

} // namespace nuyo
