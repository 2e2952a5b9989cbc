#pragma once

#include "LinkEventLog.h"
#include "link/Transport.h"

namespace tunbox {

// Passes every call on to another transport and writes what went over the
// pipes, and whether it succeeded, to an event log. Opening, closing and the
// device count are passed on without an entry.
class TracingTransport final : public Transport {
  public:
    TracingTransport(Transport& inner, LinkEventLog& log);

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
    Transport& inner_;
    LinkEventLog& log_;
};

} // namespace tunbox
