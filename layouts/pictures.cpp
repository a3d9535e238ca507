#include "layouts/pictures.h"

#include <QHash>

namespace nuyo {

QImage loadPicture(const QString &name)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return *it;
    QImage img(QStringLiteral(":/pictures/") + name);
    cache.insert(name, img);
    return img;
}

} // namespace nuyo
