// ぬ よ: a float-fishing game.
#include "app/app.h"
#include "app/displayloss.h"
#include "app/quitsignals.h"
#include "host/appinfo.h"
#include "host/realhost.h"
#include "layouts/fonts.h"
#include "layouts/pictures.h"
#include "sound/loadedsoundlibrary.h"
#include "startup/displaycheck.h"
#include "startup/language.h"
#include "startup/singleinstance.h"
#include "startup/startupmessages.h"
#include "widgets/afterfirstdrawing.h"
#include "windows/titlewindow.h"

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>
#include <memory>
#include <utility>

int main(int argc, char *argv[])
{
    // Every display the game may use is opened before Qt is asked to, or, when X is the only one,
    // looked into once Qt gives up on it: Qt would abort with a cryptic message where none
    // answers, so say what was tried and why instead.
    nuyo::DisplayCheck displayCheck(argc, argv);
    if (!displayCheck.message().isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(displayCheck.message()));
        return 1;
    }
    if (!displayCheck.note().isEmpty())
        std::fprintf(stderr, "%s\n", qUtf8Printable(displayCheck.note()));

    // Under a file size limit a write fails, and is checked and reported, instead of killing the
    // game; the sound client's shared memory then falls back to the socket.
    std::signal(SIGXFSZ, SIG_IGN);

    nuyo::DisplayOpening opening(displayCheck);
    QApplication qapp(argc, argv);
    opening.done();
    displayCheck.close(); // Qt holds its own connection now
    // The game decides when it ends: hiding the main window for a new game's choice of mode
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("nuyo"));
    QApplication::setOrganizationName(QString());
    QGuiApplication::setDesktopFileName(nuyo::appDesktopId());
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(nuyo::loadPicture(QStringLiteral("form1/icon.ico")))));
    nuyo::installFontSubstitutions();
    QApplication::setFont(nuyo::gameFont(nuyo::defaultFaceName(), 9));
    nuyo::setPictureLanguage(nuyo::installLanguage(qapp) == nuyo::Language::English ? "en" : "ja"); // before any window

    nuyo::SingleInstance instance;
    if (!instance.problem().isEmpty()) {
        const QString line =
            QString::fromUtf8(nuyo::StartupText::LockUnusable).arg(instance.lockPath(), instance.problem());
        std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    }
    nuyo::RealHost host;
    host.beforeExit = [&instance] { instance.release(); };
    auto sound = std::make_unique<nuyo::LoadedSoundLibrary>(
        nuyo::soundModulePaths(QCoreApplication::applicationDirPath()), [](const QString &problem) {
            std::fprintf(stderr, "%s\n",
                         qUtf8Printable(QString::fromUtf8(nuyo::StartupText::NoSoundModule).arg(problem)));
        });
    nuyo::LoadedSoundLibrary *soundModule = sound.get();
    nuyo::App app(host, std::move(sound));
    // A logout, a closed terminal or a kill request ends the game as "終了" does, quietly.
    nuyo::QuitSignals quitSignals([&app] { app.endQuietly(); });
    // A lost display ends it the same way, as far as a game without a display can.
    nuyo::endOnLostDisplay([&app] { app.registerPendingName(); }, [&instance] { instance.release(); });
    nuyo::MainWindowWatch mainWindowWatch([&app] { return app.mainWidget(); }, [&app] { app.endQuietly(); });
    qapp.installNativeEventFilter(&mainWindowWatch);
    if (!app.start(instance.anotherGameRuns()))
        return 0;
    // The sound stack is loaded while the player reads the title, once it is drawn (or, should the
    // title never be drawn, when the main window asks for sound).
    nuyo::AfterFirstDrawing loadSound(app.title(), [soundModule] { soundModule->load(); });
    return qapp.exec();
}
