#pragma once

#include "files/FileOutcome.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tunbox {

// Registration backup files (*.rrg): the lines of the working image as they were
// when saved, normally the 1792 bytes of the unit's registration memory, one
// decimal number per line; the last line is the configuration code. Saving goes
// through WriteLines; the name is BackupFileName's.

// Seven blocks of 256 bytes.
inline constexpr int RegistrationImageLength = 1792;

struct BackupFileData {
    FileOutcome file;
    QStringList lines; // every line of the file; empty unless file is Ok
    QString confCode;  // the last line, shown as the configuration code
};

// Reads the file at path (ReadLines). Its length is not checked here: the image
// is checked when it is written to the unit.
BackupFileData ReadBackupFile(const QString& path);

// The registration image the lines of the working image describe: the first
// RegistrationImageLength lines, each an integer 0..255. None when there are fewer
// lines or one of them is anything else, so nothing is sent that would change the
// unit's memory into something the file did not say.
std::optional<std::vector<std::uint32_t>> RegistrationImageFromLines(const QStringList& lines);

} // namespace tunbox
