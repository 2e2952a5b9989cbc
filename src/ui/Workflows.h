#pragma once

#include "ui/BackupFileWorkflow.h"
#include "ui/BackupWorkflow.h"
#include "ui/ConnectionWorkflow.h"
#include "ui/FileCommandWorkflow.h"
#include "ui/FirmwareWorkflow.h"
#include "ui/HelpWorkflow.h"
#include "ui/LanguageWorkflow.h"
#include "ui/OperatingModeWorkflow.h"
#include "ui/SettingsFileWorkflow.h"
#include "ui/SettingsWorkflow.h"
#include "ui/TransferWorkflow.h"

namespace tunbox {

class MainWindow;

// The workflows of the window, made once its controls stand. Each connects the
// controls it handles in its own constructor, so a new workflow is one more
// member here and nothing in the window class. They call each other through
// the window's Work().
struct Workflows {
    explicit Workflows(MainWindow& window)
        : connection(window), operatingMode(window), transfers(window), backup(window),
          backupFiles(window), firmware(window), settings(window), language(window), help(window),
          files(window), settingsFiles(window) {}

    ConnectionWorkflow connection;
    OperatingModeWorkflow operatingMode;
    TransferWorkflow transfers;
    BackupWorkflow backup;
    BackupFileWorkflow backupFiles;
    FirmwareWorkflow firmware;
    SettingsWorkflow settings;
    LanguageWorkflow language;
    HelpWorkflow help;
    FileCommandWorkflow files;
    SettingsFileWorkflow settingsFiles;
};

} // namespace tunbox
