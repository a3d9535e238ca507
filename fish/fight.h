// The rules of the fight: danger, line colour, tension, and the big-catch bookkeeping.
#pragma once

#include <QColor>
#include <QPoint>

namespace nuyo {

struct Record;

// The line's colour for danger d = Tension − Distance (d ≥ 3 breaks the line).
QColor lineColourFor(int d);

// Where the line ends in the scene for a Distance of 4..6 (3 is the landing place).
QPoint lineEndFor(int distance);

// The highest tension a fish of `type` can pull.
int tensionCap(int type);

// One fight tick's change of tension, from a draw x in 1..6: up for 1..3, down for 4..6,
// then held within 3 and the fish's cap.
int nextTension(int tension, int x, int type);

// What a big catch changes in the picture: the level mark's row among the big-catch marks (−1: none), the
// frame's new width and colour, whether the red frame and the log's colour change.
struct BigCatchChange {
    int markRow = -1;
    int frameWidth = 0;
    QColor frameColour;
    bool showRedFrame = false;
};

// The bookkeeping of a landed type-5 or type-6 fish of `lengthCm`.
BigCatchChange bigCatch(Record &g, int lengthCm);

} // namespace nuyo
