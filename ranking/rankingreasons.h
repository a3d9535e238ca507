// Why the ranking file could not be read or saved, in the player's language (translation context
// "RankingReason"): every reason the player may read about the ranking file is in this one table.
#pragma once

#include <QString>

namespace nuyo {

// What the game was doing with the file when it failed (a refused permission reads differently).
enum class FileAction { Read, Write };

// Reasons that are not a system error number.
enum class RankingReason {
    NotAFile,        // a device, a pipe or a socket stands at the file's place
    LinkTargetGone,  // the file is a link whose target's folder is missing
    InUse,           // another program holds the file's lock
    Outranked,       // other games' results, saved meanwhile, leave this one out of the five
    RefusedOverwrite // the file could not be read at the start: it is never written over
};

QString rankingReason(RankingReason reason);
// A system error number as the player reads it; one the game does not know is given by number.
QString rankingReason(int error, FileAction action = FileAction::Write);

} // namespace nuyo
