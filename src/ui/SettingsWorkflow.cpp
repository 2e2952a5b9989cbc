#include "ui/SettingsWorkflow.h"

#include "app/MessageTable.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

namespace tunbox {

SettingsWorkflow::SettingsWorkflow(MainWindow& window) : window_(window) {}

void SettingsWorkflow::DefaultSettingsButtonClick() {
    QWidget* active = window_.MainPageC()->ActivePage();
    if (active == window_.ReleSettingsTabSh())
        window_.ReleSettingsTabSh()->ApplyFactoryDefaults();
    else if (active == window_.ReleSettingsTabRPU())
        window_.ReleSettingsTabRPU()->ApplyFactoryDefaults();
    window_.SetStatusText(Msg(10014));
}

} // namespace tunbox
