#pragma once

namespace tunbox {

class MainWindow;

// The operating mode chosen on the main page (RPU_rb, RTR_rb, MRO_rb): which
// backup and output settings pages fit it and the unit, and which firmware
// family the file list shows.
class OperatingModeWorkflow {
  public:
    explicit OperatingModeWorkflow(MainWindow& window);

    // Runs whenever one of the three buttons becomes checked, by the user or by
    // the program.
    void DevOperModeGrB_rbClick();
    // Leaves none of the three buttons checked (a partner-brand unit).
    void UncheckAll();
    // While the main page's entry checks the buttons, their rescans of the
    // firmware list show no box: the entry's own scan follows and reports once.
    void SetScansQuiet(bool quiet) { quietScans_ = quiet; }

  private:
    // Shows the tabs of the backup page and the two output settings pages.
    void ShowTabs(bool backup, bool rele, bool rpu);

    MainWindow& window_;
    bool quietScans_ = false;
};

} // namespace tunbox
