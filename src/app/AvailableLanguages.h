#pragma once

#include "app/ProgramPaths.h"

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace tunbox {

// The text of the error a language change stops with when there is no module.
inline constexpr char NoResourceFilesText[] =
    "In order to change language you must first create resource files.";

// Raised by CheckResourceCount; what() is NoResourceFilesText.
class ResourceError : public std::runtime_error {
  public:
    ResourceError() : std::runtime_error(NoResourceFilesText) {}
};

// The extensions of the language modules present for the program at paths: for
// every locale Qt knows, the module file named after its three-letter extension
// and after its two-letter language extension (ExtensionsOfLocale) is looked for
// beside the executable; when none is there, in the documents subfolder the same
// way. Each extension found is listed once, in upper case, sorted.
QStringList AvailableResourceExtensions(const ProgramPaths& paths);

// Throws ResourceError when no language module is available for the running program.
void CheckResourceCount();

// One line of the language dialog.
struct LanguageItem {
    // The module's extension; empty for the program's own language.
    QString extension;
    QString text;
};

// What the language dialog offers.
struct LanguageChoice {
    // The program's own language and every available module (a module for the
    // own language itself is left out), sorted by their texts.
    std::vector<LanguageItem> items;
    // The active language; with none active, the own language; else the first.
    int selected = 0;
};

// The dialog's lines for the running program, whose own texts are in the
// language of builtInExtension ("RU").
LanguageChoice LanguageChoices(const QString& builtInExtension);

} // namespace tunbox
