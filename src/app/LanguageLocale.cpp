#include "app/LanguageLocale.h"

#include <iterator>

namespace tunbox {

namespace {

struct KnownExtension {
    const char* extension;
    const char* locale;
};

// Three-letter extensions whose country (or language) the letters alone do not give.
constexpr KnownExtension kKnown[] = {
    {"ENU", "en_US"}, {"ENG", "en_GB"}, {"ENA", "en_AU"}, {"ENC", "en_CA"}, {"RUS", "ru_RU"},
    {"UKR", "uk_UA"}, {"BEL", "be_BY"}, {"KKZ", "kk_KZ"}, {"DEU", "de_DE"}, {"FRA", "fr_FR"},
    {"ITA", "it_IT"}, {"ESP", "es_ES"}, {"PLK", "pl_PL"}, {"PTB", "pt_BR"}, {"PTG", "pt_PT"},
    {"JPN", "ja_JP"}, {"CHS", "zh_CN"}, {"CHT", "zh_TW"},
};

} // namespace

std::optional<QLocale> LocaleForExtension(const QString& extension) {
    const QString upper = extension.toUpper();
    if (upper.size() != 2 && upper.size() != 3)
        return std::nullopt;
    for (const KnownExtension& known : kKnown) {
        if (upper == QLatin1String(known.extension))
            return QLocale(QString::fromLatin1(known.locale));
    }
    for (QChar c : upper) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return std::nullopt;
    }
    const QLocale locale(upper.left(2).toLower());
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return std::nullopt;
    return locale;
}

QStringList ExtensionsOfLocale(const QLocale& locale) {
    const QString name = locale.name(); // "en_US"
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language.size() != 2)
        return {};
    QString threeLetters;
    for (const KnownExtension& known : kKnown) {
        if (name == QLatin1String(known.locale)) {
            threeLetters = QString::fromLatin1(known.extension);
            break;
        }
    }
    const QString territory = name.section(QLatin1Char('_'), 1, 1);
    if (threeLetters.isEmpty() && !territory.isEmpty())
        threeLetters = (language + territory.left(1)).toUpper();
    QStringList extensions;
    if (!threeLetters.isEmpty())
        extensions.append(threeLetters);
    extensions.append(language.toUpper());
    return extensions;
}

QString NativeLanguageText(const QString& extension) {
    const std::optional<QLocale> locale = LocaleForExtension(extension);
    if (!locale)
        return extension;
    // A two-letter extension names a language in no particular country: its
    // name as the world speaks it where the locale data has one ("English",
    // not "American English"), and no country.
    const bool anyCountry = extension.size() == 2;
    const QLocale world(locale->language(), QLocale::World);
    QString language = anyCountry && world.territory() == QLocale::World
                           ? world.nativeLanguageName()
                           : locale->nativeLanguageName();
    if (!language.isEmpty())
        language = locale->toUpper(language.left(1)) + language.mid(1);
    const QString country = locale->nativeTerritoryName();
    if (anyCountry || country.isEmpty())
        return language;
    return QStringLiteral("%1 (%2)").arg(language, country);
}

} // namespace tunbox
