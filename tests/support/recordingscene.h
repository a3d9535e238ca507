// A scene with no window: it keeps what the game last asked it to show, as far as a player or a
// test reads it, and counts the drawing it was asked for. Whole games run on it without a widget.
#pragma once

#include "model/scene.h"

#include <QString>

namespace nuyo {

class RecordingScene : public Scene
{
public:
    // What a player sees.
    bool inputEnabled = true;
    bool actionEnabled = true;
    bool floatBoxShown = false;
    int floatTop = -1; // the drawn float's top in the close-up; -1 when none is drawn
    QString comment;
    QString log;
    bool shown = false;
    bool paused = false;
    int drawings = 0; // calls that draw into the scene, the float or the stamps

    void loadWindow(GameMode::Value, Action::State, int) override {}
    void dressForMode(GameMode::Value, bool, bool) override {}
    void resetForNewGame(Action::State, int) override { log.clear(); }
    void reopenForNewGame() override {}
    void showWindow(bool) override { shown = true; }
    void hideWindow() override { shown = false; }
    void setInputEnabled(bool on) override { inputEnabled = on; }
    quintptr windowHandle() override { return 1; }
    void focusSink() override {}
    void showPaused(bool on) override { paused = on; }
    void showAction(Action::State) override {}
    void enableAction(bool on) override { actionEnabled = on; }
    void enableFurniture(bool) override {}
    void showComment(const QString &text) override { comment = text; }
    void showBaits(int) override {}
    void showCatches(int) override {}
    void showTension(int) override {}
    void showBaitLabel(const QColor &) override {}
    void showBaitChoice(int) override {}
    void showFloatWidth(int) override {}
    void showHintCaption(int) override {}
    void showRankingToggle(bool) override {}
    void showMasterColour() override {}
    void appendLog(const QString &text) override { log += text; }
    void closeGame() override {}
    void showFloatBox(bool on) override { floatBoxShown = on; }
    void clearFloat() override { floatTop = -1; }
    void drawFloat(int, int y, int, int, int) override { floatTop = y, ++drawings; }
    void clearScene() override {}
    void drawAnglerFrame(int) override { ++drawings; }
    void drawResultMark(ResultMark::Value) override { ++drawings; }
    void drawSizeText(int) override { ++drawings; }
    void drawLandedFish(int, int) override { ++drawings; }
    void drawMark(MarkPicture, int) override { ++drawings; }
    void drawLine(const QPoint &, const QColor &) override { ++drawings; }
    void drawRodTip(const QColor &) override { ++drawings; }
    void composeStamp(int) override { ++drawings; }
    void showBigCatch(const BigCatchChange &) override {}
    void printSizeStamps(const QString &) override { ++drawings; }
    void readyForNextCast() override {}
    void startPass() override {}
    void drawPassFrame(int, int) override { ++drawings; }
    void endPass() override {}
    bool startVisit() override { return true; }
    int turnVisit() override { return WindowWidth; }
    void drawVisitFrame(int, int, int) override { ++drawings; }
    void clearVisit() override {}
    void endVisit() override {}

    static constexpr int WindowWidth = 610; // the main window's width, where the perched bird turns
};

} // namespace nuyo
