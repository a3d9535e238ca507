#include "startup/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace nuyo {

namespace {

const QString EnglishTranslation = QStringLiteral(":/i18n/nuyo_en.qm");

// "ja_JP.UTF-8@euro" → "ja_JP": a locale name without its codeset and modifier.
QString withoutCodeset(const QString &locale)
{
    return locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

bool isPlainC(const QString &locale)
{
    const QString name = withoutCodeset(locale);
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

LocaleEnvironment LocaleEnvironment::fromProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

QStringList desktopLanguages(const LocaleEnvironment &env)
{
    QString messages = !env.lcAll.isEmpty() ? env.lcAll : !env.lcMessages.isEmpty() ? env.lcMessages : env.lang;
    if (messages.isEmpty())
        messages = QStringLiteral("C");
    if (isPlainC(messages))
        return {QStringLiteral("C")};
    // A Japanese locale, the game's own language, is taken as the player's word: LANGUAGE, often
    // set by an English desktop session, does not override "LANG=ja_JP.UTF-8 nuyo".
    if (languageFor({withoutCodeset(messages)}) == Language::Japanese)
        return {withoutCodeset(messages)};
    QStringList languages;
    for (const QString &entry : env.language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.append(withoutCodeset(entry));
    languages.append(withoutCodeset(messages));
    return languages;
}

Language languageFor(const QStringList &uiLanguages)
{
    const QString first = uiLanguages.value(0, QStringLiteral("C"));
    if (isPlainC(first))
        return Language::Japanese;
    const QString code = first.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    return code == QLatin1String("ja") ? Language::Japanese : Language::English;
}

bool installTranslator(QCoreApplication &app, Language language)
{
    if (language == Language::Japanese)
        return true;
    auto *translator = new QTranslator(&app);
    if (!translator->load(EnglishTranslation)) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}

Language installLanguage(QCoreApplication &app)
{
    const Language language = languageFor(desktopLanguages(LocaleEnvironment::fromProcess()));
    return installTranslator(app, language) ? language : Language::Japanese;
}

} // namespace nuyo
