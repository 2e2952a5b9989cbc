#pragma once

#include "link/Transport.h"

#include <string>
#include <vector>

namespace tunbox {

// A transport with no unit behind it that records every call by name, for
// tests that only need to know which pipe operations the window used.
class RecordingTransport final : public Transport {
  public:
    const std::vector<std::string>& Calls() const { return calls_; }
    int CountOf(const std::string& call) const;

    // What OpenUnit reports and DeviceCount returns afterwards.
    void SetUnitCount(unsigned count) { unitCount_ = count; }

    bool OpenUnit() override;
    void CloseUnit() override;
    bool WriteByte(std::uint8_t byte) override;
    bool WritePacket(const std::uint8_t (&packet)[PacketLength]) override;
    bool ReadByte(std::uint8_t& byte) override;
    bool ReadPacket(std::uint8_t (&packet)[PacketLength]) override;
    void FlushWritePipe() override;
    void FlushReadPipe() override;
    unsigned DeviceCount() const override;

  private:
    std::vector<std::string> calls_;
    unsigned unitCount_ = 0;
    unsigned foundUnits_ = 0;
};

} // namespace tunbox
