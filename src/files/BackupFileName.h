#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tunbox {

// Names of registration backup files (*.rrg). A name carries what identifies a
// backup: klt_rtr_17_081226_object_0042_conf_5.rrg is mode "РТР", module address
// 17, started on 8 December 2026, object number 0042, configuration code 5.
inline constexpr char RpuFilePrefix[] = "klt_rpu_";
inline constexpr char RtrFilePrefix[] = "klt_rtr_";
inline constexpr char ObjectFilePrefix[] = "object_";
inline constexpr char ConfTag[] = "_conf_";
inline constexpr char BackupFileSuffix[] = "rrg";

// The mode in the system a backup is for: the index of RPU_RTRRadioGr.
enum class BackupMode {
    None = -1,
    Rpu = 0, // "РПУ": module addresses 1..4
    Rtr = 1, // "РТР": module addresses 5..196
};

// The module address list of mode: "1".."4" for Rpu, "5".."196" for Rtr, none
// for None.
QStringList ModuleAddressList(BackupMode mode);

// Whether a module address typed for mode is allowed when the field is left: an
// empty text (nothing to check), any text while no mode is chosen, else an integer
// within the mode's range (text that is no integer counts as -1).
bool ModuleAddressAllowed(BackupMode mode, const QString& text);

// "_" + ddmmyy + "_" of date: 31 January 2027 gives "_310127_". Built from the
// digits directly, so whatever the user's date format the tag is safe in a name.
QString DateTag(const QDate& date);

// The name a save suggests, without extension: mode prefix, module address,
// DateTag, "object_" and the object number, then "_conf_" and the configuration
// code. Without a mode only "_conf_" and the code.
QString SuggestedBackupName(BackupMode mode, const QString& moduleAddress, const QString& dateTag,
                            const QString& objectNumber, const QString& confCode);

// Whether the identification can go into a backup file name and be read back
// from it. The number of each value is its message id.
enum class BackupNameCheck {
    Ok = 0,
    MissingField = 10039,     // module address or object number empty
    BadObjectNumber = 10095,  // holds "_", "/", "\" or a control character
    BadModuleAddress = 10096, // the same in the module address, or it ends in "object"
    BadConfCode = 10097,      // the same in the configuration code
    NameTooLong = 10098,      // the name with ".rrg" exceeds 255 bytes
};

// Checks a save's fields before its dialog opens, in this order: both fields
// given; then, when a mode is chosen (only then do they go into the name), the
// object number, the module address, the configuration code, that the name reads
// back as these fields, and the length of the whole name. Ok guarantees that
// ParseBackupFileName gives the mode, module address and object number back.
BackupNameCheck CheckBackupName(BackupMode mode, const QString& moduleAddress,
                                const QString& dateTag, const QString& objectNumber,
                                const QString& confCode);

// What a file name tells about its backup.
struct BackupNameParts {
    BackupMode mode = BackupMode::None; // None: the name has neither prefix
    QString moduleAddress;              // empty without a prefix
    QString objectNumber;               // empty without "object_"
    QString confCode;                   // empty without "_conf_"

    bool operator==(const BackupNameParts&) const = default;
};

// Reads a file name (without folder) back, matching the name pieces ignoring
// case and taking the values as the name spells them. Mode: "klt_rpu_" anywhere
// gives Rpu, "klt_rtr_" anywhere gives Rtr (it wins when both occur). Module
// address: the text after the first occurrence of the matched prefix up to the
// next "_". Object number: the text after the first "object_" up to the next "_".
// Configuration code: the text after the last "_conf_" up to the next "_" or ".".
// Each scan ends at the end of the name when no delimiter follows.
BackupNameParts ParseBackupFileName(const QString& fileName);

// The file name pattern an open dialog shows for mode: "klt_rpu_*", "klt_rtr_*",
// or empty for no mode.
QString BackupOpenPattern(BackupMode mode);

} // namespace tunbox
