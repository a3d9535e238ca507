// The windowing platform the game asks Qt for, session by session.
#include "startup/platform.h"

#include <QtTest>

using namespace nuyo;

class PlatformTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sessionDecidesThePlatform_data();
    void sessionDecidesThePlatform();
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

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
