// The pictures compiled into the game.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace nuyo {

// Loads a picture by its resource name (for example "form1/Image1_3.gif"); a missing picture
// gives a null image and the game goes on without it. A picture with words in it is read in the
// player's language when it is drawn in that language. Every call reads the picture anew: it is
// kept by whoever shows it, once.
QImage loadPicture(const QString &name);

// The size of that picture, read from its file's header without decoding it.
QSize pictureSize(const QString &name);

// The player's language, by its code ("en"): the pictures with words are read from that
// language's folder of the art ("en/form1/Image5.gif") wherever it has them. The game's own
// Japanese ("ja") has no folder of its own: it keeps every picture. Call it once at start-up,
// before a window loads its pictures.
void setPictureLanguage(const QString &code);

} // namespace nuyo
