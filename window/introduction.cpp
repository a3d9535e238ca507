#include "window/introduction.h"

#include <QDir>
#include <QFileInfo>

namespace nuyo {

QString introductionName()
{
    return QStringLiteral("はじめに.txt");
}

QString introductionPath(const QString &exeDir)
{
    const QDir dir(exeDir);
    const QString beside = dir.filePath(introductionName());
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../" NUYO_DATADIR "/") + introductionName()));
    if (QFileInfo(installed).isFile())
        return installed;
    return beside;
}

} // namespace nuyo
