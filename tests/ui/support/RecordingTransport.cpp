#include "support/RecordingTransport.h"

#include <algorithm>

namespace tunbox {

int RecordingTransport::CountOf(const std::string& call) const {
    return static_cast<int>(std::count(calls_.begin(), calls_.end(), call));
}

bool RecordingTransport::OpenUnit() {
    calls_.push_back("OpenUnit");
    foundUnits_ = unitCount_;
    return foundUnits_ == 1;
}

void RecordingTransport::CloseUnit() {
    calls_.push_back("CloseUnit");
}

bool RecordingTransport::WriteByte(std::uint8_t) {
    calls_.push_back("WriteByte");
    return false;
}

bool RecordingTransport::WritePacket(const std::uint8_t (&)[PacketLength]) {
    calls_.push_back("WritePacket");
    return false;
}

bool RecordingTransport::ReadByte(std::uint8_t&) {
    calls_.push_back("ReadByte");
    return false;
}

bool RecordingTransport::ReadPacket(std::uint8_t (&)[PacketLength]) {
    calls_.push_back("ReadPacket");
    return false;
}

void RecordingTransport::FlushWritePipe() {
    calls_.push_back("FlushWritePipe");
}

void RecordingTransport::FlushReadPipe() {
    calls_.push_back("FlushReadPipe");
}

unsigned RecordingTransport::DeviceCount() const {
    return foundUnits_;
}

} // namespace tunbox
