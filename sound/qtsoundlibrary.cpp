#include "sound/qtsoundlibrary.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "sound/sounds.h"

namespace nuyo {

namespace {

// The recording a buffer is made from, by its number (resource id − 100), when `wave` is that
// recording's image; an empty URL otherwise.
QUrl resourceUrl(const QByteArray &wave, int number)
{
    const QByteArray own = recording(100 + number);
    if (own.isEmpty() || own != wave)
        return QUrl();
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(100 + number));
}

// The recording loaded once at start-up to try the device.
constexpr int ProbeNumber = 1;

} // namespace

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
    if (m_device.isNull() || !probe())
        return 0;
    // A sound server that restarts offers its outputs anew; the effects follow it at their next play.
    if (!m_devices) {
        m_devices = std::make_unique<QMediaDevices>();
        QObject::connect(m_devices.get(), &QMediaDevices::audioOutputsChanged, [this] { m_outputsChanged = true; });
    }
    m_deviceHandle = ++m_lastDevice;
    return m_deviceHandle;
}

// Loads a recording as a trial: an effect that cannot even load means the device is unusable.
bool QtSoundLibrary::probe()
{
    const QUrl source = resourceUrl(recording(100 + ProbeNumber), ProbeNumber);
    if (source.isEmpty())
        return false;
    auto effect = std::make_unique<QSoundEffect>(m_device);
    QEventLoop loop;
    auto settled = [&] { return effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error; };
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (settled())
            loop.quit();
    });
    QTimer::singleShot(probeTimeoutMs, &loop, &QEventLoop::quit);
    effect->setSource(source);
    // The window is not up yet; keep the player's input for later.
    if (!settled())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (effect->status() == QSoundEffect::Error)
        return false;
    // Loaded once: the recording's own buffer takes this effect instead of loading it again.
    m_probed = std::move(effect);
    return true;
}

std::unique_ptr<QSoundEffect> QtSoundLibrary::makeEffect(const QUrl &source) const
{
    auto effect = std::make_unique<QSoundEffect>(m_device);
    effect->setSource(source);
    return effect;
}

long QtSoundLibrary::dsCreateResDSB(long device, const QByteArray &wave, int number)
{
    // Buffers belong to an open device; with none there is nothing to play them on.
    if (device == 0 || device != m_deviceHandle)
        return 0;
    // Only the game's own recordings are played, from its resources.
    const QUrl source = resourceUrl(wave, number);
    if (source.isEmpty())
        return 0;
    const long handle = ++m_lastBuffer;
    Buffer b;
    b.source = source;
    if (m_probed && m_probed->source() == source)
        b.effect = std::move(m_probed);
    else
        b.effect = makeEffect(source);
    m_buffers.emplace(handle, std::move(b));
    return handle;
}

QSoundEffect *QtSoundLibrary::effectFor(long buffer)
{
    const auto it = m_buffers.find(buffer);
    if (it == m_buffers.end())
        return nullptr;
    // After the sound server went away and came back, every effect is made afresh on the
    // current output; an effect that failed is tried again the same way. It plays once loaded.
    if (m_outputsChanged) {
        m_outputsChanged = false;
        m_device = QMediaDevices::defaultAudioOutput();
        for (auto &[handle, b] : m_buffers) {
            const bool looping = b.effect->loopsRemaining() == QSoundEffect::Infinite && b.effect->isPlaying();
            b.effect = makeEffect(b.source);
            if (looping) {
                b.effect->setLoopCount(QSoundEffect::Infinite);
                b.effect->play();
            }
        }
    } else if (it->second.effect->status() == QSoundEffect::Error) {
        it->second.effect = makeEffect(it->second.source);
    }
    return it->second.effect.get();
}

long QtSoundLibrary::dsPlay(long buffer)
{
    QSoundEffect *e = effectFor(buffer);
    if (!e)
        return -1;
    // A one-shot; QSoundEffect queues it while the image is still loading.
    e->setLoopCount(1);
    e->play();
    return 0;
}

long QtSoundLibrary::dsPlayLooping(long buffer)
{
    QSoundEffect *e = effectFor(buffer);
    if (!e)
        return -1;
    e->setLoopCount(QSoundEffect::Infinite);
    e->play();
    return 0;
}

long QtSoundLibrary::dsStop(long buffer)
{
    QSoundEffect *e = effectFor(buffer);
    if (!e)
        return -1;
    e->stop();
    return 0;
}

long QtSoundLibrary::dsFree(long buffer)
{
    const auto it = m_buffers.find(buffer);
    if (it == m_buffers.end())
        return -1; // unknown or already freed: nothing to do
    it->second.effect->stop();
    m_buffers.erase(it);
    return 0;
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
    m_probed.reset();
    while (!m_buffers.empty())
        dsFree(m_buffers.begin()->first);
}

} // namespace nuyo
