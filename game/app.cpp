#include "game/app.h"

#include "fish/nuyoobject.h"
#include "mainwindow/form1.h"
#include "ranking/form4.h"
#include "report/form3.h"
#include "sound/soundlibrary.h"
#include "sound/vbdsound.h"
#include "startup/fontsizes.h"
#include "startup/form2.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace nuyo {

App::App(Host &h, std::unique_ptr<SoundLibrary> s) : host(h), sound(std::move(s))
{
    exeDir = QCoreApplication::applicationDirPath();
    displayDepth = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 32;
    };
    twipsPerPixel = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    };
}

App::~App()
{
    unloadWindows();
}

QWidget *App::mainWidget() const
{
    return form1;
}

bool App::openTitle()
{
    auto *form = new Form2(*this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (!form->Form_Load()) {
        delete form;
        return false;
    }
    title = form;
    QObject::connect(form, &Form2::modeChosen, form, [this](int mode) { titleChose(mode); });
    if (form1) {
        // A new game's choice: the main window waits for it, hidden.
        QObject::connect(form, &Form2::closed, form1, &Form1::titleClosed);
        host.showDialog(form);
        return true;
    }
    form->show();
    form->raise();
    form->repaint();
    return true;
}

void App::titleChose(int mode)
{
    if (form1) {
        form1->modeChosen(mode);
        return;
    }
    g.GameMode = mode == GameMode::Real ? GameMode::Real : GameMode::Practice;
    loadMainWindow();
    form1->raise();
    // Unloads the title of start-up: it is deleted when closed.
    if (title)
        title->close();
}

void App::loadMainWindow()
{
    if (form1)
        return;
    form1 = new Form1(*this);
    wireMainWindow();
    form1->Form_Load();
    if (!form3) {
        form3 = new Form3(*this);
        wireReport();
        form3->Form_Load();
    }
}

void App::wireMainWindow()
{
    if (!form1 || m_wired == form1)
        return;
    m_wired = form1;
    QObject::connect(form1, &Form1::reportRequested, form1, [this] { openReport(); });
    QObject::connect(form1, &Form1::rankingRequested, form1, [this] { openRanking(); });
    QObject::connect(form1, &Form1::unloadReport, form1, [this] { unloadReport(); });
    QObject::connect(form1, &Form1::titleRequested, form1, [this] {
        // A display the game cannot use ends it here too, after the refusal.
        if (!openTitle())
            host.endApplication();
    });
    QObject::connect(form1, &Form1::titleDone, form1, [this] {
        if (title)
            title->close();
    });
    // The game's clock stands still while the main window is minimised.
    QObject::connect(form1, &Form1::minimisedChanged, form1, [this](bool minimised) {
        if (minimised)
            host.pauseClock();
        else
            host.resumeClock();
    });
}

void App::wireReport()
{
    QObject::connect(form3, &Form3::okPressed, form1, &Form1::reportOk);
    QObject::connect(form1, &Form1::reportMaster, form3, &Form3::ShowMaster);
}

void App::openReport()
{
    if (form3)
        host.showDialog(form3);
}

void App::openRanking()
{
    // Loaded for one showing; unloaded when it closes.
    auto *form = new Form4(*this);
    form4 = form;
    if (form1) {
        QObject::connect(form, &Form4::toggleRequested, form1, &Form1::toggleRanking);
        QObject::connect(form, &Form4::nameEntered, form1, &Form1::registerRankingName);
    }
    QObject::connect(form, &Form4::closed, form, [this, form] {
        form->deleteLater();
        if (form1)
            form1->rankingClosed();
    });
    form->Form_Load();
    host.showDialog(form);
}

void App::unloadReport()
{
    delete form3;
    form3 = nullptr;
}

void App::unloadWindows()
{
    delete form4;
    unloadReport();
    delete form1;
    form1 = nullptr;
}

void App::endQuietly()
{
    // A result waiting for its name is kept, as an empty or unfinished entry registers it: the
    // player cannot be asked any more, and losing the game's result would be worse.
    if (form4 && form4->isVisible())
        form4->registerName(false);
    if (form1)
        form1->stopTimers();
    SoundRelease(*this);
    host.endApplication();
}

void endQuietly(App &app)
{
    app.endQuietly();
}

bool Main(App &app, bool anotherGameRuns)
{
    if (anotherGameRuns) {
        app.host.msgBox(QStringLiteral("既に「 ぬ よ 」は起動しています！　　"), MsgBox::Exclamation,
                        QStringLiteral(" * ぬ よ *"));
        return false;
    }
    SetFontSizes(app.g, app.twipsPerPixel ? app.twipsPerPixel() : 15.0);
    return app.openTitle();
}

} // namespace nuyo
