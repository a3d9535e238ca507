// What the game says on standard error when its session is not as it should be: no display, a
// display that cannot be opened or is lost, a lock that cannot be made. One table, so that every
// such text can be translated in one place; %1 and %2 are filled in where the text is used.
#pragma once

namespace nuyo::StartupText {

constexpr const char *NoDisplay = "nuyo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                                  "run it on a desktop, or headless with: xvfb-run ./play.sh";
// %1 the display's name, %2 the reason
constexpr const char *DisplayUnusable = "nuyo: cannot open the display \"%1\": %2";
constexpr const char *DisplayRefused = "no X server accepts the game there (none runs, or it refused the "
                                       "game's authorization)";
constexpr const char *DisplayMalformed = "that is not the name of a display";
constexpr const char *DisplayNoScreen = "the display has no such screen";
constexpr const char *DisplayOtherFault = "the connection failed (error %1)";
// %1 the display's name
constexpr const char *DisplayLost = "nuyo: the display \"%1\" was lost; the game ends (a name being "
                                    "entered is registered)";
// %1 the lock file's path, %2 the reason
constexpr const char *LockUnusable = "nuyo: cannot make the lock file %1: %2; the game runs, but cannot "
                                     "tell whether another copy is running";
constexpr const char *LockFolderDenied = "the folder may not be written";
constexpr const char *LockFolderReadOnly = "the folder is read-only";
constexpr const char *LockFolderFull = "the disk is full";
constexpr const char *LockFolderMissing = "the folder does not exist";
constexpr const char *LockIsFolder = "a folder has the lock's name";
constexpr const char *LockIsNotFile = "the lock's name is taken by something other than a file";

} // namespace nuyo::StartupText
