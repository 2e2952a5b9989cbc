#pragma once

#include "link/Transport.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace tunbox {

// Turns what a USB bulk IN endpoint delivers, one transfer at a time and in
// pieces of any length, into the byte stream the link reads: single bytes and
// 64-byte packets that may span transfers.
class UsbReceiveBuffer {
  public:
    // Runs one transfer and stores what arrived in `bytes`; false when the
    // transfer failed or timed out with nothing received.
    using Receive = std::function<bool(std::vector<std::uint8_t>& bytes)>;

    explicit UsbReceiveBuffer(Receive receive);

    // Next byte, running a transfer when none is buffered.
    bool ReadByte(std::uint8_t& byte);
    // Next 64 bytes, running transfers until they are there. Fails, consuming
    // nothing, when a transfer fails first.
    bool ReadPacket(std::uint8_t (&packet)[PacketLength]);
    // Drops everything received but not yet read.
    void Clear();
    std::size_t Buffered() const { return bytes_.size(); }

  private:
    bool Fill();

    Receive receive_;
    std::deque<std::uint8_t> bytes_;
};

} // namespace tunbox
