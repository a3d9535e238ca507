#include "game/form1.h"

#include "layouts/layout.h"
#include "layouts/pictures.h"

#include <QCloseEvent>

namespace nuyo {

namespace {
template <typename T> T *control(const QHash<QString, QWidget *> &made, const char *name, int index = -1)
{
    return qobject_cast<T *>(made.value(controlKey(name, index)));
}
} // namespace

Form1::Form1(App &a) : QWidget(nullptr), app(a), g(a.g)
{
    controls = buildControls(this, form1Layout());
    setWindowIcon(QIcon(QPixmap::fromImage(loadPicture(QStringLiteral("form1/icon.ico")))));

    Command1 = control<VbButton>(controls, "Command1");
    for (int i = 0; i < 3; ++i)
        Command3[i] = control<VbButton>(controls, "Command3", i);
    Command4 = control<VbButton>(controls, "Command4");
    Command5 = control<VbButton>(controls, "Command5");
    Command6 = control<VbButton>(controls, "Command6");
    Command7 = control<VbButton>(controls, "Command7");
    Label1 = control<VbLabel>(controls, "Label1");
    for (int i = 0; i < 2; ++i)
        Label2[i] = control<VbLabel>(controls, "Label2", i);
    Label3 = control<VbLabel>(controls, "Label3");
    Label4 = control<VbLabel>(controls, "Label4");
    Label5 = control<VbLabel>(controls, "Label5");
    Label6 = control<VbLabel>(controls, "Label6");
    Label7 = control<VbLabel>(controls, "Label7");
    Label8 = control<VbLabel>(controls, "Label8");
    Label9 = control<VbLabel>(controls, "Label9");
    Text1 = control<VbTextBox>(controls, "Text1");
    PicPRE = control<PictureBox>(controls, "PicPRE");
    PicUKI = control<PictureBox>(controls, "PicUKI");
    PicCm = control<PictureBox>(controls, "PicCm");
    for (int i = 0; i < 4; ++i)
        PicS[i] = control<PictureBox>(controls, "PicS", i);
    PicKF = control<PictureBox>(controls, "PicKF");
    PicKF2 = control<PictureBox>(controls, "PicKF2");
    Picture1 = control<PictureBox>(controls, "Picture1");
    for (int i = 0; i < 8; ++i)
        Image1[i] = control<VbImage>(controls, "Image1", i);
    Image2 = control<VbImage>(controls, "Image2");
    Image3 = control<VbImage>(controls, "Image3");
    Image4 = control<VbImage>(controls, "Image4");
    Image5 = control<VbImage>(controls, "Image5");
    Image6 = control<VbImage>(controls, "Image6");
    Image7 = control<VbImage>(controls, "Image7");
    Image8 = control<VbImage>(controls, "Image8");
    Image9 = control<VbImage>(controls, "Image9");
    Image10 = control<VbImage>(controls, "Image10");
    Image11 = control<VbImage>(controls, "Image11");
    Image12 = control<VbImage>(controls, "Image12");
    ImgU = control<VbImage>(controls, "ImgU");
    Shape1 = control<VbShape>(controls, "Shape1");
    Shape3 = control<VbShape>(controls, "Shape3");
    // The end-of-game banner stands over dark evening water as well as a bright day.
    Label6->setOutline(QColor(255, 255, 255));

    Timer1 = app.host.createTimer(100);
    Timer2 = app.host.createTimer(200);
    Timer3 = app.host.createTimer(1000);
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
    Timer3->onTick = [this] { Timer3_Timer(); };

    // The log never takes the keyboard focus: the off-screen button does. The two buttons
    // worked by a mouse button alone never take it either, so a key cannot press them and no
    // focus mark moves to a neighbour when the action button is disabled for a cast.
    Command1->setFocusPolicy(Qt::NoFocus);
    Command4->setFocusPolicy(Qt::NoFocus);
    Command5->setFocus();

    connect(Command1, &VbButton::mouseDown, this, [this](int b) { Command1_MouseDown(b); });
    for (int i = 0; i < 3; ++i)
        connect(Command3[i], &VbButton::clicked, this, [this, i] { Command3_Click(i); });
    connect(Command4, &VbButton::mouseDown, this, [this](int b) { Command4_MouseDown(b); });
    connect(Command6, &VbButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &VbButton::clicked, this, &Form1::Command7_Click);
    connect(Image3, &VbImage::clicked, this, &Form1::Image3_Click);
    connect(Label1, &VbLabel::clicked, this, &Form1::Label1_Click);
    connect(Text1, &VbTextBox::gotFocus, this, &Form1::Text1_GotFocus);
}

Form1::~Form1() = default;

void Form1::closeEvent(QCloseEvent *e)
{
    // Closing always ends the game; the close handler does the rest and never returns.
    e->ignore();
    if (m_closing)
        return;
    m_closing = true;
    Form_QueryUnload();
}

void Form1::changeEvent(QEvent *e)
{
    // Whenever the window comes back to the front, the off-screen button takes the focus, so no
    // visible control shows a focus mark the player did not ask for.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Command5->setFocus();
    QWidget::changeEvent(e);
}

void Wait(App &app, float seconds)
{
    GameState &g = app.g;
    app.host.waitFor(seconds, [&g] { return g.FishStop > 0; });
}

} // namespace nuyo
