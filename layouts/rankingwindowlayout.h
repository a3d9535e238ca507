// The ranking window's table and the record of its controls.
#pragma once

#include "layouts/layout.h"
#include "widgets/controls.h"

#include <array>
#include <vector>

namespace nuyo {

struct RankingWindowControls {
    QHash<QString, QWidget *> byName; // every control by its table key, for tests and tools

    PictureBox *board = nullptr;           // the panel holding the table
    ColourButton *rankingToggle = nullptr; // results ranked or not
    FilteredLineEdit *nameEntry = nullptr; // the name of a result that enters the table
    ColourButton *okButton = nullptr;      // "ＯＫ" / "登録"
    TextLabel *toggleMark = nullptr;       // "!"
    TextLabel *toggleIndicator = nullptr;  // "POINTS        RANKING", coloured by the toggle
    OutlineShape *toggleFrame = nullptr;
    OutlineShape *divider = nullptr;
    TextLabel *title = nullptr;           // "＜  成績ランキング  ＞"
    TextLabel *header = nullptr;          // the columns' names
    std::vector<TextLabel *> rankNumbers; // "１．" .. "５．"
    TextLabel *resultRank = nullptr;      // beside the sixth line: the finished game's rank
    TextLabel *namePrompt = nullptr;      // "名前入力", then the registration's word
    std::array<TextLabel *, 6> rows{};    // the five rows and the finished game's line
};

const WindowTable &rankingWindowLayout();
// Builds the ranking window's controls on `window`.
RankingWindowControls buildRankingWindow(QWidget *window);

} // namespace nuyo
