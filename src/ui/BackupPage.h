#pragma once

#include "ui/widgets/RadioGroup.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace tunbox {

// The page "Резервная копия": create, restore or delete a backup file of the
// unit's registration memory, and the parameters that name the file.
class BackupPage : public QWidget {
    Q_OBJECT
  public:
    explicit BackupPage(QWidget* parent = nullptr);

    void RetranslateUi();

    // The controls, each under its own object name; the widget tree owns them.
    QLabel* Label125 = nullptr;
    QGroupBox* RegistBackupGrB = nullptr;
    QLabel* Dev2TypeLabel = nullptr;
    QLabel* Dev2TypeLabel2 = nullptr;
    QGroupBox* RegistBackupModeGrB = nullptr;
    QPushButton* RegBackupCreateButton = nullptr;
    QPushButton* RegBackupRestoreButton = nullptr;
    QPushButton* RegBackupDeleteButton = nullptr;
    QGroupBox* RegistBackupParamsGrB = nullptr;
    RadioGroup* RPU_RTRRadioGr = nullptr;
    QLabel* ObjNumLabel = nullptr;
    QLineEdit* ObjNumEdit = nullptr;
    QLabel* ModuleNumLabel = nullptr;
    QComboBox* ModuleNumCmB = nullptr;
    QLabel* RegFNameLabel = nullptr;
    QLabel* RegFNameLabel2 = nullptr;
    QLabel* ConfCodeLabel = nullptr;
    QLabel* ConfCodeLabel2 = nullptr;
};

} // namespace tunbox
