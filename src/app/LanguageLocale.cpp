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

} // namespace tunbox
