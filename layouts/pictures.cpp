#include "layouts/pictures.h"

#include "widgets/finepictures.h"
#include "widgets/picturefile.h"

namespace nuyo {

namespace {

QString pictureFile(const QString &name)
{
    return QStringLiteral(":/pictures/") + name;
}

} // namespace

QImage loadPicture(const QString &name)
{
    const QString file = pictureFile(name);
    // The pictures have at most 256 colours: read straight into their palette, they take a
    // quarter of the memory of 32-bit pixels.
    const QImage img = readPictureFile(file);
    // Dense screens show the same shapes drawn at twice the pixels, from "name@2x.gif" beside it.
    QString fine = file;
    rememberFinePicture(img, fine.insert(fine.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x")));
    return img;
}

QSize pictureSize(const QString &name)
{
    return pictureFileSize(pictureFile(name));
}

} // namespace nuyo
