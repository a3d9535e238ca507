// The sound library over Qt Multimedia: one QSoundEffect per buffer, mixed by the sound server.
#pragma once

#include "sound/soundlibrary.h"

#include <QAudioDevice>
#include <map>
#include <memory>

class QSoundEffect;
class QTemporaryDir;

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
    long dsFree(long buffer) override;
    long dsTerminate(long device) override;

    // Longest wait for the trial sound at start-up to load (milliseconds).
    int probeTimeoutMs = 3000;

private:
    struct Buffer {
        std::unique_ptr<QSoundEffect> effect;
        QString path; // the buffer's own copy of its WAVE image
    };
    QSoundEffect *effectFor(long buffer) const;
    QString writeImage(const QByteArray &wave, const QString &name);
    bool probe();
    void freeAll();

    QAudioDevice m_device;
    std::unique_ptr<QTemporaryDir> m_dir;
    long m_deviceHandle = 0;  // 0 = not open
    long m_lastDevice = 0;    // handles are never reused
    long m_lastBuffer = 0;
    std::map<long, Buffer> m_buffers;
};

} // namespace nuyo
