#pragma once

#include "ui/ConnectionWorkflow.h"
#include "ui/SettingsWorkflow.h"

namespace tunbox {

class MainWindow;

// The workflows of the window, made once its controls stand. Each connects the
// controls it handles in its own constructor, so a new workflow is one more
// member here and nothing in the window class.
struct Workflows {
    explicit Workflows(MainWindow& window) : connection(window), settings(window) {}

    ConnectionWorkflow connection;
    SettingsWorkflow settings;
};

} // namespace tunbox
