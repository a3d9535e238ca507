// The school of four fish: a new game's school and the refills after a landing or a break.
#pragma once

namespace nuyo {

struct App;
class NUYOObject;

// The fish in `slot` (1..4), created on first use.
NUYOObject &fishAt(App &app, int slot);

void SetupSchool(App &app);         // types 1, 2, 3, 2 with headings 1..4 on random cells
void NewFish3(App &app, int &slot); // a type-3 fish anywhere on the grid
void NewFish4(App &app, int &slot); // a type-4 fish anywhere
void NewFish5(App &app, int &slot); // a type-5 fish anywhere
void NewFish6(App &app, int &slot); // the 60 cm fish, close to the bait (cells 4..6)

// Refills the slot of a landed fish by its length.
void refillAfterLanding(App &app, int &slot, int lengthCm);

} // namespace nuyo
