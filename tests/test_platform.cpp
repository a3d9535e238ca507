// The windowing platform the game asks Qt for, session by session, and whether a Wayland socket
// answers; where its windows open; when the single-instance lock refuses a start.
#include "layouts/placement.h"
#include "startup/displaycheck.h"
#include "startup/platform.h"
#include "startup/singleinstance.h"

#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace nuyo;

class PlatformTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sessionDecidesThePlatform_data();
    void sessionDecidesThePlatform();
    void waylandSocketAnswersOnlyWhileListenedOn_data();
    void waylandSocketAnswersOnlyWhileListenedOn();
    void windowCornerStaysOnTheWorkArea_data();
    void windowCornerStaysOnTheWorkArea();
    void onlyALiveGameHoldingTheLockRefuses_data();
    void onlyALiveGameHoldingTheLockRefuses();
};

void PlatformTest::sessionDecidesThePlatform_data()
{
    // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY; the displays that answer; the platform chosen
    // (none: nothing answers) and those passed over for it.
    QTest::addColumn<QStringList>("session");
    QTest::newRow("X session") << QStringList{"", ":0", "", "x", "xcb", ""};
    QTest::newRow("XWayland before Wayland") << QStringList{"", ":0", "w-0", "x wayland", "xcb", ""};
    QTest::newRow("Wayland alone: native") << QStringList{"", "", "w-0", "wayland", "wayland", ""};
    QTest::newRow("a dead Wayland socket alone") << QStringList{"", "", "w-9", "", "", "wayland"};
    QTest::newRow("a dead Wayland socket, a live X display") << QStringList{"", ":0", "w-9", "x", "xcb", ""};
    QTest::newRow("a dead X display, a live Wayland") << QStringList{"", ":0", "w-0", "wayland", "wayland", "xcb"};
    QTest::newRow("the user's Wayland dead: X") << QStringList{"wayland", ":0", "w-9", "x", "xcb", "wayland"};
    QTest::newRow("the user's Wayland dead, no X") << QStringList{"wayland", "", "w-9", "x", "", "wayland"};
    QTest::newRow("the user's choice wins") << QStringList{"wayland", ":0", "w-0", "x wayland", "wayland", ""};
    QTest::newRow("the user's list in order") << QStringList{"wayland-egl;xcb", ":0", "", "x", "xcb", "wayland-egl"};
    QTest::newRow("the user's X dead: nothing else") << QStringList{"xcb", ":0", "w-0", "wayland", "", "xcb"};
    QTest::newRow("the user's offscreen") << QStringList{"offscreen", "", "", "", "offscreen", ""};
}

void PlatformTest::sessionDecidesThePlatform()
{
    QFETCH(QStringList, session);
    const auto problem = [&](const QByteArray &platform) {
        const DisplayKind kind = displayKind(platform);
        const bool answers =
            kind == DisplayKind::Other || session[3].contains(kind == DisplayKind::X11 ? "x" : "wayland");
        return answers ? QString() : QString::fromLatin1(platform);
    };
    const PlatformChoice choice =
        choosePlatform(platformCandidates(session[0].toUtf8(), session[1].toUtf8(), session[2].toUtf8()), problem);
    QCOMPARE(QString::fromLatin1(choice.platform), session[4]);
    QCOMPARE(choice.refusals.join(','), session[5]);
}

void PlatformTest::waylandSocketAnswersOnlyWhileListenedOn_data()
{
    QTest::addColumn<QStringList>("socket"); // what stands at the socket's place; the problem's first words
    QTest::newRow("a compositor listens") << QStringList{"listening", ""};
    QTest::newRow("its compositor ended") << QStringList{"closed", "nothing listens"};
    QTest::newRow("no such socket") << QStringList{"missing", "there is no such socket"};
    QTest::newRow("no runtime folder") << QStringList{"unplaced", "XDG_RUNTIME_DIR is not set"};
}

void PlatformTest::waylandSocketAnswersOnlyWhileListenedOn()
{
    QFETCH(QStringList, socket);
    QTemporaryDir dir;
    const QString path =
        waylandSocketPath("w-9", socket[0] == "unplaced" ? QByteArray() : QFile::encodeName(dir.path()));
    QCOMPARE(waylandSocketPath(QFile::encodeName(path), QByteArray()), path); // a path stands for itself
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket[0] == "listening" || socket[0] == "closed")
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 && ::listen(fd, 1) == 0);
    if (socket[0] != "listening")
        ::close(fd);
    const QString problem = waylandSocketProblem(path);
    QVERIFY2(problem.left(socket[1].size()) == socket[1] && problem.isEmpty() == socket[1].isEmpty(),
             qPrintable(problem));
    if (socket[0] == "listening")
        ::close(fd);
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
