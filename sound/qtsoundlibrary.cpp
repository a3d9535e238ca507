#include "sound/qtsoundlibrary.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace nuyo {

namespace {

// A short silent image in the recordings' own format (8-bit mono PCM with a fact chunk).
QByteArray silentWave()
{
    const quint32 rate = 22050;
    const quint32 samples = 256;
    QByteArray out;
    auto tag = [&](const char *t) { out.append(t, 4); };
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    tag("RIFF");
    u32(4 + 24 + 12 + 8 + samples);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);    // PCM
    u16(1);    // mono
    u32(rate); // samples per second
    u32(rate); // bytes per second
    u16(1);    // block align
    u16(8);    // bits per sample
    tag("fact");
    u32(4);
    u32(samples);
    tag("data");
    u32(samples);
    out.append(int(samples), char(0x80));
    return out;
}

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
    if (m_device.isNull())
        return 0;
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid() || !probe()) {
        m_dir.reset();
        return 0;
    }
    m_deviceHandle = ++m_lastDevice;
    return m_deviceHandle;
}

// Loads a silent trial sound: an effect that cannot even load means the device is unusable.
bool QtSoundLibrary::probe()
{
    const QString path = writeImage(silentWave(), QStringLiteral("probe.wav"));
    if (path.isEmpty())
        return false;
    QSoundEffect effect(m_device);
    QEventLoop loop;
    auto settled = [&] {
        return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error;
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (settled())
            loop.quit();
    });
    QTimer::singleShot(probeTimeoutMs, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(path));
    // The window is not up yet; keep the player's input for later.
    if (!settled())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = effect.status() != QSoundEffect::Error;
    QFile::remove(path);
    return ok;
}

QString QtSoundLibrary::writeImage(const QByteArray &wave, const QString &name)
{
    const QString path = m_dir->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(wave) != wave.size())
        return QString();
    return path;
}

long QtSoundLibrary::dsCreateResDSB(long device, const QByteArray &wave, int number)
{
    // Buffers belong to an open device; with none there is nothing to play them on.
    if (device == 0 || device != m_deviceHandle)
        return 0;
    const long handle = ++m_lastBuffer;
    // The caller drops its bytes after this call: the buffer keeps its own copy on disk,
    // because QSoundEffect loads from a URL.
    const QString path = writeImage(wave, QStringLiteral("buffer%1-%2.wav").arg(handle).arg(number));
    if (path.isEmpty())
        return 0;
    Buffer b;
    b.path = path;
    b.effect = std::make_unique<QSoundEffect>(m_device);
    b.effect->setSource(QUrl::fromLocalFile(path));
    m_buffers.emplace(handle, std::move(b));
    return handle;
}

QSoundEffect *QtSoundLibrary::effectFor(long buffer) const
{
    const auto it = m_buffers.find(buffer);
    if (it == m_buffers.end())
        return nullptr;
    // An effect that could not be loaded is simply not heard.
    if (it->second.effect->status() == QSoundEffect::Error)
        return nullptr;
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

long QtSoundLibrary::dsFree(long buffer)
{
    const auto it = m_buffers.find(buffer);
    if (it == m_buffers.end())
        return -1; // unknown or already freed: nothing to do
    it->second.effect->stop();
    it->second.effect.reset();
    QFile::remove(it->second.path);
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
    while (!m_buffers.empty())
        dsFree(m_buffers.begin()->first);
    m_dir.reset();
}

} // namespace nuyo
