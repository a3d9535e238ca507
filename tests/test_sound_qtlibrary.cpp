// The Qt sound library when no sound server can be reached: no device, one message, silence,
// and every later call harmless; the same when its module cannot be loaded.

#include "host/simhost.h"
#include "sound/loadedsoundlibrary.h"
#include "sound/qtsoundlibrary.h"
#include "sound/sounds.h"
#include "state/gamestate.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace nuyo;

class TestSoundQtLibrary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void withoutAServerThereIsNoDevice();
    void callsWithoutADeviceAreHarmless_data();
    void callsWithoutADeviceAreHarmless();
    void theModuleIsTheFirstThatLoads_data();
    void theModuleIsTheFirstThatLoads();
    void theGameLoadsSilentlyWithOneMessage_data();
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
    QCOMPARE(lib.dsCreateResDSB(handle, recording(103), 3), 0L);
    QVERIFY(lib.dsPlay(handle) != 0);
    QVERIFY(lib.dsPlayLooping(handle) != 0);
    lib.dsFree(handle);
    lib.dsFree(handle);
    lib.dsTerminate(handle);
    lib.dsTerminate(handle);
}

static QString builtModule()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../nuyo-sound.so");
}

void TestSoundQtLibrary::theModuleIsTheFirstThatLoads_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("loads");
    QTest::newRow("built") << QStringList{builtModule()} << true;
    QTest::newRow("missing, then built") << QStringList{m_runtime.filePath(QStringLiteral("none.so")), builtModule()}
                                         << true;
    QTest::newRow("missing") << QStringList{m_runtime.filePath(QStringLiteral("none.so"))} << false;
    QTest::newRow("not a module") << QStringList{QCoreApplication::applicationFilePath()} << false;
}

void TestSoundQtLibrary::theModuleIsTheFirstThatLoads()
{
    QFETCH(QStringList, paths);
    QFETCH(bool, loads);
    QStringList told;
    LoadedSoundLibrary library(paths, [&](const QString &problem) { told << problem; });
    QCOMPARE(library.load(), loads);
    QCOMPARE(library.load(), loads); // tried once, told once
    QCOMPARE(told.size(), loads ? 0 : 1);
    QVERIFY(loads || !told[0].isEmpty());
    QCOMPARE(library.dsInitialize(1), 0L); // no sound server either way
}

void TestSoundQtLibrary::theGameLoadsSilentlyWithOneMessage_data()
{
    QTest::addColumn<bool>("fromModule");
    QTest::newRow("the library") << false;
    QTest::newRow("no module") << true;
}

// The game's sound set-up with the real library and no sound server, or with no module to load it
// from: the message once, then silence.
void TestSoundQtLibrary::theGameLoadsSilentlyWithOneMessage()
{
    QFETCH(bool, fromModule);
    SimHost host;
    std::unique_ptr<SoundLibrary> owned;
    if (fromModule)
        owned = std::make_unique<LoadedSoundLibrary>(QStringList{m_runtime.filePath(QStringLiteral("none.so"))});
    else
        owned = std::make_unique<QtSoundLibrary>();
    SoundLibrary &library = *owned;
    SoundState g;
    Sounds sounds(g, &library, host);
    sounds.setUp(0);
    QCOMPARE(g.SoundDevice, 0L);
    QVERIFY(!g.SoundOn);
    QCOMPARE(host.messages.size(), size_t(1));
    QCOMPARE(host.messages[0].text, QStringLiteral("Direct Soundインターフェースが作成できません。　　　　"));
    QCOMPARE(host.messages[0].caption, QStringLiteral("ぬよ"));
    QCOMPARE(host.messages[0].style, int(MsgBox::Exclamation));
    for (long b : {g.buffer(Sound::Background), g.buffer(Sound::Whoosh), g.buffer(Sound::Plop), g.buffer(Sound::Chime),
                   g.buffer(Sound::Failure)})
        QCOMPARE(b, 0L);
    sounds.play(Sound::Chime);
    sounds.release();
    sounds.release();
    QCOMPARE(host.messages.size(), size_t(1));
}

QTEST_MAIN(TestSoundQtLibrary)
#include "test_sound_qtlibrary.moc"
