// What a strike caught: a false bite, an empty strike or a fish of a definite length.
#pragma once

namespace nuyo {

struct GameState;
class Random;

// Length and starting tension of a hooked fish of `type` (1..6), given the draw r (0..8).
int hookedLength(int type, int r);
int startingTension(int type);

// Decides the strike on the state alone: Hooked, LastResult, FishSize and Tension.
void judgeStrike(GameState &g, Random &rnd);

} // namespace nuyo
