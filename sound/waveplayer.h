// One recording on an output device: its own audio stream, which the sound server mixes with the
// others, playing it once or looping it. The stream pulls the samples straight from the image.
#pragma once

#include "sound/wave.h"

#include <QAudio>
#include <QAudioDevice>
#include <QIODevice>
#include <memory>

class QAudioSink;

namespace nuyo {

class WavePlayer : public QIODevice
{
public:
    WavePlayer(const QAudioDevice &device, const Wave &wave);
    ~WavePlayer() override;

    // Plays the recording from its start, once or endlessly; a play under way starts again.
    void play(bool looping);
    void stop();
    bool isLooping() const { return m_playing && m_looping; }
    // The stream could not start or broke off (the sound server went away).
    bool failed() const { return m_failed; }
    const Wave &wave() const { return m_wave; }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return !m_looping && m_at >= m_wave.size; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void stateChanged(QAudio::State state);

    Wave m_wave;
    std::unique_ptr<QAudioSink> m_sink;
    qint64 m_at = 0; // the next byte the stream takes
    bool m_looping = false;
    bool m_playing = false;
    bool m_failed = false;
    bool m_ownChange = false; // inside a stop or start of our own: a stop then is no break
};

} // namespace nuyo
