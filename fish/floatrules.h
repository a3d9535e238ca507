// How the float answers a fish step.
#pragma once

namespace nuyo {

struct GameState;

enum class FloatMove {
    Redraw,      // draw the float where the state now puts it
    PulledUnder, // the 60 cm fish takes the float under
};

// Applies the answer to the float geometry for a fish step of `kind` (see cellKind);
// `type` and `heading` are the stepping fish's when kind is 1, 0 otherwise.
FloatMove floatAnswer(GameState &g, int kind, int type, int slot, int heading);

// The float at rest: it stands higher out of the water as the bait dissolves.
void floatAtRest(GameState &g);

} // namespace nuyo
