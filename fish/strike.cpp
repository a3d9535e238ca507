#include "fish/strike.h"

#include "host/random.h"
#include "state/gamestate.h"

namespace nuyo {

int hookedLength(int type, int r)
{
    if (type >= 6)
        return 60;
    return type * 10 + r;
}

int startingTension(int type)
{
    return type >= 5 ? 8 : type + 3;
}

void judgeStrike(GameState &g, Random &rnd)
{
    g.Hooked = 0;
    if (g.BaitSetting != g.BaitWanted) {
        g.setResult(ResultKind::FalseBite);
    } else if (g.FishType == 0) {
        g.setResult(ResultKind::Miss);
    } else {
        const int r = rnd.below(9);
        g.FishSize = hookedLength(g.FishType, r);
        g.Tension = startingTension(g.FishType);
        g.setResult(ResultKind::Hooked, g.FishSize);
        g.Hooked = 1;
    }
    if (g.Hooked == 0)
        g.FishSize = 0;
}

} // namespace nuyo
