// Names the application shows and goes by.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace nuyo {

// The title of a message box that has no caption of its own.
inline QString appDefaultTitle()
{
    return QCoreApplication::translate("AppInfo", " * ぬ よ *");
}

// The desktop entry's id, also the name under which the game keeps its data.
inline QString appDesktopId()
{
    return QStringLiteral("io.github.nuyo.Nuyo");
}

} // namespace nuyo
