// One fish of the school, and the cells of the grid around the bait.
#pragma once

namespace nuyo {

class Host;

class Fish
{
public:
    int heading = 0; // 1 up (y −1), 2 down (y +1), 3 right (x +1), 4 left (x −1)
    int type = 0;    // 1..6: length band, bite depth; 6 is the 60 cm fish
    int x = 0;       // column, 0..8
    int y = 0;       // row, 0..8
    int slot = 0;    // the fish's own slot in the school, 1..4

    // Moves one cell along the heading, turning at the edges; false for a heading outside 1..4
    // (the fish then stays where it is).
    bool move();

    // One step of this fish while the float is in the water: it moves (a heading outside 1..4
    // shows "Vec = ERROR!" and leaves it where it is) and says where it now stands from the bait
    // (cellKind).
    int step(Host &host);
};

// Where a cell lies from the bait cell (3, 3): 1 on it, 2 left of it, 3 right of it,
// 4 above or below it, 0 elsewhere.
int cellKind(int x, int y);

// One cell nearer to 3.
int towardThree(int v);

} // namespace nuyo
