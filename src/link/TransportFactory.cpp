#include "link/TransportFactory.h"

namespace tunbox {
namespace {

// Stand-in until the USB backend exists: no unit is ever present.
class NoUnitTransport final : public Transport {
public:
    bool OpenUnit() override { return false; }
    void CloseUnit() override {}
    bool WriteByte(std::uint8_t) override { return false; }
    bool WritePacket(const std::uint8_t (&)[64]) override { return false; }
    bool ReadByte(std::uint8_t&) override { return false; }
    bool ReadPacket(std::uint8_t (&)[64]) override { return false; }
    void FlushWritePipe() override {}
    void FlushReadPipe() override {}
    unsigned DeviceCount() const override { return 0; }
};

} // namespace

std::unique_ptr<Transport> CreateTransport()
{
    return std::make_unique<NoUnitTransport>();
}

} // namespace tunbox
