#include "sound/loadedsoundlibrary.h"

#include "sound/soundmodule.h"

#include <QDir>
#include <QLibrary>
#include <utility>

namespace nuyo {

LoadedSoundLibrary::LoadedSoundLibrary(QStringList modulePaths, std::function<void(const QString &)> failed)
    : m_paths(std::move(modulePaths)), m_failed(std::move(failed))
{}

LoadedSoundLibrary::~LoadedSoundLibrary() = default;

bool LoadedSoundLibrary::load()
{
    if (std::exchange(m_tried, true))
        return m_library != nullptr;
    QStringList reasons;
    for (const QString &path : std::as_const(m_paths)) {
        QLibrary module(path);
        const auto make = reinterpret_cast<SoundModuleEntry>(module.resolve(SoundModuleEntryName));
        if (make) {
            m_library.reset(make());
            return true;
        }
        reasons << module.errorString();
    }
    if (m_failed)
        m_failed(reasons.join(QStringLiteral("; ")));
    return false;
}

long LoadedSoundLibrary::dsInitialize(quintptr windowHandle)
{
    return load() ? m_library->dsInitialize(windowHandle) : 0;
}

long LoadedSoundLibrary::dsCreateResDSB(long device, const QByteArray &wave, int number)
{
    return m_library ? m_library->dsCreateResDSB(device, wave, number) : 0;
}

long LoadedSoundLibrary::dsPlay(long buffer)
{
    return m_library ? m_library->dsPlay(buffer) : -1;
}

long LoadedSoundLibrary::dsPlayLooping(long buffer)
{
    return m_library ? m_library->dsPlayLooping(buffer) : -1;
}

long LoadedSoundLibrary::dsStop(long buffer)
{
    return m_library ? m_library->dsStop(buffer) : -1;
}

long LoadedSoundLibrary::dsFree(long buffer)
{
    return m_library ? m_library->dsFree(buffer) : -1;
}

long LoadedSoundLibrary::dsTerminate(long device)
{
    return m_library ? m_library->dsTerminate(device) : -1;
}

QStringList soundModulePaths(const QString &exeDir)
{
    const QDir dir(exeDir);
    return {dir.filePath(QLatin1String(SoundModuleFile)),
            QDir::cleanPath(dir.filePath(QStringLiteral(NUYO_SOUND_MODULE_DIR "/") + QLatin1String(SoundModuleFile)))};
}

} // namespace nuyo
