#include "ui/ConnectionWorkflow.h"

#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"

namespace tunbox {

ConnectionWorkflow::ConnectionWorkflow(MainWindow& window) : window_(window) {
    QObject::connect(window.Commands()->OperModeCmB, &QComboBox::activated, &window,
                     [this] { OperModeCmBChange(); });
}

void ConnectionWorkflow::OperModeCmBChange() {
    // Item "демо" (demo work without a unit) has no workflow yet and leaves
    // the window as it is.
    if (window_.Commands()->OperModeCmB->currentIndex() == CommandColumn::OnLineItem)
        EnterOnLineWork();
}

// Work with a unit: Connect is offered, everything that needs a connected unit
// waits, and the welcome area shows until a unit is connected.
void ConnectionWorkflow::EnterOnLineWork() {
    CommandColumn* commands = window_.Commands();
    window_.Fields().DemoMode = false;
    commands->ConnectButton->setEnabled(true);
    commands->DisconnectButton->setEnabled(false);
    window_.MainTabSh->DevOperModeGrB->show();
    for (QPushButton* button : {commands->WriteButton, commands->ReadButton, commands->SaveButton,
                                commands->LoadButton, commands->DefaultSettingsButton})
        button->setEnabled(false);
    window_.MainPageC->SetActivePage(window_.MainTabSh);
    window_.MainPageC->hide();
}

} // namespace tunbox
