// The Qt sound library when no sound server can be reached: no device, one message, silence,
// and every later call harmless.

#include "app/app.h"
#include "host/simhost.h"
#include "windows/mainwindow.h"
#include "sound/qtsoundlibrary.h"
#include "sound/sounds.h"

#include <QTemporaryDir>
#include <QTest>

using namespace nuyo;

class TestSoundQtLibrary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void withoutAServerThereIsNoDevice();
    void callsWithoutADeviceAreHarmless_data();
    void callsWithoutADeviceAreHarmless();
    void theGameLoadsSilentlyWithOneMessage();

private:
    QTemporaryDir m_runtime;
};

void TestSoundQtLibrary::initTestCase()
{
    // Point the sound client at a socket that does not exist, before anything opens it.
    QVERIFY(m_runtime.isValid());
    qputenv("PULSE_SERVER", QByteArray("unix:") + m_runtime.filePath(QStringLiteral("none")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", m_runtime.path().toLocal8Bit());
}

void TestSoundQtLibrary::withoutAServerThereIsNoDevice()
{
    QtSoundLibrary lib;
    QCOMPARE(lib.dsInitialize(1), 0L);
    QCOMPARE(lib.dsInitialize(1), 0L); // asking again does not invent one
}

void TestSoundQtLibrary::callsWithoutADeviceAreHarmless_data()
{
    QTest::addColumn<long>("handle");
    QTest::newRow("null") << 0L;
    QTest::newRow("never made") << 42L;
    QTest::newRow("negative") << -1L;
}

// Buffers are refused without a device; playing, looping, freeing (twice) and terminating
// unknown handles does nothing.
void TestSoundQtLibrary::callsWithoutADeviceAreHarmless()
{
    QFETCH(long, handle);
    QtSoundLibrary lib;
    QCOMPARE(lib.dsInitialize(1), 0L);
    QCOMPARE(lib.dsCreateResDSB(handle, waveResource(103), 3), 0L);
    QVERIFY(lib.dsPlay(handle) != 0);
    QVERIFY(lib.dsPlayLooping(handle) != 0);
    lib.dsFree(handle);
    lib.dsFree(handle);
    lib.dsTerminate(handle);
    lib.dsTerminate(handle);
}

// The main window's set-up with the real library: the message once, then silence.
void TestSoundQtLibrary::theGameLoadsSilentlyWithOneMessage()
{
    SimHost host;
    App app(host, std::make_unique<QtSoundLibrary>());
    Form1 form(app);
    Game game(app, form);
    game.SetupSound();
    QCOMPARE(app.g.DsHandle, 0L);
    QCOMPARE(app.g.SoundOff, int(SoundOff::Silent));
    QCOMPARE(host.messages.size(), size_t(1));
    QCOMPARE(host.messages[0].text, QStringLiteral("Direct Soundインターフェースが作成できません。　　　　"));
    QCOMPARE(host.messages[0].caption, QStringLiteral("ぬよ"));
    QCOMPARE(host.messages[0].style, int(MsgBox::Exclamation));
    for (long b : {app.g.Snd101, app.g.Snd102, app.g.Snd103, app.g.Snd104, app.g.Snd105})
        QCOMPARE(b, 0L);
    SoundPlay(app, app.g.Snd104);
    SoundRelease(app);
    SoundRelease(app);
    QCOMPARE(host.messages.size(), size_t(1));
}

QTEST_MAIN(TestSoundQtLibrary)
#include "test_sound_qtlibrary.moc"
