#include "windows/titlewindow.h"

#include "host/appinfo.h"
#include "layouts/fonts.h"
#include "layouts/layout.h"
#include "layouts/placement.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace nuyo {

Form2::Form2(App &a) : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), app(a), g(a.g)
{
    controls = buildControls(this, form2Layout());
    for (int i = 0; i < 2; ++i)
        Command1[i] = control<ColourButton>(controls, "Command1", i);
    Command3 = qobject_cast<ColourButton *>(controls.value(QStringLiteral("Command3")));
    Label1 = qobject_cast<TextLabel *>(controls.value(QStringLiteral("Label1")));
    Image1 = qobject_cast<ImageBox *>(controls.value(QStringLiteral("Image1")));
    setWindowTitle(QCoreApplication::translate("Title", "ぬ よ"));
    // The off-screen button comes first in the focus order (it holds the focus at start, so no
    // mode button shows a focus mark), then the two modes.
    Command3->setFocus();
    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &ColourButton::clicked, this, [this, i] { Command1_Click(i); });
}

bool Form2::Form_Load()
{
    if (app.displayDepth && app.displayDepth() == 8) {
        // The box may not be readable on such a display: the refusal goes to the terminal too.
        const QString refusal = QCoreApplication::translate("Title", "  ２５６色では使用できません！  ");
        qCritical("%s", qUtf8Printable(refusal));
        app.host.msgBox(refusal, MsgBox::Exclamation, appDefaultTitle());
        return false;
    }
    // Centred on the work area, as the main window is, so that no panel covers either.
    centreOnWorkArea(this, size(), px(200));
    SetTitleFonts();
    return true;
}

void Form2::SetTitleFonts()
{
    setFontPoints(Command1[0], g.FontSize11);
    setFontPoints(Command1[1], g.FontSize11);
    setFontPoints(Label1, g.FontSize14);
}

void Form2::Command1_Click(int Index)
{
    // The buttons go, uncovering "  只今、準備中 ・・・", painted before the slow work that
    // follows: at start-up the main window loads, for a new game the game is reset.
    Command1[0]->setVisible(false);
    Command1[1]->setVisible(false);
    repaint();
    Q_EMIT modeChosen(Index);
}

void Form2::closeEvent(QCloseEvent *e)
{
    // Closed at start-up before a mode was chosen: nothing else is loaded, so the game ends.
    // Closed during a new game's choice: the new game goes on with the mode it had.
    QWidget::closeEvent(e);
    if (g.TitleCall == TitleCall::StartUp && !app.form1)
        QCoreApplication::quit();
    Q_EMIT closed();
}

} // namespace nuyo
