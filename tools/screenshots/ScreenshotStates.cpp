#include "ScreenshotStates.h"

#include "files/BackupFile.h"
#include "files/LineFile.h"
#include "link/CommandFrame.h"
#include "model/WorkingImage.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTabWidget>

namespace tunbox {
namespace {

using PageOf = QWidget* (*)(const MainWindow&);

// The page area shown with page active and its tab beside the main tab.
std::function<void(MainWindow&)> ShowPage(PageOf pageOf) {
    return [pageOf](MainWindow& window) {
        QWidget* page = pageOf(window);
        window.MainPageC->SetTabShown(page, true);
        window.MainPageC->SetActivePage(page);
        window.MainPageC->show();
    };
}

QWidget* MainPageOf(const MainWindow& window) {
    return window.MainTabSh;
}

// The main page with the working list and Memo1 shown, as F5 shows them.
void ShowWorkingList(MainWindow& window) {
    ShowPage(MainPageOf)(window);
    window.Image().Refill({85, 85, 160});
    window.setFocus();
    window.FormKeyDown(QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier));
}

QWidget* RelePageOf(const MainWindow& window) {
    return window.ReleSettingsTabSh;
}

QWidget* RpuPageOf(const MainWindow& window) {
    return window.ReleSettingsTabRPU;
}

QTabWidget* OutputTabsOf(const MainWindow& window, PageOf pageOf) {
    if (pageOf == RelePageOf)
        return window.ReleSettingsTabSh->Tabs();
    return window.ReleSettingsTabRPU->Tabs();
}

// A settings page with one output's tab chosen, before or after the factory
// settings were applied with the "Завод. настройки" command.
std::function<void(MainWindow&)> ShowOutput(PageOf pageOf, int outputTab, bool defaults) {
    return [=](MainWindow& window) {
        ShowPage(pageOf)(window);
        OutputTabsOf(window, pageOf)->setCurrentIndex(outputTab);
        if (defaults)
            window.Work().settings.DefaultSettingsButtonClick();
    };
}

// Both settings pages, each output tab, in the starting state and with the
// factory settings.
void AddSettingsPageStates(std::vector<ScreenshotState>& states) {
    const struct {
        const char* name;
        PageOf pageOf;
    } pages[] = {{"rele", RelePageOf}, {"rpu", RpuPageOf}};
    for (const auto& page : pages) {
        for (int tab = 0; tab < 3; ++tab) {
            for (bool defaults : {false, true}) {
                states.push_back(
                    {QStringLiteral("1%1-%2-output%3-%4")
                         .arg(page.pageOf == RelePageOf ? 0 : 1)
                         .arg(QLatin1String(page.name))
                         .arg(tab + 1)
                         .arg(defaults ? QStringLiteral("defaults") : QStringLiteral("initial")),
                     ShowOutput(page.pageOf, tab, defaults)});
            }
        }
    }
}

// The window after the user's clicks with the simulated unit behind it.
void Connect(MainWindow& window) {
    window.Commands()->ConnectButton->click();
}

// Connected, then on the settings page the mode fits, which reads the unit at once.
void ConnectedSettingsPage(MainWindow& window, bool repeater) {
    Connect(window);
    if (repeater)
        window.MainTabSh->RTR_rb->click();
    QWidget* page = repeater ? static_cast<QWidget*>(window.ReleSettingsTabSh)
                             : static_cast<QWidget*>(window.ReleSettingsTabRPU);
    window.MainPageC->setCurrentWidget(page);
}

// Connected, and a backup created from the unit: "Создать", "РПУ", "Считать".
void ConnectedBackupRead(MainWindow& window) {
    Connect(window);
    window.MainPageC->setCurrentWidget(window.RegistBackupTabSh);
    window.RegistBackupTabSh->RegBackupCreateButton->click();
    window.RegistBackupTabSh->RPU_RTRRadioGr->Item(0)->click();
    window.Commands()->ReadButton->click();
}

// Connected, and a firmware file of the mode chosen from the list: its details
// show and the update can start. The file is made up for the picture: a valid
// opening frame of version 10_4 and filler.
void ConnectedFirmwareDetails(MainWindow& window) {
    const QString folder = window.Fields().ProgramDir + QStringLiteral("/base");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/klt-rpu_10_4.bin"));
    if (file.open(QIODevice::WriteOnly)) {
        const CommandFrame frame = BuildCommandFrame(CmdFirmware, 104, 0);
        QByteArray bytes(10 + 64 * 512, '\x5A');
        for (std::size_t i = 0; i < frame.size(); ++i)
            bytes[static_cast<qsizetype>(i)] = static_cast<char>(frame[i]);
        file.write(bytes);
    }
    file.close();
    Connect(window);
    QListWidget* list = window.MainTabSh->SoftUpdatesListBox;
    if (list->count() > 0) {
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
    }
}

// The backup the loading state finds in the folder "reg": a synthetic image
// of 1792 values whose last, the configuration code, is 5.
const QString LoadedBackup = QStringLiteral("reg/klt_rtr_150_081226_object_A-7_conf_5.rrg");

// Connected, and a backup file loaded for restoring: "Восстановить", "Загрузить".
void ConnectedBackupLoaded(MainWindow& window) {
    QStringList lines;
    for (int k = 0; k < RegistrationImageLength; ++k)
        lines.append(QString::number(k + 1 < RegistrationImageLength ? k % 256 : 5));
    WriteLines(QDir(window.Fields().ProgramDir).filePath(LoadedBackup), lines);
    Connect(window);
    window.MainPageC->setCurrentWidget(window.RegistBackupTabSh);
    window.RegistBackupTabSh->RegBackupRestoreButton->click();
    window.Commands()->LoadButton->click();
}

void DemoWork(MainWindow& window) {
    window.Commands()->OperModeCmB->setCurrentIndex(CommandColumn::DemoItem);
    emit window.Commands()->OperModeCmB->activated(CommandColumn::DemoItem);
}

std::vector<ScreenshotState> WorkflowStates() {
    return {
        {QStringLiteral("20-connected-main"), Connect},
        {QStringLiteral("21-connected-rele-settings-read"),
         [](MainWindow& w) { ConnectedSettingsPage(w, true); }},
        {QStringLiteral("22-connected-rpu-settings-read"),
         [](MainWindow& w) { ConnectedSettingsPage(w, false); }},
        {QStringLiteral("23-connected-backup-read"), ConnectedBackupRead},
        {QStringLiteral("24-demo-main"), DemoWork},
        {QStringLiteral("25-connected-firmware-details"), ConnectedFirmwareDetails},
        {QStringLiteral("26-connected-backup-loaded"), ConnectedBackupLoaded, {LoadedBackup}},
    };
}

// The welcome area and each page of the page control.
std::vector<ScreenshotState> WindowStates() {
    return {
        {QStringLiteral("01-welcome"), [](MainWindow&) {}},
        {QStringLiteral("02-page-main"), ShowPage(MainPageOf)},
        {QStringLiteral("03-page-backup"),
         ShowPage([](const MainWindow& w) -> QWidget* { return w.RegistBackupTabSh; })},
        {QStringLiteral("04-page-rele-settings"), ShowPage(RelePageOf)},
        {QStringLiteral("05-page-rpu-settings"), ShowPage(RpuPageOf)},
        {QStringLiteral("06-page-main-working-list"), ShowWorkingList},
    };
}

} // namespace

std::vector<ScreenshotState> ScreenshotStates() {
    std::vector<ScreenshotState> states = WindowStates();
    AddSettingsPageStates(states);
    for (ScreenshotState& state : WorkflowStates())
        states.push_back(std::move(state));
    return states;
}

} // namespace tunbox
