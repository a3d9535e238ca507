// The catch report's table and the record of its controls.
#pragma once

#include "layouts/layout.h"
#include "widgets/controls.h"

namespace nuyo {

struct CatchReportControls {
    QHash<QString, QWidget *> byName; // every control by its table key, for tests and tools

    PictureBox *picture = nullptr;         // the report's picture
    ColourButton *okButton = nullptr;      // "OK"
    TextLabel *resultText = nullptr;       // the result
    ImageBox *masterPicture = nullptr;     // the master's picture (60 cm, shown after the pause)
    ImageBox *landingBackground = nullptr; // the plain background under a drawn fish
    ImageBox *sixtyPicture = nullptr;      // the 60 cm fish's picture
    ImageBox *fishPicture = nullptr;       // the fish: drawing left, mask right
    ImageBox *lineBreakPicture = nullptr;
    ImageBox *missPicture = nullptr; // an empty strike or a false bite
};

const WindowTable &catchReportLayout();
// Builds the catch report's controls on `window`.
CatchReportControls buildCatchReport(QWidget *window);

} // namespace nuyo
