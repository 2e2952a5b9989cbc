#pragma once

#include <QObject>

namespace tunbox {

class MainWindow;

// The page "Резервная копия": the three action buttons choose what the shared
// buttons "Считать", "Записать", "Сохранить" and "Загрузить" are for; the mode in
// the system prepares the module address list, which is checked when left.
class BackupWorkflow : public QObject {
    Q_OBJECT
  public:
    explicit BackupWorkflow(MainWindow& window);

    // One handler for "Создать", "Восстановить" and "Удалить", told apart by the
    // sender's object name.
    void RegBackupCreateButtonClick(QObject* sender);
    // Runs whenever "РПУ" or "РТР" becomes the chosen mode, by the user or by the
    // program.
    void RPU_RTRRadioGrClick();
    // Runs when the focus leaves ModuleNumCmB: an address outside the mode's
    // range is refused with message 10030 and the focus goes back.
    void ModuleNumCmBExit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ClearRecord();

    MainWindow& window_;
    bool checkingAddress_ = false;
};

} // namespace tunbox
