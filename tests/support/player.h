// Scripted players for whole games under the simulated host, at the real windows or at the game
// alone (a Seat is what the player sees and presses there).
#pragma once

#include "host/simhost.h"
#include "model/game.h"

#include <QString>
#include <functional>

namespace nuyo {

// Where a player sits: the game's state, what shows of it, and the controls to press. Reports
// and the ranking are answered after a moment, the ranking with `rankingName`.
class Seat
{
public:
    virtual ~Seat() = default;
    virtual SimHost &clock() = 0;
    virtual Game &play() = 0;
    virtual bool actionUsable() = 0;    // the window takes presses and the action button is enabled
    virtual QString commentShown() = 0; // the comment line
    virtual bool floatLeftRest() = 0;   // the float is out of sight, or a bite away from its rest
    virtual void press(Control control, int arg) = 0;
    // From now on reports and the ranking are answered; `rankingName` is read when it is asked for.
    virtual void answerDialogs(std::function<QString()> rankingName) = 0;
};

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

    Player(Seat &seat, Style style);

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
    void fight();
    void pressAction(int button);

    Seat &m_seat;
    Style m_style;
    double m_lastPress = -1;
};

} // namespace nuyo
