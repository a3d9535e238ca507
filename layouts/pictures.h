// The pictures compiled into the game.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace nuyo {

// Loads a picture by its resource name (for example "form1/Image1_3.gif"); a missing picture
// gives a null image and the game goes on without it. Every call reads the picture anew: it is
// kept by whoever shows it, once.
QImage loadPicture(const QString &name);

// The size of that picture, read from its file's header without decoding it.
QSize pictureSize(const QString &name);

} // namespace nuyo
