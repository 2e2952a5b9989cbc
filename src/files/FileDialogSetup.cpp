#include "files/FileDialogSetup.h"

#include "link/UnitIdentity.h"

namespace tunbox {
namespace {

constexpr int SettingsSaveTitleId = 10044; // "Сохранение настроек реле в файл"
constexpr int SettingsLoadTitleId = 10035; // "Открытие файла настроек реле"
constexpr int SettingsFilterId = 10036;    // "Файлы конфигурации (*.cfg)|*.cfg"
constexpr int BackupSaveTitleId = 10041; // "Сохранение файла регистрации"
constexpr int BackupLoadTitleId = 10032; // "Открытие файла регистрации"
constexpr int BackupDeleteTitleId = 10026; // "Удаление файла регистрации"
constexpr int BackupFilterId = 10027;      // "Файлы регистрации (*.rrg)|*.rrg"

FileDialogSetup Dialog(int titleId, int filterId, const char* suffix, const char* folder,
                       const QString& name) {
    return {titleId, filterId, 1, QLatin1String(suffix), QLatin1String(folder), name};
}

FileDialogSetup SettingsDialog(int titleId, const QString& name) {
    return Dialog(titleId, SettingsFilterId, SettingsFileSuffix, SettingsFolderName, name);
}

FileDialogSetup BackupDialog(int titleId, const QString& name) {
    return Dialog(titleId, BackupFilterId, BackupFileSuffix, BackupFolderName, name);
}

} // namespace

QString SuggestedSettingsName(bool demoMode, int deviceMode, const ModeButtons& buttons) {
    QString name;
    if (demoMode) {
        if (buttons.rpu)
            name = QStringLiteral("klt_rpu_auto");
        else if (buttons.rtr)
            name = QStringLiteral("klt_rtr");
        if (buttons.mro)
            name = QStringLiteral("klt_mro");
    } else if (deviceMode == DeviceModeReceiver) {
        if (buttons.rpu)
            name = QStringLiteral("klt_rpu_auto");
        else if (buttons.rtr)
            name = QStringLiteral("klt_rtr");
    } else if (deviceMode == DeviceModeRelayModule) {
        name = QStringLiteral("klt_mro");
    }
    return name;
}

FileDialogSetup SettingsSaveDialog(const QString& suggestedName) {
    return SettingsDialog(SettingsSaveTitleId, suggestedName);
}

FileDialogSetup SettingsLoadDialog() {
    return SettingsDialog(SettingsLoadTitleId, {});
}

FileDialogSetup BackupSaveDialog(const QString& suggestedName) {
    return BackupDialog(BackupSaveTitleId, suggestedName);
}

FileDialogSetup BackupLoadDialog(BackupMode mode) {
    return BackupDialog(BackupLoadTitleId, BackupOpenPattern(mode));
}

FileDialogSetup BackupDeleteDialog(BackupMode mode) {
    return BackupDialog(BackupDeleteTitleId, BackupOpenPattern(mode));
}

} // namespace tunbox
