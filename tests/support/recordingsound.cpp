#include "support/recordingsound.h"

namespace nuyo {

namespace {
constexpr long DeviceHandle = 7;
constexpr long BufferBase = 1000;
} // namespace

long RecordingSound::dsInitialize(quintptr)
{
    const long h = m_available ? DeviceHandle : 0;
    calls.push_back({QStringLiteral("init"), h, 0, m_clock.now()});
    return h;
}

long RecordingSound::dsCreateResDSB(long device, const QByteArray &wave, int number)
{
    waves.push_back(wave);
    const long h = BufferBase + number;
    calls.push_back({QStringLiteral("create"), device, 100 + number, m_clock.now()});
    return h;
}

int RecordingSound::resourceOf(long buffer) const
{
    return buffer > BufferBase ? int(buffer - BufferBase) + 100 : 0;
}

long RecordingSound::dsPlay(long buffer)
{
    calls.push_back({QStringLiteral("play"), buffer, resourceOf(buffer), m_clock.now()});
    return 0;
}

long RecordingSound::dsPlayLooping(long buffer)
{
    calls.push_back({QStringLiteral("loop"), buffer, resourceOf(buffer), m_clock.now()});
    return 0;
}

long RecordingSound::dsStop(long buffer)
{
    calls.push_back({QStringLiteral("stop"), buffer, resourceOf(buffer), m_clock.now()});
    return 0;
}

long RecordingSound::dsFree(long buffer)
{
    calls.push_back({QStringLiteral("free"), buffer, resourceOf(buffer), m_clock.now()});
    return 0;
}

long RecordingSound::dsTerminate(long device)
{
    calls.push_back({QStringLiteral("terminate"), device, 0, m_clock.now()});
    return 0;
}

std::vector<int> RecordingSound::resources(const QString &op) const
{
    std::vector<int> out;
    for (const Call &c : calls)
        if (c.op == op)
            out.push_back(c.resource);
    return out;
}

int RecordingSound::count(const QString &op) const
{
    int n = 0;
    for (const Call &c : calls)
        n += c.op == op;
    return n;
}

} // namespace nuyo
