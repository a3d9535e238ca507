#include "layouts/pictures.h"

#include "widgets/finepictures.h"

#include <QHash>

namespace nuyo {

QImage loadPicture(const QString &name)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return *it;
    QImage img(QStringLiteral(":/pictures/") + name);
    // The pictures have at most 256 colours: a palette keeps them at a quarter of the memory.
    // Only an exact conversion is kept.
    if (img.format() == QImage::Format_RGB32) {
        const QImage indexed = img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (indexed.convertToFormat(QImage::Format_RGB32) == img)
            img = indexed;
    }
    cache.insert(name, img);
    // Dense screens show the same shapes drawn at twice the pixels, from "name@2x.gif" beside it.
    QString fine = QStringLiteral(":/pictures/") + name;
    rememberFinePicture(img, fine.insert(fine.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x")));
    return img;
}

} // namespace nuyo
