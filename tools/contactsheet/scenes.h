// The moments of a game worth a look, and the scripted games that reach each of them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace nuyo {

class Camera;

struct Moment {
    QString name;    // the picture's file name without ".png"
    QString caption; // what the picture must show
};

// Every moment, in the order of the sheet.
const std::vector<Moment> &moments();

// Plays a practice game, a real game and a few single reports under the simulated host,
// photographing each moment of moments(). Returns what went wrong (empty when all went well).
QStringList photographGame(Camera &camera);

} // namespace nuyo
