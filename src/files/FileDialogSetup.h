#pragma once

#include "files/BackupFileName.h"
#include "files/ModeButtons.h"

#include <QString>

namespace tunbox {

// What a file dialog of the settings or backup pages is opened with. The window
// sets all of it before every run (its dialogs keep the last name otherwise).
struct FileDialogSetup {
    int titleId = 0;       // catalogue id of the title
    int filterId = 0;      // catalogue id of the filter text "Caption|*.ext"
    int filterIndex = 1;   // the filter chosen first, counted from 1
    QString defaultSuffix; // appended when the user gives no extension
    QString subfolder;     // of the program's folder, where the dialog opens
    QString fileName;      // preset name or pattern; empty for none

    bool operator==(const FileDialogSetup&) const = default;
};

inline constexpr char SettingsFolderName[] = "conf";
inline constexpr char BackupFolderName[] = "reg";
inline constexpr char SettingsFileSuffix[] = "cfg";

// The name a settings save suggests. In demo mode the mode buttons decide: RPU_rb
// "klt_rpu_auto", RTR_rb "klt_rtr", MRO_rb "klt_mro". Connected, the unit's kind
// decides: DeviceMode 0 with RPU_rb "klt_rpu_auto", with RTR_rb "klt_rtr";
// DeviceMode 1 "klt_mro". Empty when none of these applies (the dialog then keeps
// the name it had).
QString SuggestedSettingsName(bool demoMode, int deviceMode, const ModeButtons& buttons);

// "Сохранить" on a settings page: title 10044, filter 10036, suffix "cfg", "conf".
FileDialogSetup SettingsSaveDialog(const QString& suggestedName);
// "Загрузить" on a settings page: title 10035, filter 10036, suffix "cfg", "conf",
// no name.
FileDialogSetup SettingsLoadDialog();
// "Сохранить" on the backup page: title 10041, filter 10027, suffix "rrg", "reg",
// with the suggested name (SuggestedBackupName).
FileDialogSetup BackupSaveDialog(const QString& suggestedName);
// "Загрузить" on the backup page: title 10032, filter 10027, suffix "rrg", "reg",
// name BackupOpenPattern(mode).
FileDialogSetup BackupLoadDialog(BackupMode mode);
// "Удалить" on the backup page: as loading, with title 10026.
FileDialogSetup BackupDeleteDialog(BackupMode mode);

} // namespace tunbox
