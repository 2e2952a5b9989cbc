#include "ui/FirmwareWorkflow.h"

namespace tunbox {

FirmwareWorkflow::FirmwareWorkflow(MainWindow& window) : window_(window) {}

// The firmware catalogue comes with the firmware workflows; until then no file
// is found and nothing is offered.
bool FirmwareWorkflow::ScanFirmwareFolder() {
    static_cast<void>(window_);
    return false;
}

bool FirmwareWorkflow::UpdateOffered() {
    return true;
}

} // namespace tunbox
