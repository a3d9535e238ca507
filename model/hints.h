// The hints the main window's comment line gives as a cast goes on.
#pragma once

#include "state/vocabulary.h"

#include <QCoreApplication>
#include <QString>

namespace nuyo::Hint {

// At the start of a game, and when the next game is ready.
inline QString atStart()
{
    return QCoreApplication::translate("MainWindow", "「エサ合わせ」は『 ふつう 』で、「振り込み」ボタンをクリック");
}

// While the float is watched.
inline QString watch()
{
    return QCoreApplication::translate("Game", "ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』");
}

// While a fish is on the line.
inline QString fight()
{
    return QCoreApplication::translate("Game", "『 左クリック 』で引き寄せ、糸が「赤く」なったら『 右クリック 』");
}

// After a false bite: the bait the fish want now.
inline QString wantedBait(int bait)
{
    return QCoreApplication::translate("Game", "エサ合わせは『 %1 』 （ スレアタリが出たらエサ合わせを変る ）")
        .arg(Bait::caption(bait));
}

} // namespace nuyo::Hint
