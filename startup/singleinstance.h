// One game at a time per user.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace nuyo {

class SingleInstance
{
public:
    // Takes the lock in `dir` (by default the user's runtime folder). A lock left by a game
    // that crashed or was killed is taken over.
    explicit SingleInstance(const QString &dir = QString());
    // True when no other running game holds the lock.
    bool acquired() const { return m_acquired; }
    QString lockPath() const { return m_path; }
    // Gives the lock back (the lock file is removed) when this copy holds it.
    void release();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};

} // namespace nuyo
