#pragma once

#include "files/FileOutcome.h"
#include "files/FirmwareCatalogue.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

namespace tunbox {

// Firmware files: bytes 0..7 are the upload's opening frame (0x55 0x55, the
// firmware command 0x12, the version byte, four more), then the body in 64-byte
// packets and two closing bytes. The upload sends exactly that grouping, so only a
// file of 10 + 64n bytes goes out intact.

inline constexpr std::uint32_t MaxFirmwareFileSize = 16 * 1024 * 1024;
inline constexpr std::uint32_t MinFirmwareFileSize = 10;
inline constexpr std::uint32_t FirmwarePacketSize = 64;

// Whether the upload can send a file of size bytes whole: 10 + 64n and at most
// MaxFirmwareFileSize.
bool FirmwareSizeFits(qint64 size);

// The version text of a file's version byte v: "v div 10" "_" "v mod 10" for
// receiver firmware (105 gives "10_5"); the same for relay-module firmware below
// 100, "v div 100" "_" "v mod 10" from 100 on (123 gives "1_3"); empty for None.
QString FormatFirmwareVersion(unsigned v, FirmwareFamily family);

// Catalogue ids of the refusals: BadFormat goes to the status line, then to a box
// titled 10013; WrongType to such a box, then to the status line.
inline constexpr int FirmwareBadFormatId = 10017; // "Неверный формат файла - запись не доступна!"
inline constexpr int FirmwareWrongTypeId = 10018; // "Несовпадение типа прибора - ..."

enum class FirmwareReadResult {
    Ok = 0,
    Unreadable = 1, // could not be opened or read: see file (FileErrorText shows it)
    BadFormat = 2,  // message 10017: not 0x55 0x55, or a size the upload cannot send whole
    WrongType = 3,  // message 10018: byte 2 is not 0x12; the name, size and date are known
};

// What the group "Сведения о файле ПО:" shows of a file.
struct FirmwareDetails {
    QString fileName;               // SoftFNameLabel2: the name without folder
    std::uint32_t FirmwareSize = 0; // SoftFSizeLabel2: bytes, the count the upload sends
    QDateTime modified;             // SoftFDateLabel2 shows its date in the short format
    int typeTextId = 0;             // SoftFTypeLabel2: 10019 "ПО для KLT-RPU" or 10020
    QString versionText;            // NewSoftVerLabel2
};

struct FirmwareRead {
    FirmwareReadResult result = FirmwareReadResult::Ok;
    FileOutcome file;        // Unreadable: OpenFailed or ReadFailed with the system's reason
    FirmwareDetails details; // name, size, date from WrongType on; all of it when Ok
    // Ok: the file's bytes in order, the working image the upload sends (one
    // value per byte); empty otherwise.
    std::vector<std::uint8_t> image;
};

// Checks and reads one firmware file for the family of the checked mode button.
// In order: the file opens (else Unreadable); a size above MaxFirmwareFileSize is
// refused as BadFormat before anything is read; the whole file is read (else
// Unreadable); bytes 0 and 1 must be 0x55 and the size 10 + 64n (else BadFormat);
// the name, size and date are filled in; byte 2 must be 0x12 (else WrongType);
// then the type text and version. Only Ok carries the image.
FirmwareRead ReadFirmwareFile(const QString& path, FirmwareFamily family);

} // namespace tunbox
