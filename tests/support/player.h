// Scripted players for whole games under the simulated host.
#pragma once

#include "support/harness.h"

#include <QString>
#include <functional>

namespace nuyo {

// A player that looks at the window every `period` seconds of game time and acts on what it
// sees, as a person at the mouse would; reports and the ranking are answered after a pause.
class Player
{
public:
    enum class Style {
        NeverStrikes, // casts and waits until the bait is gone
        Eyes,         // strikes when the float leaves its rest, fights by the line's colour
        Greedy,       // strikes as Eyes does, then only ever pulls, whatever the line's colour
    };

    Player(Harness &h, Style style);

    // Plays until the action button reads "終了" (or `limit` seconds of game time pass).
    // Returns true when the game reached its end.
    bool playGame(double limit = 4000);

    QString rankingName = QStringLiteral("abc"); // typed into the ranking's name entry
    bool followsHints = true;                    // sets the bait the comment line names before casting
    int strikes = 0;
    int pulls = 0;
    int slacks = 0;
    double period = 0.1;

private:
    void look();
    bool floatLeftRest();
    void fight();

    Harness &m_h;
    Style m_style;
    bool m_watching = false;
    double m_lastPress = -1;
};

} // namespace nuyo
