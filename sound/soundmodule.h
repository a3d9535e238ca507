// The sound module's one entry: it makes the sound library over Qt Multimedia.
#pragma once

namespace nuyo {

class SoundLibrary;

constexpr const char *SoundModuleFile = "nuyo-sound.so";
constexpr const char *SoundModuleEntryName = "nuyoMakeSoundLibrary";
using SoundModuleEntry = SoundLibrary *(*)();

} // namespace nuyo
