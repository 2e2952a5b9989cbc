#pragma once

#include "link/Transport.h"
#include "link/UsbIds.h"

#include <memory>
#include <string>
#include <vector>

namespace tunbox {

// The real unit on the USB bus. The unit is the only device whose vendor and
// product ids are in the id list; its write pipe is the interface's OUT
// endpoint, its read pipe the IN endpoint (bulk or interrupt). USB delivers
// whole packets while the link reads single bytes and 64-byte packets, so
// received data goes through a buffer.
//
// Every transfer has a bounded wait, and a transfer that takes longer fails
// like any other failed read or write, so a silent unit cannot hold an
// exchange forever. Calls may come from any thread, one exchange at a time.
class LibusbTransport final : public Transport {
  public:
    // Longest wait of a write, and of an ordinary read.
    static constexpr unsigned WriteTimeoutMs = 3000;
    static constexpr unsigned ReadTimeoutMs = 3000;
    // Longest wait of the read that follows a data stream: the unit's verdict
    // on a block write or a firmware upload, which it gives only after writing
    // its memory.
    static constexpr unsigned VerdictTimeoutMs = 30000;
    // How long flushing the read pipe listens for more bytes before it
    // counts the pipe as empty.
    static constexpr unsigned DrainTimeoutMs = 10;

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
    // Besides the system's reason why the single unit found could not be
    // opened, also says why no unit could be looked for at all (USB access
    // could not start, the device list could not be read); DeviceCount is 0
    // then.
    std::string OpenErrorText() const override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tunbox
