#include "fish/fight.h"

#include "state/gamestate.h"

#include <algorithm>

namespace nuyo {

QColor lineColourFor(int d)
{
    if (d <= 0)
        return Colour::SlackLine;
    if (d == 1)
        return Colour::WarningLine;
    return Colour::DangerLine;
}

QPoint lineEndFor(int distance)
{
    switch (distance) {
    case 6:
        return {223, 51};
    case 5:
        return {236, 112};
    case 4:
        return {247, 185};
    default:
        return {247, 245};
    }
}

int tensionCap(int type)
{
    switch (type) {
    case 1:
        return 6;
    case 2:
        return 7;
    case 3:
        return 8;
    default:
        return 9;
    }
}

int nextTension(int tension, int x, int type)
{
    tension += x < 4 ? 1 : -1;
    tension = std::min(tension, tensionCap(type));
    return std::max(tension, 3);
}

BigCatchChange bigCatch(Record &g, int lengthCm)
{
    BigCatchChange c;
    if (g.BigLevel == 0) {
        c.markRow = 25;
        c.frameWidth = 3;
        c.frameColour = Colour::BigCatchFrame;
        g.BigLevel = 1;
        g.Count50 = 1;
    } else if (lengthCm == 60) {
        if (g.BigLevel == 1) {
            c.markRow = 50;
            c.frameWidth = 5;
            c.frameColour = Colour::BaitMismatch;
            c.showRedFrame = true;
            g.BigLevel = 2;
            g.Count60 = 1;
        } else if (g.BigLevel == 2) {
            c.markRow = 75;
            g.BigLevel = 3;
            g.Count60 = 2;
        } else {
            g.BigLevel += 1;
            g.Count60 += 1;
        }
    } else {
        g.Count50 += 1;
    }
    return c;
}

} // namespace nuyo
