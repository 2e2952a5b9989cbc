#pragma once

#include "files/FileOutcome.h"
#include "model/RejectedCell.h"
#include "model/SettingsLayout.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <span>

namespace tunbox {

// Output settings files (*.cfg): the first SettingsImageLength cells of the
// settings block, line k holding cell k-1 as unsigned decimal text.

// The settings page a file is loaded on; its unpacking decides which values pass.
enum class SettingsPage {
    Rele = 0, // "Режимы реле и выхода ОК" (UnpackReleImage)
    Rpu = 1, // "Режимы реле и выхода ОК (РПУ в автономном режиме)" (UnpackRpuImage)
};

enum class SettingsFileResult {
    Ok = 0,
    Unreadable = 1,  // the file could not be opened or read: see file
    TooFewLines = 2, // fewer than SettingsImageLength lines: see lineCount
    NotANumber = 3,  // a line among the first 96 is no integer: see line
    BadValue = 4,    // a value the page's unpacking refuses: see cell
};

// A settings file checked for one page. Only an Ok result may reach the page and
// the working image; every other result leaves both as they were.
struct SettingsFileData {
    SettingsFileResult result = SettingsFileResult::Ok;
    FileOutcome file;  // Unreadable: the status and the system's reason
    QStringList lines; // every line of the file, the extra ones included
    int lineCount = 0; // lines in the file
    int line = 0;      // NotANumber: the first such line, counted from 1
    RejectedCell cell; // BadValue: the first cell in unpacking order
    std::array<quint32, SettingsImageLength> image{}; // Ok: the block to unpack
};

// Checks the lines of a settings file for page: at least 96 lines (the rest are
// ignored), each of the first 96 an integer (ParseDecimalLine; a negative number
// becomes its 32-bit two's complement), and every value within the range its
// byte allows on that page. All 96 values are checked before anything is
// returned as Ok, so a refused file never changes a control.
SettingsFileData CheckSettingsLines(QStringList lines, SettingsPage page);

// Reads the file at path (ReadLines) and checks it as above.
SettingsFileData ReadSettingsFile(const QString& path, SettingsPage page);

// The lines a save writes: the first SettingsImageLength cells of image as
// unsigned decimal texts (cells missing from a shorter image count as 0).
QStringList SettingsFileLines(std::span<const quint32> image);

} // namespace tunbox
