#include "layouts/pictures.h"

#include "widgets/finepictures.h"
#include "widgets/picturefile.h"

#include <QFile>

// The pictures twice as dense and those in English are compiled into the core library apart from
// the others; referencing them here keeps the linker from dropping them from a static link.
static void initPictureVariants()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(artvariants);
        return true;
    }();
    Q_UNUSED(once);
}

namespace nuyo {

namespace {

const QString Resources = QStringLiteral(":/pictures/");

QString &languageFolder()
{
    static QString folder; // "en/", or empty for the pictures as they are
    return folder;
}

// The resource file of the picture `name` in the player's language.
QString fileOf(const QString &name)
{
    initPictureVariants();
    const QString translated = Resources + languageFolder() + name;
    return !languageFolder().isEmpty() && QFile::exists(translated) ? translated : Resources + name;
}

} // namespace

void setPictureLanguage(const QString &code)
{
    languageFolder() = code.isEmpty() ? QString() : code + QLatin1Char('/');
}

QImage loadPicture(const QString &name)
{
    const QString file = fileOf(name);
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
    return pictureFileSize(fileOf(name));
}

} // namespace nuyo
