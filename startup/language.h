// The language the game speaks: Japanese, its own, or English for every other desktop.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace nuyo {

enum class Language { Japanese, English };

// The locale variables that name the desktop's languages, as the C library reads them.
struct LocaleEnvironment {
    QString language;   // LANGUAGE: a colon-separated priority list
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LocaleEnvironment fromProcess();
};

// The desktop's interface languages, first choice first: the messages locale (LC_ALL, else
// LC_MESSAGES, else LANG; "C" when none is set), preceded by LANGUAGE's list unless that locale
// is C or POSIX, which always keeps the program's own texts, or Japanese, the game's own.
QStringList desktopLanguages(const LocaleEnvironment &env);

// Japanese when the first language is Japanese, C or POSIX; English for any other.
Language languageFor(const QStringList &uiLanguages);

// Chooses the language from the process's locale and installs its translator into `app`;
// call it before any window is built. Returns the language chosen.
Language installLanguage(QCoreApplication &app);

// Installs the translator of `language` (none for Japanese); false when it cannot be loaded.
bool installTranslator(QCoreApplication &app, Language language);

} // namespace nuyo
