#include "windows/introductionwindow.h"

#include "layouts/fonts.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace nuyo {

IntroductionWindow::IntroductionWindow(QWidget *mainWindow) : QWidget(mainWindow, Qt::Window)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text lines its columns up in full-width and half-width letters: a fixed-pitch face.
    m_text->setFont(gameFont(fixedFaceName(), 10));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(640, 480);
}

void IntroductionWindow::showText(const QString &name, const QString &text)
{
    setWindowTitle(name);
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::Start);
    if (const QWidget *main = parentWidget())
        move(main->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

void IntroductionWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(e);
}

} // namespace nuyo
