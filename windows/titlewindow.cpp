#include "windows/titlewindow.h"

#include "layouts/fonts.h"
#include "layouts/placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace nuyo {

TitleWindow::TitleWindow(const DisplayFonts &fonts)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), m_fonts(fonts)
{
    ui = buildTitleWindow(this);
    setWindowTitle(QCoreApplication::translate("Title", "ぬ よ"));
    // The off-screen button holds the focus at start, so no mode button shows a focus mark; Tab
    // goes on to the two modes and never back to it.
    ui.keyboardSink->setFocusPolicy(Qt::NoFocus);
    ui.keyboardSink->setFocus();
    for (int i = 0; i < 2; ++i)
        connect(ui.modeButtons[i], &ColourButton::clicked, this, [this, i] { chooseMode(i); });
}

void TitleWindow::place()
{
    // Centred on the work area, as the main window is, so that no panel covers either.
    centreOnWorkArea(this, size(), px(200));
    setFonts();
}

void TitleWindow::setFonts()
{
    setFontPoints(ui.modeButtons[0], m_fonts.FontSize11);
    setFontPoints(ui.modeButtons[1], m_fonts.FontSize11);
    setFontPoints(ui.gettingReady, m_fonts.FontSize14);
}

void TitleWindow::chooseMode(int index)
{
    // The buttons go, uncovering "  只今、準備中 ・・・", painted before the slow work that
    // follows: at start-up the main window loads, for a new game the game is reset.
    ui.modeButtons[0]->setVisible(false);
    ui.modeButtons[1]->setVisible(false);
    repaint();
    Q_EMIT modeChosen(index);
}

void TitleWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && !e->isAutoRepeat())
        close();
    else
        QWidget::keyPressEvent(e);
}

void TitleWindow::closeEvent(QCloseEvent *e)
{
    // Whoever showed the title decides what its closing means: the end of the game at start-up,
    // the mode it had for a new game.
    QWidget::closeEvent(e);
    Q_EMIT closed();
}

} // namespace nuyo
