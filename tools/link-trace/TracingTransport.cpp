#include "TracingTransport.h"

namespace tunbox {

TracingTransport::TracingTransport(Transport& inner, LinkEventLog& log)
    : inner_(inner), log_(log) {}

bool TracingTransport::OpenUnit() {
    return inner_.OpenUnit();
}

void TracingTransport::CloseUnit() {
    inner_.CloseUnit();
}

bool TracingTransport::WriteByte(std::uint8_t byte) {
    const bool ok = inner_.WriteByte(byte);
    log_.push_back(ok ? "W " + HexBytes({&byte, 1}) : "W !");
    return ok;
}

bool TracingTransport::WritePacket(const std::uint8_t (&packet)[PacketLength]) {
    const bool ok = inner_.WritePacket(packet);
    log_.push_back(ok ? "WP " + HexBytes(packet) : "WP !");
    return ok;
}

bool TracingTransport::ReadByte(std::uint8_t& byte) {
    const bool ok = inner_.ReadByte(byte);
    log_.push_back(ok ? "R " + HexBytes({&byte, 1}) : "R !");
    return ok;
}

bool TracingTransport::ReadPacket(std::uint8_t (&packet)[PacketLength]) {
    const bool ok = inner_.ReadPacket(packet);
    log_.push_back(ok ? "RP " + HexBytes(packet) : "RP !");
    return ok;
}

void TracingTransport::FlushWritePipe() {
    inner_.FlushWritePipe();
    log_.push_back("FW");
}

void TracingTransport::FlushReadPipe() {
    inner_.FlushReadPipe();
    log_.push_back("FR");
}

unsigned TracingTransport::DeviceCount() const {
    return inner_.DeviceCount();
}

std::string TracingTransport::OpenErrorText() const {
    return inner_.OpenErrorText();
}

} // namespace tunbox
