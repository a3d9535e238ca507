#include "fish/floatrules.h"

#include "state/gamestate.h"

namespace nuyo {

void floatAtRest(GameState &g)
{
    g.FloatY = g.BaitTime + 20;
    g.FloatH = 156 - g.BaitTime;
}

namespace {

void sink(GameState &g)
{
    g.FloatY += g.BiteDepth;
    g.FloatH -= g.BiteDepth;
}

void rise(GameState &g)
{
    g.FloatY -= g.BiteDepth;
    g.FloatH += g.BiteDepth;
}

} // namespace

FloatMove floatAnswer(GameState &g, int kind, int type, int slot, int heading)
{
    g.FishType = type;
    g.BiteFish = slot;
    g.BiteDepth = type * 5;
    switch (kind) {
    case 0:
        floatAtRest(g);
        break;
    case 1:
        if (g.BaitWanted < 1 || g.BaitWanted > 3)
            break;
        if (type == 6)
            return FloatMove::PulledUnder;
        if (g.BaitWanted == 1) {
            if (heading == 1 || heading == 2)
                rise(g);
            else
                sink(g);
        } else if (g.BaitWanted == 2) {
            sink(g);
        } else {
            // The soft bait: a shoulder bite drags the float aside as it sinks.
            if (heading == 3)
                g.FloatX -= 2;
            else if (heading == 4)
                g.FloatX += 2;
            sink(g);
        }
        break;
    case 2:
        g.FloatX -= 2;
        break;
    case 3:
        g.FloatX += 2;
        break;
    default:
        break;
    }
    return FloatMove::Redraw;
}

} // namespace nuyo
