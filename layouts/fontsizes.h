// Font sizes scaled to the display's pixel size.
#pragma once

namespace nuyo {

struct GameState;

// SetFontSizes: the six sizes from the display's twips per pixel (1440 / logical dpi),
// truncated: 9, 11, 12, 14, 20, 36 at 15 twips per pixel; 7, 8, 9, 11, 16, 28 at 12.
void SetFontSizes(GameState &g, double twipsPerPixel);

} // namespace nuyo
