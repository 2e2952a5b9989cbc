#pragma once

#include "link/CommandFrame.h"
#include "link/SimulatedFaults.h"
#include "link/Transport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <vector>

namespace tunbox {

// The unit's side of the link, in memory. It answers link initialisation with
// its firmware version, ignores link breaks, serves and stores 8 blocks of 256
// bytes (registration memory at block 0, settings block at block 7), checks the
// mark and CRC of the data it is sent, and takes firmware images: after an
// accepted upload it reports byte 3 of the image as its version.
//
// Everything it is sent is handled at once, so a read fails when no answer is
// waiting (where a real unit would time out) instead of blocking. The one
// wait it knows is the optional slow verdict after a block write or upload.
class SimulatedUnit final : public Transport {
  public:
    static constexpr std::size_t BlockCount = 8;
    static constexpr std::size_t MemorySize = BlockCount * 256;

    static constexpr std::size_t RegistrationSize = 7 * 256;
    // Configuration code kept in the last registration byte of a unit that
    // starts with plausible contents.
    static constexpr std::uint8_t StartingConfigurationCode = 42;

    // A unit whose memory is all zeros, as tests and the trace tool want it.
    explicit SimulatedUnit(std::uint8_t version);
    // A unit that looks used, so that a first read shows something: its
    // registration memory holds k mod 251 in byte k and the configuration code
    // in its last byte, its settings block starts with `settings` (at most one
    // block of it) and is zero after it.
    SimulatedUnit(std::uint8_t version, std::span<const std::uint8_t> settings);

    bool OpenUnit() override;
    void CloseUnit() override;
    bool WriteByte(std::uint8_t byte) override;
    bool WritePacket(const std::uint8_t (&packet)[PacketLength]) override;
    bool ReadByte(std::uint8_t& byte) override;
    bool ReadPacket(std::uint8_t (&packet)[PacketLength]) override;
    void FlushWritePipe() override;
    void FlushReadPipe() override;
    unsigned DeviceCount() const override;

    // How the unit waits before a slow verdict (SimulatedFaults::verdictDelayMs).
    // By default the calling thread sleeps: the program runs its exchanges
    // off the window's thread, so the window keeps repainting meanwhile.
    // Tests and the trace tool put their own wait here.
    using Wait = std::function<void(unsigned ms)>;
    void SetVerdictWait(Wait wait) { verdictWait_ = std::move(wait); }

    SimulatedFaults& Faults() { return faults_; }
    std::uint8_t Version() const { return version_; }
    bool IsOpen() const { return open_; }
    std::array<std::uint8_t, MemorySize>& Memory() { return memory_; }
    const std::array<std::uint8_t, MemorySize>& Memory() const { return memory_; }
    // Image bytes received by the last firmware upload, in arrival order.
    const std::vector<std::uint8_t>& LastFirmware() const { return firmware_; }

  private:
    enum class State { Command, BlockData, Firmware };

    bool Plugged();
    bool CountWrite();
    bool CountRead();
    void Receive(std::uint8_t byte);
    void HandleCommand(const CommandFrame& frame);
    void FinishBlockWrite();
    void FinishFirmware();
    void Answer(std::uint8_t command, std::uint8_t value);
    void ResetReceiver();

    std::uint8_t version_;
    SimulatedFaults faults_;
    std::array<std::uint8_t, MemorySize> memory_{};
    bool open_ = false;
    unsigned deviceCount_ = 0;
    unsigned writeCalls_ = 0;
    unsigned readCalls_ = 0;
    unsigned transportCalls_ = 0; // for the pulled cable

    State state_ = State::Command;
    std::vector<std::uint8_t> received_; // bytes of the frame or stream being received
    std::size_t blockStart_ = 0;         // block write: first block and count
    std::size_t blockCount_ = 0;
    std::uint8_t firmwareVersion_ = 0; // byte 3 of the image being received
    std::vector<std::uint8_t> firmware_;
    std::deque<std::uint8_t> outgoing_; // answer bytes waiting to be read
    bool verdictDue_ = false;           // a verdict is decided but not yet asked for
    Wait verdictWait_;
};

} // namespace tunbox
