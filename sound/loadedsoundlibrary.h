// The sound library loaded from its module (sound/soundmodule.cpp) once the game asks for it:
// Qt Multimedia and the two dozen libraries it brings are then not on the way to the title
// window. Until the module is loaded, and for good when it cannot be, the game is as it is with no
// sound device: silent, and the reason is told once.
#pragma once

#include "sound/soundlibrary.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace nuyo {

class LoadedSoundLibrary : public SoundLibrary
{
public:
    // `modulePaths`: where the module may be, the first that loads is used; `failed` is told why
    // none did.
    explicit LoadedSoundLibrary(QStringList modulePaths, std::function<void(const QString &)> failed = {});
    ~LoadedSoundLibrary() override;

    // Loads the module, once; true when the sound library is there.
    bool load();

    long dsInitialize(quintptr windowHandle) override;
    long dsCreateResDSB(long device, const QByteArray &wave, int number) override;
    long dsPlay(long buffer) override;
    long dsPlayLooping(long buffer) override;
    long dsStop(long buffer) override;
    long dsFree(long buffer) override;
    long dsTerminate(long device) override;

private:
    QStringList m_paths;
    std::function<void(const QString &)> m_failed;
    bool m_tried = false;
    std::unique_ptr<SoundLibrary> m_library; // made by the module, which stays loaded until the end
};

// Where the module of a game whose executable is in `exeDir` may be: beside it (a build), then in
// the folder it is installed in.
QStringList soundModulePaths(const QString &exeDir);

} // namespace nuyo
