// The words drawn into the pictures, in each language the game speaks.
#pragma once

#include <QString>
#include <QVector>

namespace nuyo::art {

struct PictureWords {
    QString folder;                               // where this language's pictures go: "" or "en/"
    QString lineBroke, landed;                    // the result marks under the angler
    QString bigOne, fiftyUp, master, grandMaster; // the big-catch marks
    QString snap;                                 // the line-break report
    QString masterTitle;                          // the report's master picture after a 60 cm fish
};

// The game's own Japanese first, at the top of the art folder; then every translation, each in a
// folder of its own that the game reads in that language.
const QVector<PictureWords> &pictureLanguages();

} // namespace nuyo::art
