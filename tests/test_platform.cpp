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
    QTest::addColumn<QString>("user"); // QT_QPA_PLATFORM
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QStringList>("answering"); // the kinds of display that answer
    QTest::addColumn<QString>("expected");      // empty: none answers
    QTest::addColumn<QStringList>("passedOver");
    const QStringList both{"x", "wayland"}, x{"x"}, wayland{"wayland"}, none;

    QTest::newRow("X session") << ""
                               << ":0"
                               << "" << x << "xcb" << none;
    QTest::newRow("Wayland with XWayland: the X server") << ""
                                                         << ":0"
                                                         << "wayland-0" << both << "xcb" << none;
    QTest::newRow("Wayland alone: native") << ""
                                           << ""
                                           << "wayland-0" << wayland << "wayland" << none;
    QTest::newRow("a dead Wayland socket alone") << ""
                                                 << ""
                                                 << "wayland-9" << none << "" << QStringList{"wayland"};
    QTest::newRow("a dead Wayland socket, a live X display") << ""
                                                             << ":0"
                                                             << "wayland-9" << x << "xcb" << none;
    QTest::newRow("a dead X display, a live Wayland") << ""
                                                      << ":0"
                                                      << "wayland-0" << wayland << "wayland" << QStringList{"xcb"};
    QTest::newRow("the user's Wayland, dead: the live X display")
        << "wayland"
        << ":0"
        << "nothing-here" << x << "xcb" << QStringList{"wayland"};
    QTest::newRow("the user's Wayland, dead, no X display") << "wayland"
                                                            << ""
                                                            << "nothing-here" << x << "" << QStringList{"wayland"};
    QTest::newRow("the user's choice wins") << "wayland"
                                            << ":0"
                                            << "wayland-0" << both << "wayland" << none;
    QTest::newRow("the user's list in its order") << "wayland-egl;xcb"
                                                  << ":0"
                                                  << "wayland-0" << x << "xcb" << QStringList{"wayland-egl"};
    QTest::newRow("the user's X, dead: nothing else") << "xcb"
                                                      << ":0"
                                                      << "wayland-0" << wayland << "" << QStringList{"xcb"};
    QTest::newRow("the user's choice wins without a display") << "offscreen"
                                                              << ""
                                                              << "" << none << "offscreen" << none;
}

void PlatformTest::sessionDecidesThePlatform()
{
    QFETCH(QString, user);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QStringList, answering);
    QFETCH(QString, expected);
    QFETCH(QStringList, passedOver);
    const auto problem = [&](const QByteArray &platform) {
        const DisplayKind kind = displayKind(platform);
        const bool answers =
            kind == DisplayKind::Other ||
            answering.contains(kind == DisplayKind::X11 ? QStringLiteral("x") : QStringLiteral("wayland"));
        return answers ? QString() : QString::fromLatin1(platform);
    };
    const PlatformChoice choice = choosePlatform(user.toUtf8(), display.toUtf8(), wayland.toUtf8(), problem);
    QCOMPARE(choice.platform, expected.toUtf8());
    QCOMPARE(choice.refusals, passedOver);
}

void PlatformTest::waylandSocketAnswersOnlyWhileListenedOn_data()
{
    QTest::addColumn<QString>("socket"); // what stands at the socket's place
    QTest::addColumn<QString>("problem");
    QTest::newRow("a compositor listens") << "listening"
                                          << "";
    QTest::newRow("its compositor has ended") << "closed"
                                              << "nothing listens on that socket (its compositor has ended)";
    QTest::newRow("no such socket") << "missing"
                                    << "there is no such socket (no compositor runs there)";
    QTest::newRow("a plain file") << "file"
                                  << "that is not a socket";
    QTest::newRow("no runtime folder to look in") << "unplaced"
                                                  << "XDG_RUNTIME_DIR is not set, so its socket cannot be found";
}

void PlatformTest::waylandSocketAnswersOnlyWhileListenedOn()
{
    QFETCH(QString, socket);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path =
        waylandSocketPath("wayland-9", socket == "unplaced" ? QByteArray() : QFile::encodeName(dir.path()));
    QCOMPARE(path, socket == "unplaced" ? QString() : dir.filePath("wayland-9"));
    QCOMPARE(waylandSocketPath(QFile::encodeName(path), QByteArray()), path); // a path stands for itself
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket == "listening" || socket == "closed")
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 && ::listen(fd, 1) == 0);
    if (socket == "file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    if (socket != "listening")
        ::close(fd);
    QCOMPARE(waylandSocketProblem(path), problem);
    if (socket == "listening")
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
