#include "ui/SettingsFileWorkflow.h"

#include "app/MessageTable.h"
#include "files/FileDialogSetup.h"
#include "files/FileMessages.h"
#include "files/OutputSettingsFile.h"
#include "model/ReleModeRules.h"
#include "model/RpuModeRules.h"
#include "model/WorkingImage.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"

#include <optional>
#include <vector>

namespace tunbox {
namespace {

constexpr int SaveStartId = 10044; // "Сохранение настроек реле в файл"
constexpr int SavedId = 10045; // "Настройки реле успешно сохранены в файл"
constexpr int SaveCancelledId = 10068; // "Сохранение файла отменено"
constexpr int LoadStartId = 10034;     // "Чтение настроек реле из файла"
constexpr int LoadedId = 10038; // "Настройки реле успешно считаны"
constexpr int LoadCancelledId = 10070; // "Чтение файла отменено"

// Notes the first cell an unpack refuses; the file was checked before, so this
// only keeps a disagreement from ending the program or reaching the page.
class RefusedCell final : public ProcessEnd {
  public:
    void AbortOnBadData(int byteNumber, quint32 value) override { cell = {byteNumber, value}; }
    std::optional<RejectedCell> cell;
};

} // namespace

SettingsFileWorkflow::SettingsFileWorkflow(MainWindow& window) : window_(window) {}

void SettingsFileWorkflow::SaveSettingsFile(OutputSettingsPage& page) {
    FileCommandWorkflow& files = window_.Work().files;
    window_.SetStatusText(Msg(SaveStartId));
    const ModeButtons buttons{window_.MainTabSh->RPU_rb->isChecked(),
                              window_.MainTabSh->RTR_rb->isChecked(),
                              window_.MainTabSh->MRO_rb->isChecked()};
    const QString suggested =
        SuggestedSettingsName(window_.Fields().DemoMode, window_.Fields().Unit.DeviceMode, buttons);
    const QString path = files.ChooseSaveFile(SettingsSaveDialog(suggested));
    if (path.isEmpty()) {
        window_.SetStatusText(Msg(SaveCancelledId));
        return;
    }
    // Only the active page is packed; every other byte of the file is 0.
    std::vector<quint32> image(SettingsImageLength, 0);
    page.Pack(image);
    window_.Image().Refill(image);
    files.SaveLines(path, SettingsFileLines(image), SavedId);
}

void SettingsFileWorkflow::LoadSettingsFile(OutputSettingsPage& page) {
    FileCommandWorkflow& files = window_.Work().files;
    window_.SetStatusText(Msg(LoadStartId));
    const QString path = files.ChooseOpenFile(SettingsLoadDialog());
    if (path.isEmpty()) {
        window_.SetStatusText(Msg(LoadCancelledId));
        return;
    }
    const bool relePage = &page == window_.ReleSettingsTabSh;
    SettingsFileData data =
        ReadSettingsFile(path, relePage ? SettingsPage::Rele : SettingsPage::Rpu);

    // The file goes into a copy of the page: event and binding boxes cleared
    // first, then the unpack. Only a copy that took every value replaces the
    // page, so a refused file leaves the page and the working image as they were.
    SettingsPageModel& model = page.Model();
    PageState state = model.State();
    RefusedCell refused;
    if (data.result == SettingsFileResult::Ok) {
        for (int output = 1; output <= OutputCount; ++output) {
            if (relePage)
                SetEventChecks(state, output, false);
            else
                SetRpuEventChecks(state, output, false);
            SetBindingChecks(state, output, false);
        }
        if (model.Rules().unpack(state, data.image, model.Context(), refused) != UnpackResult::Ok) {
            data.result = SettingsFileResult::BadValue;
            data.cell = refused.cell.value_or(RejectedCell{});
        }
    }
    if (data.result != SettingsFileResult::Ok) {
        ShowErrorBox(window_,
                     SettingsFileErrorText(Msg, FileCommandWorkflow::ShownName(path), data));
        return;
    }
    window_.Image().Refill({data.image.begin(), data.image.end()});
    model.SetState(state);
    window_.SetStatusText(Msg(LoadedId));
}

} // namespace tunbox
