// The ranking file Point.dat: where it lives, its Shift-JIS text format, loading and saving.
#pragma once

#include "game/app.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace nuyo {

// The one rule for where Point.dat lives. A game run from its build folder or from a portable
// copy keeps it beside the executable. An installed game (its data folder ../share/nuyo lies
// beside the executable's folder) keeps it in the user's data folder, because the system's
// folders are not writable; that folder is created when missing.
QString rankingFilePath(const QString &exeDir, const QString &userDataDir);
QString rankingFilePath(const App &app);

// Reads the table from the file, or creates the file with five empty rows when it is missing.
// Errors are ignored: a row that cannot be read keeps what it had.
void LoadRanking(App &app);
void LoadRanking(const QString &path, GameState &g);

// Five empty rows, written to the file at once.
void ResetRanking(App &app);
void ResetRanking(const QString &path, GameState &g);

// Writes the five rows, atomically: the file holds the old table or the new one, never a mix.
// Returns whether the file was written (the game itself ignores the answer).
bool SaveRanking(App &app);
bool SaveRanking(const QString &path, const GameState &g);

// ---- the file format ----

// Code page 932 (Shift-JIS with the Windows extensions). Characters it cannot hold are
// written as "?"; bytes that are not valid Shift-JIS are read as "?".
QByteArray toCp932(const QString &text);
QString fromCp932(const QByteArray &bytes);

// The whole file for a table: five lines `points,"text"` in code page 932, ending in CR LF.
QByteArray encodeRanking(const GameState &g);

// Reads at most five lines of at most MaxLineBytes each from `device` into rows 0..4 and
// returns how many rows were read. A line that is missing, too long or malformed leaves its
// row as it was; the rest of the device is never read.
int readRanking(QIODevice &device, GameState &g);

constexpr int MaxLineBytes = 4096;
// Row texts longer than this are cut when read (a row the game writes has about 30 characters).
constexpr int MaxRecordChars = 1024;

} // namespace nuyo
