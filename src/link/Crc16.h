#pragma once

#include <cstdint>
#include <span>

namespace tunbox {

// CRC-16 used on every frame and data stream of the link: polynomial 0x8005
// processed bit-reversed (0xA001), start value 0, no final XOR (CRC-16/ARC;
// "123456789" gives 0xBB3D). The result travels low byte first.

// Folds one byte into the running value `crc`, least significant bit first.
void Crc16Update(std::uint16_t& crc, std::uint8_t byte);

// CRC of `bytes` starting from 0.
std::uint16_t Crc16Of(std::span<const std::uint8_t> bytes);

} // namespace tunbox
