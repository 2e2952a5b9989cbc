#pragma once

#include "link/LinkHost.h"
#include "link/Transport.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tunbox {

// The unit's configuration memory moves in blocks of 256 bytes: 7 blocks of
// registration memory at block address 0, one settings block at address 7.
inline constexpr std::size_t BlockLength = 256;
inline constexpr std::uint8_t RegistrationBlockAddress = 0;
inline constexpr std::uint8_t RegistrationBlockCount = 7;
inline constexpr std::uint8_t SettingsBlockAddress = 7;
inline constexpr std::uint8_t SettingsBlockCount = 1;

// Both directions carry the same stream: 0xAA 0xAA, the data bytes, and the
// CRC-16 of mark and data (low, high).

// Result of WriteBlocks and ReadBlocks. The two operations share the codes
// 0..4 but give 2, 3 and 4 their own meanings, so each meaning has its own name
// and a code is read together with the operation that returned it.
enum class BlockResult : int {
    Ok = 0,            // write: data sent and accepted; read: data received, CRC correct
    CommandFailed = 1, // a byte of the command frame could not be written

    // WriteBlocks
    AnswerFailed = 2,      // a byte of the unit's answer could not be read
    Rejected = 3,          // the unit refused the data (answer byte 3 not 0)
    StreamWriteFailed = 4, // a byte or packet of the data stream could not be written

    // ReadBlocks
    StreamReadFailed = 2, // a byte or packet of the stream could not be read
    BadMark = 3,          // the stream did not begin with 0xAA 0xAA
    BadCrc = 4,           // the received CRC does not match
};

// Writes `blockCount` blocks from `data` (one value per byte, the low byte is
// sent) to `blockAddress`. Progress is reported as message 10051; the host is
// asked to process events at every progress step. `data` must hold
// blockCount * 256 values: a shorter array sends nothing and gives
// CommandFailed.
BlockResult WriteBlocks(Transport& transport, LinkHost& host, std::uint8_t blockCount,
                        std::uint8_t blockAddress, const std::vector<std::uint32_t>& data);

// Reads `blockCount` blocks from `blockAddress`. Only on Ok is `data` replaced by
// blockCount * 256 values 0..255; otherwise it is left exactly as it was.
// Progress is reported as message 10055, success as message 10057.
BlockResult ReadBlocks(Transport& transport, LinkHost& host, std::uint8_t blockCount,
                       std::uint8_t blockAddress, std::vector<std::uint32_t>& data);

} // namespace tunbox
