// Where the introduction text is found.
#pragma once

#include <QString>

namespace nuyo {

// The introduction text's name in the current language: "はじめに.txt" for Japanese.
QString introductionName();

// The introduction text beside the executable (build folder, portable copy), else in the
// installed data folder (../share/nuyo/ from the executable); the Japanese text when the
// player's language has none; the first place when neither has it.
QString introductionPath(const QString &exeDir);

} // namespace nuyo
