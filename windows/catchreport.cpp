// The catch report window: the picture and text of a cast's result, and its OK button.
#include "windows/catchreport.h"

#include "layouts/fonts.h"
#include "layouts/layout.h"

#include <QCloseEvent>
#include <QWindow>

namespace nuyo {

namespace {

// The report sits this far inside the main window's top-left corner (880 and 900 twips).
constexpr int OffsetX = 880 / TwipsPerPixel;
constexpr int OffsetY = 900 / TwipsPerPixel;

// The fish cell of Img1: the drawing on the left, its mask on the right.
constexpr int CellW = 220;
constexpr int CellH = 124;

} // namespace

Form3::Form3(App &a) : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint), app(a), g(a.g)
{
    // No caption and no close control: the report is closed by its OK button only.
    setAttribute(Qt::WA_QuitOnClose, false);
    controls = buildControls(this, form3Layout());
    Pic1 = control<PictureBox>(controls, "Pic1");
    Command1 = control<ColourButton>(controls, "Command1");
    Label2 = control<TextLabel>(controls, "Label2");
    Image1 = control<ImageBox>(controls, "Image1");
    Image2 = control<ImageBox>(controls, "Image2");
    Image3 = control<ImageBox>(controls, "Image3");
    Img1 = control<ImageBox>(controls, "Img1");
    Img2 = control<ImageBox>(controls, "Img2");
    Img3 = control<ImageBox>(controls, "Img3");

    connect(Command1, &ColourButton::clicked, this, &Form3::Command1_Click);
}

QRect Form3::fishRect(int cm)
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

void Form3::placeOverMainWindow()
{
    if (const QWidget *main = app.mainWidget())
        move(main->pos() + QPoint(OffsetX, OffsetY));
}

void Form3::Form_Load()
{
    placeOverMainWindow();
    SetReportFonts();
}

void Form3::SetReportFonts()
{
    setFontPoints(Command1, g.FontSize14);
    setFontPoints(Label2, g.FontSize14);
}

void Form3::setVisible(bool visible)
{
    const bool wasVisible = isVisible();
    if (visible && !wasVisible && app.mainWidget()) {
        // Stacked over the main window by the window manager, as a dialog of it.
        create();
        if (windowHandle() && app.mainWidget()->windowHandle())
            windowHandle()->setTransientParent(app.mainWidget()->windowHandle());
    }
    QWidget::setVisible(visible);
    if (visible && !wasVisible)
        Form_Activate();
}

void Form3::Form_Activate()
{
    placeOverMainWindow(); // follows the main window if it was moved
    Label2->setText(g.LastResult);
    Command1->setEnabled(true);
    Pic1->cls();

    if (g.LastKind == ResultKind::Miss || g.LastKind == ResultKind::FalseBite) {
        Pic1->setPicture(Img3->picture());
    } else if (g.LastKind == ResultKind::LineBreak) {
        Pic1->setPicture(Img2->picture());
    } else if (g.FishSize < 60) {
        // A landed fish, drawn by its length.
        Pic1->setPicture(Image2->picture());
        const QRect r = fishRect(g.FishSize);
        const QImage &fish = Img1->picture();
        Pic1->paintMasked(fish, QRect(CellW, 0, CellW, CellH), fish, QRect(0, 0, CellW, CellH), r);
    } else {
        // The 60 cm fish: OK waits for the master's picture, two seconds on (ShowMaster).
        Pic1->setPicture(Image3->picture());
        Command1->setEnabled(false);
        return;
    }
    Q_EMIT readyForOk();
}

void Form3::ShowMaster()
{
    Pic1->setPicture(Image1->picture());
    Command1->setEnabled(true);
    Q_EMIT readyForOk();
}

void Form3::Command1_Click()
{
    Command1->setEnabled(false);
    hide();
    Q_EMIT okPressed();
}

void Form3::closeEvent(QCloseEvent *e)
{
    // Only the OK button closes the report.
    e->ignore();
}

} // namespace nuyo
