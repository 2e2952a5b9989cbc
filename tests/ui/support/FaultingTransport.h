#pragma once

#include "link/Transport.h"

#include <cstdint>
#include <string>

namespace tunbox {

// Stands in front of another transport (a simulated unit), counts the write
// and read calls that pass, and fails the one armed, without passing it on:
// a failed write delivers nothing, a failed read takes nothing.
class FaultingTransport final : public Transport {
  public:
    explicit FaultingTransport(Transport& unit) : unit_(unit) {}

    // Calls so far (byte or packet).
    unsigned Writes() const { return writes_; }
    unsigned Reads() const { return reads_; }
    // The n-th write or read call from now fails (1 is the next one); 0 disarms.
    void FailWrite(unsigned n) { failWrite_ = n == 0 ? 0 : writes_ + n; }
    void FailRead(unsigned n) { failRead_ = n == 0 ? 0 : reads_ + n; }

    bool OpenUnit() override { return unit_.OpenUnit(); }
    void CloseUnit() override { unit_.CloseUnit(); }
    bool WriteByte(std::uint8_t byte) override { return Write() && unit_.WriteByte(byte); }
    bool WritePacket(const std::uint8_t (&packet)[PacketLength]) override {
        return Write() && unit_.WritePacket(packet);
    }
    bool ReadByte(std::uint8_t& byte) override { return Read() && unit_.ReadByte(byte); }
    bool ReadPacket(std::uint8_t (&packet)[PacketLength]) override {
        return Read() && unit_.ReadPacket(packet);
    }
    void FlushWritePipe() override { unit_.FlushWritePipe(); }
    void FlushReadPipe() override { unit_.FlushReadPipe(); }
    unsigned DeviceCount() const override { return unit_.DeviceCount(); }
    std::string OpenErrorText() const override {
        return openError.empty() ? unit_.OpenErrorText() : openError;
    }

    // What the system would say when the unit's pipes could not be opened.
    std::string openError;

  private:
    bool Write() { return ++writes_ != failWrite_; }
    bool Read() { return ++reads_ != failRead_; }

    Transport& unit_;
    unsigned writes_ = 0;
    unsigned reads_ = 0;
    unsigned failWrite_ = 0;
    unsigned failRead_ = 0;
};

} // namespace tunbox
