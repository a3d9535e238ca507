#include "startup/singleinstance.h"

#include "host/appinfo.h"
#include "startup/startupmessages.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nuyo {

namespace {

// A game that gives the lock back removes its file between our open() and our flock(): we then
// hold a file nobody else will look at, and try again with the one now under the name.
constexpr int LockAttempts = 3;

const char *reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return StartupText::LockFolderDenied;
    case EROFS:
        return StartupText::LockFolderReadOnly;
    case ENOSPC:
    case EDQUOT:
        return StartupText::LockFolderFull;
    case ENOENT:
    case ENOTDIR:
        return StartupText::LockFolderMissing;
    case EISDIR:
        return StartupText::LockIsFolder;
    case ELOOP:
    case ENXIO:
        return StartupText::LockIsNotFile;
    default:
        return std::strerror(error);
    }
}

bool sameFile(int fd, const char *path)
{
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::lstat(path, &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

SingleInstance::SingleInstance(const QString &dir)
{
    QString folder = dir;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_path = QDir(folder).filePath(appDesktopId() + QStringLiteral(".lock"));
    m_nativePath = QFile::encodeName(m_path).toStdString();
    const char *path = m_nativePath.c_str();
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        // Never through a symbolic link, and never inherited by the programs the game opens.
        const int fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (fd < 0) {
            m_problem = QString::fromLocal8Bit(reasonFor(errno));
            return;
        }
        struct stat st {
        };
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            m_problem = QString::fromUtf8(StartupText::LockIsNotFile);
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                m_anotherRuns = true;
                return;
            }
            m_problem = QString::fromLocal8Bit(reasonFor(error));
            return;
        }
        if (sameFile(fd, path)) {
            // For people looking: which process holds it. The flock is the lock, so a failed
            // write changes nothing.
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            if (::ftruncate(fd, 0) == 0) {
                [[maybe_unused]] const ssize_t n = ::pwrite(fd, pid.constData(), size_t(pid.size()), 0);
            }
            m_fd = fd;
            return;
        }
        ::close(fd);
    }
    m_problem = QString::fromLocal8Bit(reasonFor(EAGAIN));
}

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that no other game can take a file that is on its way out.
    ::unlink(m_nativePath.c_str());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace nuyo
