#include "ui/BackupFileWorkflow.h"

namespace tunbox {

BackupFileWorkflow::BackupFileWorkflow(MainWindow& window) : window_(window) {}

void BackupFileWorkflow::DeleteBackupFile() {
    // Backup files come with the file workflows; until then nothing is deleted.
    static_cast<void>(window_);
}

} // namespace tunbox
