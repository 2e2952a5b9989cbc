#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tunbox {

// Bytes moved by one WritePacket or ReadPacket call.
inline constexpr std::size_t PacketLength = 64;

// The two pipes to one attached unit: commands and data go out through the
// write pipe, answers come back through the read pipe. Every operation reports
// failure by its result and never throws.
class Transport {
  public:
    virtual ~Transport() = default;

    // Looks for attached units and sets DeviceCount; keeps the pipes only when
    // exactly one unit is present. True when DeviceCount is 1.
    virtual bool OpenUnit() = 0;
    // Closes whatever pipes are open; harmless when none are.
    virtual void CloseUnit() = 0;
    virtual bool WriteByte(std::uint8_t byte) = 0;
    virtual bool WritePacket(const std::uint8_t (&packet)[PacketLength]) = 0;
    // True only when exactly one byte arrived.
    virtual bool ReadByte(std::uint8_t& byte) = 0;
    // True only when a full packet of 64 bytes arrived.
    virtual bool ReadPacket(std::uint8_t (&packet)[PacketLength]) = 0;
    virtual void FlushWritePipe() = 0;
    virtual void FlushReadPipe() = 0;
    // Units found by the last OpenUnit.
    virtual unsigned DeviceCount() const = 0;

    // The system's explanation of why the last OpenUnit could not open the pipes
    // of the single unit it found (for example missing permission); empty when
    // the pipes opened. The window shows it in a box titled "Error". With
    // DeviceCount 0 it is empty, or says why the backend could not look for
    // units at all.
    virtual std::string OpenErrorText() const { return {}; }
};

} // namespace tunbox
