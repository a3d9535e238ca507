// The sound wrappers and the main window's sound set-up, over a recording library: the order of
// the buffers, the single message when there is no device, the SoundOff guard and the release.

#include "app/app.h"
#include "host/simhost.h"
#include "windows/mainwindow.h"
#include "sound/sounds.h"
#include "support/recordingsound.h"

#include <QTest>
#include <memory>

using namespace nuyo;

namespace {

const QString NoDeviceText = QStringLiteral("Direct Soundインターフェースが作成できません。　　　　");

// An App whose sound library records its calls; `rec` stays owned by the App.
struct Rig {
    explicit Rig(bool device)
    {
        auto s = std::make_unique<RecordingSound>(host, device);
        rec = s.get();
        app = std::make_unique<App>(host, std::move(s));
    }
    SimHost host;
    RecordingSound *rec = nullptr;
    std::unique_ptr<App> app;
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
    App &app = *rig.app;
    Form1 form(app);
    Game game(app, form);
    game.SetupSound();

    const std::vector<QString> ops = opsOf(*rig.rec);
    QCOMPARE(QStringList(ops.begin(), ops.end()), calls);
    QCOMPARE(app.g.SoundOff, soundOff);
    QCOMPARE(app.g.DsHandle, rig.rec->calls.front().handle);

    // Each buffer gets its own resource's whole image, with the device that init returned.
    const int order[] = {102, 103, 104, 105, 101};
    QCOMPARE(rig.rec->waves.size(), size_t(5));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(rig.rec->waves[i], waveResource(order[i]));
        QCOMPARE(rig.rec->calls[i + 1].handle, app.g.DsHandle);
    }
    const long handles[] = {app.g.Snd101, app.g.Snd102, app.g.Snd103, app.g.Snd104, app.g.Snd105};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(handles[i], 1000L + 1 + i); // the buffer made with number id − 100

    if (device) {
        QVERIFY(rig.host.messages.empty());
        QCOMPARE(rig.rec->calls.back().handle, app.g.Snd101);
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
    App &app = *rig.app;
    Form1 form(app);
    Game game(app, form);
    game.SetupSound();
    rig.rec->calls.clear();

    for (long b : {app.g.Snd102, app.g.Snd103, app.g.Snd104, app.g.Snd105})
        SoundPlay(app, b);
    QCOMPARE(rig.rec->count(QStringLiteral("play")), plays);
    if (plays) {
        const std::vector<int> played{102, 103, 104, 105};
        QCOMPARE(rig.rec->resources(QStringLiteral("play")), played);
    }
    QCOMPARE(rig.rec->count(QStringLiteral("loop")), 0);

    SoundRelease(app);
    app.g.SoundOff = SoundOff::Silent;
    rig.rec->calls.clear();
    SoundPlay(app, app.g.Snd104);
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
    App &app = *rig.app;
    Form1 form(app);
    Game game(app, form);
    game.SetupSound();
    rig.rec->calls.clear();

    SoundRelease(app);
    const std::vector<int> freed{101, 102, 103, 104, 105};
    QCOMPARE(rig.rec->resources(QStringLiteral("free")), freed);
    QCOMPARE(rig.rec->count(QStringLiteral("terminate")), terminates);
    if (terminates) {
        QCOMPARE(rig.rec->calls.back().op, QStringLiteral("terminate"));
        QCOMPARE(rig.rec->calls.back().handle, app.g.DsHandle);
    }
    QCOMPARE(rig.rec->calls.size(), size_t(5 + terminates));
}

QTEST_MAIN(TestSoundWrappers)
#include "test_sound_wrappers.moc"
