#pragma once

#include "files/ModeButtons.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace tunbox {

// The firmware files kept in the folder "base" of the program's folder, and which
// of them is offered as an update.

// Which firmware the checked mode button asks for; the value is the CatalogueMode
// it sets, numbered as DeviceMode.
enum class FirmwareFamily {
    None = -1,       // no mode button checked: nothing matches, CatalogueMode keeps its value
    Receiver = 0,    // RPU_rb or RTR_rb: files named with "klt-rpu"
    RelayModule = 1, // MRO_rb: files named with "klt-mro"
};

FirmwareFamily FirmwareFamilyFor(const ModeButtons& buttons);

// The name part that marks a file of family ("klt-rpu", "klt-mro"; empty for None).
QString FirmwareNamePart(FirmwareFamily family);

// The number all digits of name form, taken in order and joined: klt-rpu_10_5.bin
// gives 105. None when name has no digit or the number exceeds a signed 32-bit
// integer.
std::optional<qint32> NameVersion(const QString& name);

// The subfolder of parent called name, matched ignoring case (an exact match
// first, else the first in name order); parent + "/" + name when there is none.
QString FindSubfolder(const QString& parent, const QString& name);

// The firmware folder of the program's folder: FindSubfolder(programDir, "base").
QString FirmwareFolder(const QString& programDir);

enum class FirmwareScanResult {
    NoUpdate = 0,          // no entry, or the candidate is not newer or not for this unit
    UpdateOffered = 1,     // the candidate is newer firmware of the unit's kind
    VersionUnreadable = 2, // the candidate's name gives no version (see NameVersion)
};

struct FirmwareScan {
    FirmwareScanResult result = FirmwareScanResult::NoUpdate;
    // Every entry of the folder whose name contains the family's name part
    // (ignoring case; files, folders and other entries alike), spelled as listed,
    // ascending by name version (names without digits first, a version beyond
    // 32 bits last), then by name ignoring case. The last entry is the candidate.
    QStringList entries;
    QString candidate; // the last entry; empty when there is none
    std::optional<qint32> candidateVersion;
};

// Lists folder for family and decides whether the candidate is offered: its name
// version greater than deviceVersion and family the same kind as deviceMode. Only
// the candidate is examined. A missing folder lists nothing.
FirmwareScan ScanFirmwareFolder(const QString& folder, FirmwareFamily family, int deviceMode,
                                int deviceVersion);

} // namespace tunbox
