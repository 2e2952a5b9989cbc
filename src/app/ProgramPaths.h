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
    // Where the settings file and the folders "conf", "reg" and "base" live;
    // empty means the executable's folder (see DataFolder()).
    QString dataFolder;

    // The running program: QCoreApplication's executable path, the documents
    // subfolder "Tunbox-RPU-KLT" and the native store; its data beside it, or
    // under the user's data folder when the program's folder is not writable.
    // Needs an application object.
    static ProgramPaths FromApplication();
    // The paths of the program at executable. When its folder is not writable
    // (installed under /usr or /opt), its data live in the subfolder
    // "Tunbox-RPU-KLT" of userDataRoot (the XDG data home, ~/.local/share).
    static ProgramPaths ForExecutable(const QString& executable, bool folderWritable,
                                      const QString& userDataRoot);

    // Folder of the executable, without a trailing separator.
    QString Folder() const;
    // File name of the executable with its extension, without the folder.
    QString FileName() const;
    // The executable's path with its extension replaced by "." + extension, or
    // with "." + extension appended when the file name has no extension.
    QString WithExtension(const QString& extension) const;
    // The folder of the settings file, "conf", "reg" and "base": dataFolder, or
    // the executable's folder when that is empty.
    QString DataFolder() const;
    // The settings file: the executable's file name with the extension "INI", in
    // DataFolder() (beside the executable unless the data live elsewhere).
    QString SettingsFile() const;
    // The settings file shipped beside the executable, WithExtension("INI").
    QString ShippedSettingsFile() const;
};

// Replaces the extension of the file name at the end of path by "." + extension,
// or appends "." + extension when the file name has none. Only the last dot of the
// file name counts, never one in a folder name; a leading dot marks a hidden file,
// not an extension.
QString ReplaceExtension(const QString& path, const QString& extension);

// Name of the documents subfolder that may hold language modules, and of the
// subfolder of the user's data folder that holds the data of an installed program.
inline constexpr char DocumentsSubfolderName[] = "Tunbox-RPU-KLT";
inline constexpr char DataSubfolderName[] = "Tunbox-RPU-KLT";

// When the data live apart from the executable: creates their folder and puts a
// copy of the shipped settings file there unless the user already has one, so
// the help file names and the language come with it. Failures are ignored: the
// program then runs on its defaults.
void PrepareDataFolder(const ProgramPaths& paths);

// The paths of the running program, used by the language state, the message
// catalogue and the settings file. Empty until SetProgramPaths is called (start-up
// does so first thing).
const ProgramPaths& Program();
void SetProgramPaths(const ProgramPaths& paths);

} // namespace tunbox
