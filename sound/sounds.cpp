#include "sound/sounds.h"

#include "host/host.h"
#include "sound/soundlibrary.h"
#include "state/gamestate.h"

#include <QCoreApplication>
#include <QFile>
#include <QResource>

// The recordings are compiled into the core library; referencing them here keeps the linker
// from dropping them from a static link.
static void initSoundResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(once);
}

namespace nuyo {

Sounds::Sounds(SoundState &state, SoundLibrary *library, Host &host) : m_state(state), m_library(library), m_host(host)
{}

void Sounds::openDevice(quintptr window)
{
    m_state.SoundDevice = m_library ? m_library->dsInitialize(window) : 0;
    m_state.SoundOn = m_state.SoundDevice != 0;
    if (!m_state.SoundOn)
        m_host.msgBox(QCoreApplication::translate("Sound", "Direct Soundインターフェースが作成できません。　　　　"),
                      MsgBox::Exclamation, QCoreApplication::translate("Sound", "ぬよ"));
}

void Sounds::createBuffer(Sound::Id sound)
{
    m_state.buffer(sound) =
        m_library ? m_library->dsCreateResDSB(m_state.SoundDevice, recording(sound), sound - 100) : 0;
}

void Sounds::setUp(quintptr window)
{
    openDevice(window);
    for (Sound::Id sound : {Sound::Whoosh, Sound::Plop, Sound::Chime, Sound::Failure, Sound::Background})
        createBuffer(sound);
    loop(Sound::Background);
}

void Sounds::play(Sound::Id sound)
{
    if (m_state.SoundOn && !m_state.Muted && m_library)
        m_library->dsPlay(m_state.buffer(sound));
}

void Sounds::loop(Sound::Id sound)
{
    if (m_state.SoundOn && !m_state.Muted && m_library)
        m_library->dsPlayLooping(m_state.buffer(sound));
}

void Sounds::setMuted(bool muted)
{
    if (m_state.Muted == muted)
        return;
    m_state.Muted = muted;
    // Before the buffers are made (the choice kept from the last game) there is nothing to switch.
    const long background = m_state.buffer(Sound::Background);
    if (!m_state.SoundOn || !m_library || background == 0)
        return;
    if (muted)
        m_library->dsStop(background);
    else
        loop(Sound::Background);
}

void Sounds::release()
{
    if (m_library) {
        for (int id = Sound::First; id <= Sound::Last; ++id)
            m_library->dsFree(m_state.buffer(Sound::Id(id)));
        if (m_state.SoundDevice != 0)
            m_library->dsTerminate(m_state.SoundDevice);
    }
}

QByteArray recording(int id)
{
    if (id < Sound::First || id > Sound::Last)
        return QByteArray();
    initSoundResources();
    // Read where it lies when it is stored as it is: no copy of the recording is made.
    const QString file = QStringLiteral(":/sounds/%1.wav").arg(id);
    const QResource resource(file);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace nuyo
