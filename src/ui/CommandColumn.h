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

    QGroupBox* GroupBox1() const { return portGroup_; }
    QCheckBox* CheckBox1() const { return usbPort_; }
    QGroupBox* OperModeGrB() const { return operModeGroup_; }
    QComboBox* OperModeCmB() const { return operMode_; }
    QGroupBox* GroupBox39() const { return linkGroup_; }
    QPushButton* ConnectButton() const { return connect_; }
    QPushButton* DisconnectButton() const { return disconnect_; }
    QGroupBox* GroupBox40() const { return unitGroup_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* ReadButton() const { return read_; }
    QGroupBox* GroupBox41() const { return fileGroup_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* LoadButton() const { return load_; }
    QGroupBox* GroupBox42() const { return otherGroup_; }
    QPushButton* DefaultSettingsButton() const { return defaultSettings_; }
    QPushButton* Help() const { return help_; }

  private:
    QGroupBox* portGroup_;
    QCheckBox* usbPort_;
    QGroupBox* operModeGroup_;
    QComboBox* operMode_;
    QGroupBox* linkGroup_;
    QPushButton* connect_;
    QPushButton* disconnect_;
    QGroupBox* unitGroup_;
    QPushButton* write_;
    QPushButton* read_;
    QGroupBox* fileGroup_;
    QPushButton* save_;
    QPushButton* load_;
    QGroupBox* otherGroup_;
    QPushButton* defaultSettings_;
    QPushButton* help_;
};

} // namespace tunbox
