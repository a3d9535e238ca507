// The player's sound switch, kept between games in the desktop's usual place for settings
// (~/.config/nuyo/nuyo.conf, or under $XDG_CONFIG_HOME). A player who never switched it hears
// the sounds.
#pragma once

#include <QString>

namespace nuyo {

// `file` names the settings file; empty: the desktop's usual place.
bool savedMute(const QString &file);
void saveMute(const QString &file, bool muted);

} // namespace nuyo
