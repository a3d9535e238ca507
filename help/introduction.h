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

// The text of the introduction at `path` (UTF-8); false when it cannot be read.
bool readIntroduction(const QString &path, QString &text);

} // namespace nuyo
