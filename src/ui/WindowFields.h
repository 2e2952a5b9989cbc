#pragma once

#include "link/UnitIdentity.h"

#include <QDate>
#include <QString>

namespace tunbox {

// The window's own working values: where the program's files live, the parts
// that file names are made of, the work mode and the unit it works with.
struct WindowFields {
    QString ProgramDir;
    QString RpuFilePrefix;
    QString RtrFilePrefix;
    QString ObjectFilePrefix;
    QString DateTag;
    QString ConfTag;
    QString NewFirmwareFile;
    bool DemoMode = false;
    // Who answered the last link initialisation: DeviceVersion and DeviceMode
    // (-1 none, 0 receiver/repeater, 1 relay module, 2 partner-brand receiver).
    UnitIdentity Unit;
    // Firmware family of the operating mode chosen on the main page, numbered
    // like DeviceMode: 0 receiver/repeater firmware, 1 relay-module firmware.
    int CatalogueMode = 0;
    // Bytes of the firmware file last read: what an upload sends of the working image.
    unsigned FirmwareSize = 0;
    unsigned OutputCount = 0;
    unsigned ReleImageLength = 0;
    unsigned SettingsImageLength = 0;
};

// Sets the folder, the output and image sizes and the file-name parts the
// window starts with, for a program in programDir on the given day: DateTag is
// "_" + ddMMyy + "_" of today, whatever the user's date format.
void SetProgramFields(WindowFields& fields, const QString& programDir, const QDate& today);

// Creates "reg", "base" and "conf" in programDir where they are missing, open
// for the owner to read and write. Failures are ignored: the workflows that
// use a folder report it when they cannot.
void CreateProgramFolders(const QString& programDir);

} // namespace tunbox
