// The hint button's nine tips.
#pragma once

#include <QString>

namespace nuyo {

constexpr int TipCount = 9;

// Tip `index` (0..8); any other index gives an empty text. For a player who plays by `keys`, the
// tip on the controls names the keys instead of the clicks.
QString tipText(int index, bool keys = false);

} // namespace nuyo
