#include "app/SettingsFile.h"

#include "app/BuiltInMessages.h"
#include "app/IniFile.h"
#include "app/ProgramPaths.h"

namespace tunbox {

namespace {

const QString kLanguageSection = QStringLiteral("Language");
const QString kDefaultKey = QStringLiteral("Default");
const QString kHelpSection = QStringLiteral("Help");

} // namespace

QString SettingsFile::ReadLanguage() {
    return IniFile::ReadString(Program().SettingsFile(), kLanguageSection, kDefaultKey,
                               QString::fromLatin1(BuiltInLanguage));
}

bool SettingsFile::WriteLanguage(const QString& code) {
    // Without a program there is no settings file, and no file named ".INI" in
    // whatever the current folder is.
    if (Program().executable.isEmpty())
        return false;
    return IniFile::WriteString(Program().SettingsFile(), kLanguageSection, kDefaultKey, code);
}

QString SettingsFile::ReadHelpFileName(const QString& code) {
    return IniFile::ReadString(Program().SettingsFile(), kHelpSection, code);
}

} // namespace tunbox
