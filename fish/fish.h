// One fish of the school, and the cells of the grid around the bait.
#pragma once

namespace nuyo {

class Host;

class NUYOObject
{
public:
    int VEC = 0;  // heading: 1 up (PosY −1), 2 down (PosY +1), 3 right (PosX +1), 4 left (PosX −1)
    int SIZ = 0;  // fish type 1..6: length band, bite depth; 6 is the 60 cm fish
    int PosX = 0; // column, 0..8
    int PosY = 0; // row, 0..8
    int FAC = 0;  // the fish's own slot in the school, 1..4

    // Moves one cell along the heading, turning at the edges; false for a heading outside 1..4
    // (the fish then stays where it is).
    bool move();

    // Task: one step of this fish while the float is in the water: it moves (a heading outside
    // 1..4 shows "Vec = ERROR!" and leaves it where it is) and says where it now stands from
    // the bait (cellKind).
    int Task(Host &host);
};

// Where a cell lies from the bait cell (3, 3): 1 on it, 2 left of it, 3 right of it,
// 4 above or below it, 0 elsewhere.
int cellKind(int x, int y);

// One cell nearer to 3.
int towardThree(int v);

} // namespace nuyo
