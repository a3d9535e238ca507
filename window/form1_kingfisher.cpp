// The kingfisher's surprises: a pass over the scene, and a visit to the whole window.
#include "game/form1.h"
#include "layouts/fonts.h"
#include "sound/vbdsound.h"

#include <QPainter>
#include <exception>

namespace nuyo {

void Form1::WaitSeconds(double seconds)
{
    app.host.waitFor(seconds);
}

void Form1::KingfisherPass()
{
    setEnabled(false);
    PicKF2->setOuterSize(300, 353);
    PicKF2->setPicture(PicPRE->image());
    PicKF2->setVisible(true);
    PicKF2->raise();
    const QImage &bird = Image8->picture();
    int x = 288, y = 6;
    do {
        x -= 36;
        y += 3;
        PicKF2->cls();
        PicKF2->paintMasked(bird, Cell::FlyingBird.translated(52, 0), bird, Cell::FlyingBird, QRect(x, y, 52, 40));
        WaitSeconds(0.1);
    } while (x > -12);
    PicKF2->setVisible(false);
    PicKF2->clearPicture();
    setEnabled(true);
    SoundPlay(app, g.Snd104);
}

void Form1::KingfisherVisit()
{
    setEnabled(false);
    try {
        // The snapshot is the window's own picture of its client area, drawn off-screen.
        const QImage snapshot = windowSnapshot ? windowSnapshot() : grab().toImage();
        if (snapshot.isNull())
            throw std::runtime_error("no snapshot of the window");
        PicKF->move(0, 0);
        PicKF->setOuterSize(width(), height());
        PicKF->setPicture(snapshot.convertToFormat(QImage::Format_RGB32));
        PicKF->refresh();
        const QImage &right = Image10->picture();
        PicKF->paintMasked(right, Cell::PerchedBird, right, Cell::PerchedBird.translated(88, 0),
                           QRect(356, 130, 88, 84));
        PicKF->setVisible(true);
        PicKF->raise();
        WaitSeconds(1.0);
        PicKF->cls();
        const QImage &left = Image9->picture();
        PicKF->paintMasked(left, Cell::PerchedBird.translated(88, 0), left, Cell::PerchedBird, QRect(302, 130, 88, 84));
        PicKF->keepDrawing();
        PicKF->refresh();
        const QImage &bird = Image8->picture();
        int x = PicKF->scaleWidth() - 26, y = 6, clip = 0;
        do {
            x -= 42;
            y += 4;
            if (x < 32)
                clip = 32 - x;
            PicKF->cls();
            if (clip < 52) {
                const QRect shown(clip, 0, 52 - clip, 40); // the part of the bird right of the clip
                PicKF->paintMasked(bird, shown.translated(52, 0), bird, shown, QRect(x + clip, y, 52 - clip, 40));
            }
            WaitSeconds(0.1);
        } while (x > 0);
        PicKF->cls();
        SoundPlay(app, g.Snd104);
        WaitSeconds(1.0);
        PicKF->setVisible(false);
        PicKF->clearPicture();
        setEnabled(true);
    } catch (const std::exception &) {
        setEnabled(true);
        PicKF->setVisible(false);
        app.host.msgBox(QStringLiteral("トラブル発生！　終了して下さい！"), MsgBox::Exclamation,
                        QStringLiteral(" 警告！"));
    }
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
