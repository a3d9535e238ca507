// The hint button's nine tips.
#pragma once

#include <QString>

namespace nuyo {

constexpr int TipCount = 9;

// Tip `index` (0..8); any other index gives an empty text.
QString tipText(int index);

} // namespace nuyo
