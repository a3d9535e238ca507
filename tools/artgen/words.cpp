#include "words.h"

namespace nuyo::art {

const QVector<PictureWords> &pictureLanguages()
{
    // The English says what the game's English texts say: "Line broke" in the report and the log,
    // "Master" and "Grand master" in the grades, "50 cm+" in the tips and the ranking.
    static const QVector<PictureWords> languages{
        {QString(), QStringLiteral("ハリス切れ"), QStringLiteral("釣れた！"), QStringLiteral("大物！"),
         QStringLiteral("尺半上"), QStringLiteral("名人"), QStringLiteral("太公望"), QStringLiteral("プツン！"),
         QStringLiteral("名人！")},
        {QStringLiteral("en/"), QStringLiteral("Line broke"), QStringLiteral("Landed!"), QStringLiteral("Big one!"),
         QStringLiteral("50 cm+"), QStringLiteral("Master"), QStringLiteral("Grand master"), QStringLiteral("Snap!"),
         QStringLiteral("Master!")},
    };
    return languages;
}

} // namespace nuyo::art
