#pragma once

#include <QString>

namespace tunbox {

// The settings file beside the executable (ProgramPaths::SettingsFile()):
//   [Language]  Default=<language code of the interface>
//   [Help]      <language code>=<help file name in the help folder>
// Every access opens, uses and closes the file; see IniFile.
class SettingsFile {
  public:
    // [Language] Default of the running program's settings file, "RU" when the
    // file, the section or the key is missing or the file cannot be read.
    static QString ReadLanguage();
    // Writes [Language] Default; false when the file cannot be written.
    static bool WriteLanguage(const QString& code);
    // [Help] <code>: the help file name for a language, empty when missing.
    static QString ReadHelpFileName(const QString& code);
};

} // namespace tunbox
