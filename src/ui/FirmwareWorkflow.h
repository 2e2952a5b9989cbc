#pragma once

#include <QString>

namespace tunbox {

class MainWindow;

// The firmware files of the chosen operating mode on the main page, a file's
// details, and the update of the unit's firmware from one of them: chosen by
// the user, or offered right after connecting when a newer file is there.
class FirmwareWorkflow {
  public:
    explicit FirmwareWorkflow(MainWindow& window);

    // Refills SoftUpdatesListBox for the checked mode button (which sets
    // CatalogueMode) and disables WriteSWButton; true, with the candidate's
    // name in NewFirmwareFile, when the newest file is newer firmware of the
    // unit's kind. A candidate whose name gives no version is reported when
    // report is set, so a page entry that scans more than once shows the box
    // once.
    bool ScanFirmwareFolder(bool report = true);
    // Checks one firmware file, shows its details and makes its bytes the
    // working image; false after reporting why not (the image is untouched).
    bool ReadFirmwareFile(const QString& path);

    // A click in the list: reads the selected file, if any.
    void SoftUpdatesListBoxClick();
    // "Обновить ПО устройства": uploads the file last read.
    void WriteSWButtonClick();
    // Uploads the working image and reports the unit's verdict; on success the
    // link is broken and the unit connected again, showing its new firmware.
    void WriteFirmwareFile();
    // The update the main page offers after connecting, once the user agreed.
    // False when it failed and the window went back to not connected.
    bool UpdateOffered();

  private:
    // Sends the working image to the unit and ends the hourglass. Ok: the
    // success box and true. Otherwise the failure's box and the window not
    // connected, with the choices usable again for the next Connect.
    bool UploadWorkingImage();
    // Enables or disables the list, the mode group and its buttons, and the
    // page control, which a file read or an upload must not be disturbed by.
    void SetChoiceEnabled(bool enabled);
    QString PathOf(const QString& fileName) const;

    MainWindow& window_;
};

} // namespace tunbox
