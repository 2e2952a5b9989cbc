#pragma once

#include "link/Transport.h"

#include <array>
#include <cstdint>

namespace tunbox {

// Every exchange opens with an 8-byte frame, and the unit's short answers have
// the same shape: 0x55 0x55, command, three parameters, CRC-16 of bytes 0..5
// (low byte, high byte).
using CommandFrame = std::array<std::uint8_t, 8>;

inline constexpr std::uint8_t FrameHeaderByte = 0x55;
// Both bytes of the mark that opens a parameter-block data stream.
inline constexpr std::uint8_t DataMarkByte = 0xAA;

// Command codes; nothing else is ever sent.
inline constexpr std::uint8_t CmdLink = 0xA0;        // link init (param 0xAA) or break (param 0)
inline constexpr std::uint8_t CmdLinkPages = 0xAA;   // link init from the backup and settings pages
inline constexpr std::uint8_t CmdReadBlocks = 0x93;  // count, block address
inline constexpr std::uint8_t CmdWriteBlocks = 0x94; // count, block address, then the stream
inline constexpr std::uint8_t CmdFirmware = 0x12;    // opens a firmware image

// First parameter of CmdLink / CmdLinkPages: initialise or break the link.
inline constexpr std::uint8_t LinkInitParam = 0xAA;
inline constexpr std::uint8_t LinkBreakParam = 0x00;

CommandFrame BuildCommandFrame(std::uint8_t command, std::uint8_t first, std::uint8_t second,
                               std::uint8_t third = 0);
// Stores the CRC of bytes 0..5 in bytes 6 (low) and 7 (high).
void StoreFrameCrc(CommandFrame& frame);

// Bytes 0 and 1 are both 0x55.
bool FrameHeaderValid(const CommandFrame& frame);
// Bytes 6 and 7 hold the CRC of bytes 0..5, low byte first.
bool FrameCrcValid(const CommandFrame& frame);

// Writes the frame byte by byte; stops at the first failed write.
bool SendFrame(Transport& transport, const CommandFrame& frame);
// Reads 8 bytes one at a time; stops at the first failed read.
bool ReceiveFrame(Transport& transport, CommandFrame& frame);

} // namespace tunbox
