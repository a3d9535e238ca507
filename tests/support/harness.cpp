#include "support/harness.h"

#include "layouts/fonts.h"
#include "windows/catchreport.h"
#include "windows/rankingwindow.h"
#include "windows/titlewindow.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
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
    app->settingsFile = dir.filePath(QStringLiteral("nuyo.conf")); // never the player's own
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
        if (w->inherits("nuyo::TitleWindow"))
            delete w;
}

void Harness::start(int mode)
{
    app->start(false);
    TitleWindow *title = app->title();
    Q_ASSERT(title && title->isVisible());
    title->ui.modeButtons[mode]->press(1);
}

void Harness::runUntilNewGame()
{
    host.runUntil(host.now() + 600, [this] { return g().TitleCall == TitleCall::NewGameChosen; });
}

bool Harness::actionUsable()
{
    return window().isEnabled() && window().ui.actionButton->isEnabled();
}

QString Harness::commentShown()
{
    return window().ui.commentLine->text();
}

bool Harness::floatLeftRest()
{
    // The float is a narrow column of the float picture's colours in the close-up box: find its
    // top row by comparing against the box's own background picture.
    PictureBox *box = window().ui.floatCloseUp;
    if (!box->isVisible())
        return false;
    const QImage &shown = box->image();
    // The box may keep its background as a palette picture: the player knows it by its colours.
    if (m_floatBackOf != box->picture().cacheKey() || m_floatBack.format() != shown.format()) {
        m_floatBack = box->picture().convertToFormat(shown.format());
        m_floatBackOf = box->picture().cacheKey();
    }
    const QImage &back = m_floatBack;
    // The player follows the float sideways and looks for its tip.
    const int x0 = std::max(0, g().FloatX - 8), x1 = std::min(shown.width(), g().FloatX + 8);
    int top = -1;
    if (x1 > x0 && back.format() == shown.format()) {
        const int rows = std::min(shown.height(), back.height());
        const size_t bytes = size_t(x1 - x0) * 4;
        for (int y = 0; y < rows && top < 0; ++y)
            if (std::memcmp(shown.constScanLine(y) + x0 * 4, back.constScanLine(y) + x0 * 4, bytes) != 0)
                top = y;
    }
    const int restTop = g().BaitTime + 20;
    // Gone from view, or a bite's depth (five pixels or more) above or below its rest.
    return top < 0 || std::abs(top - restTop) >= 5;
}

void Harness::press(Control control, int arg)
{
    if (control == Control::Bait)
        window().ui.baitButtons[size_t(arg)]->press(Mouse::Left);
    else
        window().ui.actionButton->press(arg);
}

void Harness::answerDialogs(std::function<QString()> rankingName)
{
    host.onDialog = [this, rankingName](QWidget *w) {
        if (auto *report = qobject_cast<CatchReport *>(w)) {
            // Read the report for a moment once it is all there, then OK.
            whenReadyForOk(report, [this, report] {
                host.after(1.0, [report] {
                    if (report->isVisible() && report->ui.okButton->isEnabled())
                        report->ui.okButton->press(1);
                });
            });
        } else if (auto *ranking = qobject_cast<RankingWindow *>(w)) {
            host.after(1.0, [this, ranking, rankingName] {
                if (ranking->ui.nameEntry->isVisible()) {
                    for (QChar c : rankingName())
                        ranking->ui.nameEntry->typeChar(c);
                    ranking->ui.nameEntry->typeChar(QChar(13));
                }
                host.after(1.0, [ranking] { ranking->ui.okButton->press(1); });
            });
        }
    };
}

void whenReadyForOk(CatchReport *report, const std::function<void()> &act)
{
    if (report->ui.okButton->isEnabled()) {
        act();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(report, &CatchReport::readyForOk, report, [connection, act] {
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
