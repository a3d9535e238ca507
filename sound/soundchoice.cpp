#include "sound/soundchoice.h"

#include <QSettings>
#include <memory>

namespace nuyo {

namespace {

const char *const MutedKey = "sound/muted";

std::unique_ptr<QSettings> settingsIn(const QString &file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("nuyo"),
                                           QStringLiteral("nuyo"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

bool savedMute(const QString &file)
{
    // A missing or unreadable file gives the default: sound on.
    return settingsIn(file)->value(QLatin1String(MutedKey), false).toBool();
}

void saveMute(const QString &file, bool muted)
{
    // Written at once: the game may end without running any destructor.
    auto settings = settingsIn(file);
    settings->setValue(QLatin1String(MutedKey), muted);
    settings->sync();
}

} // namespace nuyo
