// The points ranking in memory: the row texts, the points column and the insertion of a result.
#pragma once

#include "state/gamestate.h"

#include <QString>

namespace nuyo {

// The row text of an empty row: all counts 0, weight "0.00", no name.
inline const QString EmptyRecord = QStringLiteral("：  0：   0：  0：0.00： - - -");

// The name shown for an angler who registered without typing one.
inline const QString NoName = QStringLiteral("- - -");

// The classic number-to-text conversion: a leading space for values of 0 and up, "-" below.
QString standardNumberText(int n);

// The last `width` characters of `width` spaces followed by `text` (longer texts lose
// their leading characters).
QString rightAligned(const QString &text, int width);

// A displayed line's points column: five characters.
QString PointsText(int points);

// The finished game's row text without the name: counts, fish, weight and separators.
QString ResultRow(const Record &g);

// A displayed line (the points, then a row text) as a screen reader says it, each figure with
// its column's meaning, in the player's language: "860 points, 1 of 60 cm, 2 of 50 cm or more,
// 9 fish, 4.78 kg, KEN". A line without those columns (the empty sixth line) says nothing.
QString rowMeaning(const QString &line);

// Places `points` in the table: rows below it move down, the old last row drops out.
// Returns the row it now occupies (0..4), or 5 when it does not enter. Ties go below.
int RankInsert(RankingState &table, int points);

// A name as the ranking file can carry it: the file's quoted field cannot hold a double
// quote, so it becomes the full-width one; line breaks become spaces.
QString fileSafeText(const QString &text);

} // namespace nuyo
