// Font sizes scaled to the display's pixel size.
#pragma once

namespace nuyo {

// Display-scaled font sizes in points, computed once at start-up; the windows give them to their
// controls instead of fixed point sizes.
struct DisplayFonts {
    int FontSize9 = 0;  // small texts: buttons, labels, the catch log
    int FontSize11 = 0; // the title's mode buttons, the hint line
    int FontSize12 = 0; // the action button, the ranking rows
    int FontSize14 = 0; // the title's "please wait" label, the report's button and text
    int FontSize20 = 0; // the baits-left counter
    int FontSize36 = 0; // the size stamps printed after a strike
};

// The six sizes from the display's twips per pixel (1440 / logical dpi), truncated: 9, 11, 12,
// 14, 20, 36 at 15 twips per pixel; 7, 8, 9, 11, 16, 28 at 12.
DisplayFonts fontSizesFor(double twipsPerPixel);

} // namespace nuyo
