#include "files/FirmwareFile.h"

#include <QFile>
#include <QFileInfo>

namespace tunbox {
namespace {

constexpr unsigned char FrameStart = 0x55;
constexpr unsigned char CmdFirmware = 0x12;
// Bytes the upload sends on their own: the opening frame and the two closing bytes.
constexpr std::uint32_t SingleBytes = 10;
constexpr int ReceiverTypeTextId = 10019;    // "ПО для KLT-RPU"
constexpr int RelayModuleTypeTextId = 10020; // "ПО для KLT-MRO"

} // namespace

bool FirmwareSizeFits(qint64 size) {
    return size >= MinFirmwareFileSize && size <= MaxFirmwareFileSize &&
           (size - SingleBytes) % FirmwarePacketSize == 0;
}

QString FormatFirmwareVersion(unsigned v, FirmwareFamily family) {
    switch (family) {
    case FirmwareFamily::Receiver:
        return QString::number(v / 10) + u'_' + QString::number(v % 10);
    case FirmwareFamily::RelayModule:
        if (v < 100)
            return QString::number(v / 10) + u'_' + QString::number(v % 10);
        return QString::number(v / 100) + u'_' + QString::number(v % 10);
    case FirmwareFamily::None:
        break;
    }
    return {};
}

FirmwareRead ReadFirmwareFile(const QString& path, FirmwareFamily family) {
    FirmwareRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.result = FirmwareReadResult::Unreadable;
        read.file = {FileStatus::OpenFailed, file.errorString()};
        return read;
    }
    const qint64 size = file.size();
    if (size > MaxFirmwareFileSize) {
        read.result = FirmwareReadResult::BadFormat;
        return read;
    }

    // One byte more than the size tells a file that grew meanwhile.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size) + 1);
    const qint64 got = file.read(reinterpret_cast<char*>(bytes.data()), size + 1);
    if (got != size) {
        read.result = FirmwareReadResult::Unreadable;
        read.file = {FileStatus::ReadFailed, file.errorString()};
        return read;
    }
    if (size < MinFirmwareFileSize || bytes[0] != FrameStart || bytes[1] != FrameStart ||
        !FirmwareSizeFits(size)) {
        read.result = FirmwareReadResult::BadFormat;
        return read;
    }

    read.details.fileName = QFileInfo(path).fileName();
    read.details.FirmwareSize = static_cast<std::uint32_t>(size);
    read.details.modified = file.fileTime(QFileDevice::FileModificationTime);
    if (bytes[2] != CmdFirmware) {
        read.result = FirmwareReadResult::WrongType;
        return read;
    }
    if (family == FirmwareFamily::Receiver)
        read.details.typeTextId = ReceiverTypeTextId;
    else if (family == FirmwareFamily::RelayModule)
        read.details.typeTextId = RelayModuleTypeTextId;
    read.details.versionText = FormatFirmwareVersion(bytes[3], family);

    bytes.pop_back();
    read.image = std::move(bytes);
    return read;
}

} // namespace tunbox
