#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace tunbox {

// The locale that belongs to a language extension. A two-letter extension names a
// language ("EN", "RU"); a three-letter one names a language in a country, its
// first two letters being the language and the third the country ("ENU" English,
// United States; "ENG" English, United Kingdom), with a few well-known extensions
// that do not follow the rule ("JPN", "CHS"). Case does not matter. nullopt when
// the language is unknown.
std::optional<QLocale> LocaleForExtension(const QString& extension);

// The extensions a module for locale may carry: the three-letter extension of the
// locale (its language's two letters and the first letter of its country, or the
// well-known extension) and the two-letter extension of its language, both in
// upper case. Empty for a locale whose language has no two-letter code.
QStringList ExtensionsOfLocale(const QLocale& locale);

// What the language dialog shows for a language extension: the native name of the
// language of its locale, then, for a language in a country (three letters),
// " (" the native name of its country ")": "Русский" for RU, "Русский (Россия)"
// for RUS. The extension itself when it names no known language.
QString NativeLanguageText(const QString& extension);

} // namespace tunbox
