#include "ui/ConnectionWorkflow.h"

#include "app/MessageTable.h"
#include "link/CommandFrame.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/Dialogs.h"
#include "ui/ExchangeRunner.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"
#include "ui/widgets/WidgetLook.h"

namespace tunbox {
namespace {

// Error text of a failed link initialisation.
int LinkErrorMessage(OpenLinkResult result) {
    switch (result) {
    case OpenLinkResult::SendFailed:
        return 10002;
    case OpenLinkResult::ReceiveFailed:
        return 10084;
    case OpenLinkResult::BadHeader:
        return 10003;
    case OpenLinkResult::BadCrc:
        return 10004;
    case OpenLinkResult::Ok:
        break;
    }
    return 0;
}

} // namespace

ConnectionWorkflow::ConnectionWorkflow(MainWindow& window) : window_(window) {
    CommandColumn* commands = window.Commands();
    QObject::connect(commands->OperModeCmB, &QComboBox::activated, &window,
                     [this] { OperModeCmBChange(); });
    QObject::connect(commands->ConnectButton, &QPushButton::clicked, &window,
                     [this] { ConnectButtonClick(); });
    QObject::connect(commands->DisconnectButton, &QPushButton::clicked, &window,
                     [this] { DisconnectButtonClick(); });
    QObject::connect(window.MainPageC, &PageControl::PageChosen, &window,
                     [this] { MainPageCChange(); });
}

void ConnectionWorkflow::OperModeCmBChange() {
    CommandColumn* commands = window_.Commands();
    MainPage* main = window_.MainTabSh;
    if (commands->OperModeCmB->currentIndex() == CommandColumn::DemoItem) {
        window_.Fields().DemoMode = true;
        SetEnabled({commands->ConnectButton, commands->DisconnectButton}, false);
        ClearIdentity();
        main->DevOperModeGrB->show();
        window_.Work().operatingMode.DevOperModeGrB_rbClick();
        window_.MainPageC->SetActivePage(main);
        window_.MainPageC->show();
        MainPageCChange();
        return;
    }
    window_.Fields().DemoMode = false;
    commands->ConnectButton->setEnabled(true);
    commands->DisconnectButton->setEnabled(false);
    main->DevOperModeGrB->show();
    SetEnabled({commands->WriteButton, commands->ReadButton, commands->SaveButton,
                commands->LoadButton, commands->DefaultSettingsButton},
               false);
    window_.MainPageC->SetActivePage(main);
    window_.MainPageC->hide();
}

void ConnectionWorkflow::ConnectButtonClick() {
    CommandColumn* commands = window_.Commands();
    commands->ConnectButton->setEnabled(false);
    commands->DisconnectButton->setEnabled(true);

    const bool opened = window_.Exchanges().Run(
        [](Transport& transport, LinkHost&) { return transport.OpenUnit(); });
    // The transport could not look for units (USB could not start) or the one
    // unit found would not open: the system's reason, in its own words, before
    // the usual warning.
    const std::string openError = window_.Unit().OpenErrorText();
    if (!openError.empty())
        window_.UserDialogs().ShowMessage(QStringLiteral("Error"),
                                          QString::fromLocal8Bit(openError.c_str()),
                                          MessageIcon::Error, MessageButtons::Ok);
    if (opened) {
        commands->OperModeCmB->setEnabled(false);
        window_.SetStatusText(Msg(10011));
        window_.MainPageC->SetActivePage(window_.MainTabSh);
        window_.MainPageC->show();
        MainPageCChange();
        return;
    }
    const int message = window_.Unit().DeviceCount() == 0 ? 10008 : 10010;
    window_.SetStatusText(Msg(message));
    window_.UserDialogs().ShowMessage(Msg(10009), Msg(message), MessageIcon::Error,
                                      MessageButtons::Ok);
    commands->ConnectButton->setEnabled(true);
    commands->DisconnectButton->setEnabled(false);
}

void ConnectionWorkflow::DisconnectButtonClick() {
    const bool broken = window_.Exchanges().Run(
        [](Transport& transport, LinkHost&) { return CloseLink(transport); });
    if (broken)
        window_.SetStatusText(Msg(10015));
    else
        ReportError(window_, 10007);
    ResetToDisconnected();
}

void ConnectionWorkflow::MainPageCChange() {
    if (window_.Fields().DemoMode)
        EnterDemoPage();
    else
        EnterOnLinePage();
}

// Demo work: no traffic with a unit; the settings pages show the factory settings.
void ConnectionWorkflow::EnterDemoPage() {
    CommandColumn* commands = window_.Commands();
    QWidget* active = window_.MainPageC->ActivePage();
    if (active == window_.MainTabSh) {
        MainPage* main = window_.MainTabSh;
        for (QWidget* widget : {static_cast<QWidget*>(main->SoftUpdatesGroupBox),
                                static_cast<QWidget*>(main->SoftUpdatesListBox),
                                static_cast<QWidget*>(main->WriteSWButton),
                                static_cast<QWidget*>(main->SoftUpdateGrB)})
            widget->hide();
        SetEnabled({commands->WriteButton, commands->ReadButton, commands->SaveButton,
                    commands->LoadButton, commands->DefaultSettingsButton},
                   false);
    }
    const bool settingsPage =
        active == window_.ReleSettingsTabSh || active == window_.ReleSettingsTabRPU;
    if (active == window_.RegistBackupTabSh || settingsPage) {
        BackupPage* backup = window_.RegistBackupTabSh;
        SetEnabled({backup->RegBackupCreateButton, backup->RegBackupRestoreButton,
                    commands->WriteButton, commands->ReadButton, commands->SaveButton},
                   false);
        commands->LoadButton->setEnabled(true);
        backup->Dev2TypeLabel2->clear();
    }
    if (settingsPage) {
        window_.Work().settings.DefaultSettingsButtonClick();
        SetEnabled({commands->DefaultSettingsButton, commands->SaveButton}, true);
    }
}

// On-line work: every page entry breaks the link and initialises it anew; the
// result of the last initialisation this call attempted decides how it ends.
void ConnectionWorkflow::EnterOnLinePage() {
    const bool broken = window_.Exchanges().Run(
        [](Transport& transport, LinkHost&) { return CloseLink(transport); });
    if (!broken) {
        ReportError(window_, 10083);
        ResetToDisconnected();
        return;
    }
    window_.SetStatusText(Msg(10061));
    window_.SetProgress(0);
    window_.Fields().Unit.DeviceMode = DeviceModeNone;

    CommandColumn* commands = window_.Commands();
    OpenLinkResult result = OpenLinkResult::Ok;
    if (window_.MainPageC->ActivePage() == window_.MainTabSh) {
        const std::optional<OpenLinkResult> entered = EnterMainPage();
        if (!entered)
            return;
        result = *entered;
    }

    if (window_.MainPageC->ActivePage() == window_.RegistBackupTabSh) {
        result = InitialiseLink(CmdLinkPages);
        if (result == OpenLinkResult::Ok) {
            BackupPage* backup = window_.RegistBackupTabSh;
            SetEnabled({backup->RegBackupCreateButton, backup->RegBackupRestoreButton}, true);
            SetEnabled({commands->ReadButton, commands->WriteButton, commands->LoadButton,
                        commands->SaveButton, commands->DefaultSettingsButton},
                       false);
            backup->RegFNameLabel2->clear();
            backup->ConfCodeLabel2->clear();
            backup->RPU_RTRRadioGr->SetItemIndex(-1);
            backup->RPU_RTRRadioGr->setEnabled(false);
            for (QWidget* field : {static_cast<QWidget*>(backup->ObjNumEdit),
                                   static_cast<QWidget*>(backup->ModuleNumCmB)})
                field->setEnabled(false);
            backup->ObjNumEdit->clear();
            backup->ModuleNumCmB->clear();
            backup->ModuleNumCmB->clearEditText();
        } else {
            FallBackToMainPage(result);
        }
    }

    QWidget* active = window_.MainPageC->ActivePage();
    if (active == window_.ReleSettingsTabSh || active == window_.ReleSettingsTabRPU) {
        result = InitialiseLink(CmdLinkPages);
        if (result == OpenLinkResult::Ok) {
            SetEnabled({commands->ReadButton, commands->WriteButton, commands->LoadButton,
                        commands->SaveButton, commands->DefaultSettingsButton},
                       true);
            window_.Work().transfers.ReadButtonClick();
        } else {
            FallBackToMainPage(result);
        }
    }

    if (result == OpenLinkResult::Ok) {
        window_.SetStatusText(Msg(10064));
        return;
    }
    // The window stays as it is: the page area visible, the work mode locked.
    ShowErrorBox(window_, Msg(10065));
    window_.SetStatusText(Msg(10065));
    commands->ConnectButton->setEnabled(true);
    commands->DisconnectButton->setEnabled(false);
}

std::optional<OpenLinkResult> ConnectionWorkflow::EnterMainPage() {
    CommandColumn* commands = window_.Commands();
    MainPage* main = window_.MainTabSh;
    SetEnabled({commands->ReadButton, commands->WriteButton, commands->LoadButton,
                commands->SaveButton, commands->DefaultSettingsButton},
               false);
    for (QWidget* widget : {static_cast<QWidget*>(main->SoftUpdatesGroupBox),
                            static_cast<QWidget*>(main->SoftUpdatesListBox),
                            static_cast<QWidget*>(main->WriteSWButton)})
        widget->show();
    window_.Bottom().btn_ChangeLang->setEnabled(false);

    const OpenLinkResult result = InitialiseLink(CmdLink);
    if (result != OpenLinkResult::Ok) {
        ShowLinkError(result);
        return result;
    }

    const UnitIdentity unit = window_.Fields().Unit;
    OperatingModeWorkflow& modes = window_.Work().operatingMode;
    modes.SetScansQuiet(true);
    switch (unit.DeviceMode) {
    case DeviceModeReceiver:
        main->RPU_rb->setChecked(true);
        break;
    case DeviceModeRelayModule:
        main->MRO_rb->setChecked(true);
        break;
    case DeviceModePartner:
        window_.Work().operatingMode.UncheckAll();
        break;
    default:
        break;
    }
    SetEnabled(
        {main->DevOperModeGrB, main->RPU_rb, main->RTR_rb, main->MRO_rb, main->SoftUpdatesListBox},
        true);
    main->SoftUpdateGrB->hide();

    PageControl* pages = window_.MainPageC;
    switch (unit.DeviceMode) {
    case DeviceModeReceiver:
        pages->SetTabShown(window_.RegistBackupTabSh, true);
        if (unit.DeviceVersion < SettingsPagesVersion) {
            pages->SetTabShown(window_.ReleSettingsTabSh, false);
            pages->SetTabShown(window_.ReleSettingsTabRPU, false);
            main->RTR_rb->hide();
        } else {
            main->RTR_rb->show();
            window_.Work().operatingMode.DevOperModeGrB_rbClick();
        }
        break;
    case DeviceModeRelayModule:
        pages->SetTabShown(window_.RegistBackupTabSh, false);
        pages->SetTabShown(window_.ReleSettingsTabSh, true);
        pages->SetTabShown(window_.ReleSettingsTabRPU, false);
        break;
    case DeviceModePartner:
        pages->SetTabShown(window_.RegistBackupTabSh, false);
        pages->SetTabShown(window_.ReleSettingsTabSh, false);
        pages->SetTabShown(window_.ReleSettingsTabRPU, false);
        break;
    default:
        break;
    }
    modes.SetScansQuiet(false);

    if (!window_.Work().firmware.ScanFirmwareFolder())
        window_.SetStatusText(Msg(10063));
    else if (AskYesNo(window_, Msg(10062)) && !window_.Work().firmware.UpdateOffered())
        return std::nullopt;
    return result;
}

OpenLinkResult ConnectionWorkflow::InitialiseLink(std::uint8_t command) {
    UnitIdentity identity = window_.Fields().Unit;
    const OpenLinkResult result =
        window_.Exchanges().Run([command, &identity](Transport& transport, LinkHost&) {
            return OpenLink(transport, command, identity);
        });
    if (result != OpenLinkResult::Ok)
        return result;
    window_.Fields().Unit = identity;
    const QString type = Msg(identity.TypeTextId);
    window_.MainTabSh->CurrentSoftVerLabel2->setText(
        QString::fromStdString(FormatDeviceVersion(identity.DeviceVersion)));
    window_.MainTabSh->DevTypeLabel2->setText(type);
    window_.RegistBackupTabSh->Dev2TypeLabel2->setText(type);
    return result;
}

void ConnectionWorkflow::FallBackToMainPage(OpenLinkResult result) {
    ShowLinkError(result);
    window_.MainPageC->SetActivePage(window_.MainTabSh);
    window_.MainPageC->show();
    MainPageCChange();
}

void ConnectionWorkflow::ShowLinkError(OpenLinkResult result) {
    ShowErrorBox(window_, Msg(LinkErrorMessage(result)));
}

void ConnectionWorkflow::ResetToDisconnected() {
    CommandColumn* commands = window_.Commands();
    BackupPage* backup = window_.RegistBackupTabSh;
    window_.Fields().Unit.DeviceMode = DeviceModeNone;
    commands->ConnectButton->setEnabled(true);
    SetEnabled({commands->DisconnectButton, commands->LoadButton, commands->SaveButton,
                commands->WriteButton, commands->ReadButton, backup->RPU_RTRRadioGr,
                backup->ObjNumEdit, backup->ModuleNumCmB, commands->DefaultSettingsButton},
               false);
    window_.Bottom().btn_ChangeLang->setEnabled(true);
    ClearIdentity();
    window_.MainPageC->SetActivePage(window_.MainTabSh);
    window_.MainPageC->hide();
    commands->OperModeCmB->setEnabled(true);
}

void ConnectionWorkflow::ClearIdentity() {
    MainPage* main = window_.MainTabSh;
    BackupPage* backup = window_.RegistBackupTabSh;
    for (QLabel* label : {main->DevTypeLabel2, main->CurrentSoftVerLabel2, main->NewSoftVerLabel2,
                          main->SoftFNameLabel2, main->SoftFTypeLabel2, main->SoftFDateLabel2,
                          main->SoftFSizeLabel2, backup->RegFNameLabel2, backup->ConfCodeLabel2})
        label->clear();
    backup->RPU_RTRRadioGr->SetItemIndex(-1);
    backup->ObjNumEdit->clear();
    backup->ModuleNumCmB->clear();
    backup->ModuleNumCmB->clearEditText();
}

} // namespace tunbox
