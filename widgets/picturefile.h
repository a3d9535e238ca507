// Reading the game's picture files without Qt's image plug-ins: a GIF straight into its own
// palette, one byte a pixel, and an icon's palette bitmap with its mask. Any other file, or one
// these readers do not take (a GIF with transparency, interlacing or a palette of its own for the
// image; an icon holding a PNG or true colours), goes through Qt's readers.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace nuyo {

// The picture in `file` (a resource ":/..." or a file on disk); a null image when unreadable.
QImage readPictureFile(const QString &file);

// The picture's size from the file's header alone; an invalid size when unreadable.
QSize pictureFileSize(const QString &file);

// A GIF held in memory, decoded into a palette image; a null image when it is not a GIF this
// reader takes.
QImage decodeGif(const uchar *data, qsizetype size);

// An icon held in memory: its first image, transparent where its mask says; a null image when it
// is not an icon this reader takes.
QImage decodeIcon(const uchar *data, qsizetype size);

} // namespace nuyo
