#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

namespace tunbox {

// The column of command groups on the window's right: port, work mode, link,
// unit, file and other commands.
class CommandColumn : public QWidget {
    Q_OBJECT
  public:
    // Items of OperModeCmB.
    static constexpr int DemoItem = 0;
    static constexpr int OnLineItem = 1;

    explicit CommandColumn(QWidget* parent = nullptr);

    void RetranslateUi();

    // The controls, each under its own object name; the widget tree owns them.
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QGroupBox* OperModeGrB = nullptr;
    QComboBox* OperModeCmB = nullptr;
    QGroupBox* GroupBox39 = nullptr;
    QPushButton* ConnectButton = nullptr;
    QPushButton* DisconnectButton = nullptr;
    QGroupBox* GroupBox40 = nullptr;
    QPushButton* WriteButton = nullptr;
    QPushButton* ReadButton = nullptr;
    QGroupBox* GroupBox41 = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* LoadButton = nullptr;
    QGroupBox* GroupBox42 = nullptr;
    QPushButton* DefaultSettingsButton = nullptr;
    QPushButton* Help = nullptr;
};

} // namespace tunbox
