// The kingfisher's surprises, frame by frame as the game asks: a pass over the scene, and a visit
// to the whole window; and the window's fonts.
#include "layouts/fonts.h"
#include "windows/mainwindow.h"

namespace nuyo {

void Form1::startPass()
{
    PicKF2->setOuterSize(300, 353);
    PicKF2->setPicture(PicPRE->image());
    PicKF2->setVisible(true);
    PicKF2->raise();
}

void Form1::drawPassFrame(int x, int y)
{
    const QImage &bird = Image8->picture();
    PicKF2->cls();
    PicKF2->paintMasked(bird, Cell::FlyingBird.translated(52, 0), bird, Cell::FlyingBird, QRect(x, y, 52, 40));
}

void Form1::endPass()
{
    PicKF2->setVisible(false);
    PicKF2->clearPicture();
}

bool Form1::startVisit()
{
    // The snapshot is the window's own picture of its client area, drawn off-screen.
    const QImage snapshot = windowSnapshot ? windowSnapshot() : grab().toImage();
    if (snapshot.isNull()) {
        PicKF->setVisible(false);
        return false;
    }
    PicKF->move(0, 0);
    PicKF->setOuterSize(width(), height());
    PicKF->setPicture(snapshot.convertToFormat(QImage::Format_RGB32));
    PicKF->refresh();
    const QImage &right = Image10->picture();
    PicKF->paintMasked(right, Cell::PerchedBird, right, Cell::PerchedBird.translated(88, 0), QRect(356, 130, 88, 84));
    PicKF->setVisible(true);
    PicKF->raise();
    return true;
}

int Form1::turnVisit()
{
    PicKF->cls();
    const QImage &left = Image9->picture();
    PicKF->paintMasked(left, Cell::PerchedBird.translated(88, 0), left, Cell::PerchedBird, QRect(302, 130, 88, 84));
    PicKF->keepDrawing();
    PicKF->refresh();
    return PicKF->scaleWidth();
}

void Form1::drawVisitFrame(int x, int y, int clip)
{
    PicKF->cls();
    if (clip < 52) {
        const QImage &bird = Image8->picture();
        const QRect shown(clip, 0, 52 - clip, 40); // the part of the bird right of the clip
        PicKF->paintMasked(bird, shown.translated(52, 0), bird, shown, QRect(x + clip, y, 52 - clip, 40));
    }
}

void Form1::clearVisit()
{
    PicKF->cls();
}

void Form1::endVisit()
{
    PicKF->setVisible(false);
    PicKF->clearPicture();
}

void Form1::SetMainFonts()
{
    setFontPoints(this, g.FontSize9);
    setFontPoints(Command1, g.FontSize12);
    for (ColourButton *b : Command3)
        setFontPoints(b, g.FontSize9);
    setFontPoints(Command4, g.FontSize9);
    setFontPoints(Command6, g.FontSize9);
    setFontPoints(Label1, g.FontSize20);
    setFontPoints(Label2[0], g.FontSize9);
    setFontPoints(Label2[1], g.FontSize9);
    setFontPoints(Label3, g.FontSize11);
    setFontPoints(Label7, g.FontSize9);
    setFontPoints(Label8, g.FontSize9);
    setFontPoints(Label9, g.FontSize9);
    setFontPoints(Text1, g.FontSize9);
    for (PictureBox *p : PicS)
        setFontPoints(p, g.FontSize36);
}

} // namespace nuyo
