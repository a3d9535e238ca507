// The catch report window: the picture and text of a cast's result, and its OK button.
#include "windows/catchreport.h"

#include "layouts/fonts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>

namespace nuyo {

namespace {

// The report sits this far inside the main window's top-left corner (880 and 900 twips).
constexpr int OffsetX = 880 / TwipsPerPixel;
constexpr int OffsetY = 900 / TwipsPerPixel;

// The fish picture's cell: the drawing on the left, its mask on the right.
constexpr int CellW = 220;
constexpr int CellH = 124;

} // namespace

CatchReport::CatchReport(const GameState &state, const DisplayFonts &fonts, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint), g(state), m_fonts(fonts), m_mainWindow(mainWindow)
{
    // No caption and no close control: the report is closed by its OK button only.
    setAttribute(Qt::WA_QuitOnClose, false);
    ui = buildCatchReport(this);
    connect(ui.okButton, &ColourButton::clicked, this, &CatchReport::pressOk);
}

QRect CatchReport::fishRect(int cm)
{
    if (cm < 15)
        return {72, 54, 88, 45};
    if (cm < 25)
        return {54, 45, 121, 69};
    if (cm < 35)
        return {38, 35, 154, 87};
    if (cm < 45)
        return {23, 24, 187, 106};
    if (cm < 55)
        return {8, 16, 220, 124};
    return {-4, 6, 253, 143};
}

void CatchReport::placeOverMainWindow()
{
    if (m_mainWindow)
        move(m_mainWindow->pos() + QPoint(OffsetX, OffsetY));
}

void CatchReport::place()
{
    placeOverMainWindow();
    setFontPoints(ui.okButton, m_fonts.FontSize14);
    setFontPoints(ui.resultText, m_fonts.FontSize14);
}

void CatchReport::setVisible(bool visible)
{
    const bool wasVisible = isVisible();
    if (visible && !wasVisible && m_mainWindow) {
        // Stacked over the main window by the window manager, as a dialog of it.
        create();
        if (windowHandle() && m_mainWindow->windowHandle())
            windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    }
    QWidget::setVisible(visible);
    if (visible && !wasVisible)
        showResult();
}

void CatchReport::showResult()
{
    placeOverMainWindow(); // follows the main window if it was moved
    ui.resultText->setText(g.LastResult);
    ui.okButton->setEnabled(true);
    ui.picture->cls();

    if (g.LastKind == ResultKind::Miss || g.LastKind == ResultKind::FalseBite) {
        ui.picture->setPicture(ui.missPicture->picture());
    } else if (g.LastKind == ResultKind::LineBreak) {
        ui.picture->setPicture(ui.lineBreakPicture->picture());
    } else if (g.FishSize < 60) {
        // A landed fish, drawn by its length.
        ui.picture->setPicture(ui.landingBackground->picture());
        const QRect r = fishRect(g.FishSize);
        const QImage &fish = ui.fishPicture->picture();
        ui.picture->paintMasked(fish, QRect(CellW, 0, CellW, CellH), fish, QRect(0, 0, CellW, CellH), r);
    } else {
        // The 60 cm fish: OK waits for the master's picture, two seconds on (showMaster).
        ui.picture->setPicture(ui.sixtyPicture->picture());
        ui.okButton->setEnabled(false);
        return;
    }
    Q_EMIT readyForOk();
}

void CatchReport::showMaster()
{
    ui.picture->setPicture(ui.masterPicture->picture());
    ui.okButton->setEnabled(true);
    Q_EMIT readyForOk();
}

void CatchReport::pressOk()
{
    ui.okButton->setEnabled(false);
    hide();
    Q_EMIT okPressed();
}

void CatchReport::closeEvent(QCloseEvent *e)
{
    // Only the OK button closes the report.
    e->ignore();
}

void CatchReport::keyPressEvent(QKeyEvent *e)
{
    // Escape presses OK, and is refused while OK is (the 60 cm fish's pause).
    if (e->key() == Qt::Key_Escape && !e->isAutoRepeat())
        ui.okButton->press(1);
    else
        QWidget::keyPressEvent(e);
}

} // namespace nuyo
