#pragma once

#include "link/Transport.h"
#include "link/UsbIds.h"

#include <memory>
#include <string>
#include <vector>

namespace tunbox {

// The real unit on the USB bus. The unit is the only device whose vendor and
// product ids are in the id list; its write pipe is the interface's bulk OUT
// endpoint, its read pipe the bulk IN endpoint. USB delivers whole packets
// while the link reads single bytes and 64-byte packets, so received data goes
// through a buffer that FlushReadPipe empties.
class LibusbTransport final : public Transport {
  public:
    // Longest wait of any single USB transfer. A transfer that takes longer
    // fails like any other failed read or write, so a silent unit cannot
    // freeze the window.
    static constexpr unsigned TransferTimeoutMs = 3000;

    explicit LibusbTransport(std::vector<UsbId> ids);
    ~LibusbTransport() override;
    LibusbTransport(const LibusbTransport&) = delete;
    LibusbTransport& operator=(const LibusbTransport&) = delete;

    bool OpenUnit() override;
    void CloseUnit() override;
    bool WriteByte(std::uint8_t byte) override;
    bool WritePacket(const std::uint8_t (&packet)[PacketLength]) override;
    bool ReadByte(std::uint8_t& byte) override;
    bool ReadPacket(std::uint8_t (&packet)[PacketLength]) override;
    void FlushWritePipe() override;
    void FlushReadPipe() override;
    unsigned DeviceCount() const override;
    std::string OpenErrorText() const override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tunbox
