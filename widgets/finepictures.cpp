#include "widgets/finepictures.h"

#include "widgets/picturefile.h"

#include <QFile>
#include <QHash>

namespace nuyo {

namespace {

struct Twin {
    QString file;
    QImage image;      // loaded on first use
    bool read = false; // tried to: a picture may have no twin
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
    // Not even looked for until a dense screen asks: looking a compiled-in file up reads its
    // length beside its bytes, and so brings the twins' pages into memory on a screen that never
    // shows them.
    if (!picture.isNull())
        twins().insert(picture.cacheKey(), Twin{fineFile, QImage()});
}

QImage finePicture(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    auto it = twins().find(picture.cacheKey());
    if (it == twins().end())
        return QImage();
    if (!it->read) {
        it->read = true;
        it->image = QFile::exists(it->file) ? readPictureFile(it->file) : QImage();
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
