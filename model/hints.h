// The hints the main window's comment line gives as a cast goes on. A player who plays by keys
// reads the keys where a player at the mouse reads the clicks.
#pragma once

#include "state/vocabulary.h"

#include <QCoreApplication>
#include <QString>

namespace nuyo::Hint {

// The hints that name a press, so that they are shown again in the words for the other hands.
enum Kind { None, AtStart, Watch, Fight };

// At the start of a game, and when the next game is ready.
inline QString atStart(bool keys = false)
{
    return keys ? QCoreApplication::translate("MainWindow",
                                              "「エサ合わせ」は『 ふつう 』（２キー）で、スペースキーで「振り込み」")
                : QCoreApplication::translate("MainWindow",
                                              "「エサ合わせ」は『 ふつう 』で、「振り込み」ボタンをクリック");
}

// While the float is watched.
inline QString watch(bool keys = false)
{
    return keys ? QCoreApplication::translate("Game", "ウキが引いたら、素早く スペースキーで 『 合わせ！ 』")
                : QCoreApplication::translate("Game", "ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』");
}

// While a fish is on the line.
inline QString fight(bool keys = false)
{
    return keys ? QCoreApplication::translate("Game", "『 ← キー 』で引き寄せ、糸が「赤く」なったら『 → キー 』")
                : QCoreApplication::translate("Game",
                                              "『 左クリック 』で引き寄せ、糸が「赤く」なったら『 右クリック 』");
}

inline QString of(Kind kind, bool keys)
{
    switch (kind) {
    case AtStart:
        return atStart(keys);
    case Watch:
        return watch(keys);
    case Fight:
        return fight(keys);
    case None:
        break;
    }
    return QString();
}

// After a false bite: the bait the fish want now.
inline QString wantedBait(int bait)
{
    return QCoreApplication::translate("Game", "エサ合わせは『 %1 』 （ スレアタリが出たらエサ合わせを変る ）")
        .arg(Bait::caption(bait));
}

// Over the pond while the game is paused.
inline QString paused()
{
    return QCoreApplication::translate("MainWindow", "－ 一時停止中 －\nＰキー か クリックで 再開");
}

} // namespace nuyo::Hint
