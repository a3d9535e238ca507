// The school of four fish: a new game's school and the refills after a landing or a break.
#pragma once

#include "fish/fish.h"

#include <array>

namespace nuyo {

class Random;

class School
{
public:
    // The fish in `slot` (1..4).
    Fish &at(int slot) { return m_fish[std::size_t(slot - 1)]; }
    const Fish &at(int slot) const { return m_fish[std::size_t(slot - 1)]; }

    // A new game's school: types 1, 2, 3, 2 with headings 1..4 on random cells.
    void setUp(Random &rnd);
    // A new fish of `type` in `slot`: anywhere on the grid, or close to the bait (cells 4..6) for
    // the 60 cm fish (type 6). A slot outside 1..4 is left as it is.
    void newFish(int slot, int type, Random &rnd);
    // Refills the slot of a landed fish by its length.
    void refillAfterLanding(int slot, int lengthCm, Random &rnd);

private:
    std::array<Fish, 4> m_fish{};
};

} // namespace nuyo
