// One game at a time per user.
#pragma once

#include <QString>
#include <string>

namespace nuyo {

// The lock is a file in the user's runtime folder, held with flock() for as long as the game
// runs: the system lets go of it when the process ends in any way, so a lock left by a game
// that crashed, was killed, or ran under an older host name never blocks a start, whatever the
// file holds (the runtime folder never leaves this machine).
class SingleInstance
{
public:
    // Takes the lock in `dir` (by default the user's runtime folder).
    explicit SingleInstance(const QString &dir = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True only when a running game holds the lock.
    bool anotherGameRuns() const { return m_anotherRuns; }
    // Why the lock could not be made (the game then runs without it); empty when it was made
    // or another game holds it.
    QString problem() const { return m_problem; }
    QString lockPath() const { return m_path; }
    // Gives the lock back (the lock file is removed) when this copy holds it. Only file work:
    // safe at any point of an ending.
    void release();

private:
    QString m_path;
    std::string m_nativePath;
    int m_fd = -1;
    bool m_anotherRuns = false;
    QString m_problem;
};

} // namespace nuyo
