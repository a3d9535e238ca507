#include "layouts/fontsizes.h"

#include <cmath>

namespace nuyo {

DisplayFonts fontSizesFor(double twipsPerPixel)
{
    // Rounded to a whole number, ties to even, as the display reports it.
    const int t = static_cast<int>(std::nearbyint(static_cast<float>(twipsPerPixel)));
    auto size = [t](int k) { return static_cast<int>(std::floor(static_cast<double>(t * k) / 15.0)); };
    DisplayFonts f;
    f.FontSize9 = size(9);
    f.FontSize11 = size(11);
    f.FontSize12 = size(12);
    f.FontSize14 = size(14);
    f.FontSize20 = size(20);
    f.FontSize36 = size(36);
    return f;
}

} // namespace nuyo
