#include "fish/school.h"

#include "host/random.h"

namespace nuyo {

void School::setUp(Random &rnd)
{
    for (int slot = 1; slot <= 4; ++slot)
        newFish(slot, slot == 4 ? 2 : slot, rnd);
}

void School::newFish(int slot, int type, Random &rnd)
{
    if (slot < 1 || slot > 4)
        return;
    Fish &f = at(slot);
    f.heading = slot;
    f.slot = slot;
    f.type = type;
    if (type == 6) {
        f.x = rnd.below(3) + 4;
        f.y = rnd.below(3) + 4;
    } else {
        f.x = rnd.below(9);
        f.y = rnd.below(9);
    }
}

void School::refillAfterLanding(int slot, int lengthCm, Random &rnd)
{
    if (lengthCm < 30)
        newFish(slot, 3, rnd);
    else if (lengthCm <= 39)
        newFish(slot, 4, rnd);
    else if (lengthCm <= 54)
        newFish(slot, 5, rnd);
    else if (lengthCm <= 59)
        newFish(slot, 6, rnd);
    else if (lengthCm == 60)
        newFish(slot, 5, rnd);
    else
        newFish(slot, 3, rnd);
}

} // namespace nuyo
