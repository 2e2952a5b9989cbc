#pragma once

namespace tunbox {

class MainWindow;

// "Считать" and "Записать": the registration memory between the unit and the
// working image on the backup page, the settings block between the unit and
// both output settings pages on a settings page.
class TransferWorkflow {
  public:
    explicit TransferWorkflow(MainWindow& window);

    void ReadButtonClick();
    void WriteButtonClick();

  private:
    void ReadRegistration();
    void ReadSettings();
    void WriteRegistration();
    void WriteSettings();
    bool SettingsPageActive() const;

    MainWindow& window_;
};

} // namespace tunbox
