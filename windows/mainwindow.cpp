#include "windows/mainwindow.h"

#include "layouts/layout.h"
#include "layouts/pictures.h"
#include "windows/standardkeys.h"

#include <QCloseEvent>

namespace nuyo {

Form1::Form1(App &a) : QWidget(nullptr), app(a), g(a.g)
{
    controls = buildControls(this, form1Layout());
    setWindowIcon(QIcon(QPixmap::fromImage(loadPicture(QStringLiteral("form1/icon.ico")))));
    findControls();
    // The end-of-game banner stands over dark evening water as well as a bright day.
    Label6->setOutline(Colour::BannerOutline);

    // The log never takes the keyboard focus: the off-screen button does. The two buttons
    // worked by a mouse button alone never take it either, so a key cannot press them and no
    // focus mark moves to a neighbour when the action button is disabled for a cast.
    Command1->setFocusPolicy(Qt::NoFocus);
    Command4->setFocusPolicy(Qt::NoFocus);
    Command5->setFocus();
    connectControls();
}

void Form1::findControls()
{
    Command1 = control<ColourButton>(controls, "Command1");
    for (int i = 0; i < 3; ++i)
        Command3[i] = control<ColourButton>(controls, "Command3", i);
    Command4 = control<ColourButton>(controls, "Command4");
    Command5 = control<ColourButton>(controls, "Command5");
    Command6 = control<ColourButton>(controls, "Command6");
    Command7 = control<ColourButton>(controls, "Command7");
    Label1 = control<TextLabel>(controls, "Label1");
    for (int i = 0; i < 2; ++i)
        Label2[i] = control<TextLabel>(controls, "Label2", i);
    Label3 = control<TextLabel>(controls, "Label3");
    Label4 = control<TextLabel>(controls, "Label4");
    Label5 = control<TextLabel>(controls, "Label5");
    Label6 = control<TextLabel>(controls, "Label6");
    Label7 = control<TextLabel>(controls, "Label7");
    Label8 = control<TextLabel>(controls, "Label8");
    Label9 = control<TextLabel>(controls, "Label9");
    Text1 = control<LogBox>(controls, "Text1");
    PicPRE = control<PictureBox>(controls, "PicPRE");
    PicUKI = control<PictureBox>(controls, "PicUKI");
    PicCm = control<PictureBox>(controls, "PicCm");
    for (int i = 0; i < 4; ++i)
        PicS[i] = control<PictureBox>(controls, "PicS", i);
    PicKF = control<PictureBox>(controls, "PicKF");
    PicKF2 = control<PictureBox>(controls, "PicKF2");
    Picture1 = control<PictureBox>(controls, "Picture1");
    for (int i = 0; i < 8; ++i)
        Image1[i] = control<ImageBox>(controls, "Image1", i);
    Image2 = control<ImageBox>(controls, "Image2");
    Image3 = control<ImageBox>(controls, "Image3");
    Image4 = control<ImageBox>(controls, "Image4");
    Image5 = control<ImageBox>(controls, "Image5");
    Image6 = control<ImageBox>(controls, "Image6");
    Image7 = control<ImageBox>(controls, "Image7");
    Image8 = control<ImageBox>(controls, "Image8");
    Image9 = control<ImageBox>(controls, "Image9");
    Image10 = control<ImageBox>(controls, "Image10");
    Image11 = control<ImageBox>(controls, "Image11");
    Label9->keepClearOf(Image11); // the emblem stands in the title line's gap
    Image12 = control<ImageBox>(controls, "Image12");
    ImgU = control<ImageBox>(controls, "ImgU");
    Shape1 = control<OutlineShape>(controls, "Shape1");
    Shape3 = control<OutlineShape>(controls, "Shape3");
}

void Form1::connectControls()
{
    connect(Command1, &ColourButton::mouseDown, this, [this](int b) { Q_EMIT pressed(Control::Command1, b); });
    for (int i = 0; i < 3; ++i)
        connect(Command3[i], &ColourButton::clicked, this, [this, i] { Q_EMIT pressed(Control::Command3, i); });
    connect(Command4, &ColourButton::mouseDown, this, [this](int b) { Q_EMIT pressed(Control::Command4, b); });
    connect(Command6, &ColourButton::clicked, this, [this] { Q_EMIT pressed(Control::Command6, Mouse::Left); });
    connect(Command7, &ColourButton::clicked, this, [this] { Q_EMIT pressed(Control::Command7, Mouse::Left); });
    connect(Image3, &ImageBox::clicked, this, [this] { Q_EMIT pressed(Control::Image3, Mouse::Left); });
    connect(Label1, &TextLabel::clicked, this, [this] { Q_EMIT pressed(Control::Label1, Mouse::Left); });
    connect(Text1, &LogBox::gotFocus, this, &Form1::Text1_GotFocus);
    addStandardKeys(this, Image3);
}

Form1::~Form1() = default;

void Form1::closeEvent(QCloseEvent *e)
{
    // Closing always ends the game; the close handler does the rest and never returns.
    e->ignore();
    if (m_closing)
        return;
    m_closing = true;
    Q_EMIT pressed(Control::CloseBox, Mouse::Left);
}

void Form1::changeEvent(QEvent *e)
{
    // Whenever the window comes back to the front, the off-screen button takes the focus, so no
    // visible control shows a focus mark the player did not ask for.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Command5->setFocus();
    if (e->type() == QEvent::WindowStateChange && isMinimized() != m_minimised) {
        m_minimised = isMinimized();
        Q_EMIT minimisedChanged(m_minimised);
    }
    QWidget::changeEvent(e);
}

} // namespace nuyo
