#pragma once

namespace tunbox {

class MainWindow;

// The commands that act on the output settings pages.
class SettingsWorkflow {
  public:
    explicit SettingsWorkflow(MainWindow& window);

    // The factory settings into the active settings page (none when another page
    // is active), then message 10014 on the status line.
    void DefaultSettingsButtonClick();

  private:
    MainWindow& window_;
};

} // namespace tunbox
