#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace tunbox {

using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The program's entry sequence: application object, current folder, language,
// message catalogue, then the main window made by createMainWindow and the
// event loop. Returns the process exit code.
int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow);

} // namespace tunbox
