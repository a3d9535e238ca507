#include "widgets/finepictures.h"

#include "widgets/picturefile.h"

#include <QFile>
#include <QHash>

namespace nuyo {

namespace {

struct Twin {
    QString file;
    QImage image; // loaded on first use
};

QHash<qint64, Twin> &twins()
{
    static QHash<qint64, Twin> byPicture;
    return byPicture;
}

} // namespace

int densityFor(qreal deviceRatio)
{
    return deviceRatio > 1.0 ? 2 : 1;
}

void rememberFinePicture(const QImage &picture, const QString &fineFile)
{
    if (!picture.isNull() && QFile::exists(fineFile))
        twins().insert(picture.cacheKey(), Twin{fineFile, QImage()});
}

QImage finePicture(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    auto it = twins().find(picture.cacheKey());
    if (it == twins().end())
        return QImage();
    if (it->image.isNull()) {
        it->image = readPictureFile(it->file);
        it->image.setDevicePixelRatio(1); // drawn pixel for pixel into the boxes' fine drawings
        // A twin that does not fit is no twin: the picture is shown by repeating its pixels.
        if (it->image.size() != picture.size() * 2)
            it->image = QImage();
    }
    return it->image;
}

QImage atDensity(const QImage &picture, const QImage &twin, int density)
{
    if (density <= 1 || picture.isNull())
        return picture;
    const QSize fine = picture.deviceIndependentSize().toSize() * density;
    if (picture.size() == fine)
        return picture;
    if (twin.size() == fine)
        return twin;
    // A snapshot of a screen at another ratio is resampled; a picture's pixels are repeated.
    return picture.scaled(fine, Qt::IgnoreAspectRatio,
                          picture.devicePixelRatio() > 1 ? Qt::SmoothTransformation : Qt::FastTransformation);
}

} // namespace nuyo
