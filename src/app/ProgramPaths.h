#pragma once

#include <QString>

namespace tunbox {

// Where the running program lives and where its per-user language data go. The
// program builds it from its own executable; tests build one over a temporary
// folder so that nothing of the real user is touched.
struct ProgramPaths {
    // Full path of the executable, e.g. /opt/tunbox/tunbox-rpu-klt.
    QString executable;
    // The fixed subfolder of the user's documents folder searched for language
    // modules when they are not beside the executable.
    QString documentsFolder;
    // Settings file of the stored language choice; empty means Qt's native
    // per-user settings store.
    QString languageStore;

    // The running program: QCoreApplication's executable path, the documents
    // subfolder "Tunbox-RPU-KLT" and the native store. Needs an application object.
    static ProgramPaths FromApplication();

    // Folder of the executable, without a trailing separator.
    QString Folder() const;
    // File name of the executable with its extension, without the folder.
    QString FileName() const;
    // The executable's path with its extension replaced by "." + extension, or
    // with "." + extension appended when the file name has no extension.
    QString WithExtension(const QString& extension) const;
    // The settings file beside the executable: WithExtension("INI").
    QString SettingsFile() const;
};

// Replaces the extension of the file name at the end of path by "." + extension,
// or appends "." + extension when the file name has none. Only the last dot of the
// file name counts, never one in a folder name; a leading dot marks a hidden file,
// not an extension.
QString ReplaceExtension(const QString& path, const QString& extension);

// Name of the documents subfolder that may hold language modules.
inline constexpr char DocumentsSubfolderName[] = "Tunbox-RPU-KLT";

// The paths of the running program, used by the language state, the message
// catalogue and the settings file. Empty until SetProgramPaths is called (start-up
// does so first thing).
const ProgramPaths& Program();
void SetProgramPaths(const ProgramPaths& paths);

} // namespace tunbox
