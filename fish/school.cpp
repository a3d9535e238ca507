#include "fish/school.h"

#include "fish/fish.h"
#include "app/app.h"

namespace nuyo {

NUYOObject &fishAt(App &app, int slot)
{
    auto &fish = app.Fish[slot];
    if (!fish)
        fish = std::make_unique<NUYOObject>();
    return *fish;
}

namespace {

void placeFish(App &app, int slot, int type, bool nearBait)
{
    NUYOObject &f = fishAt(app, slot);
    f.VEC = slot;
    f.FAC = slot;
    f.SIZ = type;
    if (nearBait) {
        f.PosX = app.rnd.below(3) + 4;
        f.PosY = app.rnd.below(3) + 4;
    } else {
        f.PosX = app.rnd.below(9);
        f.PosY = app.rnd.below(9);
    }
}

} // namespace

void SetupSchool(App &app)
{
    for (int i = 1; i <= 4; ++i)
        placeFish(app, i, i == 4 ? 2 : i, false);
}

void NewFish3(App &app, int &slot)
{
    placeFish(app, slot, 3, false);
}

void NewFish4(App &app, int &slot)
{
    placeFish(app, slot, 4, false);
}

void NewFish5(App &app, int &slot)
{
    placeFish(app, slot, 5, false);
}

void NewFish6(App &app, int &slot)
{
    placeFish(app, slot, 6, true);
}

void refillAfterLanding(App &app, int &slot, int lengthCm)
{
    if (slot < 1 || slot > 4)
        return;
    if (lengthCm < 30)
        NewFish3(app, slot);
    else if (lengthCm <= 39)
        NewFish4(app, slot);
    else if (lengthCm <= 54)
        NewFish5(app, slot);
    else if (lengthCm <= 59)
        NewFish6(app, slot);
    else if (lengthCm == 60)
        NewFish5(app, slot);
    else
        NewFish3(app, slot);
}

} // namespace nuyo
