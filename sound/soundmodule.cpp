// The sound module: the sound library over Qt Multimedia, built apart from the game so that it is
// loaded only once the title shows (sound/loadedsoundlibrary.h).
#include "sound/soundmodule.h"
#include "sound/qtsoundlibrary.h"

extern "C" Q_DECL_EXPORT nuyo::SoundLibrary *nuyoMakeSoundLibrary()
{
    return new nuyo::QtSoundLibrary;
}
