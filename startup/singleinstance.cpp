#include "startup/singleinstance.h"

#include "host/appinfo.h"

#include <QDir>
#include <QStandardPaths>

namespace nuyo {

SingleInstance::SingleInstance(const QString &dir)
{
    QString folder = dir;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_path = QDir(folder).filePath(appDesktopId() + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age (a game may run for hours); a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    m_acquired = m_lock->tryLock(0);
}

void SingleInstance::release()
{
    if (m_acquired)
        m_lock->unlock();
    m_acquired = false;
}

} // namespace nuyo
