#pragma once

#include "files/LineFile.h"

#include <QString>
#include <QStringList>

namespace tunbox {

class MainWindow;
struct FileDialogSetup;

// "Сохранить" and "Загрузить": each runs the file workflow of the active page
// (the backup page or either settings page) and does nothing on the main page.
// It also keeps what the file workflows share: their dialogs, the overwrite
// question, the atomic write and the error boxes.
class FileCommandWorkflow {
  public:
    explicit FileCommandWorkflow(MainWindow& window);

    void SaveButtonClick();
    void LoadButtonClick();

    // Runs the save or open dialog setup describes, opened in its subfolder of
    // the program's folder; the chosen path, or empty when the user cancelled.
    QString ChooseSaveFile(const FileDialogSetup& setup);
    QString ChooseOpenFile(const FileDialogSetup& setup);

    // Writes lines to path, asking message 10042 first when a file of that name
    // exists. Then the status line shows savedId, or 10068 when the user kept the
    // existing file; a failed write shows an error box naming the file and the
    // system's reason and leaves the status line. Returns whether it was saved.
    bool SaveLines(const QString& path, const QStringList& lines, int savedId);

    // How the boxes name the file at path.
    static QString ShownName(const QString& path);

    // The device saves write through; the program's plain QSaveFile when empty.
    void SetSaveFileFactory(SaveFileFactory factory);

  private:
    MainWindow& window_;
    SaveFileFactory saveFile_;
};

} // namespace tunbox
