#pragma once

namespace tunbox {

class MainWindow;

// The firmware files of the chosen operating mode and the update of the unit's
// firmware from them.
class FirmwareWorkflow {
  public:
    explicit FirmwareWorkflow(MainWindow& window);

    // Refills the firmware list for CatalogueMode; true when its update
    // candidate is newer than the unit's firmware of the same kind.
    bool ScanFirmwareFolder();
    // The update the main page offers after connecting, once the user agreed.
    // False when it failed and the window went back to not connected.
    bool UpdateOffered();

  private:
    MainWindow& window_;
};

} // namespace tunbox
