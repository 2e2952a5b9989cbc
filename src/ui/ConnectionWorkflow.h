#pragma once

#include "link/LinkInit.h"

#include <cstdint>
#include <optional>

namespace tunbox {

class MainWindow;

// The window's link to the unit: the choice between demo and on-line work,
// connecting and disconnecting, and the work done on entering each page, which
// breaks the link and initialises it anew, identifies the unit and decides
// which pages and operating modes the window offers.
class ConnectionWorkflow {
  public:
    explicit ConnectionWorkflow(MainWindow& window);

    // Applies the item chosen in OperModeCmB: "демо" or "on-line".
    void OperModeCmBChange();
    // Opens the single attached unit and enters the main page.
    void ConnectButtonClick();
    // Breaks the link and returns to the not-connected state; the pipes stay open.
    void DisconnectButtonClick();
    // The page-entry work for the active page of MainPageC.
    void MainPageCChange();
    // Back to the not-connected state: Connect offered, the page area hidden.
    void ResetToDisconnected();
    // Empties the identity, firmware-file and backup labels and fields.
    void ClearIdentity();

  private:
    void EnterDemoPage();
    void EnterOnLinePage();
    // The main page's part of an on-line page entry: the link result, or
    // nothing when an offered firmware update failed and the window is reset.
    std::optional<OpenLinkResult> EnterMainPage();
    // A link initialisation whose success publishes and shows the identity.
    OpenLinkResult InitialiseLink(std::uint8_t command);
    // After a failed link initialisation on another page: its box, then the
    // whole on-line main-page entry once more.
    void FallBackToMainPage(OpenLinkResult result);
    void ShowLinkError(OpenLinkResult result);

    MainWindow& window_;
};

} // namespace tunbox
