#include "sound/qtsoundlibrary.h"

#include "sound/wave.h"
#include "sound/waveplayer.h"

#include <QMediaDevices>
#include <QObject>
#include <utility>

namespace nuyo {

QtSoundLibrary::QtSoundLibrary() = default;

QtSoundLibrary::~QtSoundLibrary()
{
    freeAll();
}

long QtSoundLibrary::dsInitialize(quintptr)
{
    if (m_deviceHandle != 0)
        return m_deviceHandle;
    // No output at all means no sound server to talk to.
    if (QMediaDevices::audioOutputs().isEmpty())
        return 0;
    m_device = QMediaDevices::defaultAudioOutput();
    if (m_device.isNull())
        return 0;
    // A sound server that restarts offers its outputs anew; the streams follow it at their next play.
    if (!m_devices) {
        m_devices = std::make_unique<QMediaDevices>();
        QObject::connect(m_devices.get(), &QMediaDevices::audioOutputsChanged, [this] { m_outputsChanged = true; });
    }
    m_deviceHandle = ++m_lastDevice;
    return m_deviceHandle;
}

long QtSoundLibrary::dsCreateResDSB(long device, const QByteArray &image, int)
{
    // Buffers belong to an open device; with none there is nothing to play them on.
    if (device == 0 || device != m_deviceHandle)
        return 0;
    const Wave wave = readWave(image);
    if (!wave.isValid() || !m_device.isFormatSupported(wave.format))
        return 0;
    const long handle = ++m_lastBuffer;
    m_buffers.emplace(handle, std::make_unique<WavePlayer>(m_device, wave));
    return handle;
}

WavePlayer *QtSoundLibrary::playerFor(long buffer)
{
    const auto it = m_buffers.find(buffer);
    if (it == m_buffers.end())
        return nullptr;
    // After the sound server went away and came back, every stream is made afresh on the
    // current output; a stream that broke off, the pond's loop among them, is made afresh the
    // same way at the next play of any sound, and a loop goes on.
    const bool outputsChanged = std::exchange(m_outputsChanged, false);
    if (outputsChanged)
        m_device = QMediaDevices::defaultAudioOutput();
    for (auto &[handle, player] : m_buffers) {
        if (!outputsChanged && !player->failed())
            continue;
        const bool looping = player->isLooping();
        player = std::make_unique<WavePlayer>(m_device, player->wave());
        if (looping)
            player->play(true);
    }
    return it->second.get();
}

long QtSoundLibrary::dsPlay(long buffer)
{
    WavePlayer *p = playerFor(buffer);
    if (!p)
        return -1;
    p->play(false);
    return 0;
}

long QtSoundLibrary::dsPlayLooping(long buffer)
{
    WavePlayer *p = playerFor(buffer);
    if (!p)
        return -1;
    p->play(true);
    return 0;
}

long QtSoundLibrary::dsStop(long buffer)
{
    WavePlayer *p = playerFor(buffer);
    if (!p)
        return -1;
    p->stop();
    return 0;
}

long QtSoundLibrary::dsFree(long buffer)
{
    // Unknown or already freed: nothing to do.
    return m_buffers.erase(buffer) > 0 ? 0 : -1;
}

long QtSoundLibrary::dsTerminate(long device)
{
    if (device == 0 || device != m_deviceHandle)
        return -1;
    freeAll();
    m_deviceHandle = 0;
    return 0;
}

void QtSoundLibrary::freeAll()
{
    m_buffers.clear();
}

} // namespace nuyo
