#include "sound/waveplayer.h"

#include <QAudioSink>
#include <cstring>

namespace nuyo {

WavePlayer::WavePlayer(const QAudioDevice &device, const Wave &wave)
    : m_wave(wave), m_sink(std::make_unique<QAudioSink>(device, wave.format))
{
    open(QIODevice::ReadOnly);
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State s) { stateChanged(s); });
}

WavePlayer::~WavePlayer()
{
    m_sink->disconnect(this);
    m_sink->stop();
}

void WavePlayer::play(bool looping)
{
    m_ownChange = true;
    m_sink->stop();
    m_at = 0;
    m_looping = looping;
    m_playing = true;
    m_sink->start(this);
    m_ownChange = false;
    if (m_sink->error() != QAudio::NoError)
        m_failed = true;
}

void WavePlayer::stop()
{
    m_playing = false;
    m_ownChange = true;
    m_sink->stop();
    m_ownChange = false;
}

qint64 WavePlayer::readData(char *data, qint64 maxSize)
{
    qint64 written = 0;
    while (m_playing && written < maxSize && m_wave.size > 0) {
        if (m_at >= m_wave.size) {
            if (!m_looping)
                break;
            m_at = 0;
        }
        const qint64 n = std::min(maxSize - written, qint64(m_wave.size) - m_at);
        std::memcpy(data + written, m_wave.samples() + m_at, size_t(n));
        written += n;
        m_at += n;
    }
    return written;
}

void WavePlayer::stateChanged(QAudio::State state)
{
    // A stream that stops unasked, or with an error, broke off: the library makes it afresh, a
    // loop going on where it was asked for. A one-shot whose samples have all gone to the server
    // ends its stream, and the server plays what it already has.
    const QAudio::Error error = m_sink->error();
    const bool broke = m_playing || (error != QAudio::NoError && error != QAudio::UnderrunError);
    if (state == QAudio::StoppedState && !m_ownChange && broke)
        m_failed = true;
    else if (state == QAudio::IdleState && atEnd())
        stop();
}

} // namespace nuyo
