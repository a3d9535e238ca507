// Ending the game when its display is lost: the X server dies or the connection to it breaks.
// Qt would end the process on the spot, and a result whose name was being typed would be gone.
#pragma once

#include <functional>

namespace nuyo {

// From now on a lost display ends the game the way a quit signal does, as far as a game without
// a display can: a line on standard error says why, `keepResult` registers a result waiting for
// its name with what was typed (waiting for the ranking file a bounded time, and saying what became
// of it), `release` gives the lock back, and the process ends with status 1. Nothing on the dead
// display is touched. When the loss is met on another thread and the main thread does not answer,
// only `release` runs.
void endOnLostDisplay(std::function<void()> keepResult, std::function<void()> release);

} // namespace nuyo
