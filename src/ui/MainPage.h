#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace tunbox {

// The page "Главная": the connected unit's identity, the choice of its operating
// mode and the firmware files it can be updated with. It also carries the
// hidden working list TempListB2 and the hidden Memo1.
class MainPage : public QWidget {
    Q_OBJECT
  public:
    explicit MainPage(QWidget* parent = nullptr);

    void RetranslateUi();

    QLabel* Label_maintabsh_header_rpu() const { return headerRpu_; }
    QLabel* Label_maintabsh_header_zelk() const { return headerZelk_; }
    QGroupBox* SoftUpdateGrB2() const { return unitGroup_; }
    QLabel* DevTypeLabel() const { return devType_; }
    QLabel* DevTypeLabel2() const { return devTypeValue_; }
    QLabel* CurrentSoftVerLabel() const { return softVersion_; }
    QLabel* CurrentSoftVerLabel2() const { return softVersionValue_; }
    QGroupBox* DevOperModeGrB() const { return operModeGroup_; }
    QRadioButton* RPU_rb() const { return rpu_; }
    QRadioButton* RTR_rb() const { return rtr_; }
    QRadioButton* MRO_rb() const { return mro_; }
    QGroupBox* SoftUpdatesGroupBox() const { return filesGroup_; }
    QListWidget* SoftUpdatesListBox() const { return files_; }
    QPushButton* WriteSWButton() const { return writeFirmware_; }
    QGroupBox* SoftUpdateGrB() const { return fileGroup_; }
    QLabel* NewSoftVerLabel() const { return newVersion_; }
    QLabel* NewSoftVerLabel2() const { return newVersionValue_; }
    QLabel* SoftFNameLabel() const { return fileName_; }
    QLabel* SoftFNameLabel2() const { return fileNameValue_; }
    QLabel* SoftFTypeLabel() const { return fileType_; }
    QLabel* SoftFTypeLabel2() const { return fileTypeValue_; }
    QLabel* SoftFDateLabel() const { return fileDate_; }
    QLabel* SoftFDateLabel2() const { return fileDateValue_; }
    QLabel* SoftFSizeLabel() const { return fileSize_; }
    QLabel* SoftFSizeLabel2() const { return fileSizeValue_; }
    QListWidget* TempListB2() const { return workingList_; }
    QPlainTextEdit* Memo1() const { return memo_; }

  private:
    QLabel* headerRpu_;
    QLabel* headerZelk_;
    QGroupBox* unitGroup_;
    QLabel* devType_;
    QLabel* devTypeValue_;
    QLabel* softVersion_;
    QLabel* softVersionValue_;
    QGroupBox* operModeGroup_;
    QRadioButton* rpu_;
    QRadioButton* rtr_;
    QRadioButton* mro_;
    QGroupBox* filesGroup_;
    QListWidget* files_;
    QPushButton* writeFirmware_;
    QGroupBox* fileGroup_;
    QLabel* newVersion_;
    QLabel* newVersionValue_;
    QLabel* fileName_;
    QLabel* fileNameValue_;
    QLabel* fileType_;
    QLabel* fileTypeValue_;
    QLabel* fileDate_;
    QLabel* fileDateValue_;
    QLabel* fileSize_;
    QLabel* fileSizeValue_;
    QListWidget* workingList_;
    QPlainTextEdit* memo_;
};

} // namespace tunbox
