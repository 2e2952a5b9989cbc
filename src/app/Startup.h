#pragma once

#include "app/ProgramPaths.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace tunbox {

using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The program's entry: makes the application object (a GuardedApplication) and
// runs RunStartup for the running executable. The command line is not read.
// Returns the process exit code: 0, also after an exception reached it.
int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow);

// The start-up order on the existing application object:
//   1. application title "Tunbox-RPU-KLT";
//   2. the program's data folder (the executable's folder, or the user's data
//      folder for an installed program; see ProgramPaths) is prepared and
//      becomes the current folder, so "reg", "base" and "conf" resolve there;
//   3. the language code from the settings file ([Language] Default, "RU" when missing);
//   4. SetDefaultLocaleReg(executable, code);
//   5. and 6. ActivateLanguage(code);
//   7. the main window from createMainWindow, shown, and the event loop until it ends.
// An exception from any step is shown in the exception box and the result is 0;
// otherwise the result is the event loop's.
int RunStartup(const ProgramPaths& paths, const MainWindowFactory& createMainWindow);

// Makes code the interface language as start-up does: SetNewResourceFile for it
// (no module, and the Russian locale, for BuiltInLanguage), then LoadMessageTable
// for the recorded choice. Without program paths (tools, tests) nothing is
// recorded, so the catalogue gets the built-in texts.
void ActivateLanguage(const QString& code);

} // namespace tunbox
