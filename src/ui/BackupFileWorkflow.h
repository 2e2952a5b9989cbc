#pragma once

namespace tunbox {

class MainWindow;

// Backup files of the registration memory: saving, loading and deleting them.
class BackupFileWorkflow {
  public:
    explicit BackupFileWorkflow(MainWindow& window);

    // "Удалить" on the backup page: choose a backup file and delete it.
    void DeleteBackupFile();

  private:
    MainWindow& window_;
};

} // namespace tunbox
