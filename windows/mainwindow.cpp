#include "windows/mainwindow.h"

#include "layouts/pictures.h"
#include "windows/standardkeys.h"

#include <QCloseEvent>

namespace nuyo {

MainWindow::MainWindow(const DisplayFonts &fonts) : QWidget(nullptr), m_fonts(fonts)
{
    ui = buildMainWindow(this);
    setWindowIcon(QIcon(QPixmap::fromImage(loadPicture(QStringLiteral("form1/icon.ico")))));
    // The end-of-game banner stands over dark evening water as well as a bright day.
    ui.endBanner->setOutline(Colour::BannerOutline);
    ui.realGameTitle->keepClearOf(ui.realGameEmblem); // the emblem stands in the title line's gap

    connectControls();
    connectKeys();
}

void MainWindow::connectControls()
{
    connect(ui.actionButton, &ColourButton::mouseDown, this, [this](int b) { Q_EMIT pressed(Control::Action, b); });
    for (int i = 0; i < 3; ++i)
        connect(ui.baitButtons[i], &ColourButton::clicked, this, [this, i] { Q_EMIT pressed(Control::Bait, i); });
    connect(ui.hintButton, &ColourButton::mouseDown, this, [this](int b) { Q_EMIT pressed(Control::Hint, b); });
    connect(ui.rankingButton, &ColourButton::clicked, this, [this] { Q_EMIT pressed(Control::Ranking, Mouse::Left); });
    connect(ui.newGameButton, &ColourButton::clicked, this, [this] { Q_EMIT pressed(Control::NewGame, Mouse::Left); });
    connect(ui.basket, &ImageBox::clicked, this, [this] { Q_EMIT pressed(Control::Introduction, Mouse::Left); });
    connect(ui.baitCounter, &TextLabel::clicked, this, [this] { Q_EMIT pressed(Control::FloatWidth, Mouse::Left); });
    connect(ui.catchLog, &LogBox::gotFocus, this, &MainWindow::focusSink);
    addStandardKeys(this, ui.basket);
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent *e)
{
    // Closing always ends the game; the close handler does the rest and never returns.
    e->ignore();
    if (m_closing)
        return;
    m_closing = true;
    Q_EMIT pressed(Control::CloseBox, Mouse::Left);
}

void MainWindow::changeEvent(QEvent *e)
{
    // Whenever the window comes back to the front, the off-screen button takes the focus, so no
    // visible control shows a focus mark the player did not ask for.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        ui.keyboardSink->setFocus();
    if (e->type() == QEvent::WindowStateChange && isMinimized() != m_minimised) {
        m_minimised = isMinimized();
        Q_EMIT minimisedChanged(m_minimised);
    }
    QWidget::changeEvent(e);
}

} // namespace nuyo
