#include "layouts/pictures.h"

#include "widgets/finepictures.h"

#include <QFile>
#include <QHash>

namespace nuyo {

namespace {

const QString Resources = QStringLiteral(":/pictures/");

QHash<QString, QImage> &loaded()
{
    static QHash<QString, QImage> byName;
    return byName;
}

QString &languageFolder()
{
    static QString folder; // "en/", or empty for the pictures as they are
    return folder;
}

// The resource file of the picture `name` in the player's language.
QString fileOf(const QString &name)
{
    const QString translated = Resources + languageFolder() + name;
    return !languageFolder().isEmpty() && QFile::exists(translated) ? translated : Resources + name;
}

} // namespace

void setPictureLanguage(const QString &code)
{
    languageFolder() = code.isEmpty() ? QString() : code + QLatin1Char('/');
    loaded().clear(); // a picture loaded before is read again in this language
}

QImage loadPicture(const QString &name)
{
    auto it = loaded().find(name);
    if (it != loaded().end())
        return *it;
    QString file = fileOf(name);
    QImage img(file);
    // The pictures have at most 256 colours: a palette keeps them at a quarter of the memory.
    // Only an exact conversion is kept.
    if (img.format() == QImage::Format_RGB32) {
        const QImage indexed = img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (indexed.convertToFormat(QImage::Format_RGB32) == img)
            img = indexed;
    }
    loaded().insert(name, img);
    // Dense screens show the same shapes drawn at twice the pixels, from "name@2x.gif" beside it.
    rememberFinePicture(img, file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x")));
    return img;
}

} // namespace nuyo
