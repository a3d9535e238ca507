// The practice game's closing comment.
#pragma once

#include <QString>

namespace nuyo {

// The grade text for a practice game's big-catch level and catch count.
QString gradeText(int bigLevel, int catches);

} // namespace nuyo
