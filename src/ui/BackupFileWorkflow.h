#pragma once

namespace tunbox {

class MainWindow;

// Backup files (*.rrg) of the registration memory on the page "Резервная
// копия": the working image saved under a name that carries the backup's
// identification, a file loaded back with its identification, and deleting one.
class BackupFileWorkflow {
  public:
    explicit BackupFileWorkflow(MainWindow& window);

    // "Сохранить" on the backup page. Fields that cannot make a name that reads
    // back as themselves are refused before the dialog opens.
    void SaveBackupFile();
    // "Загрузить" on the backup page: the file's lines become the working image,
    // its name selects the mode and fills and locks the fields; then, loaded or
    // cancelled, "Записать" (on-line) or "Сохранить" (demo work) is enabled. A
    // file that cannot be read or holds a line that is no number changes nothing.
    void LoadBackupFile();
    // "Удалить" on the backup page: choose a backup file, confirm, delete it.
    void DeleteBackupFile();

  private:
    MainWindow& window_;
};

} // namespace tunbox
