// A whole game with no window at all: the game built from a simulated host, a recording scene, a
// recording sound library and a ranking file in a fresh temporary folder.
#pragma once

#include "model/game.h"
#include "support/player.h"
#include "support/recordingscene.h"
#include "support/recordingsound.h"

#include <QTemporaryDir>

namespace nuyo {

class HeadlessGame : public Seat
{
public:
    // A game seeded with `seed`, its ranking file at `rankingPath` (by default in its own folder).
    explicit HeadlessGame(quint32 seed = 1, const QString &rankingPath = QString());

    void start(int mode) { game.load(mode); } // the game of `mode` (0 practice, 1 real) loads

    SimHost host;
    RecordingSound sound;
    RecordingScene scene;
    QTemporaryDir dir;
    Game game;

    // A player's seat at the scene.
    SimHost &clock() override { return host; }
    Game &play() override { return game; }
    bool actionUsable() override { return scene.inputEnabled && scene.actionEnabled; }
    QString commentShown() override { return scene.comment; }
    bool floatLeftRest() override;
    void press(Control control, int arg) override { game.press(control, arg); }
    void answerDialogs(std::function<QString()> rankingName) override;
};

} // namespace nuyo
