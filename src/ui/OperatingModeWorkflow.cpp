#include "ui/OperatingModeWorkflow.h"

#include "app/MessageTable.h"
#include "ui/BackupPage.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"
#include "ui/widgets/ButtonChoice.h"

namespace tunbox {
OperatingModeWorkflow::OperatingModeWorkflow(MainWindow& window) : window_(window) {
    MainPage* main = window.MainTabSh;
    for (QRadioButton* button : {main->RPU_rb, main->RTR_rb, main->MRO_rb})
        QObject::connect(button, &QRadioButton::toggled, &window, [this](bool checked) {
            if (checked)
                DevOperModeGrB_rbClick();
        });
}

void OperatingModeWorkflow::DevOperModeGrB_rbClick() {
    MainPage* main = window_.MainTabSh;
    WindowFields& fields = window_.Fields();
    if (fields.DemoMode) {
        // No unit: every page the chosen mode has.
        if (main->RPU_rb->isChecked())
            ShowTabs(true, false, true);
        else if (main->RTR_rb->isChecked())
            ShowTabs(true, true, false);
        else
            ShowTabs(false, true, false);
        return;
    }

    fields.CatalogueMode =
        main->RPU_rb->isChecked() || main->RTR_rb->isChecked() ? 0 : DeviceModeRelayModule;
    main->SoftUpdateGrB->hide();
    if (fields.CatalogueMode == fields.Unit.DeviceMode) {
        const bool settingsPages = fields.Unit.DeviceVersion >= SettingsPagesVersion;
        if (main->RPU_rb->isChecked())
            ShowTabs(true, false, settingsPages);
        else if (main->RTR_rb->isChecked())
            ShowTabs(true, settingsPages, false);
        else
            ShowTabs(false, true, false);
    } else {
        // The unit's firmware does not serve the mode: it has to be changed first.
        ShowTabs(false, false, false);
        ShowNoticeBox(window_, Msg(10025));
    }
    // The list follows the mode; whether it offers an update is asked by the
    // page entry alone.
    window_.Work().firmware.ScanFirmwareFolder(/*report=*/!quietScans_);
}

void OperatingModeWorkflow::UncheckAll() {
    ShowChoice(window_.MainTabSh->OperModeButtons, -1);
}

void OperatingModeWorkflow::ShowTabs(bool backup, bool rele, bool rpu) {
    PageControl* pages = window_.MainPageC;
    pages->SetTabShown(window_.RegistBackupTabSh, backup);
    pages->SetTabShown(window_.ReleSettingsTabSh, rele);
    pages->SetTabShown(window_.ReleSettingsTabRPU, rpu);
}

} // namespace tunbox
