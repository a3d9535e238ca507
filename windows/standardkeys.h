// The desktop's standard keys on the main window: F1 opens the introduction as the basket
// picture does, Ctrl+Q ends the game as the close box does.
#pragma once

class QWidget;

namespace nuyo {

class ImageBox;

void addStandardKeys(QWidget *window, ImageBox *introductionPicture);

} // namespace nuyo
