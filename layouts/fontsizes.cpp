#include "layouts/fontsizes.h"

#include "state/gamestate.h"

#include <cmath>

namespace nuyo {

void SetFontSizes(GameState &g, double twipsPerPixel)
{
    // Rounded to a whole number, ties to even, as the display reports it.
    const int t = static_cast<int>(std::nearbyint(static_cast<float>(twipsPerPixel)));
    auto size = [t](int k) { return static_cast<int>(std::floor(static_cast<double>(t * k) / 15.0)); };
    g.FontSize9 = size(9);
    g.FontSize11 = size(11);
    g.FontSize12 = size(12);
    g.FontSize14 = size(14);
    g.FontSize20 = size(20);
    g.FontSize36 = size(36);
}

} // namespace nuyo
