// The kingfisher's surprises, frame by frame as the game asks: a pass over the scene, and a visit
// to the whole window; and the window's fonts.
#include "layouts/fonts.h"
#include "windows/mainwindow.h"

namespace nuyo {

namespace {
constexpr int PassWidth = 300, PassHeight = 353; // the pass's box stands over the pond, as large as it
} // namespace

void MainWindow::preparePass()
{
    ui.kingfisherPass->setOuterSize(PassWidth, PassHeight);
    ui.kingfisherPass->reserveDrawing();
}

void MainWindow::startPass()
{
    ui.kingfisherPass->setOuterSize(PassWidth, PassHeight);
    ui.kingfisherPass->setPicture(ui.pond->image());
    ui.kingfisherPass->setVisible(true);
    ui.kingfisherPass->raise();
}

void MainWindow::drawPassFrame(int x, int y)
{
    const QImage &bird = ui.flyingBird->picture();
    ui.kingfisherPass->cls();
    ui.kingfisherPass->paintMasked(bird, Cell::FlyingBird.translated(52, 0), bird, Cell::FlyingBird,
                                   QRect(x, y, 52, 40));
}

void MainWindow::endPass()
{
    ui.kingfisherPass->setVisible(false);
    ui.kingfisherPass->clearPicture();
}

bool MainWindow::startVisit()
{
    // The snapshot is the window's own picture of its client area, drawn off-screen.
    const QImage snapshot = windowSnapshot ? windowSnapshot() : grab().toImage();
    if (snapshot.isNull()) {
        ui.kingfisherVisit->setVisible(false);
        return false;
    }
    ui.kingfisherVisit->move(0, 0);
    ui.kingfisherVisit->setOuterSize(width(), height());
    ui.kingfisherVisit->setPicture(snapshot.convertToFormat(QImage::Format_RGB32));
    ui.kingfisherVisit->refresh();
    const QImage &right = ui.perchedBirdRight->picture();
    ui.kingfisherVisit->paintMasked(right, Cell::PerchedBird, right, Cell::PerchedBird.translated(88, 0),
                                    QRect(356, 130, 88, 84));
    ui.kingfisherVisit->setVisible(true);
    ui.kingfisherVisit->raise();
    return true;
}

int MainWindow::turnVisit()
{
    ui.kingfisherVisit->cls();
    const QImage &left = ui.perchedBirdLeft->picture();
    ui.kingfisherVisit->paintMasked(left, Cell::PerchedBird.translated(88, 0), left, Cell::PerchedBird,
                                    QRect(302, 130, 88, 84));
    ui.kingfisherVisit->keepDrawing();
    ui.kingfisherVisit->refresh();
    return ui.kingfisherVisit->scaleWidth();
}

void MainWindow::drawVisitFrame(int x, int y, int clip)
{
    ui.kingfisherVisit->cls();
    if (clip < 52) {
        const QImage &bird = ui.flyingBird->picture();
        const QRect shown(clip, 0, 52 - clip, 40); // the part of the bird right of the clip
        ui.kingfisherVisit->paintMasked(bird, shown.translated(52, 0), bird, shown, QRect(x + clip, y, 52 - clip, 40));
    }
}

void MainWindow::clearVisit()
{
    ui.kingfisherVisit->cls();
}

void MainWindow::endVisit()
{
    ui.kingfisherVisit->setVisible(false);
    ui.kingfisherVisit->clearPicture();
}

void MainWindow::setFonts()
{
    setFontPoints(this, m_fonts.FontSize9);
    setFontPoints(ui.actionButton, m_fonts.FontSize12);
    for (ColourButton *b : ui.baitButtons)
        setFontPoints(b, m_fonts.FontSize9);
    setFontPoints(ui.hintButton, m_fonts.FontSize9);
    setFontPoints(ui.rankingButton, m_fonts.FontSize9);
    setFontPoints(ui.baitCounter, m_fonts.FontSize20);
    setFontPoints(ui.baitLabels[0], m_fonts.FontSize9);
    setFontPoints(ui.baitLabels[1], m_fonts.FontSize9);
    setFontPoints(ui.commentLine, m_fonts.FontSize11);
    setFontPoints(ui.tensionGauge, m_fonts.FontSize9);
    setFontPoints(ui.floatWidthLabel, m_fonts.FontSize9);
    setFontPoints(ui.realGameTitle, m_fonts.FontSize9);
    setFontPoints(ui.catchLog, m_fonts.FontSize9);
    for (PictureBox *p : ui.sizeTexts)
        setFontPoints(p, m_fonts.FontSize36);
}

} // namespace nuyo
