#pragma once

namespace tunbox {

class MainWindow;

// The window's link to the unit: the choice between demo and on-line work,
// connecting and disconnecting, and entering the pages.
class ConnectionWorkflow {
  public:
    explicit ConnectionWorkflow(MainWindow& window);

    // Applies the item chosen in OperModeCmB.
    void OperModeCmBChange();

  private:
    void EnterOnLineWork();

    MainWindow& window_;
};

} // namespace tunbox
