#include "support/harness.h"

#include "layouts/fonts.h"
#include "windows/catchreport.h"
#include "windows/titlewindow.h"

#include <QApplication>
#include <memory>

namespace nuyo {

Harness::Harness(quint32 seed, bool soundDevice)
{
    host.seed = seed;
    auto rec = std::make_unique<RecordingSound>(host, soundDevice);
    sound = rec.get();
    app = std::make_unique<App>(host, std::move(rec));
    app->exeDir = dir.path();
    app->userDataDir = dir.path();
    app->displayDepth = [] { return 24; };
    app->twipsPerPixel = [] { return 15.0; };
    installFontSubstitutions();
}

Harness::~Harness()
{
    app->unloadWindows();
    // The title window of start-up deletes itself when closed; make sure nothing is left over.
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets)
        if (w->inherits("nuyo::Form2"))
            delete w;
}

void Harness::start(int mode)
{
    Main(*app, false);
    Form2 *title = nullptr;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets)
        if (auto *f = qobject_cast<Form2 *>(w); f && f->isVisible())
            title = f;
    Q_ASSERT(title);
    title->Command1[mode]->press(1);
}

void Harness::runUntilNewGame()
{
    host.runUntil(host.now() + 600, [this] { return app->g.TitleCall == TitleCall::NewGameChosen; });
}

void whenReadyForOk(Form3 *report, const std::function<void()> &act)
{
    if (report->Command1->isEnabled()) {
        act();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(report, &Form3::readyForOk, report, [connection, act] {
        QObject::disconnect(*connection);
        act();
    });
}

bool endsGame(const std::function<void()> &act)
{
    try {
        act();
    } catch (const ApplicationEnded &) {
        return true;
    }
    return false;
}

} // namespace nuyo
