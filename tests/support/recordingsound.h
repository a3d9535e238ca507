// A sound library that plays nothing and records every call with the host's time.
#pragma once

#include "host/host.h"
#include "sound/soundlibrary.h"

#include <QString>
#include <vector>

namespace nuyo {

class RecordingSound : public SoundLibrary
{
public:
    struct Call {
        QString op;   // "init", "create", "play", "loop", "stop", "free", "terminate"
        long handle;  // the device or buffer handle the call names (or returns)
        int resource; // 101..105 for buffer calls, 0 otherwise
        double at;    // host time of the call
    };

    explicit RecordingSound(const Host &clock, bool deviceAvailable = true)
        : m_clock(clock), m_available(deviceAvailable)
    {}

    long dsInitialize(quintptr) override;
    long dsCreateResDSB(long device, const QByteArray &wave, int number) override;
    long dsPlay(long buffer) override;
    long dsPlayLooping(long buffer) override;
    long dsStop(long buffer) override;
    long dsFree(long buffer) override;
    long dsTerminate(long device) override;

    // The resource ids of the calls named `op`, in order.
    std::vector<int> resources(const QString &op) const;
    int count(const QString &op) const;

    std::vector<Call> calls;
    std::vector<QByteArray> waves; // the images handed to dsCreateResDSB, by call

private:
    int resourceOf(long buffer) const;
    const Host &m_clock;
    bool m_available;
};

} // namespace nuyo
