#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
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

    // The controls, each under its own object name; the widget tree owns them.
    QLabel* Label_maintabsh_header_rpu = nullptr;
    QLabel* Label_maintabsh_header_zelk = nullptr;
    QGroupBox* SoftUpdateGrB2 = nullptr;
    QLabel* DevTypeLabel = nullptr;
    QLabel* DevTypeLabel2 = nullptr;
    QLabel* CurrentSoftVerLabel = nullptr;
    QLabel* CurrentSoftVerLabel2 = nullptr;
    QGroupBox* DevOperModeGrB = nullptr;
    QRadioButton* RPU_rb = nullptr;
    QRadioButton* RTR_rb = nullptr;
    QRadioButton* MRO_rb = nullptr;
    // RPU_rb, RTR_rb and MRO_rb as one exclusive choice (ids 0, 1, 2), so the
    // program can also leave all three unchecked (see ShowChoice).
    QButtonGroup* OperModeButtons = nullptr;
    QGroupBox* SoftUpdatesGroupBox = nullptr;
    QListWidget* SoftUpdatesListBox = nullptr;
    QPushButton* WriteSWButton = nullptr;
    QGroupBox* SoftUpdateGrB = nullptr;
    QLabel* NewSoftVerLabel = nullptr;
    QLabel* NewSoftVerLabel2 = nullptr;
    QLabel* SoftFNameLabel = nullptr;
    QLabel* SoftFNameLabel2 = nullptr;
    QLabel* SoftFTypeLabel = nullptr;
    QLabel* SoftFTypeLabel2 = nullptr;
    QLabel* SoftFDateLabel = nullptr;
    QLabel* SoftFDateLabel2 = nullptr;
    QLabel* SoftFSizeLabel = nullptr;
    QLabel* SoftFSizeLabel2 = nullptr;
    // Shows the window's working image (WorkingImage), one value per line.
    QListView* TempListB2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace tunbox
