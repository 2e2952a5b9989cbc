#pragma once

#include "ui/RadioGroup.h"

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

    QLabel* Label125() const { return header_; }
    QGroupBox* RegistBackupGrB() const { return unitGroup_; }
    QLabel* Dev2TypeLabel() const { return devType_; }
    QLabel* Dev2TypeLabel2() const { return devTypeValue_; }
    QGroupBox* RegistBackupModeGrB() const { return actionsGroup_; }
    QPushButton* RegBackupCreateButton() const { return create_; }
    QPushButton* RegBackupRestoreButton() const { return restore_; }
    QPushButton* RegBackupDeleteButton() const { return delete_; }
    QGroupBox* RegistBackupParamsGrB() const { return paramsGroup_; }
    RadioGroup* RPU_RTRRadioGr() const { return systemMode_; }
    QLabel* ObjNumLabel() const { return objectLabel_; }
    QLineEdit* ObjNumEdit() const { return objectNumber_; }
    QLabel* ModuleNumLabel() const { return moduleLabel_; }
    QComboBox* ModuleNumCmB() const { return moduleNumber_; }
    QLabel* RegFNameLabel() const { return fileName_; }
    QLabel* RegFNameLabel2() const { return fileNameValue_; }
    QLabel* ConfCodeLabel() const { return confCode_; }
    QLabel* ConfCodeLabel2() const { return confCodeValue_; }

  private:
    QLabel* header_;
    QGroupBox* unitGroup_;
    QLabel* devType_;
    QLabel* devTypeValue_;
    QGroupBox* actionsGroup_;
    QPushButton* create_;
    QPushButton* restore_;
    QPushButton* delete_;
    QGroupBox* paramsGroup_;
    RadioGroup* systemMode_;
    QLabel* objectLabel_;
    QLineEdit* objectNumber_;
    QLabel* moduleLabel_;
    QComboBox* moduleNumber_;
    QLabel* fileName_;
    QLabel* fileNameValue_;
    QLabel* confCode_;
    QLabel* confCodeValue_;
};

} // namespace tunbox
