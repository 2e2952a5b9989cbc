#pragma once

namespace tunbox {

class MainWindow;
class OutputSettingsPage;

// Settings files (*.cfg) of the two output settings pages: the active page's
// 96-byte image saved to a file, and a file loaded into the active page.
class SettingsFileWorkflow {
  public:
    explicit SettingsFileWorkflow(MainWindow& window);

    // "Сохранить" on page: the page's image becomes the working image and goes
    // to the file the user chooses.
    void SaveSettingsFile(OutputSettingsPage& page);
    // "Загрузить" on page: a file whose 96 values the page accepts becomes the
    // working image and the page's state; any other file changes neither.
    void LoadSettingsFile(OutputSettingsPage& page);

  private:
    MainWindow& window_;
};

} // namespace tunbox
