#pragma once

#include <cstdint>

namespace tunbox {

// The two pipes to one attached unit: commands and data go out through the
// write pipe, answers come back through the read pipe.
class Transport {
public:
    virtual ~Transport() = default;

    virtual bool OpenUnit() = 0;
    virtual void CloseUnit() = 0;
    virtual bool WriteByte(std::uint8_t byte) = 0;
    virtual bool WritePacket(const std::uint8_t (&packet)[64]) = 0;
    virtual bool ReadByte(std::uint8_t& byte) = 0;
    virtual bool ReadPacket(std::uint8_t (&packet)[64]) = 0;
    virtual void FlushWritePipe() = 0;
    virtual void FlushReadPipe() = 0;
    // Units found by the last OpenUnit.
    virtual unsigned DeviceCount() const = 0;
};

} // namespace tunbox
