#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace tunbox {

// The locale that belongs to a language extension. A two-letter extension names a
// language ("EN", "RU"); a three-letter one names a language in a country, its
// first two letters being the language and the third the country ("ENU" English,
// United States; "ENG" English, United Kingdom), with a few well-known extensions
// that do not follow the rule ("JPN", "CHS"). Case does not matter. nullopt when
// the language is unknown.
std::optional<QLocale> LocaleForExtension(const QString& extension);

} // namespace tunbox
