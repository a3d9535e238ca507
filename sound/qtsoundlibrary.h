// The sound library over Qt Multimedia: one QSoundEffect per buffer, mixed by the sound server.
// The effects play the game's recordings straight from its resources: no file is ever written,
// and each recording is decoded once (the one loaded to try the device becomes its buffer).
#pragma once

#include "sound/soundlibrary.h"

#include <QAudioDevice>
#include <map>
#include <memory>

#include <QUrl>

class QMediaDevices;
class QSoundEffect;

namespace nuyo {

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

    // Longest wait for the trial sound at start-up to load (milliseconds).
    int probeTimeoutMs = 3000;

private:
    struct Buffer {
        std::unique_ptr<QSoundEffect> effect;
        QUrl source; // the recording among the game's resources
    };
    QSoundEffect *effectFor(long buffer);
    std::unique_ptr<QSoundEffect> makeEffect(const QUrl &source) const;
    bool probe();
    void freeAll();

    QAudioDevice m_device;
    std::unique_ptr<QMediaDevices> m_devices; // tells when the outputs change
    bool m_outputsChanged = false;            // the sound server's outputs changed: effects are made afresh
    long m_deviceHandle = 0;                  // 0 = not open
    long m_lastDevice = 0;                    // handles are never reused
    long m_lastBuffer = 0;
    std::map<long, Buffer> m_buffers;
    std::unique_ptr<QSoundEffect> m_probed; // the trial's recording, loaded, until its buffer takes it
};

} // namespace nuyo
