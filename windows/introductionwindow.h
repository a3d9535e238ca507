// The introduction text in a window of the game's own, where the desktop has no viewer to open it:
// the text as written, scrolled with the keys or the mouse; Escape closes it.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace nuyo {

class IntroductionWindow : public QWidget
{
    Q_OBJECT
public:
    // Over `mainWindow`, going and coming back with it.
    explicit IntroductionWindow(QWidget *mainWindow);

    // The file's `name` as its title and its whole `text`, from the top.
    void showText(const QString &name, const QString &text);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    QPlainTextEdit *m_text;
};

} // namespace nuyo
