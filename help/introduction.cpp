#include "help/introduction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace nuyo {

namespace {
const char *const OwnName = QT_TRANSLATE_NOOP("Introduction", "はじめに.txt");
}

QString introductionName()
{
    // The translation names the text written in the player's language.
    return QCoreApplication::translate("Introduction", OwnName);
}

QString introductionPath(const QString &exeDir)
{
    const QDir dir(exeDir);
    const QString installedDir = QStringLiteral("../" NUYO_DATADIR "/");
    // The player's language first, the game's own text when that is missing.
    for (const QString &name : {introductionName(), QString::fromUtf8(OwnName)}) {
        for (const QString &path : {dir.filePath(name), QDir::cleanPath(dir.filePath(installedDir + name))})
            if (QFileInfo(path).isFile())
                return path;
    }
    return dir.filePath(introductionName());
}

bool readIntroduction(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    constexpr qint64 Longest = 1 << 20; // a text, not whatever was put in its place
    text = QString::fromUtf8(file.read(Longest));
    return file.error() == QFileDevice::NoError;
}

} // namespace nuyo
