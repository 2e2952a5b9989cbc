#pragma once

#include <QString>

namespace tunbox {

// Options of SetNewResourceFile. The program always passes an empty set; the type
// keeps the call shape open for options a later version may need.
struct ResourceOptions {};

// The language the user interface is in. The program's own texts are Russian and
// need no module (code "RU" or an empty code); any other language comes from a
// language module (see LanguageModule). The active extension is empty while the
// program's own texts are in use.

// Makes locale the active language. An empty locale returns to the program's own
// texts. Otherwise the module for locale is loaded; when none loads, nothing
// changes and the result is false. On success the module's translator replaces the
// previous one on the application (Qt then sends LanguageChange to every open
// window), the default QLocale becomes the locale of locale (of defaultLocale when
// locale is empty), so decimal separators and short dates follow the language, and
// the application's layout direction follows that locale, and Qt's own texts
// (standard buttons, file dialogs, context menus) come from Qt's translation
// for its language (qtbase_ru.qm, qtbase_en.qm ...) where one is installed.
bool SetNewResourceFile(const QString& locale, ResourceOptions options,
                        const QString& defaultLocale);

// The extension of the active language module, empty while the own texts are used.
QString ActiveResourceExtension();

// Records locale as the stored language choice of the program at fileName (full
// path), in the per-user settings store. Returns false when the store cannot be
// written.
bool SetDefaultLocaleReg(const QString& fileName, const QString& locale);

// The stored language choice of the running program, empty when there is none.
QString GetCurrentDefaultLocaleReg();

// Records the active extension as the running program's stored choice (empty while
// the program's own texts are in use).
bool SetCurrentDefaultLocaleReg();

} // namespace tunbox
