#pragma once

#include "files/FileOutcome.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
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
    // The working image the lines give, one value per line (see
    // BackupImageValues); empty unless file is Ok and badLine is 0.
    std::vector<std::uint32_t> values;
    int badLine = 0; // the first line that is no integer, counted from 1; 0 for none
};

// Reads the file at path (ReadLines) and converts its lines. Its length and the
// range of its values are not checked here: the image is checked when it is
// written to the unit.
BackupFileData ReadBackupFile(const QString& path);

// The values of lines, one per line: each an integer (ParseDecimalLine), a
// negative number as its 32-bit two's complement. None when a line is anything
// else; firstBad (when given) then gets that line's number, counted from 1.
std::optional<std::vector<std::uint32_t>> BackupImageValues(const QStringList& lines,
                                                            int* firstBad = nullptr);

// The registration image the lines of the working image describe: the first
// RegistrationImageLength lines, each an integer 0..255. None when there are fewer
// lines or one of them is anything else, so nothing is sent that would change the
// unit's memory into something the file did not say.
std::optional<std::vector<std::uint32_t>> RegistrationImageFromLines(const QStringList& lines);

// The same rule on a working image: its first RegistrationImageLength values,
// each 0..255. A value above 255 is refused rather than sent as its low byte.
std::optional<std::vector<std::uint32_t>>
RegistrationImageFromValues(std::span<const std::uint32_t> values);

} // namespace tunbox
