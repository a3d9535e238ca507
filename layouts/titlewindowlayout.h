// The title window's table and the record of its controls.
#pragma once

#include "layouts/layout.h"
#include "widgets/controls.h"

#include <array>

namespace nuyo {

struct TitleWindowControls {
    QHash<QString, QWidget *> byName; // every control by its table key, for tests and tools

    std::array<ColourButton *, 2> modeButtons{}; // "練 習" and "本 番"
    ColourButton *keyboardSink = nullptr;        // off-screen, first in the focus order
    TextLabel *gettingReady = nullptr;           // "  只今、準備中 ・・・" behind the buttons
    ImageBox *titlePicture = nullptr;
};

const WindowTable &titleWindowLayout();
// Builds the title window's controls on `window`.
TitleWindowControls buildTitleWindow(QWidget *window);

} // namespace nuyo
