// The ranking file Point.dat: where it lives, its Shift-JIS text format, loading and saving.
#pragma once

#include "state/gamestate.h"

#include <QByteArray>
#include <QString>
#include <chrono>

class QIODevice;

namespace nuyo {

// The one rule for where Point.dat lives. A game run from its build folder or from a portable
// copy keeps it beside the executable. An installed game (its data folder ../share/nuyo lies
// beside the executable's folder) keeps it in the user's data folder, because the system's
// folders are not writable; loading creates that folder when it is missing.
QString rankingFilePath(const QString &exeDir, const QString &userDataDir);
// The user's data folder for this application: $XDG_DATA_HOME, or ~/.local/share when that is
// unset or relative; the home is $HOME, or the password database's when HOME is unset or relative.
// Empty when there is no home at all.
QString userDataFolder();

// What loading found.
enum class RankingLoad {
    Read,       // the file was there and was read (a malformed row keeps what it had)
    Created,    // it was missing: five empty rows, now written
    NotCreated, // it was missing and could not be created
    Unreadable, // it is there but cannot be read (no permission, a folder, a pipe, a device...)
};

// Reads the table from the file, or creates the file with five empty rows when it is missing
// (through a link to a missing file, the file it names). Only a regular file is ever opened;
// `reason` says why it failed. Temporary files left by a save that was killed before this run
// started are removed.
RankingLoad LoadRanking(const QString &path, RankingState &g, QString *reason = nullptr);

// Five empty rows, written to the file at once.
bool ResetRanking(const QString &path, RankingState &g, QString *reason = nullptr);

// Writes the five rows. The new file is written beside the old one, under a hidden temporary name
// that only this game makes (".Point.dat.nuyo-save-" and six letters or digits), synced and renamed
// over it, so that the file holds the old table or the new one, never a mix or nothing. Where the folder
// cannot hold that temporary file but the file itself is writable, it is written in place and
// the old bytes are put back if that fails. Returns false, with `reason`, on any failure; the old
// file then stays as it was.
bool SaveRanking(const QString &path, const RankingState &g, QString *reason = nullptr);

// What a registration did.
struct Registration {
    bool saved = false; // the file holds the result
    bool busy = false;  // another program held the file's lock: nothing was read or written
    int row = -1;       // the result's row in the table as the file holds it now (5: outranked);
                        // -1: the file could not be read, the table in memory is unchanged
    QString reason;     // why it was not saved
};

// Registers a finished game's result: under the file's lock, reads the table the file holds now,
// places `points` with `record` in it and saves it before the lock is given back, so that two
// games sharing one file both keep their results. `g`'s table becomes the file's. While another
// program holds the lock it tries again until `wait` has passed, sleeping meanwhile: a game
// whose window is up never waits here (it tries again on its clock), only one that is ending.
Registration RegisterResult(const QString &path, RankingState &g, int points, const QString &record,
                            std::chrono::milliseconds wait = {});

// How long a game that is ending (a quit signal, the close box, a lost display) waits for the
// file's lock to register a result that still waits for it.
constexpr std::chrono::seconds LockWaitAtEnd(10);

// The game's own ranking file: the rules above for one path.
class RankingFile
{
public:
    explicit RankingFile(QString path) : m_path(std::move(path)) {}
    const QString &path() const { return m_path; }
    RankingLoad load(RankingState &table, QString *reason = nullptr) const
    {
        return LoadRanking(m_path, table, reason);
    }
    bool reset(RankingState &table, QString *reason = nullptr) const { return ResetRanking(m_path, table, reason); }
    bool save(const RankingState &table, QString *reason = nullptr) const { return SaveRanking(m_path, table, reason); }
    Registration registerResult(RankingState &table, int points, const QString &record,
                                std::chrono::milliseconds wait = {}) const
    {
        return RegisterResult(m_path, table, points, record, wait);
    }

private:
    QString m_path;
};

// Removes what saves killed in the middle left beside `path`: only regular files of the exact form
// of its own temporary name, and only those last written before this run started. Everything
// else beside the file (the player's copies, an earlier version's leftovers) is left alone.
void RemoveStaleSaves(const QString &path);

// ---- the file format ----

// Code page 932 (Shift-JIS with the Windows extensions). Characters it cannot hold are
// written as "?"; bytes that are not valid Shift-JIS are read as "?".
QByteArray toCp932(const QString &text);
QString fromCp932(const QByteArray &bytes);

// The whole file for a table: five lines `points,"text"` in code page 932, ending in CR LF.
QByteArray encodeRanking(const RankingState &g);

// Reads at most five lines of at most MaxLineBytes each from `device` into rows 0..4 and
// returns how many rows were read. A line that is missing, too long or malformed leaves its
// row as it was; the rest of the device is never read.
int readRanking(QIODevice &device, RankingState &g);

constexpr int MaxLineBytes = 4096;
// Row texts longer than this are cut when read (a row the game writes has about 30 characters).
constexpr int MaxRecordChars = 1024;

} // namespace nuyo
