// The pictures compiled into the game.
#pragma once

#include <QImage>
#include <QString>

namespace nuyo {

// Loads a picture by its resource name (for example "form1/Image1_3.gif"); a missing picture
// gives a null image and the game goes on without it.
QImage loadPicture(const QString &name);

} // namespace nuyo
