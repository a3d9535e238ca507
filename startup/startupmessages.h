// What the game says on standard error when its session is not as it should be: no display, a
// display that cannot be opened or is lost, a lock that cannot be made, a result whose name the
// game registers as it ends. One table, so that every such text can be translated in one place;
// %1, %2 and %3 are filled in where the text is used.
#pragma once

namespace nuyo::StartupText {

constexpr const char *NoDisplay = "nuyo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                                  "run it on a desktop, or headless with: xvfb-run ./play.sh";
// %1 each display tried, named, with the reason it did not answer, joined by DisplayNor
constexpr const char *DisplayUnusable = "nuyo: cannot open %1";
constexpr const char *DisplayNor = "; nor ";
// %1 as above, %2 the display that answered
constexpr const char *DisplayInstead = "nuyo: cannot open %1; the game opens %2 instead";
// The displays, named: %1 an X display's name, a Wayland socket's path, a Qt platform's name.
constexpr const char *XDisplayNamed = "the display \"%1\"";
constexpr const char *WaylandDisplayNamed = "the Wayland display \"%1\"";
constexpr const char *PlatformNamed = "the platform \"%1\"";
// Why a display does not answer.
constexpr const char *DisplayUnset = "DISPLAY is not set";
constexpr const char *DisplayRefused = "no X server accepts the game there (none runs, or it refused the "
                                       "game's authorization)";
constexpr const char *DisplayMalformed = "that is not the name of a display";
constexpr const char *DisplayNoScreen = "the display has no such screen";
constexpr const char *DisplayOtherFault = "the connection failed (error %1)";
constexpr const char *WaylandNoRuntimeDir = "XDG_RUNTIME_DIR is not set, so its socket cannot be found";
constexpr const char *WaylandNoSocket = "there is no such socket (no compositor runs there)";
constexpr const char *WaylandNotListening = "nothing listens on that socket (its compositor has ended)";
constexpr const char *WaylandNotASocket = "that is not a socket";
constexpr const char *WaylandOtherFault = "the connection failed (%1)"; // %1 the system's reason
// %1 why each place the sound module was looked for failed; the game goes on silent
constexpr const char *NoSoundModule = "nuyo: the sound module cannot be loaded, so the game is silent: %1";
// %1 the display's name
constexpr const char *DisplayLost = "nuyo: the display \"%1\" was lost; the game ends";
// What became of a finished game's result when the game ended before its name was registered
// (a quit signal, a lost display): %1 the ranking file's path, %2 seconds.
constexpr const char *ResultWaitsForFile = "nuyo: another program holds %1; the result waiting for its name "
                                           "waits for it, %2 s at most";
constexpr const char *FileStayedInUse = "another program held the file for all of %1 s";
// %1 the points, %2 the name
constexpr const char *ResultOfGame = "the result (%1 points, \"%2\")";
// %1 the result, %2 the ranking file's path, %3 the reason
constexpr const char *ResultRegistered = "nuyo: %1 was registered in %2";
constexpr const char *ResultNotSaved = "nuyo: %1 was NOT saved in %2: %3";
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
