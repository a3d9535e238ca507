// The windowing platform the game asks Qt for, session by session; where its windows open; when
// the single-instance lock refuses a start.
#include "layouts/placement.h"
#include "startup/platform.h"
#include "startup/singleinstance.h"

#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace nuyo;

class PlatformTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sessionDecidesThePlatform_data();
    void sessionDecidesThePlatform();
    void windowCornerStaysOnTheWorkArea_data();
    void windowCornerStaysOnTheWorkArea();
    void onlyALiveGameHoldingTheLockRefuses_data();
    void onlyALiveGameHoldingTheLockRefuses();
};

void PlatformTest::sessionDecidesThePlatform_data()
{
    QTest::addColumn<QByteArray>("user"); // QT_QPA_PLATFORM
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("X session: Qt's own choice") << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray();
    QTest::newRow("Wayland with XWayland: the X server")
        << QByteArray() << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb");
    QTest::newRow("Wayland alone: native")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland");
    QTest::newRow("the user's choice wins")
        << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("wayland");
    QTest::newRow("the user's choice wins without a display")
        << QByteArray("offscreen") << QByteArray() << QByteArray() << QByteArray("offscreen");
}

void PlatformTest::sessionDecidesThePlatform()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, expected);
    QCOMPARE(choosePlatform(user, display, wayland), expected);
}

void PlatformTest::windowCornerStaysOnTheWorkArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("raise");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("fits: centred below a panel") << QRect(0, 96, 1280, 928) << QSize(616, 452) << 0 << QPoint(332, 334);
    // 1280 x 1024 at a scale of 3 is 427 x 341 logical pixels.
    QTest::newRow("larger: at a left panel's edge") << QRect(40, 0, 387, 341) << QSize(616, 452) << 0 << QPoint(40, 0);
    QTest::newRow("raised past the top") << QRect(0, 20, 427, 341) << QSize(357, 300) << 67 << QPoint(35, 20);
}

void PlatformTest::windowCornerStaysOnTheWorkArea()
{
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(int, raise);
    QFETCH(QPoint, corner);
    QCOMPARE(placeOnWorkArea(area, frame, raise), corner);
}

void PlatformTest::onlyALiveGameHoldingTheLockRefuses_data()
{
    QTest::addColumn<QByteArray>("left"); // in the lock's place before the start
    QTest::addColumn<bool>("anotherRuns");
    QTest::addColumn<QString>("problem");
    QTest::newRow("an empty file") << QByteArray("") << false << QString();
    QTest::newRow("a dead game's, older host name") << QByteArray("999999\nnuyo\nold\n") << false << QString();
    QTest::newRow("a running game's") << QByteArray("held") << true << QString();
    QTest::newRow("a folder") << QByteArray("folder") << false << QStringLiteral("a folder has the lock's name");
}

void PlatformTest::onlyALiveGameHoldingTheLockRefuses()
{
    QFETCH(QByteArray, left);
    QFETCH(bool, anotherRuns);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = SingleInstance(dir.path()).lockPath(); // and given back
    QFile file(path);
    QVERIFY(left == "folder" ? QDir().mkdir(path) : file.open(QIODevice::WriteOnly) && file.write(left) == left.size());
    file.close();
    const int other = ::open(QFile::encodeName(path).constData(), O_RDONLY); // another game's hold
    QVERIFY(left != "held" || ::flock(other, LOCK_EX | LOCK_NB) == 0);
    SingleInstance instance(dir.path());
    QCOMPARE(instance.anotherGameRuns(), anotherRuns);
    QCOMPARE(instance.problem(), problem);
    instance.release();
    QCOMPARE(QFileInfo::exists(path), anotherRuns || !problem.isEmpty()); // only a lock it holds goes
    ::close(other);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
