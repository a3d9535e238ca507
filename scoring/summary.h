// The catch log's lines and the game's end summary: weight and points.
#pragma once

#include <QString>

namespace nuyo {

struct Record;

// "  n． result": the cast number right-aligned in two characters.
QString resultLine(int number, const QString &result);

// The weight of `totalCm` as text: 1234 → "12.34", 87 → "0.87", 0 → "0.0".
QString weightText(int totalCm);

// The log's total line: CR LF, two blanks, CR LF, "　　計　 ", the weight with "．", " Ｋｇ".
QString totalLine(int totalCm);

// The game's points: Int(weight × 10 × catches), the product rounded once to single precision,
// times the big-catch level above 1; a product beyond the 16-bit range saturates at 32767.
int gamePoints(const QString &weightKg, int catches, int bigLevel);

// The game's end: sets WeightKg and Points, and returns the log's total line.
QString gameEndSummary(Record &g);

} // namespace nuyo
