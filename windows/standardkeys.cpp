#include "windows/standardkeys.h"

#include "widgets/controls.h"

#include <QShortcut>

namespace nuyo {

void addStandardKeys(QWidget *window, ImageBox *introductionPicture)
{
    auto *help = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(help, &QShortcut::activated, introductionPicture, &ImageBox::clicked);
    auto *quit = new QShortcut(QKeySequence::Quit, window);
    QObject::connect(quit, &QShortcut::activated, window, &QWidget::close);
}

} // namespace nuyo
