// The kingfisher's surprises: a pass over the scene, and a visit to the whole window.
#include "layouts/fonts.h"
#include "mainwindow/form1.h"
#include "sound/vbdsound.h"

#include <QPainter>
#include <exception>
#include <stdexcept>
#include <utility>

namespace nuyo {

void Form1::birdAfter(double seconds, void (Form1::*step)())
{
    m_birdStep = app.host.schedule(seconds, [this, step] {
        m_birdStep = 0;
        (this->*step)();
    });
}

void Form1::birdDone()
{
    setEnabled(true);
    if (auto done = std::exchange(m_birdThen, nullptr))
        done();
}

void Form1::KingfisherPass(std::function<void()> then)
{
    m_birdThen = std::move(then);
    setEnabled(false);
    PicKF2->setOuterSize(300, 353);
    PicKF2->setPicture(PicPRE->image());
    PicKF2->setVisible(true);
    PicKF2->raise();
    m_birdX = 288;
    m_birdY = 6;
    passFrame();
}

void Form1::passFrame()
{
    // Nine frames a tenth of a second apart, from the right edge of the scene to beyond its left.
    m_birdX -= 36;
    m_birdY += 3;
    const QImage &bird = Image8->picture();
    PicKF2->cls();
    PicKF2->paintMasked(bird, Cell::FlyingBird.translated(52, 0), bird, Cell::FlyingBird,
                        QRect(m_birdX, m_birdY, 52, 40));
    birdAfter(0.1, m_birdX > -12 ? &Form1::passFrame : &Form1::passEnd);
}

void Form1::passEnd()
{
    PicKF2->setVisible(false);
    PicKF2->clearPicture();
    SoundPlay(app, g.Snd104);
    birdDone();
}

void Form1::KingfisherVisit(std::function<void()> then)
{
    m_birdThen = std::move(then);
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
        birdAfter(1.0, &Form1::visitTurn);
    } catch (const std::exception &) {
        PicKF->setVisible(false);
        setEnabled(true);
        app.host.msgBox(QStringLiteral("トラブル発生！　終了して下さい！"), MsgBox::Exclamation,
                        QStringLiteral(" 警告！"));
        birdDone();
    }
}

void Form1::visitTurn()
{
    PicKF->cls();
    const QImage &left = Image9->picture();
    PicKF->paintMasked(left, Cell::PerchedBird.translated(88, 0), left, Cell::PerchedBird, QRect(302, 130, 88, 84));
    PicKF->keepDrawing();
    PicKF->refresh();
    m_birdX = PicKF->scaleWidth() - 26;
    m_birdY = 6;
    m_birdClip = 0;
    visitFrame();
}

void Form1::visitFrame()
{
    // The bird flies off to the left, cut at the scene's left edge (x 32).
    m_birdX -= 42;
    m_birdY += 4;
    if (m_birdX < 32)
        m_birdClip = 32 - m_birdX;
    PicKF->cls();
    if (m_birdClip < 52) {
        const QImage &bird = Image8->picture();
        const QRect shown(m_birdClip, 0, 52 - m_birdClip, 40); // the part of the bird right of the clip
        PicKF->paintMasked(bird, shown.translated(52, 0), bird, shown,
                           QRect(m_birdX + m_birdClip, m_birdY, 52 - m_birdClip, 40));
    }
    birdAfter(0.1, m_birdX > 0 ? &Form1::visitFrame : &Form1::visitGone);
}

void Form1::visitGone()
{
    PicKF->cls();
    SoundPlay(app, g.Snd104);
    birdAfter(1.0, &Form1::visitEnd);
}

void Form1::visitEnd()
{
    PicKF->setVisible(false);
    PicKF->clearPicture();
    birdDone();
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
