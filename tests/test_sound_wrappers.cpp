// The game's sounds over a recording library: the order of the buffers, the single message when
// there is no device, the guard on every play and the release.

#include "host/simhost.h"
#include "sound/sounds.h"
#include "state/gamestate.h"
#include "support/recordingsound.h"

#include <QTest>
#include <memory>

using namespace nuyo;

namespace {

const QString NoDeviceText = QStringLiteral("Direct Soundインターフェースが作成できません。　　　　");

// The sounds of one game over a library that records its calls, set up as the game's load does.
struct Rig {
    explicit Rig(bool device) : library(host, device), rec(&library) { sounds.setUp(0); }
    SimHost host;
    RecordingSound library;
    RecordingSound *rec;
    SoundState g;
    Sounds sounds{g, &library, host};
};

std::vector<QString> opsOf(const RecordingSound &r)
{
    std::vector<QString> ops;
    for (const auto &c : r.calls)
        ops.push_back(c.op + (c.resource ? QString::number(c.resource) : QString()));
    return ops;
}

} // namespace

class TestSoundWrappers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setupSoundMakesTheEffectsThenTheLoop_data();
    void setupSoundMakesTheEffectsThenTheLoop();
    void everyPlayIsGuardedBySoundOff_data();
    void everyPlayIsGuardedBySoundOff();
    void releaseFreesTheFiveInOrderThenTheDeviceOnce_data();
    void releaseFreesTheFiveInOrderThenTheDeviceOnce();
};

void TestSoundWrappers::setupSoundMakesTheEffectsThenTheLoop_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("soundOff");
    QTest::newRow("device") << true << QStringList{"init",      "create102", "create103", "create104",
                                                   "create105", "create101", "loop101"}
                            << 0;
    // Without a device the buffers are still asked for, but nothing is ever played.
    QTest::newRow("no device") << false
                               << QStringList{"init", "create102", "create103", "create104", "create105", "create101"}
                               << 1;
}

// Creates 102, 103, 104, 105 and last 101 from the compiled-in images, then loops 101 only when
// sound is on; without a device exactly one exclamation box says so.
void TestSoundWrappers::setupSoundMakesTheEffectsThenTheLoop()
{
    QFETCH(bool, device);
    QFETCH(QStringList, calls);
    QFETCH(int, soundOff);
    Rig rig(device);
    const SoundState &g = rig.g;

    const std::vector<QString> ops = opsOf(*rig.rec);
    QCOMPARE(QStringList(ops.begin(), ops.end()), calls);
    QCOMPARE(g.SoundOn, soundOff == 0);
    QCOMPARE(g.SoundDevice, rig.rec->calls.front().handle);

    // Each buffer gets its own resource's whole image, with the device that init returned.
    const int order[] = {102, 103, 104, 105, 101};
    QCOMPARE(rig.rec->waves.size(), size_t(5));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(rig.rec->waves[i], recording(order[i]));
        QCOMPARE(rig.rec->calls[i + 1].handle, g.SoundDevice);
    }
    const long handles[] = {g.buffer(Sound::Background), g.buffer(Sound::Whoosh), g.buffer(Sound::Plop),
                            g.buffer(Sound::Chime), g.buffer(Sound::Failure)};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(handles[i], 1000L + 1 + i); // the buffer made with number id − 100

    if (device) {
        QVERIFY(rig.host.messages.empty());
        QCOMPARE(rig.rec->calls.back().handle, g.buffer(Sound::Background));
    } else {
        QCOMPARE(rig.host.messages.size(), size_t(1));
        QCOMPARE(rig.host.messages[0].text, NoDeviceText);
        QCOMPARE(rig.host.messages[0].style, int(MsgBox::Exclamation));
        QCOMPARE(rig.host.messages[0].caption, QStringLiteral("ぬよ"));
    }
}

void TestSoundWrappers::everyPlayIsGuardedBySoundOff_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<int>("plays");
    QTest::newRow("sound on") << true << 4;
    QTest::newRow("no device") << false << 0;
}

// After set-up, one-shots reach the library only while sound is on; once released (SoundOff 1)
// nothing plays any more.
void TestSoundWrappers::everyPlayIsGuardedBySoundOff()
{
    QFETCH(bool, device);
    QFETCH(int, plays);
    Rig rig(device);
    rig.rec->calls.clear();

    for (Sound::Id s : {Sound::Whoosh, Sound::Plop, Sound::Chime, Sound::Failure})
        rig.sounds.play(s);
    QCOMPARE(rig.rec->count(QStringLiteral("play")), plays);
    if (plays) {
        const std::vector<int> played{102, 103, 104, 105};
        QCOMPARE(rig.rec->resources(QStringLiteral("play")), played);
    }
    QCOMPARE(rig.rec->count(QStringLiteral("loop")), 0);

    rig.sounds.release();
    rig.g.SoundOn = false;
    rig.rec->calls.clear();
    rig.sounds.play(Sound::Chime);
    QCOMPARE(rig.rec->count(QStringLiteral("play")), 0);
    QCOMPARE(rig.host.messages.size(), size_t(device ? 0 : 1)); // still the one message only
}

void TestSoundWrappers::releaseFreesTheFiveInOrderThenTheDeviceOnce_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<int>("terminates");
    QTest::newRow("device") << true << 1;
    QTest::newRow("no device") << false << 0;
}

// dsFree on 101, 102, 103, 104, 105 in that order, then dsTerminate on the device (when one
// was opened) exactly once.
void TestSoundWrappers::releaseFreesTheFiveInOrderThenTheDeviceOnce()
{
    QFETCH(bool, device);
    QFETCH(int, terminates);
    Rig rig(device);
    const SoundState &g = rig.g;
    rig.rec->calls.clear();

    rig.sounds.release();
    const std::vector<int> freed{101, 102, 103, 104, 105};
    QCOMPARE(rig.rec->resources(QStringLiteral("free")), freed);
    QCOMPARE(rig.rec->count(QStringLiteral("terminate")), terminates);
    if (terminates) {
        QCOMPARE(rig.rec->calls.back().op, QStringLiteral("terminate"));
        QCOMPARE(rig.rec->calls.back().handle, g.SoundDevice);
    }
    QCOMPARE(rig.rec->calls.size(), size_t(5 + terminates));
}

QTEST_MAIN(TestSoundWrappers)
#include "test_sound_wrappers.moc"
